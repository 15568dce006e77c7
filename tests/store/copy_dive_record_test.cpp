#include "core/trace.h"
#include "dive_log_fixture.h"
#include "store/copy_dive_record.h"

namespace zaf::test {
namespace {

const QString kRefused = QStringLiteral("You can not copy a dive if you are not in the Buddy list.");

/// Jo's own log (dives 55 and 56, a Divers record counting 57 dives) and Kim's dive 12, on
/// which Jo dived; the others' log shows Kim's dive.
class CopyDiveRecordTest : public DiveLogFixture {
protected:
    void SetUp() override
    {
        DiveLogFixture::SetUp();
        data->OthersLog_Table.setFilter(store::Filter::notEquals(QStringLiteral("OwnerName"), QString::fromLatin1(kUser)));
        seedDive({{"DiveNumber", 55}, {"Weight", 9.0}, {"Drysuit", true}, {"Computer", "Old One"},
                  {"StartTime", at(2024, 4, 1, 9, 0)}});
        seedDive({{"DiveNumber", 56},
                  {"Weight", 6.0},
                  {"Wetsuit", true},
                  {"Hood", true},
                  {"Drysuit", false},
                  {"Computer", "Wrist One"},
                  {"Location", "Home Reef"},
                  {"StartTime", at(2024, 5, 1, 9, 0)}});
    }

    /// Kim's dive 12 with these people (dive master and four buddies), shown in the others' log.
    void seedKimsDive(const QStringList& people, const QString& diver = QStringLiteral("Kim"))
    {
        Values values = kimsDive;
        values.append({QStringLiteral("DiverName"), diver});
        const char* const names[] = {"DiveMaster", "DiveBuddy1", "DiveBuddy2", "DiveBuddy3", "Divebuddy4"};
        for (int i = 0; i < people.size(); ++i)
            values.append({QString::fromLatin1(names[i]), people[i]});
        seedDive(values);
        data->OthersLog_Table.first();
        ASSERT_TRUE(data->OthersLog_Table.locate({QStringLiteral("DiveNumber")}, {12}));
    }

    /// The copy: Jo's entry with that number, or nothing.
    bool findOwnDive(int number)
    {
        raw.refresh();
        return raw.locate({QStringLiteral("DiverName"), QStringLiteral("DiveNumber"), QStringLiteral("OwnerName")},
                          {QString::fromLatin1(kUser), number, QString::fromLatin1(kUser)});
    }

