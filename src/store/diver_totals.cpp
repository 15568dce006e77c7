#include "store/diver_totals.h"

#include "core/cancel_flag.h"
#include "core/config_record.h"
#include "core/trace.h"
#include "core/units.h"
#include "store/data_form.h"
#include "store/dive_log_rules.h"
#include "store/schema.h"

#include <array>
#include <optional>

namespace zaf::store {
namespace {

const QString kTotals = QStringLiteral("TMain.Button1Click");

/// The ten latest values of a rate, newest first.
using History = std::array<double, 10>;

struct Totals {
    qint64 bottomTime = 0;
    double maxDepth = 0;
    int count = 0;
    History sac{};
    History volume{};
};

void push(History& history, double value)
{
    for (size_t i = history.size() - 1; i > 0; --i)
        history[i] = history[i - 1];
    history[0] = value;
}

/// The average of the rated dives among the ten latest; 0 (no average yet) until the diver
/// has ten dives and the tenth latest of them has a rate.
double average(const History& history)
{
    int rated = 0;
    double sum = 0;
    for (double v : history) {
        sum += v;
        if (v > 0)
            ++rated;
    }
    if (rated > 1 && history.back() > 0)
        return sum / rated;
    return 0;
}

/// A depth in the diver's units: a dive kept in the other system is converted.
double inDiverUnits(double depth, const QString& diveFormat, const QString& diverFormat)
{
    if (diveFormat == diverFormat)
        return depth;
    return diveFormat == QLatin1String("1") ? meters2feet(depth) : feet2meters(depth);
}

Totals walkLog(const QString& logPath, const QString& diverName, const QString& diverFormat)
{
    Totals totals;
    Table dives(QStringLiteral("t_table"));
    dives.setDefinition(schema::diveLog());
    dives.setPath(logPath);
    dives.setFilter(Filter::equals(QStringLiteral("DiverName"), diverName));
    dives.open();
    dives.first();
    int recNo = 0;
    while (!dives.eof() && !cancelRequested()) {
        totals.bottomTime += dives[QStringLiteral("BottomTime")].asInteger();
        Field& depth = dives[QStringLiteral("MaximumDepth")];
        if (!depth.isNull()) {
            const double d = inDiverUnits(depth.asFloat(), dives[QStringLiteral("Format")].asString(), diverFormat);
            if (d > totals.maxDepth)
                totals.maxDepth = d;
        }
        ++totals.count;
        push(totals.sac, dives[QStringLiteral("SACRate")].asFloat());
        push(totals.volume, dives[QStringLiteral("ACFMRate")].asFloat());
        dives.next();
        const int now = dives.recNo();
        if (now == recNo)
            break;
        recNo = now;
    }
    dives.close();
    return totals;
}

/// The value of a total as the record holds it, when it holds a usable one.
std::optional<double> remembered(Field& field)
{
    if (!notBeforeZero(field.asString()))
        return std::nullopt;
    return field.asFloat();
}

} // namespace

void diverTotals(TData_Form& data)
{
    TraceScope trace(kTotals);
    Table& divers = data.Divers_Table;
    if (!divers.isOpen() || !data.DiveLog_Table.isOpen())
        return;
    const ConfigRecord& cfg = config();
    const QString diverName = divers[QStringLiteral("DiverName")].asString();
    const bool ownRecord = divers[QStringLiteral("OwnerName")].asString() == cfg.userName ||
                           divers[QStringLiteral("OwnerEmail")].asString() == cfg.userEmail;
    if (!ownRecord || diverName.isEmpty())
        return;

    Field& bottomField = divers[QStringLiteral("TotalBottomTime")];
    Field& depthField = divers[QStringLiteral("MaxDepth")];
    Field& countField = divers[QStringLiteral("NumberofDives")];
    Field& sacField = divers[QStringLiteral("SACRate")];
    Field& volumeField = divers[QStringLiteral("SACvol")];
    Field& sentField = divers[QStringLiteral("CopyOnServer")];
    const std::optional<double> oldBottom = remembered(bottomField);
    const std::optional<double> oldDepth = remembered(depthField);
    const std::optional<double> oldCount = remembered(countField);
    const bool wasSent = !sentField.isNull() && sentField.asBoolean();

    const Totals totals =
        walkLog(data.DiveLog_Table.path(), diverName, divers[QStringLiteral("Format")].asString());

    divers.edit();
    bottomField.setAsInteger(totals.bottomTime);
    depthField.setAsFloat(totals.maxDepth);
    countField.setAsInteger(totals.count);
    bool unchanged = oldBottom == double(totals.bottomTime) && oldDepth == totals.maxDepth &&
                     oldCount == double(totals.count);
    // A new average is news for the server too, so it counts as a change like the totals.
    const std::pair<Field*, double> averages[] = {{&sacField, average(totals.sac)},
                                                  {&volumeField, average(totals.volume)}};
    for (const auto& [field, value] : averages) {
        if (value <= 0)
            continue;
        unchanged = unchanged && !field->isNull() && field->asFloat() == value;
        field->setAsFloat(value);
    }
    // The edit cleared the sent flag; totals that came out the same are no reason to resend.
    if (unchanged && wasSent)
        sentField.setAsBoolean(true);
    divers.post();
}

void userDiverTotals(TData_Form& data)
{
    Table& divers = data.Divers_Table;
    if (!divers.isOpen())
        return;
    const QString user = config().userName;
    divers.setFilter(Filter::equals(QStringLiteral("OwnerName"), user));
    try {
        // Without a record of the user's own name the first of the user's divers stays current.
        divers.findKey({user});
        diverTotals(data);
    } catch (...) {
        if (divers.isEditing())
            divers.cancel();
        divers.clearFilter();
        throw;
    }
    divers.clearFilter();
}

} // namespace zaf::store
