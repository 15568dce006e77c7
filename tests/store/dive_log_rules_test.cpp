#include "core/trace.h"
#include "dive_log_fixture.h"
#include "store/dive_log_rules.h"

namespace zaf::test {
namespace {

class DiveLogRulesTest : public DiveLogFixture {};

TEST_F(DiveLogRulesTest, NewEntryCarriesOverTheDiversOwnLatestDive)
{
    const double end41 = at(2024, 5, 1, 10, 30);
    seedDive({{"DiveNumber", 40}, {"StartTime", at(2024, 4, 30, 9, 0)}, {"EndTime", at(2024, 4, 30, 10, 0)},
              {"Location", "Old Place"}});
    seedDive({{"DiveNumber", 41},
              {"StartTime", at(2024, 5, 1, 9, 45)},
              {"EndTime", end41},
              {"Format", 1},
              {"Location", "Reef Bay"},
              {"DiveSite", "North Wall"},
              {"DiveOperation", "Blue Shop"},
              {"DiveBuddy1", "Kim"},
              {"Divebuddy4", "Lee"},
              {"Wetsuit", true},
              {"Drysuit", false},
              {"Hood", true},
              {"Gas", "EANx32"},
              {"Computer", "Wrist One"},
              {"T1S", 11.1},
              {"T1P", 232.0},
              {"DCS", "No"},
              {"DiveAltitude", 120.0},
              {"Visibility", 15.0},
              {"Weight", 6.0},
              {"MaximumDepth", 18.2},
              {"BottomTime", 45},
              {"AirPressureStart", 200.0},
              {"Comments", "Turtles"},
              {"DiveStamp", "0312345"},
              {"SACRate", 21.0},
              {"T2S", 7.0}});
    // Neither another owner's dive under Jo's name nor Jo's own entry for another diver is
    // Jo's latest dive, however high their numbers.
    seedDive({{"DiveNumber", 99}, {"EndTime", at(2024, 6, 1, 8, 0)}, {"OwnerName", "Kim"}, {"OwnerEmail", "kim@x.org"}});
    seedDive({{"DiveNumber", 100}, {"EndTime", at(2024, 6, 1, 8, 0)}, {"DiverName", "Kim"}});

    const double before = nowDayCount();
    log().append();
    ASSERT_EQ(log().state(), store::Table::State::Insert);
    EXPECT_EQ(log()["DiveNumber"].asInteger(), 42);
    EXPECT_DOUBLE_EQ(appState().previousDiveEnd, end41);
    EXPECT_EQ(log()["Format"].asInteger(), 1);
    EXPECT_EQ(log()["OwnerName"].asString(), "Jo");
    EXPECT_EQ(log()["OwnerEmail"].asString(), "jo@example.org");
    EXPECT_EQ(log()["DiverName"].asString(), "Jo");
    EXPECT_TRUE(log()["Shared"].asBoolean());
    EXPECT_GE(log()["StartTime"].asDateTime(), before);
    EXPECT_DOUBLE_EQ(log()["StartTime"].asDateTime(), log()["EndTime"].asDateTime());

    const Values carried = {{"Location", "Reef Bay"}, {"DiveOperation", "Blue Shop"}, {"DiveBuddy1", "Kim"},
                            {"Divebuddy4", "Lee"},    {"Gas", "EANx32"},           {"Computer", "Wrist One"},
                            {"T1S", 11.1},            {"T1P", 232.0},              {"DCS", "No"},
                            {"DiveAltitude", 120.0},  {"Visibility", 15.0},        {"Weight", 6.0},
                            {"Wetsuit", true},        {"Hood", true},              {"Drysuit", false}};
    for (const auto& [field, value] : carried)
        EXPECT_EQ(log()[field].value(), log()[field].normalized(value)) << field.toStdString();
    for (const char* fresh : {"DiveSite", "MaximumDepth", "BottomTime", "AirPressureStart", "Comments", "DiveStamp",
                              "SACRate", "T2S"})
        EXPECT_TRUE(log()[QString::fromLatin1(fresh)].isNull()) << fresh;
    EXPECT_EQ(view.focusRequests, QStringList{QString::fromLatin1(kDiveLogDiverNameField)});
}

TEST_F(DiveLogRulesTest, MeasurementsAreCarriedOnlyWhenNotNegative)
{
    struct Case {
        QVariant weight;
        QVariant carried;
    };
    const Case cases[] = {{QVariant(), QVariant()}, {-1.0, QVariant()}, {0.0, 0.0}, {12.5, 12.5}, {-0.5, QVariant()}};
    int number = 1;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.weight.toString().toStdString());
        seedDive({{"DiveNumber", number++}, {"EndTime", at(2024, 5, 1, 10, 0)}, {"Weight", c.weight}});
        log().append();
        EXPECT_EQ(log()["Weight"].value(), c.carried);
        log().cancel();
    }
}

