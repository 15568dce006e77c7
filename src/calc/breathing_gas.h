#pragma once

#include <QString>
#include <optional>

namespace zaf::calc {

/// Oxygen, nitrogen and helium of a breathing gas, in percent.
struct GasMix {
    double oxygen = 0;
    double nitrogen = 0;
    double helium = 0;
};

/// What naming a breathing gas does to the dive: the mix it stands for (nothing for gases
/// whose mix the diver types) and whether the gas mixture sub-page comes to the front.
struct BreathingGasChoice {
    std::optional<GasMix> mix;
    bool showMixture = false;
};

/// The choice for a breathing gas name: "Air", "Nitrox I"/"EANx32", "Nitrox II"/"EANx36"
/// and "Oxygen" have fixed mixes; any other non-blank name only shows the mixture page.
BreathingGasChoice breathingGas(const QString& name);

} // namespace zaf::calc
