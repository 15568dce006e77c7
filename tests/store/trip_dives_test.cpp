#include "store/certifications.h"
#include "store/errors.h"
#include "store/schema.h"
#include "store/trip_dives.h"
#include "store_rules_fixture.h"

namespace zaf::test {
namespace {

/// Jo's log with three dives and one dive of another diver, and one trip of Jo's on the page.
class TripDivesTest : public StoreRulesTest {
protected:
    void SetUp() override
    {
        StoreRulesTest::SetUp();
        view.page = Page::TripReport;
        addDive(QStringLiteral("Jo"), QStringLiteral("1"), QStringLiteral("Blue Hole"));
        addDive(QStringLiteral("Jo"), QStringLiteral("2"), QStringLiteral("Salt Pier"));
        addDive(QStringLiteral("Al"), QStringLiteral("3"), QStringLiteral("Not Jo's"));
        addDive(QStringLiteral("Jo"), QStringLiteral("12"), QStringLiteral("Thousand Steps"));
        addRecord(trip(), {{QStringLiteral("Location"), QStringLiteral("Bonaire")}});
    }

    void addDive(const QString& diver, const QString& number, const QString& site)
    {
        addRecord(data.DiveLog_Table, {{QStringLiteral("DiverName"), diver},
                                       {QStringLiteral("DiveNumber"), number},
                                       {QStringLiteral("DiveSite"), site}});
    }

    store::Table& trip() { return data.Travel_Table; }

    /// The trip as stored on disk, read through a table object of its own.
    QPair<QStringList, QString> storedTrip()
    {
        store::Table copy(QStringLiteral("copy"));
        copy.setDefinition(store::schema::travel());
        copy.setPath(trip().path());
        copy.open();
        copy.first();
        return {store::memoLines(copy[QStringLiteral("Dives")].asString()), copy[QStringLiteral("NumberofDives")].asString()};
    }
};

TEST_F(TripDivesTest, ChoicesAreTheUsersDivesInLogOrderAndLeaveTheLogWhereItWas)
{
    data.DiveLog_Table.first();
    const QString shown = data.DiveLog_Table[QStringLiteral("DiveSite")].asString();
    EXPECT_EQ(store::tripDiveChoices(data.DiveLog_Table),
              (QStringList{"1 - Blue Hole", "2 - Salt Pier", "12 - Thousand Steps"}));
    EXPECT_EQ(data.DiveLog_Table[QStringLiteral("DiveSite")].asString(), shown);
}

TEST_F(TripDivesTest, ChoicesFollowTheLogsOwnView)
{
    data.DiveLog_Table.setFilter(store::Filter::equals(QStringLiteral("DiveSite"), QStringLiteral("Salt Pier")));
    EXPECT_EQ(store::tripDiveChoices(data.DiveLog_Table), QStringList{"2 - Salt Pier"});
}

TEST(TripDiveNumber, IsTheTrimmedTextBeforeTheFirstDashAtMostFiveCharacters)
{
    const std::pair<QString, QString> cases[] = {
        {"12 - Blue Hole", "12"},
        {"  7-Reef", "7"},
        {"1234567 - Long", "12345"},
        {"42", "42"},
        {"9 - Half-Moon Bay", "9"},
        {"- nothing", ""},
    };
    for (const auto& [line, number] : cases)
        EXPECT_EQ(store::diveNumberOfChoice(line), number) << line.toStdString();
}

TEST_F(TripDivesTest, AddLooksTheSiteUpAndPostsAfterEachDive)
{
    int posts = 0;
    trip().onAfterPost = [&posts, rule = trip().onAfterPost](store::Table& t) {
        ++posts;
        if (rule)
            rule(t);
    };
    // The site comes from the log, not from the choice text.
    store::addTripDives(trip(), data.DiveLog_Table, {"12 - whatever", "2", "99 - No such dive"});
    EXPECT_EQ(posts, 3);
    EXPECT_FALSE(trip().isEditing());
    const auto [lines, count] = storedTrip();
    EXPECT_EQ(lines, (QStringList{"12 - Thousand Steps", "2 - Salt Pier", "99 - "}));
    EXPECT_EQ(count, "") << "adding alone does not count the dives";
}

TEST_F(TripDivesTest, DoneCountsTheWholeListNotTheDivesJustAdded)
{
    trip().edit();
    trip()[QStringLiteral("Dives")].setAsString(QStringLiteral("5 - Earlier\n6 - Earlier too"));
    trip().post();
    store::addTripDives(trip(), data.DiveLog_Table, {"1 - Blue Hole", "2 - Salt Pier", "12 - Thousand Steps"});
    store::finishTripDives(trip());
    const auto [lines, count] = storedTrip();
    EXPECT_EQ(lines.size(), 5);
    EXPECT_EQ(count, "5");
}

TEST_F(TripDivesTest, ClearAndRemoveKeepTheCountInStep)
{
    store::addTripDives(trip(), data.DiveLog_Table, {"1", "2", "12"});
    store::removeTripDive(trip(), 1);
    auto [lines, count] = storedTrip();
    EXPECT_EQ(lines, (QStringList{"1 - Blue Hole", "12 - Thousand Steps"}));
    EXPECT_EQ(count, "2");

    store::removeTripDive(trip(), 5); // no such line: nothing changes
    EXPECT_EQ(storedTrip().first.size(), 2);

    store::clearTripDives(trip());
    std::tie(lines, count) = storedTrip();
    EXPECT_TRUE(lines.isEmpty());
    EXPECT_EQ(count, "0");
}

TEST_F(TripDivesTest, TotalCostIsTheSumOfTheFiveCostsWithEmptyAsZero)
{
    trip().edit();
    const std::pair<const char*, const char*> costs[] = {
        {"AirFare", "100"}, {"DiveCost", "200"}, {"MealCost", "50"}, {"MiscCost", "25"}, {"RoomRate", "10"}};
    for (const auto& [field, value] : costs)
        trip()[QLatin1String(field)].setAsString(QLatin1String(value));
    trip().post();

    EXPECT_TRUE(store::updateTripTotalCost(trip()));
    EXPECT_DOUBLE_EQ(trip()[QStringLiteral("TotalCost")].asFloat(), 385.0);
    trip().post();

    trip().edit();
    trip()[QStringLiteral("MealCost")].clear();
    trip()[QStringLiteral("RoomRate")].clear();
    EXPECT_TRUE(store::updateTripTotalCost(trip()));
    EXPECT_DOUBLE_EQ(trip()[QStringLiteral("TotalCost")].asFloat(), 325.0);
}

TEST_F(TripDivesTest, AnUnchangedTotalLeavesTheTripInBrowse)
{
    EXPECT_TRUE(store::updateTripTotalCost(trip())); // every cost empty: 0
    trip().post();
    EXPECT_TRUE(store::updateTripTotalCost(trip()));
    EXPECT_FALSE(trip().isEditing());
}

TEST_F(TripDivesTest, AFailureLeavesTheTotalAsItWas)
{
    trip().edit();
    trip()[QStringLiteral("TotalCost")].setAsString(QStringLiteral("7"));
    trip()[QStringLiteral("AirFare")].setAsString(QStringLiteral("100"));
    trip()[QStringLiteral("TotalCost")].onValidate = [](store::Field&) {
        throw store::DatabaseError(QStringLiteral("refused"));
    };
    EXPECT_FALSE(store::updateTripTotalCost(trip()));
    EXPECT_EQ(trip()[QStringLiteral("TotalCost")].asString(), "7");
    trip()[QStringLiteral("TotalCost")].onValidate = nullptr;
}

} // namespace
} // namespace zaf::test