TEST_F(DiveLogRulesTest, FirstDiveStartsAtZeroAndNobodyLoggedInGetsNoEntry)
{
    log().append();
    EXPECT_EQ(log()["DiveNumber"].asInteger(), 0);
    EXPECT_EQ(appState().previousDiveEnd, 0);
    EXPECT_TRUE(log()["Location"].isNull());
    log().cancel();

    // A latest dive without an end time passes nothing on either.
    seedDive({{"DiveNumber", 7}, {"Location", "Reef Bay"}});
    log().append();
    EXPECT_EQ(log()["DiveNumber"].asInteger(), 0);
    EXPECT_TRUE(log()["Location"].isNull());
    log().cancel();

    config().userName.clear();
    log().append();
    EXPECT_EQ(log().state(), store::Table::State::Browse);
    EXPECT_EQ(raw.recordCount(), 1);
}

TEST_F(DiveLogRulesTest, NewEntryTracesItsSteps)
{
    seedDive({{"DiveNumber", 3}, {"EndTime", at(2024, 5, 1, 10, 30)}});
    QStringList lines;
    appState().debugMode = true;
    setTraceWriter([&](const QString& procedure, const QString& message) {
        if (procedure == QLatin1String("Tdata_form.DiveLog_TableNewRecord"))
            lines.append(message);
    });
    log().append();
    appState().debugMode = false;
    setTraceWriter({});
    ASSERT_EQ(lines.size(), 10) << lines.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(lines.mid(0, 4), (QStringList{"enter", "finished clean insert", "created t_table", "opening t_table"}));
    EXPECT_TRUE(lines[4].startsWith(QLatin1String("checked times "))) << lines[4].toStdString();
    EXPECT_EQ(lines.mid(5), (QStringList{"inserting data", "Edit", "DiveAltitude", "data insert complete", "exit"}));
}

TEST_F(DiveLogRulesTest, EditingClearsTheSentFlagAndStampsOncePer86Seconds)
{
    struct Case {
        double ageDays;
        QVariant sent;
        bool restamped;
    };
    const Case cases[] = {
        {0.0005, true, false},  // 43 seconds ago: the same sitting
        {0.0005, QVariant(), false},
        {0.002, false, true},   // about three minutes ago
        {3.0, true, true},
    };
    config().enableRecordSharing = false;
    int number = 1;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ageDays);
        const double stamp = nowDayCount() - c.ageDays;
        seedDive({{"DiveNumber", number}, {"LastModified", stamp}, {"CopyOnServer", c.sent}, {"Shared", true}});
        ASSERT_TRUE(log().findKey({"Jo", number++}));
        log().edit();
        EXPECT_FALSE(log()["CopyOnServer"].isNull());
        EXPECT_FALSE(log()["CopyOnServer"].asBoolean());
        EXPECT_FALSE(log()["Shared"].asBoolean());
        if (c.restamped)
            EXPECT_GT(log()["LastModified"].asDateTime(), stamp + c.ageDays - 0.0001);
        else
            EXPECT_DOUBLE_EQ(log()["LastModified"].asDateTime(), stamp);
        log().cancel();
    }
}

// Nothing is carried over to a first dive, but its units are known: the diver's own.
TEST_F(DiveLogRulesTest, FirstDiveStartsInTheDiversOwnUnits)
{
    for (const int format : {1, 0}) {
        store::Table& divers = data->Divers_Table;
        if (divers.findKey({"Jo"}))
            divers.edit();
        else
            divers.append();
        fill(divers, {{"DiverName", "Jo"}, {"OwnerName", "Jo"}, {"OwnerEmail", "jo@example.org"}});
        divers.post();
        // The Divers record's own edit rule takes its units from the page's caption: set them after.
        divers.edit();
        divers["Format"].setAsInteger(format);
        divers.post();
        log().append();
        EXPECT_EQ(log()["Format"].asString(), QString::number(format));
        log().cancel();
    }
}

