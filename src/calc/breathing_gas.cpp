#include "calc/breathing_gas.h"

namespace zaf::calc {

BreathingGasChoice breathingGas(const QString& name)
{
    if (name == QLatin1String("Air"))
        return {GasMix{21, 79, 0}, false};
    if (name == QLatin1String("Nitrox I") || name == QLatin1String("EANx32"))
        return {GasMix{32, 68, 0}, true};
    if (name == QLatin1String("Nitrox II") || name == QLatin1String("EANx36"))
        return {GasMix{36, 64, 0}, true};
    if (name == QLatin1String("Oxygen"))
        return {GasMix{100, 0, 0}, true};
    return {std::nullopt, !name.trimmed().isEmpty()};
}

} // namespace zaf::calc