    const Values kimsDive = {
        {"OwnerName", "Kim"},
        {"OwnerEmail", "kim@example.org"},
        {"DiveNumber", 12},
        {"StartTime", at(2024, 6, 2, 9, 15)},
        {"EndTime", at(2024, 6, 2, 10, 5)},
        {"Location", "Dahab"},
        {"DiveSite", "Blue Hole"},
        {"DiveType", "Wall"},
        {"DiveOperation", "Red Sea Divers"},
        {"Format", 1},
        {"MaximumDepth", 31.5},
        {"AverageDepth", 17.25},
        {"BottomTime", 50},
        {"SurfaceInterval", 95},
        {"PGStart", "C"},
        {"PGEnd", "K"},
        {"Visibility", 25.0},
        {"TemperatureWaterMax", 26.0},
        {"WaterType", "Salt"},
        {"AirPressureStart", 210.0},
        {"AirPressureEnd", 60.0},
        {"Weight", 14.0},
        {"Drysuit", true},
        {"Hood", false},
        {"Comments", "The arch at 55 m stays for another day"},
        {"DiveStamp", "0611223"},
        {"Rating", 5},
        {"CopyOnServer", true},
        {"Gas", "EANx32"},
        {"Computer", "Kim's Wrist"},
        {"T1O2", 32.0},
    };
};

/// Compares a field with the value it should hold; an invalid QVariant means empty.
void expectField(store::Table& table, const QString& name, const QVariant& expected)
{
    store::Field& f = table[name];
    if (!expected.isValid())
        EXPECT_TRUE(f.isNull()) << name.toStdString() << " holds " << f.asString().toStdString();
    else
        EXPECT_EQ(f.value(), f.normalized(expected)) << name.toStdString() << " holds " << f.asString().toStdString();
}

TEST_F(CopyDiveRecordTest, BuddysCopyTakesTheDiveButKeepsTheDiversOwnGear)
{
    seedDiver(QStringLiteral("Jo"), {{QStringLiteral("NumberofDives"), 57}});
    seedKimsDive({"Jo", "Jo", "Ann"});
    view.page = Page::OthersLogs;

    ASSERT_TRUE(store::copyDiveRecord(*data, data->OthersLog_Table));
    EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join(QLatin1Char('|')).toStdString();
    ASSERT_TRUE(findOwnDive(58));

    const Values expected = {
        {"OwnerEmail", "jo@example.org"},
        // Jo is named as dive master and first buddy: Kim takes both places, the others stay.
        {"DiveMaster", "Kim"},
        {"DiveBuddy1", "Kim"},
        {"DiveBuddy2", "Ann"},
        {"DiveBuddy3", QVariant()},
        // The dive itself is Kim's.
        {"StartTime", at(2024, 6, 2, 9, 15)},
        {"EndTime", at(2024, 6, 2, 10, 5)},
        {"Location", "Dahab"},
        {"DiveSite", "Blue Hole"},
        {"DiveType", "Wall"},
        {"DiveOperation", "Red Sea Divers"},
        {"Format", 1},
        {"MaximumDepth", 31.5},
        {"AverageDepth", 17.25},
        {"BottomTime", 50},
        {"SurfaceInterval", 95},
        {"Visibility", 25.0},
        {"TemperatureWaterMax", 26.0},
        {"WaterType", "Salt"},
        {"Comments", "The arch at 55 m stays for another day"},
        {"DiveStamp", "0611223"},
        {"Rating", 5},
        {"Gas", "EANx32"},
        // Kim's tables and tank say nothing about Jo's.
        {"PGStart", "0"},
        {"PGEnd", "0"},
        {"AirPressureStart", 0.0},
        {"AirPressureEnd", 0.0},
        // Jo's own weight, suit and computer, from dive 56 (the latest), not from Kim.
        {"Weight", 6.0},
        {"Wetsuit", true},
        {"Hood", true},
        {"Drysuit", false},
        {"Computer", "Wrist One"},
        {"CopyOnServer", false},
        // Past the computer the new entry keeps what the new-record rule gave it.
        {"T1O2", QVariant()},
        {"Shared", true},
    };
    for (const auto& [name, value] : expected)
        expectField(raw, name, value);

    // The copy is the entry the dive page shows now.
    EXPECT_EQ(log()["DiveNumber"].asInteger(), 58);
    EXPECT_EQ(log().state(), store::Table::State::Browse);
    EXPECT_EQ(view.shownPages, QList<Page>{Page::DiveLog});
}

/// A view that records page changes and focus requests in the order they came.
class OrderedView : public FakeViewState {
public:
    void showPage(Page p) override
    {
        calls.append(QStringLiteral("show ") + QString::number(int(p)));
        FakeViewState::showPage(p);
    }
    void requestFocus(const QString& objectName) override
    {
        calls.append(QStringLiteral("focus ") + objectName);
        FakeViewState::requestFocus(objectName);
    }
    QStringList calls;
};

TEST_F(CopyDiveRecordTest, FromTheDivePageTheDiverNameFieldTakesTheFocusOnceTheDiveLogShows)
{
    seedDiver(QStringLiteral("Jo"), {{QStringLiteral("NumberofDives"), 57}});
    seedKimsDive({"", "", "", "", "Jo"});
    const QString focus = QStringLiteral("focus ") + QString::fromLatin1(kDiveLogDiverNameField);
    const struct {
        Page page;
        store::Table* source;
        QStringList afterShow;
    } cases[] = {
        {Page::DiveLog, &log(), {"show 0", focus}},
        {Page::OthersLogs, &data->OthersLog_Table, {"show 0"}},
    };
    log().clearFilter();
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.page));
        OrderedView ordered;
        ordered.page = c.page;
        ASSERT_TRUE(c.source->locate({QStringLiteral("DiverName")}, {QStringLiteral("Kim")}));
        ASSERT_TRUE(store::copyDiveRecord(*data, *c.source));
        const qsizetype shown = ordered.calls.indexOf(QStringLiteral("show 0"));
        ASSERT_GE(shown, 0);
        EXPECT_EQ(ordered.calls.mid(shown), c.afterShow);
    }
    ASSERT_TRUE(findOwnDive(58));
    expectField(raw, QStringLiteral("Divebuddy4"), QStringLiteral("Kim"));
}

