#include "calc/gas_rules.h"

#include "calc/breathing_gas.h"
#include "calc/field_text.h"
#include "calc/gas_formulas.h"
#include "calc/oxygen.h"
#include "core/number_format.h"
#include "core/trace.h"
#include "core/ui.h"
#include "core/view_state.h"
#include "store/data_form.h"
#include "store/errors.h"

namespace zaf::calc {
namespace {

using store::Field;
using store::Table;

// A figure that cannot be stored is left as it was; the other figures still follow.
template <typename Step>
void attempt(Step step)
{
    try {
        step();
    } catch (const store::DatabaseError&) {
    }
}

bool isImperial(Table& log)
{
    return log[QStringLiteral("Format")].asString() == QLatin1String("0");
}

Field& tankField(Table& log, int tank, const char* suffix)
{
    return log[QStringLiteral("T%1%2").arg(tank).arg(QLatin1String(suffix))];
}

// ACFMRate follows tank 1's size, rated pressure and the SAC rate; without a rated
// pressure it keeps what it held.
void computeSurfaceVolumeRate(Table& log)
{
    const auto rate = volumeForPressure(log[QStringLiteral("T1S")].asFloat(), log[QStringLiteral("T1P")].asFloat(),
                                        log[QStringLiteral("SACRate")].asFloat());
    if (rate)
        attempt([&] { log[QStringLiteral("ACFMRate")].setAsFloat(*rate); });
}

// With a single tank, tank 1 mirrors the dive's totals; once tank 2 has a value of its own
// the diver keeps tank 1 by hand.
void mirrorTotalsIntoTank1(Table& log)
{
    const struct {
        const char* total;
        const char* tank1;
        const char* tank2;
    } pairs[] = {
        {"BottomTime", "T1T", "T2T"},
        {"AirPressureStart", "T1SPSI", "T2SPSI"},
        {"AirPressureEnd", "T1EPSI", "T2EPSI"},
    };
    for (const auto& p : pairs) {
        Field& total = log[QLatin1String(p.total)];
        if (!isBlank(total) && !textAboveZero(log[QLatin1String(p.tank2)]))
            attempt([&] { log[QLatin1String(p.tank1)].setAsString(total.asString()); });
    }
}

} // namespace

void computeGasConsumption(store::TData_Form& data)
{
    Table& log = data.DiveLog_Table;
    if (!log.isOpen() || !log.isEditing() || viewState().currentPage() != Page::DiveLog)
        return;
    TraceScope trace(QStringLiteral("TMain.compute_gas_consumption"));

    Field& start = log[QStringLiteral("AirPressureStart")];
    Field& end = log[QStringLiteral("AirPressureEnd")];
    Field& used = log[QStringLiteral("PSIUsed")];
    if (textAboveZero(start) && textAboveZero(end))
        attempt([&] { used.setAsFloat(start.asFloat() - end.asFloat()); });

    const double minutes = log[QStringLiteral("BottomTime")].asFloat();
    const double depth = log[QStringLiteral("MaximumDepth")].asFloat();
    if (minutes > 0 && depth > 0 && textAboveZero(used))
        attempt([&] { log[QStringLiteral("SACRate")].setAsFloat(sacRate(used.asFloat(), minutes, depth, isImperial(log))); });

    computeSurfaceVolumeRate(log);
    mirrorTotalsIntoTank1(log);
    computeTanks(data);
    computeOxygen(data);
}

void resetPressureUsed(store::TData_Form& data)
{
    Table& log = data.DiveLog_Table;
    if (!log.isOpen())
        return;
    log.edit();
    attempt([&] { log[QStringLiteral("PSIUsed")].setAsFloat(0); });
    computeGasConsumption(data);
}

void computeTanks(store::TData_Form& data)
{
    Table& log = data.DiveLog_Table;
    if (!log.isOpen() || viewState().currentPage() != Page::DiveLog)
        return;
    log.edit();

    double volume = 0;
    double rates[3] = {0, 0, 0};
    double startSum = 0;
    double endSum = 0;
    for (int n = 1; n <= 3; ++n) {
        const double size = tankField(log, n, "S").asFloat();
        const double rated = tankField(log, n, "P").asFloat();
        const double start = tankField(log, n, "SPSI").asFloat();
        const double end = tankField(log, n, "EPSI").asFloat();
        volume += tankVolumeUsed(size, rated, start, end);
        // A tank without a positive time has no rate and takes no part in the mean.
        rates[n - 1] = tankRate(size, rated, start, end, tankField(log, n, "T").asFloat());
        startSum += start;
        endSum += end;
    }
    attempt([&] { setGeneral(log[QStringLiteral("CFUsed")], volume); });
    computeSurfaceVolumeRate(log);
    attempt([&] { setGeneral(log[QStringLiteral("CFM")], meanTankRate(rates[0], rates[1], rates[2])); });
    if (startSum > 0)
        attempt([&] { log[QStringLiteral("AirPressureStart")].setAsFloat(startSum); });
    if (endSum > 0)
        attempt([&] { log[QStringLiteral("AirPressureEnd")].setAsFloat(endSum); });
}

void prefillTank1(store::TData_Form& data)
{
    Table& log = data.DiveLog_Table;
    if (!log.isOpen() || !isBlank(log[QStringLiteral("T1SPSI")]))
        return;
    log.edit();
    const std::pair<const char*, const char*> copies[] = {
        {"AirPressureStart", "T1SPSI"}, {"AirPressureEnd", "T1EPSI"}, {"BottomTime", "T1T"}};
    for (const auto& [from, to] : copies)
        attempt([&] { log[QLatin1String(to)].setAsString(log[QLatin1String(from)].asString()); });
}

void computeOxygen(store::TData_Form& data)
{
    Table& log = data.DiveLog_Table;
    if (!log.isOpen())
        return;
    try {
        log.edit();
        const auto depth = numberOf(log[QStringLiteral("MaximumDepth")]);
        if (!depth)
            return;
        const bool feet = viewState().depthUnitCaption() == QLatin1String("Feet");
        const auto oxygen = numberOf(log[QStringLiteral("T1O2")]);
        if (!oxygen)
            return;
        Field& partialPressure = log[QStringLiteral("O2pp")];
        setGeneral(partialPressure, oxygenPartialPressure(*oxygen, atmospheresAtDepth(*depth, feet)));
        // The table index comes from the value as the diver sees it, at two decimals.
        const auto index = exposureIndex(partialPressure.displayText());
        const auto minutes = numberOf(log[QStringLiteral("BottomTime")]);
        if (!index || !minutes)
            return;
        if (const auto exposure = oxygenExposure(*minutes, *index))
            setGeneral(log[QStringLiteral("O2Exposure")], *exposure);
    } catch (const store::DatabaseError&) {
    }
}

void applyBreathingGas(store::TData_Form& data)
{
    Table& log = data.DiveLog_Table;
    if (!log.isOpen())
        return;
    const BreathingGasChoice choice = breathingGas(log[QStringLiteral("Gas")].asString());
    if (choice.mix) {
        log.edit();
        attempt([&] {
            log[QStringLiteral("T1O2")].setAsFloat(choice.mix->oxygen);
            log[QStringLiteral("T1N2")].setAsFloat(choice.mix->nitrogen);
            log[QStringLiteral("T1He")].setAsFloat(choice.mix->helium);
        });
    }
    if (choice.showMixture)
        viewState().showGasMixturePage();
    computeOxygen(data);
}

void showSacVolume(store::TData_Form& data)
{
    Table& log = data.DiveLog_Table;
    if (!log.isOpen())
        return;
    const auto rate = volumeForPressure(log[QStringLiteral("T1S")].asFloat(), log[QStringLiteral("T1P")].asFloat(),
                                        log[QStringLiteral("SACRate")].asFloat());
    if (!rate) {
        ui().message(QStringLiteral("Tank size and pressure needed"));
        return;
    }
    ui().message(floatToText(*rate) +
                 (isImperial(log) ? QStringLiteral(" cuft / min.") : QStringLiteral(" liters / min.")));
}

} // namespace zaf::calc
