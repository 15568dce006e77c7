#include "core/app_state.h"
#include "core/program_dir.h"
#include "store/data_form.h"
#include "support/scripted_ui.h"
#include "ui/debug_viewer.h"

#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zaf::test {
namespace {

class DebugViewerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.isValid());
        setProgramDirectory(home.path());
        appState() = AppState();
        appState().debugMode = true;
        data.DataCreate();
        // Tracing is on, so the store's own reopening has written lines already; these are
        // the ones the grid is checked against.
        for (int i = 1; i <= 3; ++i)
            data.write_debug_message(QStringLiteral("Test.step"), QStringLiteral("line %1").arg(i));
    }
    void TearDown() override { appState() = AppState(); }

    QTemporaryDir home;
    ScriptedUi ui;
    store::TData_Form data;
};

TEST_F(DebugViewerTest, GridShowsTheTraceTable)
{
    gui::TZAF_Debug_Form form(data);
    form.show();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("ZAF Debugger"));
    auto* grid = form.findChild<QTableView*>(QStringLiteral("DBGrid1"));
    ASSERT_NE(grid, nullptr);
    const QAbstractItemModel* model = grid->model();
    const int rows = data.ZAF_Debug_Table.recordCount();
    ASSERT_EQ(model->rowCount(), rows);
    ASSERT_EQ(model->columnCount(), 4);
    EXPECT_EQ(model->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Procedure"));
    // Read out of order, as a scrolling grid does.
    EXPECT_EQ(model->index(rows - 1, 3).data().toString(), QStringLiteral("line 3"));
    EXPECT_EQ(model->index(rows - 3, 3).data().toString(), QStringLiteral("line 1"));
    EXPECT_EQ(model->index(rows - 2, 3).data().toString(), QStringLiteral("line 2"));
    EXPECT_EQ(model->index(rows - 2, 2).data().toString(), QStringLiteral("Test.step"));

    form.findChild<QPushButton*>(QStringLiteral("Last"))->click();
    EXPECT_EQ(grid->currentIndex().row(), rows - 1);
}

TEST_F(DebugViewerTest, PurgeLeavesAnEmptyOpenTraceTable)
{
    gui::TZAF_Debug_Form form(data);
    form.show();
    auto* purge = form.findChild<QPushButton*>(QStringLiteral("Button1"));
    ASSERT_NE(purge, nullptr);
    EXPECT_EQ(purge->text(), QStringLiteral("Purge Debug Data"));
    purge->click();
    EXPECT_TRUE(data.ZAF_Debug_Table.isOpen());
    EXPECT_EQ(data.ZAF_Debug_Table.recordCount(), 0);
    EXPECT_EQ(form.findChild<QTableView*>(QStringLiteral("DBGrid1"))->model()->rowCount(), 0);

    // The purged table takes new lines at once.
    data.write_debug_message(QStringLiteral("Test.after"), QStringLiteral("enter"));
    EXPECT_EQ(data.ZAF_Debug_Table.recordCount(), 1);
}

} // namespace
} // namespace zaf::test
