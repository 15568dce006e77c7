#include "calc/dive_time_rules.h"
#include "calc/dive_times.h"
#include "dive_fixture.h"

namespace zaf::test {
namespace {

double clock(int hour, int minute)
{
    return toDayCount(QDateTime(QDate(2024, 6, 1), QTime(hour, minute)));
}

TEST(DiveTimes, TimeOfDayClassByHour)
{
    const struct {
        int hour, minute;
        const char* cls;
    } cases[] = {
        {0, 0, ""},      {4, 59, ""},    {5, 0, "Dawn"},   {7, 59, "Dawn"},  {8, 0, "Day"},
        {16, 59, "Day"}, {17, 0, "Dusk"}, {20, 59, "Dusk"}, {21, 0, "Night"}, {23, 59, "Night"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.hour << ":" << c.minute);
        EXPECT_EQ(calc::dayTimeForHour(calc::hourOf(clock(c.hour, c.minute))), QString::fromLatin1(c.cls));
    }
}

TEST(DiveTimes, MinutesOfTheSpanWithoutWholeDays)
{
    EXPECT_EQ(calc::minutesOfDayBetween(clock(23, 30), clock(0, 45) + 1), 75);
    EXPECT_EQ(calc::minutesOfDayBetween(clock(9, 0), clock(10, 0) + 1), 60); // 25 hours
    EXPECT_EQ(calc::minutesOfDayBetween(clock(9, 0), clock(9, 45)), 45);
    EXPECT_EQ(calc::minutesOfDayBetween(clock(9, 30), clock(9, 0)), 30);
}

TEST(DiveTimes, SplitIntoDaysHoursMinutes)
{
    const struct {
        int minutes;
        int days, hours, rest;
    } cases[] = {
        {0, 0, 0, 0}, {59, 0, 0, 59}, {60, 0, 1, 0}, {210, 0, 3, 30}, {1439, 0, 23, 59}, {1440, 1, 0, 0}, {1500, 1, 1, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.minutes);
        const calc::DurationParts p = calc::splitDuration(c.minutes);
        EXPECT_EQ(p.days, c.days);
        EXPECT_EQ(p.hours, c.hours);
        EXPECT_EQ(p.minutes, c.rest);
    }
    EXPECT_EQ(calc::durationText(1500), QStringLiteral("1 days, 1 hrs, 0 min"));
    EXPECT_EQ(calc::durationText(0), QStringLiteral("0 days, 0 hrs, 0 min"));
}

TEST(DiveTimes, SurfaceIntervalFromTheBoxes)
{
    const struct {
        const char *days, *hours, *minutes;
        std::optional<int> total;
    } cases[] = {
        {"2", "0", "5", 2885},
        {"", "3", "30", 210},       // an empty box counts 0
        {"-1", "1", "0", 60},       // so does a negative one
        {"0", "x", "5", std::nullopt},
        {"1.5", "0", "0", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.days << "/" << c.hours << "/" << c.minutes);
        EXPECT_EQ(calc::surfaceIntervalFromBoxes({QString::fromLatin1(c.days), QString::fromLatin1(c.hours),
                                                  QString::fromLatin1(c.minutes)}),
                  c.total);
    }
    EXPECT_EQ(calc::surfaceIntervalMinutes(clock(13, 30), clock(10, 0)), 210);
    EXPECT_FALSE(calc::surfaceIntervalMinutes(clock(9, 0), clock(10, 0)));
    EXPECT_FALSE(calc::surfaceIntervalMinutes(clock(9, 0), 0));
}

class DiveTimeRulesTest : public DiveFixture {
protected:
    void expectBoxes(const char* days, const char* hours, const char* minutes)
    {
        const SurfaceIntervalBoxes& b = view.intervalBoxes[Page::DiveLog];
        EXPECT_EQ(b.days, QString::fromLatin1(days));
        EXPECT_EQ(b.hours, QString::fromLatin1(hours));
        EXPECT_EQ(b.minutes, QString::fromLatin1(minutes));
    }
};

TEST_F(DiveTimeRulesTest, PreviousDiveIsTheOwnOneBeforeTheShownEntry)
{
    addDive(1, {{"StartTime", at(1, 9, 0)}, {"EndTime", at(1, 10, 0)}});
    addDive(2, {{"StartTime", at(1, 13, 0)}, {"EndTime", at(1, 14, 0)}});
    addDive(3, {{"StartTime", at(2, 9, 0)}, {"EndTime", at(2, 10, 0)}});
    addDive(7, {{"StartTime", at(1, 11, 0)}, {"EndTime", at(1, 12, 0)}}, QStringLiteral("Kim"));

    ASSERT_TRUE(log().locate({QStringLiteral("DiveNumber")}, {2}));
    EXPECT_DOUBLE_EQ(*calc::previousDiveEnd(data), at(1, 10, 0));
    ASSERT_TRUE(log().locate({QStringLiteral("DiveNumber")}, {1}));
    EXPECT_EQ(*calc::previousDiveEnd(data), 0);

    // A new entry not yet posted comes after the last dive.
    log().append();
    set({{"DiverName", QStringLiteral("Jo")}, {"DiveNumber", 4}});
    EXPECT_DOUBLE_EQ(*calc::previousDiveEnd(data), at(2, 10, 0));
}

TEST_F(DiveTimeRulesTest, StartTimeProposalAndSurfaceInterval)
{
    addDive(1, {{"StartTime", at(1, 9, 0)}, {"EndTime", at(1, 10, 0)}});
    log().append();
    set({{"DiverName", QStringLiteral("Jo")}, {"DiveNumber", 2}, {"SurfaceInterval", 90}});
    // A new entry starts now; the diver blanks the field to get the proposal.
    field("StartTime").clear();
    calc::proposeStartTime(data);
    EXPECT_DOUBLE_EQ(field("StartTime").asDateTime(), at(1, 11, 30));

    // Typed over: a new start time re-derives the class, end time and interval.
    field("StartTime").setAsDateTime(at(1, 13, 30));
    calc::clearDayTime(data);
    calc::deriveDiveTimes(data);
    EXPECT_EQ(field("SurfaceInterval").asInteger(), 210);
    EXPECT_EQ(field("DayTime").asString(), QStringLiteral("Day"));
    calc::showSurfaceInterval(Page::DiveLog, log());
    expectBoxes("0", "3", "30");
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(DiveTimeRulesTest, FirstDiveGetsNoProposalNorInterval)
{
    log().append();
    set({{"DiverName", QStringLiteral("Jo")}, {"DiveNumber", 1}, {"SurfaceInterval", 15}});
    field("StartTime").clear();
    calc::proposeStartTime(data);
    EXPECT_TRUE(field("StartTime").isNull());
    field("StartTime").setAsDateTime(at(1, 13, 30));
    calc::deriveDiveTimes(data);
    EXPECT_EQ(field("SurfaceInterval").asInteger(), 15);
}

TEST_F(DiveTimeRulesTest, EndTimeFromStartAndDiveTime)
{
    const struct {
        const char* what;
        QVariant end;
        QVariant minutes;
        double expected;
    } cases[] = {
        {"empty end, 75 minutes", QVariant(), 75, at(1, 11, 15)},
        {"empty end, no dive time", QVariant(), QVariant(), at(1, 10, 0)},
        {"end 7 hours later", at(1, 17, 0), 30, at(1, 10, 0)},
        {"end 7 hours before", at(1, 3, 0), 30, at(1, 10, 0)},
        {"plausible end kept", at(1, 10, 50), 30, at(1, 10, 50)},
    };
    int number = 1;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        addDive(number++, {{"StartTime", at(1, 10, 0)}, {"EndTime", c.end}, {"BottomTime", c.minutes},
                           {"DayTime", QStringLiteral("Night")}});
        calc::deriveDiveTimes(data);
        EXPECT_DOUBLE_EQ(field("EndTime").asDateTime(), c.expected);
        EXPECT_EQ(field("DayTime").asString(), QStringLiteral("Night")); // a class already there stays
        log().post();
    }
}

TEST_F(DiveTimeRulesTest, SurfaceIntervalBoxesStoreOnlyOwnEntries)
{
    addDive(1, {{"SurfaceInterval", 60}});
    view.intervalBoxes[Page::DiveLog] = {QStringLiteral("2"), QStringLiteral("0"), QStringLiteral("5")};
    calc::storeSurfaceInterval(data);
    EXPECT_EQ(field("SurfaceInterval").asInteger(), 2885);

    view.intervalBoxes[Page::DiveLog] = {QStringLiteral("1"), QStringLiteral("x"), QStringLiteral("5")};
    calc::storeSurfaceInterval(data);
    EXPECT_EQ(field("SurfaceInterval").asInteger(), 2885);
    log().post();

    addDive(2, {{"SurfaceInterval", 1500}}, QStringLiteral("Kim"));
    view.intervalBoxes[Page::DiveLog] = {QStringLiteral("9"), QStringLiteral("9"), QStringLiteral("9")};
    calc::storeSurfaceInterval(data);
    EXPECT_EQ(field("SurfaceInterval").asInteger(), 1500);
    EXPECT_EQ(log().state(), store::Table::State::Browse);
    expectBoxes("1", "1", "0");
}

TEST_F(DiveTimeRulesTest, FirstEntryIsPostedAndShowsTheFullNavigator)
{
    log().append();
    set({{"DiverName", QStringLiteral("Jo")}, {"DiveNumber", 1}, {"OwnerName", QStringLiteral("Jo")},
         {"OwnerEmail", QStringLiteral("jo@example.org")}});
    calc::updateNavigator(data);
    EXPECT_EQ(log().state(), store::Table::State::Browse);
    EXPECT_EQ(log().recordCount(), 1);
    const unsigned all = NavFirst | NavPrior | NavNext | NavLast | NavInsert | NavDelete;
    EXPECT_EQ(view.navigator.value(Page::DiveLog), all);

    // Only the first entry changes the navigator (showing the entry sets it too, so look
    // only at what the navigator rule itself does).
    addDive(2, {});
    view.navigator.clear();
    calc::updateNavigator(data);
    EXPECT_FALSE(view.navigator.contains(Page::DiveLog));
}

TEST_F(DiveTimeRulesTest, PickerKeepsTheValueOnCancel)
{
    addDive(1, {{"StartTime", at(1, 10, 0)}});
    calc::pickDateTime(log(), QStringLiteral("StartTime"));
    EXPECT_DOUBLE_EQ(field("StartTime").asDateTime(), at(1, 10, 0));

    view.pickerAnswer = at(3, 8, 15);
    calc::pickDateTime(log(), QStringLiteral("StartTime"));
    EXPECT_DOUBLE_EQ(field("StartTime").asDateTime(), at(3, 8, 15));
    EXPECT_EQ(view.pickerStartedAt, (QList<double>{at(1, 10, 0), at(1, 10, 0)}));
    EXPECT_TRUE(log().isEditing());
}

} // namespace
} // namespace zaf::test
