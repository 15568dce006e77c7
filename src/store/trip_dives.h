#pragma once

#include <QString>
#include <QStringList>

namespace zaf::store {

class Table;

// A trip's `Dives` memo lists the dives made on the trip, one line each: the dive number,
// " - " and the dive site. The diver picks them from the own dive log; the trip's
// `NumberofDives` is counted from the list when the diver is done picking.

/// The choice lines "<DiveNumber> - <DiveSite>" of the logged-in diver's dives in the dive
/// log `log` (its own view, entries whose `DiverName` is the user name), in key order. Read
/// through a cursor of its own: the log's shown entry stays where it is.
QStringList tripDiveChoices(const Table& log);

/// The dive number a choice line stands for: the text before its first "-", trimmed, at
/// most 5 characters.
QString diveNumberOfChoice(const QString& line);

/// The lines of the current trip's dive list.
QStringList tripDiveLines(Table& travel);

/// Appends each chosen line to the current trip's list as its dive number + " - " + the site
/// of that dive of the logged-in diver (empty when the log has no such dive), posting the
/// trip after each. `NumberofDives` is left for `finishTripDives`.
void addTripDives(Table& travel, const Table& log, const QStringList& chosen);

/// Empties the current trip's list, sets `NumberofDives` to 0 and posts.
void clearTripDives(Table& travel);

/// Sets `NumberofDives` to the number of lines of the current trip's list and posts.
void finishTripDives(Table& travel);

/// Removes line `index` (0-based) of the current trip's list, sets `NumberofDives` to the
/// number of lines left and posts. Nothing happens for an index outside the list.
void removeTripDive(Table& travel, int index);

/// Sets the current trip's `TotalCost` to `AirFare` + `DiveCost` + `MealCost` + `MiscCost` +
/// `RoomRate` (an empty cost counts 0), putting the trip into edit only when the total
/// changes. A database error leaves the total as it was; returns whether it holds the sum.
bool updateTripTotalCost(Table& travel);

} // namespace zaf::store
