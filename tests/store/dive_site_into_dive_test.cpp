#include "dive_log_fixture.h"
#include "store/dive_site_into_dive.h"

namespace zaf::test {
namespace {

/// Dive sites stored past their rules, and one own dive of Jo's in edit on the dive page.
class DiveSiteIntoDiveTest : public DiveLogFixture {
protected:
    void SetUp() override
    {
        DiveLogFixture::SetUp();
        sites.setDefinition(store::schema::diveSite());
        sites.setPath(data->DiveSite_Table.path());
        sites.open();
        addSite(QStringLiteral("Anchor Bay"), QStringLiteral("Sinai"), QStringLiteral("Shore"), QStringLiteral("2 m"));
        addSite(QStringLiteral("Blue Hole"), QStringLiteral("Dahab"), QStringLiteral("Wall"), QStringLiteral("1200 ft"));
        seedDive({{"DiveNumber", 7},
                  {"Location", "Somewhere"},
                  {"DiveType", "Drift"},
                  {"DiveAltitude", 50.0},
                  {"DiveSite", "Blue Hole"}});
        log().first();
    }
    void TearDown() override
    {
        sites.close();
        DiveLogFixture::TearDown();
    }

    void addSite(const QString& name, const QString& location, const QString& type, const QString& altitude)
    {
        sites.append();
        fill(sites, {{QStringLiteral("DiveSite"), name},
                     {QStringLiteral("Location"), location},
                     {QStringLiteral("DiveType"), type},
                     {QStringLiteral("OwnerName"), QString::fromLatin1(kUser)},
                     {QStringLiteral("OwnerEmail"), QString::fromLatin1(kEmail)},
                     {QStringLiteral("Altitude"), altitude}});
        sites.post();
    }

    /// The dive page's site field as typed and then left.
    void leaveSiteField(const QString& site)
    {
        log().edit();
        log()["DiveSite"].setAsString(site);
        store::copyDiveSiteIntoDive(*data);
    }

    store::Table sites{QStringLiteral("sites")};
};

TEST_F(DiveSiteIntoDiveTest, TheDiveTakesTheSitesTypeLocationAndAltitude)
{
    const struct {
        const char* altitude;
        QVariant diveAltitude; ///< invalid: empty
    } cases[] = {
        {"1200 ft", 1200.0},
        {"35 m above sea level", 35.0},
        {"300", 300.0},          // no unit: the whole text is the number
        {"", QVariant()},        // the site knows no altitude: neither does the dive
        {"sea level", 50.0},     // not a number: the dive keeps its altitude
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.altitude);
        ASSERT_TRUE(sites.findKey({QStringLiteral("Blue Hole")}));
        sites.edit();
        sites["Altitude"].setAsString(QString::fromLatin1(c.altitude));
        sites.post();
        log().cancel();
        log().first();

        leaveSiteField(QStringLiteral("Blue Hole"));
        EXPECT_EQ(log()["DiveType"].asString(), "Wall");
        EXPECT_EQ(log()["Location"].asString(), "Dahab");
        if (c.diveAltitude.isValid())
            EXPECT_DOUBLE_EQ(log()["DiveAltitude"].asFloat(), c.diveAltitude.toDouble());
        else
            EXPECT_TRUE(log()["DiveAltitude"].isNull());
    }
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(DiveSiteIntoDiveTest, LeavesTheDiveAloneWhenNoSiteOfThatNameIsStored)
{
    leaveSiteField(QStringLiteral("Blue Hol"));
    EXPECT_EQ(log()["DiveType"].asString(), "Drift");
    EXPECT_EQ(log()["Location"].asString(), "Somewhere");
    EXPECT_DOUBLE_EQ(log()["DiveAltitude"].asFloat(), 50.0);
}

TEST_F(DiveSiteIntoDiveTest, AnotherDiversEntryIsNotTouched)
{
    seedDive({{"DiveNumber", 3}, {"DiverName", "Kim"}, {"OwnerName", "Kim"}, {"OwnerEmail", "kim@example.org"},
              {"DiveSite", "Blue Hole"}, {"Location", "Somewhere"}});
    log().clearFilter();
    ASSERT_TRUE(log().locate({QStringLiteral("OwnerName")}, {QStringLiteral("Kim")}));

    store::copyDiveSiteIntoDive(*data);
    EXPECT_EQ(log().state(), store::Table::State::Browse);
    EXPECT_EQ(log()["Location"].asString(), "Somewhere");
}

// Passing through the site field of an entry that already matches its site does not mark
// the entry as changed, and the dive site page keeps the site it showed.
TEST_F(DiveSiteIntoDiveTest, AMatchingEntryStaysUnchangedAndTheSitePageDoesNotMove)
{
    leaveSiteField(QStringLiteral("Blue Hole"));
    log().post();
    data->DiveSite_Table.first();
    ASSERT_EQ(data->DiveSite_Table["DiveSite"].asString(), "Anchor Bay");

    store::copyDiveSiteIntoDive(*data);
    EXPECT_EQ(log().state(), store::Table::State::Browse);
    EXPECT_EQ(data->DiveSite_Table["DiveSite"].asString(), "Anchor Bay");

    // A posted entry whose site changed is put into edit by the copy itself.
    raw.first();
    raw.edit();
    raw["Location"].setAsString(QStringLiteral("Elsewhere"));
    raw.post();
    log().refresh();
    store::copyDiveSiteIntoDive(*data);
    EXPECT_EQ(log().state(), store::Table::State::Edit);
    EXPECT_EQ(log()["Location"].asString(), "Dahab");
}

} // namespace
} // namespace zaf::test
