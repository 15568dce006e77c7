#include "core/app_state.h"
#include "core/config_record.h"
#include "core/program_dir.h"
#include "store/data_form.h"
#include "store/drop_down_lists.h"
#include "support/scripted_ui.h"
#include "ui/editable_table_model.h"
#include "ui/menu_editor.h"
#include "ui/record_navigator.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace zaf::test {
namespace {

const QString kType = QStringLiteral("Equipment.Type");

/// A store with its default drop-down entries and the editor opened on it.
class MenuEditorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.isValid());
        setProgramDirectory(home.path());
        appState() = AppState();
        config() = ConfigRecord();
        config().userName = QStringLiteral("Jo");
        config().userEmail = QStringLiteral("jo@example.org");
        data.DataCreate();
        ASSERT_TRUE(items().isOpen());
        gui::TMenu_Editor::open(slot, data);
        ASSERT_TRUE(slot);
    }
    void TearDown() override
    {
        slot.reset();
        config() = ConfigRecord();
        appState() = AppState();
    }

    store::Table& items() { return data.MenuItems_Table; }
    gui::TMenu_Editor& editor() { return *slot; }
    QTableView* grid() { return editor().grid(); }
    QAbstractItemModel* model() { return grid()->model(); }

    /// The grid row that shows this entry; -1 when none does.
    int rowOf(const QString& list, const QString& entry)
    {
        for (int row = 0; row < model()->rowCount(); ++row)
            if (model()->index(row, 0).data() == list && model()->index(row, 1).data() == entry)
                return row;
        return -1;
    }

    bool stored(const QString& list, const QString& entry) { return items().findKey({list, entry}); }

    /// Types a cell's new text into the grid's editor and presses Enter, as the diver does.
    void typeInto(int row, int column, const QString& text)
    {
        const QModelIndex cell = model()->index(row, column);
        grid()->setCurrentIndex(cell);
        grid()->edit(cell);
        auto* line = qobject_cast<QLineEdit*>(grid()->indexWidget(cell));
        ASSERT_NE(line, nullptr);
        line->setText(text);
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(line, &enter);
        // The grid commits the text from a queued call.
        QCoreApplication::processEvents();
    }

    QTemporaryDir home;
    ScriptedUi ui;
    store::TData_Form data;
    std::unique_ptr<gui::TMenu_Editor> slot;
};

TEST_F(MenuEditorTest, MadeOnceWithAStatusWhileItIsMade)
{
    EXPECT_EQ(ui.statuses, (QStringList{"Creating Menu Editor screen.  Please wait...", ""}));
    EXPECT_EQ(editor().windowTitle(), "ZAF Drop Down List Editor");
    EXPECT_TRUE(editor().isVisible());
    EXPECT_EQ(grid()->columnWidth(0), 161);
    EXPECT_EQ(grid()->columnWidth(1), 210);
    EXPECT_EQ(model()->headerData(0, Qt::Horizontal), "Menu");
    EXPECT_EQ(model()->headerData(1, Qt::Horizontal), "Item");
    EXPECT_EQ(model()->rowCount(), items().recordCount());

    gui::TMenu_Editor* first = slot.get();
    editor().close();
    EXPECT_EQ(&gui::TMenu_Editor::open(slot, data), first);
    EXPECT_EQ(ui.statuses.size(), 2);
    EXPECT_TRUE(editor().isVisible());
}

TEST_F(MenuEditorTest, DeletedDefaultEntryIsBackAfterDone)
{
    const int fins = rowOf(kType, QStringLiteral("Fins"));
    ASSERT_GE(fins, 0);
    grid()->setCurrentIndex(model()->index(fins, 1));
    ui.answers.push_back(Answer::Yes); // in case the navigator asks before deleting
    editor().navigator()->click(NavDelete);
    ASSERT_FALSE(stored(kType, QStringLiteral("Fins")));
    EXPECT_EQ(rowOf(kType, QStringLiteral("Fins")), -1);

    editor().findChild<QPushButton*>(QStringLiteral("DoneButton"))->click();
    EXPECT_TRUE(stored(kType, QStringLiteral("Fins")));
    EXPECT_TRUE(data.dropDownLists.entries(kType).contains(QStringLiteral("Fins")));
    EXPECT_FALSE(editor().isVisible());
}

