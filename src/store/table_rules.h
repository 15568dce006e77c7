#pragma once

// The pieces of the record rules of the tables other than the dive log, shared between the
// files that hold them. Not for use outside the store.

#include "core/view_state.h"
#include "store/record_owner.h"

#include <QString>
#include <functional>

namespace zaf::store {

class DataSource;
class TData_Form;
class Table;

namespace rules {

/// What varies between the tables; the common pattern lives in other_table_rules.cpp.
struct TableRules {
    Table* table = nullptr;
    DataSource* source = nullptr;
    Page page = Page::ZafMain;
    Sharing sharing = Sharing::Record;
    QString eventPrefix;             ///< trace prefix of new record, edit, scroll and delete
    QString postPrefix;              ///< trace prefix of before and after post; empty: no trace
    QString focusControl;            ///< where a new record puts the focus; empty: nowhere
    bool stampsOwner = true;         ///< the new record rule writes the owner stamp
    bool onlyWhilePageShows = false; ///< the new record rule runs only while its page shows
    bool clearsCopyOnServer = false; ///< the new record rule marks the record unsent
    bool hasTakeOwnership = true;    ///< the page has a "Take Ownership" button
    bool alwaysReadOnly = false;     ///< never edited from its page, whoever owns the record
    bool fullNavigator = true;       ///< the navigator offers Insert
    bool navigatorOnlyWhilePageShows = false;

    std::function<void(TData_Form&, Table&)> newRecord;      ///< replaces the stamping above
    std::function<void(TData_Form&, Table&)> afterEdit;      ///< after the common change marks
    std::function<void(TData_Form&, Table&)> afterPost;      ///< own records only
    std::function<void(TData_Form&, Table&)> afterScroll;    ///< after the navigator set
    std::function<void(TData_Form&, Table&, bool own)> dataChange; ///< after the common display
};

/// Writes "enter" and "exit" under prefix + "<table>_Table" + event; nothing for an empty prefix.
class RuleTrace {
public:
    RuleTrace(const QString& prefix, const Table& table, const char* event);
    ~RuleTrace();
    RuleTrace(const RuleTrace&) = delete;
    RuleTrace& operator=(const RuleTrace&) = delete;

private:
    QString m_procedure;
};

/// The page shows and the rules may move the focus.
bool mayMoveFocus(Page page);

// trip_numbering.cpp
void newTrip(TData_Form& data, Table& travel);

// companion_records.cpp
void diveSiteAfterPost(TData_Form& data, Table& site);
void travelAfterPost(TData_Form& data, Table& travel);
void equipmentAfterPost(TData_Form& data, Table& equipment);

// picture_rules.cpp
void picturesBeforeDelete(Table& pictures);
void installTitleValidation(Table& pictures);
/// Shows the record's picture (its `Picture` field) on the page, or offers the button that
/// fits when it cannot be shown. Returns whether it was shown.
bool showRecordPicture(Table& table, Page page);
void picturesAfterScroll(TData_Form& data, Table& pictures);

// scroll_rules.cpp
void diversAfterScroll(TData_Form& data, Table& divers);
void diveSiteAfterScroll(TData_Form& data, Table& site);
void travelAfterScroll(TData_Form& data, Table& travel);
void equipmentAfterScroll(TData_Form& data, Table& equipment);
void othersLogAfterScroll(TData_Form& data, Table& others);

} // namespace rules
} // namespace zaf::store
