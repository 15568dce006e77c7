#include "store/schema.h"
#include "store/table.h"
#include "store/table_file.h"
#include "support/scripted_ui.h"
#include "ui/help_keys.h"
#include "ui/help_window.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace zaf::test {
namespace {

using gui::HelpWindow;

/// A help table of four topics, written out of number order so the window's order is the
/// table's and not the order of writing.
class HelpWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        const QString path = dir.path() + QStringLiteral("/ZAFHelp");
        store::table_file::create(path, store::schema::zafHelp());
        table.setPath(path);
        table.setDefinition(store::schema::zafHelp());
        table.open();
        for (int id : {21, 0, 9100, 5})
            ASSERT_TRUE(table.appendRecord({id, QStringLiteral("Topic %1").arg(id), QStringLiteral("Text of %1").arg(id)}));
        table.close();
    }

    QString caption() const { return window.findChild<QLabel*>(QStringLiteral("Help_Caption"))->text(); }
    QLabel* number() const { return window.findChild<QLabel*>(QStringLiteral("HelpNumber")); }
    QPushButton* button(const char* name) const { return window.findChild<QPushButton*>(QLatin1String(name)); }
    void press(int key, const QString& text = {})
    {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(window.findChild<QTextEdit*>(QStringLiteral("Help_Text")), &event);
    }

    QTemporaryDir dir;
    store::Table table{QStringLiteral("ZAFHelp")};
    ScriptedUi ui;
    HelpWindow window{table};
};

TEST_F(HelpWindowTest, MissingTopicShowsTopicZeroAndKeepsTheAskedNumber)
{
    ASSERT_TRUE(window.show_help(12345));
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("ZAF Help System"));
    EXPECT_EQ(caption(), QStringLiteral("Topic 0"));
    EXPECT_EQ(window.findChild<QTextEdit*>(QStringLiteral("Help_Text"))->toPlainText(), QStringLiteral("Text of 0"));
    EXPECT_TRUE(window.findChild<QTextEdit*>(QStringLiteral("Help_Text"))->isReadOnly());
    EXPECT_FALSE(number()->isVisible());
    press(Qt::Key_1, QStringLiteral("1"));
    EXPECT_TRUE(number()->isVisible());
    EXPECT_EQ(number()->text(), QStringLiteral("12345"));
}

TEST_F(HelpWindowTest, GraveAccentShowsTheCurrentTopicNumber)
{
    window.show_help(12345);
    window.show_help(21); // a later topic hides the number label again
    EXPECT_FALSE(number()->isVisible());
    press(Qt::Key_QuoteLeft, QStringLiteral("`"));
    EXPECT_TRUE(number()->isVisible());
    EXPECT_EQ(number()->text(), QStringLiteral("21"));
}

TEST_F(HelpWindowTest, PriorAndNextWalkTheTopicsInNumberOrder)
{
    window.show_help(0);
    EXPECT_FALSE(button("PriorButton")->isEnabled());
    QStringList seen{caption()};
    for (int i = 0; i < 3; ++i) {
        button("NextButton")->click();
        seen.append(caption());
    }
    EXPECT_EQ(seen, QStringList({"Topic 0", "Topic 5", "Topic 21", "Topic 9100"}));
    button("NextButton")->click();
    EXPECT_EQ(caption(), QStringLiteral("Topic 9100"));
    EXPECT_FALSE(button("NextButton")->isEnabled());
    button("PriorButton")->click();
    EXPECT_EQ(caption(), QStringLiteral("Topic 21"));
}

TEST_F(HelpWindowTest, EscapeClosesTheWindowAndTheHelpTable)
{
    window.show_help(5);
    EXPECT_TRUE(table.isOpen());
    press(Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(table.isOpen());
}

TEST_F(HelpWindowTest, WebButtonsArePresentButNotYetUsable)
{
    EXPECT_EQ(button("WebSiteButton")->text(), QStringLiteral("Quorvane web site"));
    EXPECT_EQ(button("ManualButton")->text(), QStringLiteral("ZAF On-Line Manual"));
    EXPECT_FALSE(button("WebSiteButton")->isEnabled());
    EXPECT_FALSE(button("ManualButton")->isEnabled());
}

TEST(HelpWindowFile, MissingHelpTableIsReportedAndNothingShows)
{
    QTemporaryDir dir;
    store::Table table(QStringLiteral("ZAFHelp"));
    table.setPath(dir.path() + QStringLiteral("/ZAFHelp"));
    table.setDefinition(store::schema::zafHelp());
    ScriptedUi ui;
    HelpWindow window(table);
    EXPECT_FALSE(window.show_help(21));
    EXPECT_EQ(ui.messages, QStringList{QStringLiteral("ZAF Help file not found.")});
    EXPECT_FALSE(window.isVisible());
}

TEST(HelpWindowPlacement, RightEdgeWhileTheMainWindowSitsLeft)
{
    const struct {
        int mainLeft, mainWidth, screenWidth, expected;
    } cases[] = {
        {10, 616, 1920, 1920 - 400}, // main window near the left edge
        {1300, 616, 1920, 1},        // near the right edge
        {652, 616, 1920, 1},         // exactly centred: not closer to the left
        {651, 616, 1920, 1920 - 400},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HelpWindow::leftFor(c.mainLeft, c.mainWidth, c.screenWidth, 400), c.expected) << c.mainLeft;
}

TEST(HelpKey, F1ShowsTheTopicOfTheControlOrMenuCommandOrItsNearestParent)
{
    QWidget window;
    gui::setHelpContext(&window, 21);
    auto* panel = new QWidget(&window);
    auto* plain = new QLineEdit(panel);
    auto* own = new QLineEdit(panel);
    gui::setHelpContext(own, 105);
    QWidget loose;
    auto* menu = new QMenu(&window);
    gui::setHelpContext(menu, 20);
    QAction* configure = menu->addAction(QStringLiteral("&Configure"));
    gui::setHelpContext(configure, 21);
    menu->addAction(QStringLiteral("E&xit"));
    menu->popup(QPoint(0, 0));

    std::vector<int> shown;
    gui::HelpKeyFilter filter([&](int topic) { shown.push_back(topic); });
    qApp->installEventFilter(&filter);
    const auto pressF1 = [](QWidget* target) {
        QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
        QApplication::sendEvent(target, &f1);
    };
    for (QWidget* target : {static_cast<QWidget*>(plain), static_cast<QWidget*>(own), &loose})
        pressF1(target);
    menu->setActiveAction(configure);
    pressF1(menu);
    menu->setActiveAction(menu->actions().at(1));
    pressF1(menu);
    QKeyEvent other(QEvent::KeyPress, Qt::Key_F2, Qt::NoModifier);
    QApplication::sendEvent(own, &other);
    qApp->removeEventFilter(&filter);
    EXPECT_EQ(shown, (std::vector<int>{21, 105, 0, 21, 20}));
}

} // namespace
} // namespace zaf::test
