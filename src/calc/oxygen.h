#pragma once

#include <QString>
#include <array>
#include <optional>

namespace zaf::calc {

/// Oxygen time limits by partial pressure in tenths of an atmosphere (index 0 to 20):
/// twenty times an entry is the single-exposure limit in minutes; 0 means no safe time.
inline constexpr std::array<double, 21> kOxygenLimits = {
    36.0, 36.0, 36.0, 36.0, 36.0, 36.0, 36.0, // 0.0 to 0.6
    28.5, 22.5, 18.0, 15.0, 12.0, 10.5, 9.0, 7.5, 6.0, 2.25, 1.0, // 0.7 to 1.7
    0.0,  0.0,  0.0,                          // 1.8 to 2.0
};

/// Absolute pressure in atmospheres at a depth: 33 feet or 10 meters of water per atmosphere.
double atmospheresAtDepth(double depth, bool feet);

/// Oxygen partial pressure of a mix with `oxygenPercent` oxygen at `atmospheres`.
double oxygenPartialPressure(double oxygenPercent, double atmospheres);

/// The limit table's index for a partial pressure as shown (at most two decimals): tenths,
/// rounded halves to even. Nothing for a text that is no number or falls outside the table.
std::optional<int> exposureIndex(const QString& shownPartialPressure);

/// Oxygen exposure of a dive of `minutes` in percent of the limit of table entry `index`;
/// nothing where the table allows no time or the index is outside it.
std::optional<double> oxygenExposure(double minutes, int index);

/// How the partial pressure box is painted.
enum class O2ppColour { Normal, Warning };

/// Warning (red) for a partial pressure text above 1.4; normal otherwise, also for a text
/// that is no number.
O2ppColour o2ppColour(const QString& text);

} // namespace zaf::calc
