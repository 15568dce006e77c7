#pragma once

#include "core/view_state.h"

#include <QString>
#include <optional>

namespace zaf::calc {

// The times of a dive as plain formulas. Date-times are day counts: one minute is 1/1440.

/// The time-of-day class of a dive starting in `hour` (0 to 23): "Dawn", "Day", "Dusk",
/// "Night", or empty for the small hours.
QString dayTimeForHour(int hour);

/// The hour (0 to 23) of a date-time.
int hourOf(double dateTime);

/// `minutes` after `start`.
double endTimeFor(double start, int minutes);

/// Whether an end time lies within six hours either side of the start time.
bool endTimePlausible(double start, double end);

/// Whole minutes (halves to even) from the previous dive's end to this start; nothing when
/// there is no previous end or this dive does not start after it.
std::optional<int> surfaceIntervalMinutes(double start, double previousEnd);

/// The hours and minutes of the time of day of the span from start to end, in minutes:
/// whole days are not counted, so a dive of 25 hours counts 60 minutes.
int minutesOfDayBetween(double start, double end);

/// A number of minutes as days, hours and minutes.
struct DurationParts {
    int days = 0;
    int hours = 0;
    int minutes = 0;
};
/// Splits minutes into days, hours and minutes (hours reach days only past 23).
DurationParts splitDuration(int minutes);

/// A total dive time as the Divers page shows it: "1 days, 1 hrs, 0 min".
QString durationText(int minutes);

/// The surface interval boxes shown for a number of minutes.
SurfaceIntervalBoxes surfaceIntervalBoxesFor(int minutes);

/// Minutes typed into the surface interval boxes: an empty (or negative) box counts 0;
/// nothing when a box holds no whole number.
std::optional<int> surfaceIntervalFromBoxes(const SurfaceIntervalBoxes& boxes);

} // namespace zaf::calc