// Without a count of dives on a Divers record the copy follows the diver's highest own dive;
// a diver with no dives at all starts at 1.
TEST_F(CopyDiveRecordTest, WithoutADiversRecordTheCopyFollowsTheHighestOwnDive)
{
    seedKimsDive({"", "Jo"});
    ASSERT_TRUE(store::copyDiveRecord(*data, data->OthersLog_Table));
    EXPECT_TRUE(findOwnDive(57));

    // Only the copy is left of Jo's own dives: copying again follows it.
    for (int number : {55, 56, 57}) {
        ASSERT_TRUE(findOwnDive(number));
        raw.deleteRecord();
    }
    ASSERT_TRUE(store::copyDiveRecord(*data, data->OthersLog_Table));
    EXPECT_TRUE(findOwnDive(1));
    // Jo had no dive to take weight and suit from.
    expectField(raw, QStringLiteral("Weight"), QVariant());
    expectField(raw, QStringLiteral("Computer"), QVariant());
}

TEST_F(CopyDiveRecordTest, RefusesADiveThatDoesNotNameTheDiver)
{
    seedDiver(QStringLiteral("Jo"), {{QStringLiteral("NumberofDives"), 57}});
    const struct {
        const char* why;
        QStringList people;
        QString diver;
        QString user;
        bool copied;
        QStringList messages;
    } cases[] = {
        {"Jo is nowhere among the people", {"Ann", "Lee", "", "Joe"}, "Kim", "Jo", false, {kRefused}},
        {"the dive is Jo's, logged by Kim", {"Ann"}, "Jo", "Jo", true, {}},
        {"nobody logged in", {"Jo"}, "Kim", "", false, {}},
        {"a blank user name", {" "}, "Kim", " ", false, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        raw.first();
        while (!raw.eof()) {
            if (raw[QStringLiteral("DiveNumber")].asInteger() == 12 || raw[QStringLiteral("DiveNumber")].asInteger() == 58)
                raw.deleteRecord();
            else
                raw.next();
        }
        config().userName = QString::fromLatin1(kUser);
        seedKimsDive(c.people, c.diver);
        config().userName = c.user;
        ui.messages.clear();
        view.shownPages.clear();
        const int before = raw.recordCount();

        EXPECT_EQ(store::copyDiveRecord(*data, data->OthersLog_Table), c.copied);
        EXPECT_EQ(ui.messages, c.messages);
        EXPECT_EQ(raw.recordCount(), before + (c.copied ? 1 : 0));
        EXPECT_EQ(view.shownPages.isEmpty(), !c.copied);
    }
}

TEST_F(CopyDiveRecordTest, TracesItsSteps)
{
    seedDiver(QStringLiteral("Jo"), {{QStringLiteral("NumberofDives"), 57}});
    seedKimsDive({"Jo"});
    QStringList lines;
    appState().debugMode = true;
    setTraceWriter([&](const QString& procedure, const QString& message) {
        if (procedure == QLatin1String("TMain.Button20Click"))
            lines.append(message);
    });
    store::copyDiveRecord(*data, data->OthersLog_Table);
    config().userName = QStringLiteral("Ann");
    store::copyDiveRecord(*data, data->OthersLog_Table);
    appState().debugMode = false;
    setTraceWriter({});
    EXPECT_EQ(lines, (QStringList{"Enter", "found , appending record", "Record Appended", "Exit",
                                  // refused: no look-up, no append
                                  "Enter", "Exit"}));
}

} // namespace
} // namespace zaf::test
