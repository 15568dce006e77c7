#pragma once

#include <optional>

namespace zaf::calc {

// The gas figures of a dive as plain formulas, in whatever unit system the dive is kept.

/// Surface air consumption as pressure per minute: the pressure used per minute brought
/// back to the surface by the depth of one atmosphere of sea water (33 feet or 10.0584 m).
double sacRate(double pressureUsed, double minutes, double maxDepth, bool imperial);

/// Gas volume a tank of `size` (at its `rated` pressure) gives per unit of pressure, times
/// `pressure`: the volume behind that pressure. Nothing when the rated pressure is 0.
std::optional<double> volumeForPressure(double size, double rated, double pressure);

/// Volume used from one tank between its start and end pressure; 0 when it cannot be computed.
double tankVolumeUsed(double size, double rated, double start, double end);

/// Volume per minute breathed from one tank over its `minutes`; 0 when the tank has no
/// positive time or the rate cannot be computed.
double tankRate(double size, double rated, double start, double end, double minutes);

/// Mean volume rate of the tanks: tank 1's rate, averaged with tank 2's (and then 3's) only
/// while every tank before it has a positive rate too.
double meanTankRate(double r1, double r2, double r3);

} // namespace zaf::calc
