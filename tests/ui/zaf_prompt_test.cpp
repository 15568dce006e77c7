#include "core/cancel_flag.h"
#include "ui/help_topics.h"
#include "ui/zaf_prompt.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

namespace zaf::test {
namespace {

using gui::TZAFPrompt;

class PromptTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setCancel(false);
        prompt.showHelp = [this](int topic) { helpShown.push_back(topic); };
        // A prompt that never returns would hang the run; the guard turns that into a
        // failed answer instead.
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, [] { setCancel(true); });
        guard.start(5000);
    }
    void TearDown() override { setCancel(false); }

    /// Clicks a button of the prompt once the wait has begun.
    void clickLater(const char* name, int delayMs = 0)
    {
        QTimer::singleShot(delayMs, &prompt, [this, name] {
            auto* button = prompt.findChild<QPushButton*>(QLatin1String(name));
            ASSERT_NE(button, nullptr) << name;
            ASSERT_TRUE(prompt.isVisible());
            button->click();
        });
    }

    QWidget mainWindow;
    TZAFPrompt prompt{&mainWindow};
    std::vector<int> helpShown;
    QTimer guard;
};

TEST_F(PromptTest, EachButtonGivesItsAnswer)
{
    const struct {
        const char* button;
        const char* caption;
        int answer;
    } cases[] = {
        {"Button1", "Delete from Server", 1}, {"Button2", "Delete All from Server", 2},
        {"Button3", "Copy it Local", 3},      {"Button4", "Copy All Local", 4},
        {"Button5", "Skip", 5},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(prompt.findChild<QPushButton*>(QLatin1String(c.button))->text(), QLatin1String(c.caption));
        clickLater(c.button);
        EXPECT_EQ(prompt.MsgDlg(QStringLiteral("Dive 12 is on the server but not local.")), c.answer) << c.button;
        EXPECT_FALSE(prompt.isVisible()) << c.button;
    }
    EXPECT_TRUE(helpShown.empty());
}

TEST_F(PromptTest, ClosingTheWindowSkips)
{
    QTimer::singleShot(0, &prompt, [this] { prompt.close(); });
    EXPECT_EQ(prompt.MsgDlg(QStringLiteral("question")), TZAFPrompt::Skip);
}

TEST_F(PromptTest, HelpShowsTheTopicAndKeepsWaiting)
{
    auto* help = prompt.findChild<QPushButton*>(QStringLiteral("Button6"));
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isDefault());
    bool stillWaiting = false;
    clickLater("Button6");
    QTimer::singleShot(20, &prompt, [&] { stillWaiting = prompt.isVisible(); });
    clickLater("Button3", 40);
    EXPECT_EQ(prompt.MsgDlg(QStringLiteral("question")), TZAFPrompt::CopyLocal);
    EXPECT_TRUE(stillWaiting);
    EXPECT_EQ(helpShown, std::vector<int>{gui::help_topic::SyncPrompt});
}

TEST_F(PromptTest, CancelFlagEndsTheWaitWithNoAnswer)
{
    QTimer::singleShot(10, &prompt, [] { setCancel(true); });
    EXPECT_EQ(prompt.MsgDlg(QStringLiteral("question")), TZAFPrompt::None);
    EXPECT_FALSE(prompt.isVisible());
}

TEST_F(PromptTest, ArrowWhileWaitingThenTheCursorsOfBefore)
{
    // The hourglass of a long operation, both as the window's cursor and as the
    // application's override cursor.
    mainWindow.setCursor(Qt::WaitCursor);
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    Qt::CursorShape windowDuring = Qt::BlankCursor;
    Qt::CursorShape overrideDuring = Qt::BlankCursor;
    QTimer::singleShot(0, &prompt, [&] {
        windowDuring = mainWindow.cursor().shape();
        overrideDuring = QGuiApplication::overrideCursor()->shape();
    });
    clickLater("Button5", 10);
    prompt.MsgDlg(QStringLiteral("question"));
    EXPECT_EQ(windowDuring, Qt::ArrowCursor);
    EXPECT_EQ(overrideDuring, Qt::ArrowCursor);
    EXPECT_EQ(mainWindow.cursor().shape(), Qt::WaitCursor);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    QGuiApplication::restoreOverrideCursor();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

} // namespace
} // namespace zaf::test
