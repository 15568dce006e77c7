#include "record_widgets_fixture.h"

#include "store/errors.h"
#include "store/table.h"
#include "ui/record_navigator.h"

#include <QToolButton>

namespace zaf::test {
namespace {

constexpr unsigned kAll = NavFirst | NavPrior | NavNext | NavLast | NavInsert | NavDelete;

class RecordNavigatorTest : public RecordWidgetsTest {
protected:
    void SetUp() override
    {
        RecordWidgetsTest::SetUp();
        for (const char* name : {"Angel Reef", "Blue Hole", "Coral Garden"})
            addSite(QString::fromUtf8(name));
        sites().first();
        navigator = add(new gui::RecordNavigator(sites(), QStringLiteral("DiveSiteNavigator")));
        navigator->setVisibleButtons(kAll);
    }
    store::Table& sites() { return data->DiveSite_Table; }
    QString shown() { return sites()[QStringLiteral("DiveSite")].asString(); }

    gui::RecordNavigator* navigator = nullptr;
};

TEST_F(RecordNavigatorTest, ButtonsAreNamedAfterTheNavigatorAndOnlyTheChosenOnesShow)
{
    const QPair<NavigatorButton, const char*> buttons[] = {
        {NavFirst, "DiveSiteNavigator_First"}, {NavPrior, "DiveSiteNavigator_Prior"},
        {NavNext, "DiveSiteNavigator_Next"},   {NavLast, "DiveSiteNavigator_Last"},
        {NavInsert, "DiveSiteNavigator_Insert"}, {NavDelete, "DiveSiteNavigator_Delete"},
    };
    navigator->setVisibleButtons(NavFirst | NavNext);
    for (const auto& [which, name] : buttons) {
        QToolButton* b = navigator->findChild<QToolButton*>(QLatin1String(name));
        ASSERT_NE(b, nullptr) << name;
        EXPECT_EQ(navigator->button(which), b);
        EXPECT_FALSE(b->toolTip().isEmpty()) << name;
        EXPECT_EQ(b->isVisibleTo(navigator), which == NavFirst || which == NavNext) << name;
    }
    EXPECT_EQ(navigator->visibleButtons(), unsigned(NavFirst | NavNext));

    navigator->click(NavLast); // hidden: nothing happens
    EXPECT_EQ(shown(), QStringLiteral("Angel Reef"));
}

TEST_F(RecordNavigatorTest, MovesThroughTheTableAndRunsTheHooksAroundEachAction)
{
    QStringList hooks;
    navigator->beforeAction = [&](NavigatorButton b) { hooks << QStringLiteral("before %1 at ").arg(b) + shown(); };
    navigator->afterAction = [&](NavigatorButton b) { hooks << QStringLiteral("after %1 at ").arg(b) + shown(); };
    const QPair<NavigatorButton, const char*> steps[] = {
        {NavNext, "Blue Hole"}, {NavLast, "Coral Garden"}, {NavPrior, "Blue Hole"}, {NavFirst, "Angel Reef"}};
    for (const auto& [which, expected] : steps) {
        navigator->button(which)->click();
        EXPECT_EQ(shown(), QString::fromUtf8(expected)) << which;
    }
    EXPECT_EQ(hooks.first(), QStringLiteral("before %1 at Angel Reef").arg(NavNext));
    EXPECT_EQ(hooks.at(1), QStringLiteral("after %1 at Blue Hole").arg(NavNext));
    EXPECT_EQ(hooks.size(), 8);
}

TEST_F(RecordNavigatorTest, InsertStartsANewRecord)
{
    navigator->click(NavInsert);
    EXPECT_EQ(sites().state(), store::Table::State::Insert);
}

TEST_F(RecordNavigatorTest, DeleteAsksFirstAndDeletesOnlyOnYes)
{
    ui.answers = {Answer::No, Answer::Yes};
    navigator->click(NavDelete);
    EXPECT_EQ(sites().recordCount(), 3);
    navigator->click(NavDelete);
    EXPECT_EQ(sites().recordCount(), 2);
    EXPECT_EQ(ui.questions, (QStringList{"Delete record?", "Delete record?"}));

    navigator->confirmDelete = false;
    navigator->click(NavDelete);
    EXPECT_EQ(sites().recordCount(), 1);
    EXPECT_EQ(ui.questions.size(), 2);
}

TEST_F(RecordNavigatorTest, AFailingActionIsReportedAndStopsThere)
{
    bool after = false;
    navigator->beforeAction = [](NavigatorButton) { throw store::DatabaseError(QStringLiteral("Table is busy")); };
    navigator->afterAction = [&](NavigatorButton) { after = true; };
    navigator->button(NavNext)->click();
    EXPECT_EQ(shown(), QStringLiteral("Angel Reef"));
    EXPECT_FALSE(after);
    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_TRUE(ui.messages[0].startsWith(QStringLiteral("Table is busy")));
}

TEST_F(RecordNavigatorTest, AFailingPostIsReportedAndTheRecordStays)
{
    // A new record without its required name cannot be stored.
    navigator->click(NavInsert);
    sites()[QStringLiteral("Location")].setAsString(QStringLiteral("Bonaire"));
    navigator->click(NavFirst);
    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_TRUE(ui.messages[0].contains(QStringLiteral("DiveSite"))) << ui.messages[0].toStdString();
    EXPECT_EQ(sites().state(), store::Table::State::Insert);
}

} // namespace
} // namespace zaf::test
