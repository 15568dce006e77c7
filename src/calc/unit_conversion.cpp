#include "calc/unit_conversion.h"

#include "core/units.h"

#include <cmath>

namespace zaf::calc {

double roundToFourDecimals(double value)
{
    return std::nearbyint(value * 10000.0) / 10000.0;
}

double toMetric(Quantity quantity, double value)
{
    switch (quantity) {
    case Quantity::Length:
        return roundToFourDecimals(feet2meters(value));
    case Quantity::Temperature:
        return F2C(value);
    case Quantity::Volume:
        return CF2L(value);
    case Quantity::Pressure:
        return psi2bar(value);
    case Quantity::Weight:
        return lb2kg(value);
    }
    return value;
}

double toImperial(Quantity quantity, double value)
{
    switch (quantity) {
    case Quantity::Length:
        return meters2feet(value);
    case Quantity::Temperature:
        return roundToFourDecimals(C2F(value));
    case Quantity::Volume:
        return L2CF(value);
    case Quantity::Pressure:
        return roundToFourDecimals(bar2psi(value));
    case Quantity::Weight:
        return kg2lb(value);
    }
    return value;
}

bool isMetric(const QString& format)
{
    return format.trimmed() == QLatin1String("1");
}

} // namespace zaf::calc
