#include "core/regional_settings.h"
#include "store/errors.h"
#include "store_rules_fixture.h"

namespace zaf::test {
namespace {

class TripNumberingTest : public StoreRulesTest {
protected:
    void SetUp() override
    {
        StoreRulesTest::SetUp();
        view.page = Page::TripReport;
    }
    store::Table& trips() { return data.Travel_Table; }
    int tripNumber() { return trips()[QStringLiteral("TripNumber")].asInteger(); }
};

TEST_F(TripNumberingTest, TheFirstTripIsOneAndTheNextFollowsTheDiversOwnLast)
{
    // Another diver's trip numbers do not count.
    addRecord(trips(), {{QStringLiteral("Location"), QStringLiteral("Palau")}});
    trips().edit();
    trips()[QStringLiteral("OwnerName")].setAsString(QStringLiteral("Kim"));
    trips()[QStringLiteral("OwnerEmail")].setAsString(QStringLiteral("kim@example.org"));
    trips()[QStringLiteral("TripNumber")].setAsInteger(7);
    trips().post();

    trips().append();
    ASSERT_EQ(trips().state(), store::Table::State::Edit) << "the new trip is stored and then numbered";
    EXPECT_EQ(tripNumber(), 1);
    EXPECT_EQ(trips()[QStringLiteral("OwnerName")].asString(), QStringLiteral("Jo"));
    EXPECT_FALSE(trips()[QStringLiteral("StartDate")].isNull());
    EXPECT_TRUE(trips().filterText().isEmpty());
    EXPECT_EQ(view.focusRequests.value(view.focusRequests.size() - 1), QStringLiteral("TripLocation_Edit"));
    trips()[QStringLiteral("Location")].setAsString(QStringLiteral("Bonaire"));
    trips().post();

    trips().append();
    EXPECT_EQ(tripNumber(), 2);
    trips().post();
    EXPECT_EQ(trips().recordCount(), 3);
}

TEST_F(TripNumberingTest, AppendingWithValuesOnTheTripPageFillsTheNumberedTrip)
{
    ASSERT_TRUE(trips().appendRecord(
        {QStringLiteral("Jo"), QStringLiteral("jo@example.org"), 5, QStringLiteral("Cozumel")}));
    EXPECT_FALSE(trips().isEditing());
    EXPECT_EQ(trips().recordCount(), 1) << "the stored trip 0 took the values, no second record";
    EXPECT_EQ(tripNumber(), 5);
    EXPECT_EQ(trips()[QStringLiteral("Location")].asString(), QStringLiteral("Cozumel"));
}

TEST_F(TripNumberingTest, ACancelledTripStaysAsTripZeroAndBlocksTheNextNewTrip)
{
    trips().append();
    trips().cancel();
    ASSERT_TRUE(trips().findKey({QStringLiteral("Jo"), QStringLiteral("jo@example.org"), 0, QString()}));
    EXPECT_EQ(trips().recordCount(), 1);

    try {
        trips().append();
        FAIL() << "a second trip 0 was stored";
    } catch (const store::DatabaseError& e) {
        EXPECT_TRUE(e.message().startsWith(QStringLiteral("Key violation"))) << e.message().toStdString();
    }
    EXPECT_FALSE(trips().isEditing()) << "no half-made trip is left pending";
    EXPECT_EQ(trips().recordCount(), 1);
}

TEST_F(TripNumberingTest, AnOwnTripGetsTheLocalCurrencyAndItsCompaniesBecomeResources)
{
    const zaf::RegionalSettings saved = regionalSettings();
    zaf::RegionalSettings euro = saved;
    euro.currencySymbol = QStringLiteral("€");
    setRegionalSettings(euro);
    // One company is listed already; it must not be listed twice.
    addRecord(data.DiveResources_Table, {{QStringLiteral("CompanyName"), QStringLiteral("Buddy Dive")}});

    trips().append();
    trips()[QStringLiteral("Location")].setAsString(QStringLiteral("Bonaire"));
    trips()[QStringLiteral("Lodging")].setAsString(QStringLiteral("Harbour Village"));
    trips()[QStringLiteral("DiveShop")].setAsString(QStringLiteral("Buddy Dive"));
    trips()[QStringLiteral("TravelAgent")].setAsString(QStringLiteral(" "));
    trips().post();
    setRegionalSettings(saved);

    EXPECT_EQ(trips()[QStringLiteral("Currency")].asString(), QStringLiteral("€"));
    store::Table& resources = data.DiveResources_Table;
    EXPECT_EQ(resources.recordCount(), 2);
    ASSERT_TRUE(resources.locate({QStringLiteral("CompanyName")}, {QStringLiteral("Harbour Village")}));
    EXPECT_EQ(resources[QStringLiteral("OwnerName")].asString(), QStringLiteral("Jo"));
    EXPECT_EQ(resources[QStringLiteral("OwnerEmail")].asString(), QStringLiteral("jo@example.org"));
    EXPECT_TRUE(data.MenuItems_Table.findKey({QStringLiteral("Location"), QStringLiteral("Bonaire")}));
}

} // namespace
} // namespace zaf::test
