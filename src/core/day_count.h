#pragma once

#include <QDate>
#include <QDateTime>
#include <optional>

namespace zaf {

/// Date-times are held as day counts: whole days since 30 December 1899 plus the fraction
/// of the day. Negative counts are days before that date, their fraction still counting
/// forward into the day (-1.25 is 29 December 1899 06:00).

/// Local calendar date-time to a day count (milliseconds kept).
double toDayCount(const QDateTime& value);
double toDayCount(const QDate& value);
/// Day count to a local calendar date-time (rounded to the millisecond).
QDateTime fromDayCount(double days);
/// The current local time as a day count.
double nowDayCount();

/// Splits a day count into its whole-day part and time-of-day fraction (always 0 <= frac < 1).
struct DayParts {
    double days;
    double fraction;
};
DayParts splitDayCount(double days);

/// Formats a date-time with the program's pattern letters: "yyyy", "yy", "mmmm" (January),
/// "mmm" (Jan), "mm"/"m" (month, or minutes right after an hour), "dd"/"d", "hh"/"h", "nn"/"n"
/// (minutes), "ss"/"s", "am/pm" and "AM/PM"; any other character is copied.
/// Examples: "mmm dd, yyyy" -> "Jan 05, 2024"; "mmm dd, yyyy  h:mm am/pm" -> "Jan 05, 2024  3:07 pm".
QString formatDayCount(double days, const QString& pattern);

/// The short date of the regional settings ("1/5/2024").
QString shortDateText(double days);

/// Parses a date or date-time as a diver types it: the display patterns above, the regional
/// short date with an optional time ("1/5/2024 3:07 pm"), and ISO "2024-01-05[ 15:07[:00]]".
std::optional<double> parseDayCount(const QString& text);

} // namespace zaf
