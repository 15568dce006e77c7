#pragma once

#include <QString>
#include <QVector>

namespace zaf::store {
class TData_Form;
}

namespace zaf::gui {

class RecordPage;

// A link field names a record of another table: a diver, a dive site, a dive shop or other
// resource. A double click on it goes to that record's page, so that the diver can look the
// buddy, the site or the shop up without searching for it.

/// The tables that link fields name records of.
enum class LinkedTable { Divers, DiveSites, DiveResources };

/// A link field of a page (by table field name) and the table whose record it names.
struct RecordLink {
    QString field;
    LinkedTable to;
};

/// Moves the table to the record whose key is `name` and shows that table's page. Returns
/// false, and leaves the shown page as it is, when the name is blank or no local record has it.
bool showLinkedRecord(store::TData_Form& data, LinkedTable to, const QString& name);

/// Shows the logged-in diver's own dive of that number on the "Dive Log" page. Returns false,
/// and shows nothing, when the number is not a number or the diver's log has no such dive.
bool showOwnDive(store::TData_Form& data, const QString& diveNumber);

/// A double click on each of the page's link fields goes to the record its text names; it
/// works on read-only records of other owners too, as looking something up changes nothing.
void installRecordLinks(RecordPage& page, store::TData_Form& data, const QVector<RecordLink>& links);

} // namespace zaf::gui
