#pragma once

#include <QString>

namespace zaf::store {

class TData_Form;

/// Reloads the drop-down lists: puts back every default entry that is missing from
/// `MenuItems`, then reads the table in key order into `TData_Form::dropDownLists`.
/// Runs after every opening of the store.
void read_menuitems(TData_Form& data);

/// Appends an entry to a drop-down list in `MenuItems` unless it is blank or already there.
/// Returns whether it was appended. The lists in memory change only at the next reload.
bool addMenuItem(TData_Form& data, const QString& list, const QString& entry);

} // namespace zaf::store
