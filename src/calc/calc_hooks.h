#pragma once

namespace zaf::store {
class TData_Form;
}

namespace zaf::calc {

/// Gives the data module the dive calculations its record rules start: the gas
/// consumption computation of the dive log's scroll rule.
void installCalcHooks(store::TData_Form& data);

} // namespace zaf::calc
