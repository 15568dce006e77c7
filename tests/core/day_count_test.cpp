#include "core/day_count.h"

#include "settings_guard.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <vector>

using zaf::testing::commaSettings;
using zaf::testing::dotSettings;
using zaf::testing::RegionalSettingsGuard;

namespace {

constexpr double kMsPerDay = 86400000.0;

// The day count of 5 January 2024 (1 January 2024 is 45292).
constexpr double kJan5 = 45296.0;

double clock(int h, int m, int s = 0, int ms = 0)
{
    return (((h * 60 + m) * 60 + s) * 1000 + ms) / kMsPerDay;
}

/// Runs a test in a time zone with daylight saving and puts the old zone back after it.
/// A POSIX rule is used so the test does not depend on the zone database.
class TimeZoneGuard {
public:
    explicit TimeZoneGuard(const char* tz)
    {
        const char* old = std::getenv("TZ");
        m_hadTz = old != nullptr;
        if (old)
            m_saved = old;
        setenv("TZ", tz, 1);
        tzset();
    }
    ~TimeZoneGuard()
    {
        if (m_hadTz)
            setenv("TZ", m_saved.constData(), 1);
        else
            unsetenv("TZ");
        tzset();
    }
    TimeZoneGuard(const TimeZoneGuard&) = delete;
    TimeZoneGuard& operator=(const TimeZoneGuard&) = delete;

private:
    bool m_hadTz = false;
    QByteArray m_saved;
};

const char* const kCentralEurope = "CET-1CEST,M3.5.0,M10.5.0/3";

struct WorkedValue {
    double count;
    QDate date;
    QTime time;
};

const std::vector<WorkedValue>& workedValues()
{
    static const std::vector<WorkedValue> values = {
        {0.0, QDate(1899, 12, 30), QTime(0, 0)},
        {36526.0, QDate(2000, 1, 1), QTime(0, 0)},
        {1.25, QDate(1899, 12, 31), QTime(6, 0)},
        {-1.25, QDate(1899, 12, 29), QTime(6, 0)},
        {-1.0, QDate(1899, 12, 29), QTime(0, 0)},
        {-2.75, QDate(1899, 12, 28), QTime(18, 0)},
        {kJan5 + clock(15, 7), QDate(2024, 1, 5), QTime(15, 7)},
        {kJan5 + clock(12, 34, 56, 789), QDate(2024, 1, 5), QTime(12, 34, 56, 789)},
        {kJan5 - 35 + clock(23, 59, 59, 999), QDate(2023, 12, 1), QTime(23, 59, 59, 999)},
        {60.0, QDate(1900, 2, 28), QTime(0, 0)}, // no phantom 29 February 1900
        {61.0, QDate(1900, 3, 1), QTime(0, 0)},
    };
    return values;
}

TEST(DayCount, WorkedValuesBothWays)
{
    for (const auto& v : workedValues()) {
        SCOPED_TRACE(v.date.toString(Qt::ISODate).toStdString() + " " + v.time.toString().toStdString());
        EXPECT_DOUBLE_EQ(zaf::toDayCount(QDateTime(v.date, v.time)), v.count);
        const QDateTime back = zaf::fromDayCount(v.count);
        EXPECT_EQ(back.date(), v.date);
        EXPECT_EQ(back.time(), v.time);
    }
}

TEST(DayCount, DateOnlyIsMidnight)
{
    EXPECT_EQ(zaf::toDayCount(QDate(2000, 1, 1)), 36526.0);
    EXPECT_EQ(zaf::toDayCount(QDate(1899, 12, 29)), -1.0);
}

TEST(DayCount, FromDayCountRoundsToTheMillisecond)
{
    struct Case {
        double count;
        QDate date;
        QTime time;
    };
    const std::vector<Case> cases = {
        {36526 + 0.4 / kMsPerDay, QDate(2000, 1, 1), QTime(0, 0)},
        {36526 + 0.6 / kMsPerDay, QDate(2000, 1, 1), QTime(0, 0, 0, 1)},
        {36526 + clock(12, 0) - 0.3 / kMsPerDay, QDate(2000, 1, 1), QTime(12, 0)},
        // 23:59:59.9996 rounds onto the next midnight, which is the next day.
        {36526 + (kMsPerDay - 0.4) / kMsPerDay, QDate(2000, 1, 2), QTime(0, 0)},
        // Before the epoch the carry goes one more day back.
        {-1 - (kMsPerDay - 0.4) / kMsPerDay, QDate(1899, 12, 28), QTime(0, 0)},
    };
    for (const auto& c : cases) {
        const QDateTime got = zaf::fromDayCount(c.count);
        EXPECT_EQ(got.date(), c.date) << c.count;
        EXPECT_EQ(got.time(), c.time) << c.count;
    }
}

TEST(DayCount, NotANumberGivesNoDateTime)
{
    EXPECT_FALSE(zaf::fromDayCount(std::nan("")).date().isValid());
    EXPECT_FALSE(zaf::fromDayCount(INFINITY).date().isValid());
}

TEST(DayCount, DaylightSavingNeverShiftsAValue)
{
    TimeZoneGuard zone(kCentralEurope);
    // 31 March 2024 has 23 hours there, 27 October 25; a day is still 1.0 apart.
    EXPECT_EQ(zaf::toDayCount(QDateTime(QDate(2024, 3, 31), QTime(12, 0))) -
                  zaf::toDayCount(QDateTime(QDate(2024, 3, 30), QTime(12, 0))),
              1.0);
    EXPECT_EQ(zaf::toDayCount(QDateTime(QDate(2024, 10, 27), QTime(12, 0))) -
                  zaf::toDayCount(QDateTime(QDate(2024, 10, 26), QTime(12, 0))),
              1.0);

    // Wall-clock times in the skipped and in the repeated hour keep their value.
    const std::vector<std::pair<QDate, QTime>> times = {
        {QDate(2024, 3, 31), QTime(2, 30)},
        {QDate(2024, 10, 27), QTime(2, 30)},
        {QDate(2024, 7, 1), QTime(14, 0)},
    };
    for (const auto& [date, time] : times) {
        const double count = zaf::toDayCount(QDateTime(date, time));
        EXPECT_DOUBLE_EQ(count, zaf::toDayCount(date) + clock(time.hour(), time.minute()));
        const QDateTime back = zaf::fromDayCount(count);
        EXPECT_EQ(back.date(), date);
        EXPECT_EQ(back.time(), time);
        EXPECT_DOUBLE_EQ(zaf::toDayCount(back), count);
    }
}

TEST(DayCount, NowIsTheLocalWallClock)
{
    const QDateTime before = QDateTime::currentDateTime();
    const double now = zaf::nowDayCount();
    const QDateTime after = QDateTime::currentDateTime();
    EXPECT_GE(now, zaf::toDayCount(before));
    EXPECT_LE(now, zaf::toDayCount(after));
}

TEST(SplitDayCount, WholeDaysAndForwardFraction)
{
    struct Case {
        double count;
        double days;
        double fraction;
    };
    const std::vector<Case> cases = {
        {1.25, 1, 0.25},
        {-1.25, -1, 0.25},
        {36526.0, 36526, 0},
        {-3.0, -3, 0},
        {-0.25, 0, 0.25},
        {kJan5 + clock(18, 0), kJan5, 0.75},
    };
    for (const auto& c : cases) {
        const zaf::DayParts parts = zaf::splitDayCount(c.count);
        EXPECT_EQ(parts.days, c.days) << c.count;
        EXPECT_DOUBLE_EQ(parts.fraction, c.fraction) << c.count;
        EXPECT_FALSE(std::signbit(parts.days) && parts.days == 0) << "negative zero for " << c.count;
        EXPECT_GE(parts.fraction, 0.0);
        EXPECT_LT(parts.fraction, 1.0);
    }
}

struct FormatCase {
    double count;
    const char* pattern;
    const char* expected;
};

TEST(FormatDayCount, PatternLetters)
{
    const double afternoon = kJan5 + clock(15, 7, 9);
    const std::vector<FormatCase> cases = {
        {afternoon, "mmm dd, yyyy", "Jan 05, 2024"},
        {afternoon, "mmm dd, yyyy  h:mm am/pm", "Jan 05, 2024  3:07 pm"},
        {afternoon, "yyyy-mm-dd hh:nn:ss", "2024-01-05 15:07:09"},
        {afternoon, "d/m/yy", "5/1/24"},
        {afternoon, "mmmm d, yyyy", "January 5, 2024"},
        {afternoon, "hh:mm AM/PM", "03:07 PM"},
        {afternoon, "h:m:s", "15:7:9"},
        {afternoon, "h:n", "15:7"},
        // "m" is minutes only right after an hour; after any other token it is the month.
        {afternoon, "m/d h:m", "1/5 15:7"},
        {afternoon, "hh dd mm", "15 05 01"},
        {afternoon, "[yyyy] #", "[2024] #"},
        {kJan5 - 4 + 333 + clock(9, 5), "mmm d, yyyy", "Nov 29, 2024"},
        {kJan5 - 4 + 250, "mmmm", "September"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(zaf::formatDayCount(c.count, QString::fromLatin1(c.pattern)), QString::fromLatin1(c.expected))
            << c.pattern;
}

TEST(FormatDayCount, TwelveHourClockAroundMidnightAndNoon)
{
    const std::vector<FormatCase> cases = {
        {kJan5 + clock(0, 5), "h:mm am/pm", "12:05 am"},
        {kJan5 + clock(11, 59), "h:mm am/pm", "11:59 am"},
        {kJan5 + clock(12, 0), "h:mm am/pm", "12:00 pm"},
        {kJan5 + clock(12, 30), "hh:mm AM/PM", "12:30 PM"},
        {kJan5 + clock(23, 1), "h:mm AM/PM", "11:01 PM"},
        {kJan5 + clock(0, 5), "h:mm", "0:05"},
        // The marker may come before the hours and still makes them 12-hour.
        {kJan5 + clock(13, 0), "am/pm h", "pm 1"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(zaf::formatDayCount(c.count, QString::fromLatin1(c.pattern)), QString::fromLatin1(c.expected))
            << c.pattern;
}

TEST(FormatDayCount, SecondsAreRoundedToTheMillisecondFirst)
{
    // 12:00:59.9996 is shown as 12:01:00, not 12:00:59.
    const double count = kJan5 + clock(12, 0, 59) + 0.9996 / 86400.0;
    EXPECT_EQ(zaf::formatDayCount(count, QStringLiteral("hh:nn:ss")), QStringLiteral("12:01:00"));
}

TEST(ShortDateText, FollowsTheRegionalPattern)
{
    struct Case {
        const char* format;
        const char* expected;
    };
    const std::vector<Case> cases = {
        {"M/d/yyyy", "1/5/2024"},
        {"dd.MM.yyyy", "05.01.2024"},
        {"yyyy-MM-dd", "2024-01-05"},
        {"d/M/yy", "5/1/24"},
        {"yyyy. MM. dd.", "2024. 01. 05."},
    };
    for (const auto& c : cases) {
        zaf::RegionalSettings s;
        s.shortDateFormat = QString::fromLatin1(c.format);
        RegionalSettingsGuard guard(s);
        EXPECT_EQ(zaf::shortDateText(kJan5 + clock(15, 7)), QString::fromLatin1(c.expected)) << c.format;
    }
}

struct ParseCase {
    const char* text;
    std::optional<double> expected;
};

void checkParses(const std::vector<ParseCase>& cases)
{
    for (const auto& c : cases) {
        const auto got = zaf::parseDayCount(QString::fromLatin1(c.text));
        ASSERT_EQ(got.has_value(), c.expected.has_value()) << '"' << c.text << '"';
        if (got) {
            EXPECT_NEAR(*got, *c.expected, 0.1 / kMsPerDay) << '"' << c.text << '"';
        }
    }
}

TEST(ParseDayCount, AcceptsTheFormsADiverTypes)
{
    RegionalSettingsGuard guard(dotSettings());
    checkParses({
        {"1/5/2024", kJan5},
        {"01/05/2024", kJan5},
        {"1/5/2024 3:07:12 PM", kJan5 + clock(15, 7, 12)},
        {"1/5/2024 3:07 pm", kJan5 + clock(15, 7)},
        {"1/5/2024 3:07pm", kJan5 + clock(15, 7)},
        {"1/5/2024 15:07", kJan5 + clock(15, 7)},
        {"1/5/2024 12:00 am", kJan5},
        {"1/5/2024 12:30 PM", kJan5 + clock(12, 30)},
        {"Jan 05, 2024", kJan5},
        {"Jan 05, 2024  3:07 pm", kJan5 + clock(15, 7)},
        {"jan 5, 2024", kJan5},
        {"January 5, 2024", kJan5},
        {"2024-01-05", kJan5},
        {"2024-01-05 15:07", kJan5 + clock(15, 7)},
        {"2024-01-05 15:07:00", kJan5 + clock(15, 7)},
        {"2024-01-05T15:07:00", kJan5 + clock(15, 7)},
        {"  2024-01-05 \t", kJan5},
        {"2/29/2024", kJan5 + 55},
        {"12/29/1899 6:00", -1.25},
    });
}

TEST(ParseDayCount, RejectsGarbageAndImpossibleDates)
{
    RegionalSettingsGuard guard(dotSettings());
    checkParses({
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"garbage", std::nullopt},
        {"2/30/2024", std::nullopt},
        {"2/29/2023", std::nullopt},
        {"13/1/2024", std::nullopt},
        {"2024-02-30", std::nullopt},
        {"2024-13-01", std::nullopt},
        {"Feb 30, 2024", std::nullopt},
        {"Jab 05, 2024", std::nullopt},
        {"1/5/2024 25:00", std::nullopt},
        {"1/5/2024 3:60", std::nullopt},
        {"1/5/2024 13:00 pm", std::nullopt},
        {"1/5/2024 0:30 am", std::nullopt},
        {"1/5/2024 15:07 extra", std::nullopt},
        {"2024-01-05 3:07 pm", std::nullopt}, // ISO dates take 24-hour times
        {"1/5", std::nullopt},
        {"1/5/24", std::nullopt},
    });
}

TEST(ParseDayCount, RegionalShortDateDecidesTheOrder)
{
    RegionalSettingsGuard guard(commaSettings());
    checkParses({
        {"05.01.2024", kJan5},
        {"5.1.2024 15:07", kJan5 + clock(15, 7)},
        {"31.12.2024", kJan5 - 4 + 365},
        {"2024-01-05", kJan5},
        {"1/5/2024", std::nullopt},
        {"12.31.2024", std::nullopt},
    });
}

TEST(ParseDayCount, ReadsBackWhatIsShown)
{
    const std::vector<double> counts = {kJan5, kJan5 + clock(15, 7), kJan5 + clock(0, 1), kJan5 + clock(12, 59),
                                        -400 - clock(23, 45)};
    const std::vector<QString> patterns = {QStringLiteral("mmm dd, yyyy  h:mm am/pm"),
                                           QStringLiteral("yyyy-mm-dd hh:nn")};
    for (const auto& settings : {dotSettings(), commaSettings()}) {
        RegionalSettingsGuard guard(settings);
        for (double count : counts) {
            for (const QString& pattern : patterns) {
                const QString text = zaf::formatDayCount(count, pattern);
                const auto back = zaf::parseDayCount(text);
                ASSERT_TRUE(back.has_value()) << text.toStdString();
                EXPECT_NEAR(*back, count, 0.1 / kMsPerDay) << text.toStdString();
            }
            const double date = zaf::splitDayCount(count).days;
            const auto back = zaf::parseDayCount(zaf::shortDateText(count));
            ASSERT_TRUE(back.has_value()) << zaf::shortDateText(count).toStdString();
            EXPECT_EQ(*back, date);
        }
    }
}

} // namespace
