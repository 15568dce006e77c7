#include "calc/calc_hooks.h"

#include "calc/gas_rules.h"
#include "store/data_form.h"

namespace zaf::calc {

void installCalcHooks(store::TData_Form& data)
{
    data.gasComputationHook = [&data] { computeGasConsumption(data); };
}

} // namespace zaf::calc
