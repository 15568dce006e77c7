#pragma once

#include <QString>

namespace zaf::store {

class TData_Form;
class Table;

/// After the diver's own entry is posted: grows the "Location" and "DiveLog.Computer"
/// lists, creates the dive site, the dive shop and the divers the entry names that are not
/// known yet, and gives a model-5 dive computer record the entry's times.
void addCompanionRecords(TData_Form& data, Table& entry);

} // namespace zaf::store
