#include "core/app_state.h"
#include "core/os_description.h"
#include "core/program_dir.h"
#include "store/data_form.h"
#include "support/scripted_ui.h"
#include "ui/about_box.h"
#include "ui/debug_password.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zaf::test {
namespace {

class DebugPasswordTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.isValid());
        setProgramDirectory(home.path());
        appState() = AppState();
        data.DataCreate();
        hooks.showDebugMenu = [this] { ++debugMenuShown; };
        hooks.traceFileTransfers = [this] { ++transfersTraced; };
    }
    void TearDown() override { appState() = AppState(); }

    bool traceTableExists() const
    {
        return QFileInfo::exists(home.path() + QStringLiteral("/data/ZAF_Debug.DB"));
    }

    QTemporaryDir home;
    ScriptedUi ui;
    store::TData_Form data;
    gui::DebugModeHooks hooks;
    int debugMenuShown = 0;
    int transfersTraced = 0;
};

TEST_F(DebugPasswordTest, PasswordsAndWhatTheySwitchOn)
{
    const struct {
        const char* label;
        QStringList answers; ///< an answer missing from the list is a cancelled box
        int questions;
        bool debug;
        bool menu;
    } cases[] = {
        {"debug password first", {"/Tzolk"}, 1, true, false},
        {"administrator password second", {"wrong", "/Tzolk_Varnu"}, 2, true, true},
        {"administrator password first is refused", {"/Tzolk_Varnu", "nothing"}, 2, false, false},
        {"debug password second is refused", {"x", "/Tzolk"}, 2, false, false},
        {"cancelled twice", {}, 2, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        appState() = AppState();
        data.Commit_Changes(); // back to a store without a trace table
        ui.prompts.clear();
        ui.statuses.clear();
        debugMenuShown = transfersTraced = 0;
        ui.inputs.assign(c.answers.begin(), c.answers.end());

        EXPECT_EQ(gui::askDebugPassword(data, hooks), c.debug);
        EXPECT_EQ(ui.prompts.size(), c.questions);
        EXPECT_EQ(ui.prompts.value(0), QStringLiteral("Enter Debug Password"));
        EXPECT_EQ(appState().debugMode, c.debug);
        EXPECT_EQ(traceTableExists(), c.debug);
        EXPECT_EQ(ui.statuses.contains(QStringLiteral("Debugging Mode enabled.")), c.debug);
        EXPECT_EQ(debugMenuShown, c.menu ? 1 : 0);
        EXPECT_EQ(transfersTraced, c.menu ? 1 : 0);
    }
}

TEST_F(DebugPasswordTest, NothingIsAskedWhileDebugModeIsOn)
{
    appState().debugMode = true;
    EXPECT_FALSE(gui::askDebugPassword(data, hooks));
    EXPECT_TRUE(ui.prompts.isEmpty());
}

TEST_F(DebugPasswordTest, AboutBoxShowsTheProgramAndAsksOnADoubleClickOfItsPicture)
{
    gui::TAboutBox box(&data, hooks);
    EXPECT_EQ(box.windowTitle(), QStringLiteral("About ZAF"));
    EXPECT_TRUE(box.windowFlags() & Qt::WindowStaysOnTopHint);
    const auto text = [&](const char* name) { return box.findChild<QLabel*>(QLatin1String(name))->text(); };
    EXPECT_EQ(text("ProductName"), QStringLiteral("Zafaro"));
    EXPECT_EQ(text("Version"), QStringLiteral("Version: Beta 0.67"));
    EXPECT_EQ(text("Built"), QStringLiteral("Built: May 19 12:00"));
    EXPECT_EQ(text("OSVersion"), osDescription());

    ui.inputs = {QStringLiteral("/Tzolk")};
    QLabel* icon = box.findChild<QLabel*>(QStringLiteral("ProgramIcon"));
    QMouseEvent doubleClick(QEvent::MouseButtonDblClick, QPointF(5, 5), icon->mapToGlobal(QPointF(5, 5)),
                            Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(icon, &doubleClick);
    EXPECT_TRUE(appState().debugMode);
    EXPECT_EQ(ui.prompts, QStringList{QStringLiteral("Enter Debug Password")});
}

} // namespace
} // namespace zaf::test
