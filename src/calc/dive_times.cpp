#include "calc/dive_times.h"

#include "core/day_count.h"

#include <cmath>
#include <limits>

namespace zaf::calc {
namespace {

constexpr double kMinutesPerDay = 1440.0;
constexpr qint64 kMsPerDay = 86400000;

// Milliseconds into the day of a day fraction, rounded so 10:00 read back from a stored
// double is 10:00 and not 09:59:59.999.
qint64 millisecondsOf(double fraction)
{
    const qint64 ms = std::llround(fraction * double(kMsPerDay));
    return ms >= kMsPerDay ? ms - kMsPerDay : ms;
}

bool fitsInt(double value)
{
    return std::isfinite(value) && value >= double(std::numeric_limits<int>::min()) &&
           value <= double(std::numeric_limits<int>::max());
}

} // namespace

QString dayTimeForHour(int hour)
{
    if (hour >= 5 && hour <= 7)
        return QStringLiteral("Dawn");
    if (hour >= 8 && hour <= 16)
        return QStringLiteral("Day");
    if (hour >= 17 && hour <= 20)
        return QStringLiteral("Dusk");
    if (hour >= 21 && hour <= 23)
        return QStringLiteral("Night");
    return {};
}

int hourOf(double dateTime)
{
    // A fraction that rounds up to midnight belongs to the next day.
    const DayParts parts = splitDayCount(dateTime);
    return int(millisecondsOf(parts.fraction) / 3600000);
}

double endTimeFor(double start, int minutes)
{
    return start + minutes / kMinutesPerDay;
}

bool endTimePlausible(double start, double end)
{
    const double gap = start - end;
    return !(gap > 0.25 || gap < -0.25);
}

std::optional<int> surfaceIntervalMinutes(double start, double previousEnd)
{
    if (!(previousEnd > 0) || !(start > previousEnd))
        return std::nullopt;
    const double minutes = std::nearbyint((start - previousEnd) * kMinutesPerDay);
    if (!fitsInt(minutes))
        return std::nullopt;
    return int(minutes);
}

int minutesOfDayBetween(double start, double end)
{
    const double span = end - start;
    if (!std::isfinite(span))
        return 0;
    // The time of day of a span before the start counts from the start backwards.
    const double fraction = std::fabs(span - std::trunc(span));
    return int(millisecondsOf(fraction) / 60000);
}

DurationParts splitDuration(int minutes)
{
    DurationParts parts;
    if (minutes >= 60) {
        parts.hours = minutes / 60;
        parts.minutes = minutes % 60;
    } else {
        parts.minutes = minutes;
    }
    if (parts.hours > 23) {
        parts.days = parts.hours / 24;
        parts.hours %= 24;
    }
    return parts;
}

QString durationText(int minutes)
{
    const DurationParts p = splitDuration(minutes);
    return QStringLiteral("%1 days, %2 hrs, %3 min").arg(p.days).arg(p.hours).arg(p.minutes);
}

SurfaceIntervalBoxes surfaceIntervalBoxesFor(int minutes)
{
    const DurationParts p = splitDuration(minutes);
    return {QString::number(p.days), QString::number(p.hours), QString::number(p.minutes)};
}

std::optional<int> surfaceIntervalFromBoxes(const SurfaceIntervalBoxes& boxes)
{
    auto read = [](const QString& text) -> std::optional<qint64> {
        if (text.compare(QLatin1String("0")) < 0)
            return 0;
        bool ok = false;
        const qint64 v = text.toLongLong(&ok);
        return ok ? std::optional<qint64>(v) : std::nullopt;
    };
    const auto days = read(boxes.days);
    const auto hours = read(boxes.hours);
    const auto minutes = read(boxes.minutes);
    if (!days || !hours || !minutes)
        return std::nullopt;
    const double total = double(*days) * kMinutesPerDay + double(*hours) * 60 + double(*minutes);
    if (!fitsInt(total))
        return std::nullopt;
    return int(total);
}

} // namespace zaf::calc