// A typed cell goes into the table's record at once; the record is stored when the grid
// leaves it, whichever way that happens.
TEST_F(MenuEditorTest, AnEditInTheGridReachesTheTable)
{
    const struct {
        const char* how;
        std::function<void()> leave;
    } cases[] = {
        {"another row", [this] { grid()->setCurrentIndex(model()->index(0, 0)); }},
        {"the navigator", [this] { editor().navigator()->click(NavFirst); }},
        {"Done", [this] { editor().findChild<QPushButton*>(QStringLiteral("DoneButton"))->click(); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        // Entries of a list no default fills, so the reload at Done does not put one back.
        const QString old = QStringLiteral("Dahab ") + QString::fromLatin1(c.how);
        const QString typed = old + QStringLiteral(" North");
        items().appendRecord({QStringLiteral("Location"), old, false});
        editor().close();
        gui::TMenu_Editor::open(slot, data);
        const int row = rowOf(QStringLiteral("Location"), old);
        ASSERT_GE(row, 0);

        typeInto(row, 1, typed);
        EXPECT_EQ(items().state(), store::Table::State::Edit);
        EXPECT_EQ(items()["Item"].asString(), typed);
        EXPECT_EQ(model()->index(row, 1).data(), typed);

        c.leave();
        EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join(QLatin1Char('|')).toStdString();
        EXPECT_FALSE(items().isEditing());
        EXPECT_TRUE(stored(QStringLiteral("Location"), typed));
        EXPECT_FALSE(stored(QStringLiteral("Location"), old));
    }
    EXPECT_FALSE(editor().isVisible());
    EXPECT_TRUE(data.dropDownLists.entries(QStringLiteral("Location")).contains(QStringLiteral("Dahab Done North")));
}

TEST_F(MenuEditorTest, ADuplicateIsRefusedByTheKey)
{
    const int fins = rowOf(kType, QStringLiteral("Fins"));
    ASSERT_GE(fins, 0);
    const int before = items().recordCount();

    typeInto(fins, 1, QStringLiteral("Mask"));
    grid()->setCurrentIndex(model()->index(0, 0));
    EXPECT_EQ(ui.messages, QStringList{"This is a duplicate record.  It cannot be saved."});
    EXPECT_FALSE(items().isEditing());
    EXPECT_TRUE(stored(kType, QStringLiteral("Fins")));
    EXPECT_EQ(items().recordCount(), before);
    QCoreApplication::processEvents();
    EXPECT_EQ(rowOf(kType, QStringLiteral("Fins")), fins);
}

TEST_F(MenuEditorTest, ANewEntryIsTypedIntoTheInsertedRow)
{
    const int before = items().recordCount();
    editor().navigator()->click(NavInsert);
    ASSERT_EQ(items().state(), store::Table::State::Insert);
    ASSERT_EQ(model()->rowCount(), before + 1);
    EXPECT_EQ(grid()->currentIndex().row(), before);

    typeInto(before, 0, QStringLiteral("Location"));
    typeInto(before, 1, QStringLiteral("Bonaire"));
    EXPECT_EQ(model()->index(before, 0).data(), "Location");
    editor().done();
    EXPECT_TRUE(stored(QStringLiteral("Location"), QStringLiteral("Bonaire")));
    EXPECT_EQ(items().recordCount(), before + 1);
    gui::TMenu_Editor::open(slot, data);

    // An inserted row left untouched is dropped at Done, not stored empty.
    editor().navigator()->click(NavInsert);
    editor().done();
    EXPECT_EQ(items().recordCount(), before + 1);
    EXPECT_FALSE(items().isEditing());
}

} // namespace
} // namespace zaf::test
