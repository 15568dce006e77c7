#include "calc/gas_formulas.h"

#include "calc/field_text.h"

#include <cmath>

namespace zaf::calc {

double sacRate(double pressureUsed, double minutes, double maxDepth, bool imperial)
{
    const double atmosphere = imperial ? 33.0 : 10.0584;
    return (pressureUsed / minutes * atmosphere) / (maxDepth + atmosphere);
}

std::optional<double> volumeForPressure(double size, double rated, double pressure)
{
    const auto perPressure = divided(size, rated);
    if (!perPressure)
        return std::nullopt;
    const double volume = *perPressure * pressure;
    if (!std::isfinite(volume))
        return std::nullopt;
    return volume;
}

double tankVolumeUsed(double size, double rated, double start, double end)
{
    return volumeForPressure(size, rated, start - end).value_or(0.0);
}

double tankRate(double size, double rated, double start, double end, double minutes)
{
    if (!(minutes > 0))
        return 0.0;
    const auto volume = volumeForPressure(size, rated, start - end);
    if (!volume)
        return 0.0;
    return divided(*volume, minutes).value_or(0.0);
}

double meanTankRate(double r1, double r2, double r3)
{
    if (r3 > 0 && r2 > 0 && r1 > 0)
        return (r1 + r2 + r3) / 3;
    if (r2 > 0 && r1 > 0)
        return (r1 + r2) / 2;
    return r1;
}

} // namespace zaf::calc
