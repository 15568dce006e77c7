#pragma once

namespace zaf {

// The conversions between the two unit systems a record can be kept in. The constants are
// the ones the log has always used; changing one changes every converted record.

/// feet to meters
constexpr double feet2meters(double x) { return x * 0.3048; }
/// meters to feet
constexpr double meters2feet(double x) { return x / 0.3048; }
/// bar to psi
constexpr double bar2psi(double x) { return x * 14.5038; }
/// psi to bar
constexpr double psi2bar(double x) { return x / 14.5038; }
/// degrees Celsius to Fahrenheit
constexpr double C2F(double x) { return x * 1.8 + 32; }
/// degrees Fahrenheit to Celsius
constexpr double F2C(double x) { return (x - 32) / 1.8; }
/// cubic feet to liters
constexpr double CF2L(double x) { return x / 0.0353146; }
/// liters to cubic feet
constexpr double L2CF(double x) { return x * 0.0353146; }
/// pounds to kilograms
constexpr double lb2kg(double x) { return x * 0.453592; }
/// kilograms to pounds
constexpr double kg2lb(double x) { return x / 0.453592; }
/// atmospheres to psi
constexpr double pa2psi(double x) { return x * 14.6959793; }
/// psi to atmospheres
constexpr double psi2pa(double x) { return x / 14.6959793; }

} // namespace zaf
