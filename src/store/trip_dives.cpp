#include "store/trip_dives.h"

#include "core/config_record.h"
#include "store/certifications.h"
#include "store/errors.h"
#include "store/table.h"

namespace zaf::store {

namespace {

const QString kDives = QStringLiteral("Dives");
const QString kCount = QStringLiteral("NumberofDives");
const QString kLineJoin = QStringLiteral(" - ");
constexpr int kNumberLength = 5;

/// A cursor of its own over the entries of `log`'s view whose diver is the logged-in diver.
void openOwnDives(Table& cursor, const Table& log)
{
    openSecondCursor(cursor, log);
    cursor.setFilter(Filter::allOf({log.filter(), Filter::equals(QStringLiteral("DiverName"), config().userName)}));
}

void ensureEditing(Table& table)
{
    if (!table.isEditing())
        table.edit();
}

/// Writes the list (and, when given, the count) into the current trip and posts it.
void storeList(Table& travel, const QStringList& lines, int count = -1)
{
    ensureEditing(travel);
    travel[kDives].setAsString(memoText(lines));
    if (count >= 0)
        travel[kCount].setAsInteger(count);
    travel.post();
}

/// The site of the logged-in diver's dive of that number; empty when there is none.
QString siteOfDive(Table& ownDives, const QString& number)
{
    bool isNumber = false;
    const qint64 value = number.toLongLong(&isNumber);
    if (!isNumber || !ownDives.findKey({config().userName, value}))
        return {};
    return ownDives[QStringLiteral("DiveSite")].asString();
}

} // namespace

QStringList tripDiveChoices(const Table& log)
{
    Table cursor(QStringLiteral("trip_dives_table"));
    openOwnDives(cursor, log);
    QStringList choices;
    for (cursor.first(); !cursor.eof(); cursor.next())
        choices.append(cursor[QStringLiteral("DiveNumber")].asString() + kLineJoin +
                       cursor[QStringLiteral("DiveSite")].asString());
    return choices;
}

QString diveNumberOfChoice(const QString& line)
{
    const int dash = line.indexOf(QLatin1Char('-'));
    return (dash < 0 ? line : line.left(dash)).trimmed().left(kNumberLength);
}

QStringList tripDiveLines(Table& travel)
{
    return memoLines(travel[kDives].asString());
}

void addTripDives(Table& travel, const Table& log, const QStringList& chosen)
{
    if (chosen.isEmpty())
        return;
    Table cursor(QStringLiteral("trip_dives_table"));
    openOwnDives(cursor, log);
    for (const QString& choice : chosen) {
        const QString number = diveNumberOfChoice(choice);
        QStringList lines = tripDiveLines(travel);
        lines.append(number + kLineJoin + siteOfDive(cursor, number));
        storeList(travel, lines);
    }
}

void clearTripDives(Table& travel)
{
    storeList(travel, {}, 0);
}

void finishTripDives(Table& travel)
{
    const QStringList lines = tripDiveLines(travel);
    storeList(travel, lines, int(lines.size()));
}

void removeTripDive(Table& travel, int index)
{
    QStringList lines = tripDiveLines(travel);
    if (index < 0 || index >= lines.size())
        return;
    lines.removeAt(index);
    storeList(travel, lines, int(lines.size()));
}

bool updateTripTotalCost(Table& travel)
{
    static const char* const costs[] = {"AirFare", "DiveCost", "MealCost", "MiscCost", "RoomRate"};
    try {
        double total = 0;
        for (const char* name : costs) {
            const Field& cost = travel[QLatin1String(name)];
            if (!cost.isNull())
                total += cost.asFloat();
        }
        Field& totalField = travel[QStringLiteral("TotalCost")];
        if (!totalField.isNull() && totalField.asFloat() == total)
            return true;
        ensureEditing(travel);
        totalField.setAsFloat(total);
        return true;
    } catch (const DatabaseError&) {
        return false;
    }
}

} // namespace zaf::store