TEST_F(DiveLogRulesTest, PostFillsAnUndecidedUnitSystemFromTheDepthCaption)
{
    struct Case {
        QVariant format;
        QString caption;
        int stored;
    };
    const Case cases[] = {
        {QVariant(), "Meters", 1}, {QVariant(), "Feet", 0}, {QVariant(), "Fathoms", 0}, {0, "Meters", 0}, {1, "Feet", 1}};
    int number = 1;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption.toStdString());
        log().append();
        fill(log(), {{"DiveNumber", number}, {"Format", c.format}});
        // The caption as the shown entry left it, or as the diver switched it.
        view.depthCaption = c.caption;
        log().post();
        ASSERT_TRUE(raw.findKey({"Jo", number++}));
        EXPECT_EQ(raw["Format"].value(), QVariant::fromValue(qint64(c.stored)));
    }
}

TEST_F(DiveLogRulesTest, PostingCreatesCompanionRecordsForNewNamesOnce)
{
    const Values dive = {{"Location", "Reef Bay"},  {"Computer", "Wrist One"},  {"DiveSite", "North Wall"},
                         {"DiveType", "Wall"},      {"Rating", 8},              {"DiveAltitude", 350.0},
                         {"DiveOperation", "Blue Shop"}, {"DiveMaster", "Sam"}, {"DiveBuddy1", "Kim"},
                         {"DiveBuddy2", " "},       {"Divebuddy4", "Kim"}};
    postDive(dive);
    postDive(dive);

    store::Table& menu = data->MenuItems_Table;
    EXPECT_TRUE(menu.findKey({"Location", "Reef Bay"}));
    EXPECT_TRUE(menu.findKey({"DiveLog.Computer", "Wrist One"}));

    store::Table& sites = data->DiveSite_Table;
    EXPECT_EQ(sites.recordCount(), 1);
    ASSERT_TRUE(sites.findKey({"North Wall"}));
    EXPECT_EQ(sites["Location"].asString(), "Reef Bay");
    EXPECT_EQ(sites["DiveType"].asString(), "Wall");
    EXPECT_EQ(sites["Rating"].asInteger(), 8);
    EXPECT_EQ(sites["Altitude"].asString(), "350");
    EXPECT_EQ(sites["OwnerName"].asString(), "Jo");
    EXPECT_TRUE(sites["Shared"].asBoolean());
    EXPECT_FALSE(sites["CopyOnServer"].asBoolean());

    EXPECT_EQ(data->DiveResources_Table.recordCount(), 1);
    EXPECT_TRUE(data->DiveResources_Table.findKey({"Blue Shop"}));

    // The dive master, the buddy named twice and the diver each get one record; a blank
    // buddy gets none.
    store::Table& divers = data->Divers_Table;
    EXPECT_EQ(divers.recordCount(), 3);
    for (const char* name : {"Sam", "Kim", "Jo"})
        EXPECT_TRUE(divers.findKey({QString::fromLatin1(name)})) << name;
}

TEST_F(DiveLogRulesTest, AnotherDiversEntryAddsNoCompanionRecords)
{
    log().clearFilter();
    postDive({{"OwnerName", "Kim"}, {"OwnerEmail", "kim@x.org"}, {"DiveSite", "South Wall"}, {"Location", "Far Bay"},
              {"DiveBuddy1", "Ray"}});
    EXPECT_EQ(raw.recordCount(), 1);
    EXPECT_EQ(data->DiveSite_Table.recordCount(), 0);
    EXPECT_FALSE(data->MenuItems_Table.findKey({"Location", "Far Bay"}));
    EXPECT_EQ(data->Divers_Table.recordCount(), 0);
}

TEST_F(DiveLogRulesTest, ModelFiveComputerRecordTakesTheTimesOfTheLog)
{
    store::Table& computer = data->DiveComputer_Table;
    const double oldStart = at(2000, 1, 1, 0, 0);
    computer.appendRecord({"05A1", 5, "1", 1, oldStart, oldStart});
    computer.appendRecord({"05B2", 3, "1", 1, oldStart, oldStart});
    const double start = at(2024, 5, 1, 9, 0), end = at(2024, 5, 1, 9, 50);
    postDive({{"DiveNumber", 1}, {"DiveStamp", "05A1"}, {"StartTime", start}, {"EndTime", end}});
    postDive({{"DiveNumber", 2}, {"DiveStamp", "05B2"}, {"StartTime", start}, {"EndTime", end}});

    EXPECT_EQ(computer.indexName(), "DateTime_Index");
    computer.setIndexName(QString());
    ASSERT_TRUE(computer.findKey({"05A1"}));
    EXPECT_DOUBLE_EQ(computer["StartTime"].asDateTime(), start);
    EXPECT_DOUBLE_EQ(computer["EndTime"].asDateTime(), end);
    ASSERT_TRUE(computer.findKey({"05B2"}));
    EXPECT_DOUBLE_EQ(computer["StartTime"].asDateTime(), oldStart) << "only model 5 records follow the log";
}

