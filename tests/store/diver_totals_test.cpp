#include "core/units.h"
#include "dive_log_fixture.h"
#include "store/diver_totals.h"

namespace zaf::test {
namespace {

class DiverTotalsTest : public DiveLogFixture {
protected:
    store::Table& recalculate(const QString& name = QStringLiteral("Jo"))
    {
        diver(name);
        store::diverTotals(*data);
        return diver(name);
    }

    void setDiver(const Values& values)
    {
        store::Table& divers = diver(QStringLiteral("Jo"));
        divers.edit();
        fill(divers, values);
        divers.post();
    }

    void emptyLog()
    {
        while (!raw.isEmpty()) {
            raw.first();
            raw.deleteRecord();
        }
    }
};

TEST_F(DiverTotalsTest, EveryDiveUnderTheNameCountsInTheDiversUnits)
{
    seedDiver(QStringLiteral("Jo"));
    seedDive({{"DiveNumber", 1}, {"Format", 0}, {"MaximumDepth", 100.0}, {"BottomTime", 40}});
    seedDive({{"DiveNumber", 2}, {"Format", 1}, {"MaximumDepth", 40.0}, {"BottomTime", 50}});
    seedDive({{"DiveNumber", 3}, {"Format", 0}});
    // Kim's own dive, deeper and longer than all of Jo's, is not Jo's to count.
    seedDive({{"DiverName", "Kim"}, {"DiveNumber", 1}, {"Format", 0}, {"MaximumDepth", 300.0}, {"BottomTime", 99},
              {"OwnerName", "Kim"}, {"OwnerEmail", "kim@x.org"}});

    struct Case {
        QVariant diverFormat;
        double maxDepth;
    };
    const Case cases[] = {
        {0, meters2feet(40.0)},
        {1, 40.0},
        // An undecided diver record: every dive counts as kept in the other system.
        {QVariant(), meters2feet(40.0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.diverFormat.toString().toStdString());
        setDiver({{"Format", c.diverFormat}});
        store::Table& jo = recalculate();
        EXPECT_EQ(jo["NumberofDives"].asInteger(), 3);
        EXPECT_EQ(jo["TotalBottomTime"].asInteger(), 90);
        EXPECT_DOUBLE_EQ(jo["MaxDepth"].asFloat(), c.maxDepth);
    }
}

TEST_F(DiverTotalsTest, PostAndDeleteKeepTheTotalsCurrent)
{
    seedDiver(QStringLiteral("Jo"), {{"Format", 0}});
    seedDiver(QStringLiteral("Kim"), {{"OwnerName", "Kim"}, {"OwnerEmail", "kim@x.org"}});
    postDive({{"Format", 0}, {"MaximumDepth", 60.0}, {"BottomTime", 30}});
    postDive({{"Format", 1}, {"MaximumDepth", 30.0}, {"BottomTime", 45}});
    store::Table& jo = diver(QStringLiteral("Jo"));
    EXPECT_EQ(jo["NumberofDives"].asInteger(), 2);
    EXPECT_EQ(jo["TotalBottomTime"].asInteger(), 75);
    EXPECT_DOUBLE_EQ(jo["MaxDepth"].asFloat(), meters2feet(30.0));

    log().last();
    log().deleteRecord();
    EXPECT_EQ(diver(QStringLiteral("Jo"))["NumberofDives"].asInteger(), 1);
    EXPECT_DOUBLE_EQ(diver(QStringLiteral("Jo"))["MaxDepth"].asFloat(), 60.0);

    // Another owner's diver record is not the user's to recalculate.
    EXPECT_TRUE(recalculate(QStringLiteral("Kim"))["NumberofDives"].isNull());
}

TEST_F(DiverTotalsTest, AverageRateNeedsTenDivesWithTheTenthLatestRated)
{
    seedDiver(QStringLiteral("Jo"));
    struct Case {
        const char* name;
        QList<double> rates; // oldest first
        double average;      // 15 = the diver's rate left as it was
    };
    const QList<double> nineOf20(9, 20.0);
    const Case cases[] = {
        {"nine dives", nineOf20, 15.0},
        {"tenth latest unrated", QList<double>{0.0} + nineOf20, 15.0},
        {"ten rated", nineOf20 + QList<double>{30.0}, 21.0},
        {"newest unrated", QList<double>{20.0} + nineOf20 + QList<double>{0.0}, 20.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        emptyLog();
        setDiver({{"SACRate", 15.0}, {"SACvol", 0.4}});
        int number = 1;
        for (double rate : c.rates)
            seedDive({{"DiveNumber", number++}, {"SACRate", rate}, {"ACFMRate", rate / 20.0}});
        store::Table& jo = recalculate();
        EXPECT_DOUBLE_EQ(jo["SACRate"].asFloat(), c.average);
        EXPECT_DOUBLE_EQ(jo["SACvol"].asFloat(), c.average == 15.0 ? 0.4 : c.average / 20.0);
    }
}

TEST_F(DiverTotalsTest, UnchangedTotalsLeaveASentRecordMarkedAsSent)
{
    // Imperial diver and dives: editing the diver record takes the unit from the (imperial)
    // diver page, so the totals are not converted between the runs.
    seedDiver(QStringLiteral("Jo"), {{"Format", 0}});
    for (int n = 1; n <= 10; ++n)
        seedDive({{"DiveNumber", n}, {"Format", 0}, {"MaximumDepth", 20.0}, {"BottomTime", 40}, {"SACRate", 20.0}});
    auto markSent = [&] {
        store::Table& divers = diver(QStringLiteral("Jo"));
        divers.edit();
        divers["CopyOnServer"].setAsBoolean(true);
        divers.post();
    };
    recalculate();
    markSent();
    EXPECT_TRUE(recalculate()["CopyOnServer"].asBoolean()) << "nothing changed";

    seedDive({{"DiveNumber", 11}, {"Format", 0}, {"MaximumDepth", 20.0}, {"BottomTime", 40}, {"SACRate", 20.0}});
    EXPECT_FALSE(recalculate()["CopyOnServer"].asBoolean()) << "one dive more";

    // Only the average rate moves: still news for the server.
    markSent();
    ASSERT_TRUE(raw.findKey({"Jo", 11}));
    raw.edit();
    raw["SACRate"].setAsFloat(31.0);
    raw.post();
    store::Table& jo = recalculate();
    EXPECT_DOUBLE_EQ(jo["SACRate"].asFloat(), 21.1);
    EXPECT_FALSE(jo["CopyOnServer"].asBoolean());
}

} // namespace
} // namespace zaf::test
