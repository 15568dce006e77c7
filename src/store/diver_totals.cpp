#include "store/diver_totals.h"

#include "core/config_record.h"
#include "core/trace.h"
#include "core/units.h"
#include "store/data_form.h"
#include "store/dive_log_rules.h"
#include "store/record_query.h"

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

} // namespace

void ensureDiverTotalsIndex(Table& log)
{
    // The four fields the totals read, so the pass over the diver's dives stays in the index.
    RecordQuery::ensureIndex(log, QStringLiteral("zaf_diver_totals"),
                             {QStringLiteral("DiverName"), QStringLiteral("Format"), QStringLiteral("MaximumDepth"),
                              QStringLiteral("BottomTime")});
}

namespace {

/// The totals over every dive logged under the diver's name, whoever owns it, as the walk
/// over the log in key order would add them up, asked of the store in two indexed queries so
/// that a post costs about the same with ten dives or ten thousand.
Totals totalsOf(Table& log, const QString& diverName, const QString& diverFormat)
{
    using Column = RecordQuery::Column;
    const QString format = QStringLiteral("Format");
    const QString depth = QStringLiteral("MaximumDepth");
    RecordQuery dives(log, Filter::equals(QStringLiteral("DiverName"), diverName));
    const QVector<QVariantList> systems = dives.aggregate(
        {{Column::Kind::Count, {}}, {Column::Kind::Sum, QStringLiteral("BottomTime")}, {Column::Kind::Max, depth}},
        format);
    Totals totals;
    for (const QVariantList& row : systems) {
        totals.count += row[1].toInt();
        totals.bottomTime += row[2].toLongLong();
        if (!row[3].isValid())
            continue;
        // Converting keeps the order of depths, so the deepest dive of a unit system,
        // converted, is the deepest of its dives converted.
        const QString diveFormat = row[0].isValid() ? QString::number(row[0].toLongLong()) : QString();
        const double d = inDiverUnits(row[3].toDouble(), diveFormat, diverFormat);
        if (d > totals.maxDepth)
            totals.maxDepth = d;
    }
    // The ten latest dives come back newest first, the order the histories keep.
    const QVector<QVariantList> latest = dives.lastRecords({QStringLiteral("SACRate"), QStringLiteral("ACFMRate")},
                                                           int(totals.sac.size()));
    for (int i = 0; i < latest.size(); ++i) {
        totals.sac[size_t(i)] = latest[i][0].toDouble();
        totals.volume[size_t(i)] = latest[i][1].toDouble();
    }
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

    const Totals totals = totalsOf(data.DiveLog_Table, diverName, divers[QStringLiteral("Format")].asString());

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
    // Nobody logged in: there is no diver whose totals these would be.
    if (user.trimmed().isEmpty())
        return;
    // The Divers page keeps showing the diver it showed: the look-up below is the rule's own.
    QVariantList shown;
    if (divers.recNo() > 0)
        for (const QString& key : divers.layout().primaryKey)
            shown.append(divers[key].value());
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
    if (!shown.isEmpty())
        divers.findKey(shown);
}

} // namespace zaf::store