TEST_F(DiveLogRulesTest, ShownEntrySetsCaptionsNavigatorAndOwnershipDisplay)
{
    const auto dive = Page::DiveLog;
    const unsigned browse = NavFirst | NavPrior | NavNext | NavLast;
    log().first(); // an empty log
    EXPECT_EQ(view.navigator[dive], browse);

    int gasRuns = 0;
    data->gasComputationHook = [&] { ++gasRuns; };
    seedDive({{"DiveNumber", 1}, {"Format", 1}, {"AirPressureEnd", 50.0}, {"DiveStamp", "0312"}});
    seedDive({{"DiveNumber", 2}, {"Format", 0}, {"AirPressureEnd", 700.0}, {"SACRate", 20.0}});
    seedDive({{"DiveNumber", 3}, {"OwnerEmail", "other@x.org"}, {"AirPressureEnd", 40.0}});

    log().clearFilter(); // shows dive 1
    EXPECT_EQ(view.navigator[dive], browse | NavInsert | NavDelete);
    EXPECT_EQ(view.unitCaptions[dive].depth, "Meters");
    EXPECT_EQ(view.unitCaptions[dive].usedPressure, "Used BAR");
    EXPECT_EQ(view.depthUnitCaption(), "Meters");
    EXPECT_EQ(gasRuns, 1) << "a rate to compute from the pressures";
    EXPECT_EQ(log().state(), store::Table::State::Edit);
    EXPECT_TRUE(data->DiveLog_DataSource.autoEdit);
    EXPECT_FALSE(view.controlShown(dive, PageControl::CopyRecord));
    EXPECT_TRUE(view.controlShown(dive, PageControl::AddPicture));
    EXPECT_TRUE(view.controlShown(dive, PageControl::Graph));
    log().cancel();

    log().next();
    EXPECT_EQ(view.unitCaptions[dive].temperature, "Fahrenheit");
    EXPECT_EQ(view.unitCaptions[dive].weight, "lb.");
    EXPECT_EQ(view.unitCaptions[dive].startPressure, "Start PSI");
    EXPECT_EQ(gasRuns, 1) << "the rate is there already";
    EXPECT_FALSE(view.controlShown(dive, PageControl::Graph));

    // Same name, other address: another diver's entry, read-only and offered for copying.
    log().next();
    EXPECT_FALSE(data->DiveLog_DataSource.autoEdit);
    EXPECT_TRUE(view.controlShown(dive, PageControl::CopyRecord));
    EXPECT_FALSE(view.controlShown(dive, PageControl::AddPicture));
    EXPECT_TRUE(view.shaded[dive]);
    EXPECT_EQ(gasRuns, 1) << "another diver's entry is not changed by showing it";
    EXPECT_EQ(log().state(), store::Table::State::Browse);
    EXPECT_EQ(view.unitCaptions[dive].depth, "Feet") << "an undecided entry keeps the captions";

    // Another page showing: the dive page is left alone.
    view.page = Page::Divers;
    const int resets = view.scrollResets.size();
    log().first();
    EXPECT_EQ(view.scrollResets.size(), resets);
}

TEST_F(DiveLogRulesTest, TextHelpersFollowTextOrder)
{
    const std::pair<const char*, bool> cases[] = {{"", false}, {" ", false}, {"-1", false}, {"-0", false},
                                                  {"0", true}, {" 0 ", true}, {"12.5", true}, {"abc", true}};
    for (const auto& [text, passes] : cases)
        EXPECT_EQ(store::notBeforeZero(QString::fromLatin1(text)), passes) << text;
    EXPECT_FALSE(store::hasText(QStringLiteral("  ")));
    EXPECT_TRUE(store::hasText(QStringLiteral(" a")));
}

} // namespace
} // namespace zaf::test
