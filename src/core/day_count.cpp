#include "core/day_count.h"

#include "core/regional_settings.h"

#include <QRegularExpression>
#include <QTime>
#include <cmath>

namespace zaf {
namespace {

constexpr double kMsecsPerDay = 86400000.0;
constexpr qint64 kMsecsPerDayInt = 86400000;

QDate epoch()
{
    return QDate(1899, 12, 30);
}

// The count of a calendar date and wall-clock time. Before the epoch the whole days go
// negative while the time of day still adds to the magnitude (29 Dec 1899 06:00 is -1.25).
double dayCountOf(const QDate& date, const QTime& time)
{
    if (!date.isValid())
        return 0;
    const double days = static_cast<double>(epoch().daysTo(date));
    const double fraction = time.isValid() ? time.msecsSinceStartOfDay() / kMsecsPerDay : 0.0;
    return days < 0 ? days - fraction : days + fraction;
}

// The calendar date and wall-clock time of a day count, rounded to the millisecond.
bool calendarOf(double days, QDate& date, QTime& time)
{
    if (!std::isfinite(days) || std::fabs(days) > 1.0e9)
        return false;
    double whole = std::trunc(days);
    qint64 msecs = std::llround(std::fabs(days - whole) * kMsecsPerDay);
    if (msecs >= kMsecsPerDayInt) {
        // So close to the next midnight that it rounds onto it.
        msecs -= kMsecsPerDayInt;
        whole += days < 0 ? -1 : 1;
    }
    date = epoch().addDays(static_cast<qint64>(whole));
    time = QTime::fromMSecsSinceStartOfDay(static_cast<int>(msecs));
    return date.isValid();
}

const char* const kMonthNames[12] = {"January", "February", "March",     "April",   "May",      "June",
                                     "July",    "August",   "September", "October", "November", "December"};

QString twoDigits(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

bool matchesAt(const QString& text, qsizetype at, QLatin1String word)
{
    return text.mid(at, word.size()) == word;
}

} // namespace

double toDayCount(const QDateTime& value)
{
    // Only the calendar date and the wall clock count: a date-time inside a daylight-saving
    // gap, which Qt reports as invalid, still has both.
    return dayCountOf(value.date(), value.time());
}

double toDayCount(const QDate& value)
{
    return dayCountOf(value, QTime(0, 0));
}

QDateTime fromDayCount(double days)
{
    QDate date;
    QTime time;
    if (!calendarOf(days, date, time))
        return {};
    return QDateTime(date, time);
}

double nowDayCount()
{
    return toDayCount(QDateTime::currentDateTime());
}

DayParts splitDayCount(double days)
{
    const double whole = std::trunc(days);
    // Adding zero turns the -0 of a small negative count into 0.
    return {whole + 0.0, std::fabs(days - whole)};
}

QString formatDayCount(double days, const QString& pattern)
{
    QDate date;
    QTime time;
    if (!calendarOf(days, date, time))
        return {};

    const bool twelveHour = pattern.contains(QLatin1String("am/pm")) || pattern.contains(QLatin1String("AM/PM"));
    int hour = time.hour();
    if (twelveHour) {
        hour %= 12;
        if (hour == 0)
            hour = 12;
    }

    QString out;
    bool afterHour = false; // the last token written was "h" or "hh"
    qsizetype i = 0;
    const qsizetype n = pattern.size();
    while (i < n) {
        if (matchesAt(pattern, i, QLatin1String("am/pm"))) {
            out += time.hour() < 12 ? QLatin1String("am") : QLatin1String("pm");
            afterHour = false;
            i += 5;
            continue;
        }
        if (matchesAt(pattern, i, QLatin1String("AM/PM"))) {
            out += time.hour() < 12 ? QLatin1String("AM") : QLatin1String("PM");
            afterHour = false;
            i += 5;
            continue;
        }
        const QChar c = pattern[i];
        qsizetype run = 1;
        while (i + run < n && pattern[i + run] == c)
            ++run;
        qsizetype used = 0; // pattern characters taken by the token, 0 when c is copied
        bool isHour = false;
        switch (c.unicode()) {
        case 'y':
            if (run >= 4) {
                out += QStringLiteral("%1").arg(date.year(), 4, 10, QLatin1Char('0'));
                used = 4;
            } else if (run >= 2) {
                out += twoDigits(((date.year() % 100) + 100) % 100);
                used = 2;
            }
            break;
        case 'm':
            if (run >= 4) {
                out += QLatin1String(kMonthNames[date.month() - 1]);
                used = 4;
            } else if (run == 3) {
                out += QLatin1String(kMonthNames[date.month() - 1], 3);
                used = 3;
            } else {
                used = run;
                const int number = afterHour ? time.minute() : date.month();
                out += run == 2 ? twoDigits(number) : QString::number(number);
            }
            break;
        case 'n':
            used = run >= 2 ? 2 : 1;
            out += used == 2 ? twoDigits(time.minute()) : QString::number(time.minute());
            break;
        case 'd':
            used = run >= 2 ? 2 : 1;
            out += used == 2 ? twoDigits(date.day()) : QString::number(date.day());
            break;
        case 'h':
            used = run >= 2 ? 2 : 1;
            out += used == 2 ? twoDigits(hour) : QString::number(hour);
            isHour = true;
            break;
        case 's':
            used = run >= 2 ? 2 : 1;
            out += used == 2 ? twoDigits(time.second()) : QString::number(time.second());
            break;
        default:
            break;
        }
        if (used == 0) {
            out += c;
            ++i;
        } else {
            afterHour = isHour;
            i += used;
        }
    }
    return out;
}

namespace {

// One piece of the regional short date pattern, which uses d, dd, M, MM, yy and yyyy;
// everything else is literal text.
struct DatePiece {
    enum Kind { Day, Month, Year, Space, Literal } kind;
    int width;    ///< digits of a day, month or year field
    QString text; ///< the literal text or the blank run
};

QList<DatePiece> shortDatePieces(const QString& pattern)
{
    QList<DatePiece> pieces;
    qsizetype i = 0;
    while (i < pattern.size()) {
        const QChar c = pattern[i];
        qsizetype run = 1;
        while (i + run < pattern.size() && pattern[i + run] == c)
            ++run;
        if (c == QLatin1Char('d') || c == QLatin1Char('M')) {
            const int width = run >= 2 ? 2 : 1;
            pieces.append({c == QLatin1Char('d') ? DatePiece::Day : DatePiece::Month, width, {}});
            i += width;
        } else if (c == QLatin1Char('y') && run >= 2) {
            const int width = run >= 4 ? 4 : 2;
            pieces.append({DatePiece::Year, width, {}});
            i += width;
        } else if (c.isSpace()) {
            pieces.append({DatePiece::Space, 0, pattern.mid(i, run)});
            i += run;
        } else {
            pieces.append({DatePiece::Literal, 0, QString(c)});
            ++i;
        }
    }
    return pieces;
}

QString fieldText(int value, int width)
{
    return width == 2 ? twoDigits(value) : QString::number(value);
}

} // namespace

QString shortDateText(double days)
{
    QDate date;
    QTime time;
    if (!calendarOf(days, date, time))
        return {};
    QString out;
    for (const DatePiece& piece : shortDatePieces(regionalSettings().shortDateFormat)) {
        switch (piece.kind) {
        case DatePiece::Day: out += fieldText(date.day(), piece.width); break;
        case DatePiece::Month: out += fieldText(date.month(), piece.width); break;
        case DatePiece::Year:
            out += piece.width == 4 ? QStringLiteral("%1").arg(date.year(), 4, 10, QLatin1Char('0'))
                                    : twoDigits(((date.year() % 100) + 100) % 100);
            break;
        case DatePiece::Space:
        case DatePiece::Literal: out += piece.text; break;
        }
    }
    return out;
}

namespace {

// "h:mm[:ss] [am|pm]", captured as hour, minute, second and the am/pm marker.
const QString kTimeExpression = QStringLiteral("(\\d{1,2}):(\\d{2})(?::(\\d{2}))?(?:\\s*([AaPp][Mm]))?");

// Builds the wall-clock time from the captures starting at `first`; false when it is no time.
bool timeFromCaptures(const QRegularExpressionMatch& match, int first, QTime& time)
{
    if (!match.hasCaptured(first)) {
        time = QTime(0, 0);
        return true;
    }
    int hour = match.captured(first).toInt();
    const int minute = match.captured(first + 1).toInt();
    const int second = match.hasCaptured(first + 2) ? match.captured(first + 2).toInt() : 0;
    const QString marker = match.captured(first + 3).toLower();
    if (!marker.isEmpty()) {
        if (hour < 1 || hour > 12)
            return false;
        hour %= 12;
        if (marker == QLatin1String("pm"))
            hour += 12;
    }
    if (!QTime::isValid(hour, minute, second))
        return false;
    time = QTime(hour, minute, second);
    return true;
}

std::optional<double> dayCountFromParts(int year, int month, int day, const QTime& time)
{
    if (!QDate::isValid(year, month, day))
        return std::nullopt;
    return dayCountOf(QDate(year, month, day), time);
}

std::optional<double> parseIso(const QString& text)
{
    // 24-hour time only; the am/pm capture that timeFromCaptures reads does not exist here.
    static const QRegularExpression iso(
        QStringLiteral("^(\\d{4})-(\\d{1,2})-(\\d{1,2})(?:(?:\\s+|T)(\\d{1,2}):(\\d{2})(?::(\\d{2}))?)?$"));
    const QRegularExpressionMatch match = iso.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    QTime time;
    if (!timeFromCaptures(match, 4, time))
        return std::nullopt;
    return dayCountFromParts(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt(),
                             time);
}

std::optional<double> parseDisplay(const QString& text)
{
    // "Jan 05, 2024" with an optional time; full month names are taken too.
    static const QRegularExpression display(
        QStringLiteral("^([A-Za-z]+)\\.?\\s+(\\d{1,2}),?\\s+(\\d{4})(?:\\s+") + kTimeExpression +
        QStringLiteral(")?$"));
    const QRegularExpressionMatch match = display.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const QString name = match.captured(1).toLower();
    int month = 0;
    for (int m = 0; m < 12; ++m) {
        const QString full = QString::fromLatin1(kMonthNames[m]).toLower();
        if (name == full || (name.size() == 3 && full.startsWith(name)))
            month = m + 1;
    }
    if (month == 0)
        return std::nullopt;
    QTime time;
    if (!timeFromCaptures(match, 4, time))
        return std::nullopt;
    return dayCountFromParts(match.captured(3).toInt(), month, match.captured(2).toInt(), time);
}

std::optional<double> parseRegional(const QString& text)
{
    // The regional short date turned into an expression; the order of day, month and year
    // comes from the pattern.
    QString expression = QStringLiteral("^");
    int dayGroup = 0;
    int monthGroup = 0;
    int yearGroup = 0;
    bool twoDigitYear = false;
    int group = 0;
    for (const DatePiece& piece : shortDatePieces(regionalSettings().shortDateFormat)) {
        switch (piece.kind) {
        case DatePiece::Day:
        case DatePiece::Month:
            expression += QStringLiteral("(\\d{1,2})");
            (piece.kind == DatePiece::Day ? dayGroup : monthGroup) = ++group;
            break;
        case DatePiece::Year:
            twoDigitYear = piece.width == 2;
            expression += twoDigitYear ? QStringLiteral("(\\d{2})") : QStringLiteral("(\\d{4})");
            yearGroup = ++group;
            break;
        case DatePiece::Space: expression += QStringLiteral("\\s+"); break;
        case DatePiece::Literal: expression += QRegularExpression::escape(piece.text); break;
        }
    }
    if (dayGroup == 0 || monthGroup == 0 || yearGroup == 0)
        return std::nullopt;
    expression += QStringLiteral("(?:\\s+") + kTimeExpression + QStringLiteral(")?$");
    const QRegularExpression regional(expression);
    const QRegularExpressionMatch match = regional.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    QTime time;
    if (!timeFromCaptures(match, group + 1, time))
        return std::nullopt;
    int year = match.captured(yearGroup).toInt();
    if (twoDigitYear)
        year += year < 50 ? 2000 : 1900; // "24" is 2024, "87" is 1987
    return dayCountFromParts(year, match.captured(monthGroup).toInt(), match.captured(dayGroup).toInt(), time);
}

} // namespace

std::optional<double> parseDayCount(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    if (auto value = parseIso(trimmed))
        return value;
    if (auto value = parseDisplay(trimmed))
        return value;
    return parseRegional(trimmed);
}

} // namespace zaf
