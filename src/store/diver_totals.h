#pragma once

namespace zaf::store {

class TData_Form;
class Table;

/// Recomputes the totals of the current `Divers` record from every dive logged under its
/// name (all owners): number of dives, total bottom time, deepest dive in the diver's units,
/// and the average SAC rates over the ten latest dives. Only for a record of the logged-in
/// diver's; a recomputation that changes nothing leaves a sent record marked as sent.
void diverTotals(TData_Form& data);
/// Creates, when missing, the index the totals read the log through; run when the log opens.
void ensureDiverTotalsIndex(Table& log);

/// The totals of the logged-in diver's own record, found among the divers the user owns.
void userDiverTotals(TData_Form& data);

} // namespace zaf::store
