#include "calc/oxygen.h"

#include "calc/field_text.h"
#include "core/number_format.h"

#include <cmath>

namespace zaf::calc {

double atmospheresAtDepth(double depth, bool feet)
{
    const double atmosphere = feet ? 33.0 : 10.0;
    return (depth + atmosphere) / atmosphere;
}

double oxygenPartialPressure(double oxygenPercent, double atmospheres)
{
    return (oxygenPercent / 100) * atmospheres;
}

std::optional<int> exposureIndex(const QString& shownPartialPressure)
{
    const auto value = textToFloat(shownPartialPressure);
    if (!value || !std::isfinite(*value))
        return std::nullopt;
    // nearbyint rounds halves to even in the default rounding mode: 1.25 gives 12.
    const double tenths = std::nearbyint(*value * 10);
    if (tenths < 0 || tenths >= double(kOxygenLimits.size()))
        return std::nullopt;
    return int(tenths);
}

std::optional<double> oxygenExposure(double minutes, int index)
{
    if (index < 0 || index >= int(kOxygenLimits.size()))
        return std::nullopt;
    const auto share = divided(minutes, kOxygenLimits[std::size_t(index)]);
    if (!share)
        return std::nullopt;
    return *share * 5;
}

O2ppColour o2ppColour(const QString& text)
{
    const auto value = textToFloat(text);
    return value && *value > 1.4 ? O2ppColour::Warning : O2ppColour::Normal;
}

} // namespace zaf::calc
