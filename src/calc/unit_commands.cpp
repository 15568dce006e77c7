#include "calc/unit_commands.h"

#include "calc/gas_rules.h"
#include "calc/unit_conversion.h"
#include "store/data_form.h"
#include "store/errors.h"

namespace zaf::calc {
namespace {

using store::Field;
using store::Table;

struct Converted {
    const char* field;
    Quantity quantity;
};

// The fields of a dive log entry that hold measured values, in the order they are
// converted. The derived gas figures are not here: they are recomputed afterwards.
const Converted kDiveFields[] = {
    {"MaximumDepth", Quantity::Length},
    {"AverageDepth", Quantity::Length},
    {"Visibility", Quantity::Length},
    {"TemperatureAir", Quantity::Temperature},
    {"TemperatureWaterMin", Quantity::Temperature},
    {"TemperatureWaterMax", Quantity::Temperature},
    {"DiveAltitude", Quantity::Length},
    {"T1S", Quantity::Volume},
    {"T1P", Quantity::Pressure},
    {"T1SPSI", Quantity::Pressure},
    {"T1EPSI", Quantity::Pressure},
    {"T2S", Quantity::Volume},
    {"T2P", Quantity::Pressure},
    {"T2SPSI", Quantity::Pressure},
    {"T2EPSI", Quantity::Pressure},
    {"T3S", Quantity::Volume},
    {"T3P", Quantity::Pressure},
    {"T3SPSI", Quantity::Pressure},
    {"T3EPSI", Quantity::Pressure},
    {"Weight", Quantity::Weight},
    {"AirPressureStart", Quantity::Pressure},
    {"AirPressureEnd", Quantity::Pressure},
};

const Converted kDiverFields[] = {
    {"MaxDepth", Quantity::Length},
    {"Weight", Quantity::Weight},
};

// Flips the record's Format and converts the listed fields; empty fields stay empty.
template <std::size_t N>
void convertRecord(Table& table, const Converted (&fields)[N])
{
    table.edit();
    Field& format = table[QStringLiteral("Format")];
    const bool toImperialUnits = isMetric(format.asString());
    format.setAsInteger(toImperialUnits ? 0 : 1);
    for (const Converted& c : fields) {
        Field& f = table[QLatin1String(c.field)];
        if (f.isNull())
            continue;
        const double v = f.asFloat();
        f.setAsFloat(toImperialUnits ? toImperial(c.quantity, v) : toMetric(c.quantity, v));
    }
}

} // namespace

void convertDiveLogEntry(store::TData_Form& data)
{
    Table& log = data.DiveLog_Table;
    if (!log.isOpen())
        return;
    convertRecord(log, kDiveFields);
    try {
        log.post();
    } catch (const store::DatabaseError&) {
        // The entry stays in edit with its converted values; the diver saves it later.
    }
    showUnitCaptions(Page::DiveLog, log);
    resetPressureUsed(data);
    computeTanks(data);
}

void convertDiverRecord(store::TData_Form& data)
{
    Table& divers = data.Divers_Table;
    if (!divers.isOpen())
        return;
    convertRecord(divers, kDiverFields);
    divers.post();
    if (const auto captions = unitCaptions(divers[QStringLiteral("Format")].asString()))
        viewState().setDiverUnitCaptions(captions->depth, captions->weight);
}

void showUnitCaptions(Page page, store::Table& table)
{
    if (const auto captions = unitCaptions(table[QStringLiteral("Format")].asString()))
        viewState().setUnitCaptions(page, *captions);
}

} // namespace zaf::calc
