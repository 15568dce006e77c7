#pragma once

namespace zaf::store {
class TData_Form;
}

namespace zaf::calc {

// The rules that derive the gas figures of the shown dive log entry while the diver edits
// it. They write into the entry (putting it into edit state) and leave posting to the
// navigation and save rules.

/// Pressure used, SAC rate, surface volume rate and tank 1 from the dive's totals; then the
/// three tanks and the oxygen figures. Only while the entry is being edited on the Dive Log page.
void computeGasConsumption(store::TData_Form& data);

/// Sets the pressure used to 0 and recomputes it, so that it stays 0 while a pressure is missing.
void resetPressureUsed(store::TData_Form& data);

/// Volume used, mean volume rate and the summed start and end pressures of up to three tanks.
void computeTanks(store::TData_Form& data);

/// A tank 1 without a start pressure takes the dive's start and end pressure and dive time.
void prefillTank1(store::TData_Form& data);

/// Oxygen partial pressure at maximum depth and oxygen exposure; stops quietly at the first
/// value it cannot read.
void computeOxygen(store::TData_Form& data);

/// Fills tank 1's mix from the named breathing gas, then recomputes the oxygen figures.
void applyBreathingGas(store::TData_Form& data);

/// Tells the diver the surface volume rate of the shown entry.
void showSacVolume(store::TData_Form& data);

} // namespace zaf::calc
