#include "record_widgets_fixture.h"

#include "store/table.h"
#include "store/table_file.h"
#include "ui/bound_widgets.h"
#include "ui/record_navigator.h"
#include "ui/record_page.h"
#include "ui/table_grid.h"
#include "ui/table_model.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>

namespace zaf::test {
namespace {

constexpr int kRows = 3000;

/// A long table of numbered rows ("Row 0001" …), in a directory of its own.
class LongTableTest : public ::testing::Test {
protected:
    static store::TableDef def()
    {
        store::TableDef d;
        d.name = QStringLiteral("Rows");
        d.fields = {{QStringLiteral("Name"), store::FieldType::Text, 20, true, {}},
                    {QStringLiteral("Number"), store::FieldType::Int32, 0, false, {}}};
        d.primaryKey = {QStringLiteral("Name")};
        return d;
    }
    static QString name(int n) { return QStringLiteral("Row %1").arg(n, 4, 10, QLatin1Char('0')); }

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("Rows"));
        store::table_file::create(path, def());
        table.setPath(path);
        table.setDefinition(def());
        table.open();
        for (int n = 1; n <= kRows; ++n)
            ASSERT_TRUE(table.appendRecord({name(n), n}));
        table.first();
    }

    QTemporaryDir dir;
    store::Table table{QStringLiteral("Rows")};
};

TEST_F(LongTableTest, ModelReadsOnlyTheRowsAskedForEvenAtTheEnd)
{
    int moves = 0;
    table.onAfterScroll = [&](store::Table&) { ++moves; };
    gui::TableModel model(table);
    ASSERT_EQ(model.rowCount(), kRows);
    EXPECT_EQ(model.data(model.index(kRows - 1, 0)).toString(), name(kRows));
    EXPECT_EQ(model.data(model.index(kRows - 40, 1)).toInt(), kRows - 39);
    EXPECT_EQ(model.data(model.index(1500, 0)).toString(), name(1501));
    EXPECT_EQ(model.data(model.index(0, 0)).toString(), name(1));
    // A few runs of rows were read, never the whole table.
    EXPECT_LT(moves, kRows / 4);
}

TEST_F(LongTableTest, GridFollowsTheTablesOrderAndFilterAndSelectsItsRecord)
{
    gui::TableGrid grid(table, {{QStringLiteral("Number"), QStringLiteral("No."), 60}, {QStringLiteral("Name"), {}, 0}});
    table.setFilter(QStringLiteral("Number >= 1001"));
    table.setRecNo(1500);
    grid.resize(600, 400);
    grid.reload();
    ASSERT_EQ(grid.model()->rowCount(), kRows - 1000);
    EXPECT_EQ(grid.model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("No."));
    EXPECT_EQ(grid.model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Name"));
    EXPECT_EQ(grid.columnWidth(0), 60);
    EXPECT_EQ(grid.selectedRecNo(), 1500);
    EXPECT_EQ(grid.model()->data(grid.model()->index(1499, 1)).toString(), name(2500));

    // Scrolled to the very end, the last rows show.
    grid.show();
    grid.scrollToBottom();
    QCoreApplication::processEvents();
    const QModelIndex lastShown = grid.indexAt(QPoint(5, grid.viewport()->height() - 5));
    ASSERT_TRUE(lastShown.isValid());
    EXPECT_EQ(lastShown.row(), kRows - 1001);
    EXPECT_EQ(lastShown.data().toInt(), kRows);
}

TEST_F(LongTableTest, GridMovesTheTableToTheChosenRowAndTellsOfDoubleClicks)
{
    gui::TableGrid grid(table, {});
    grid.resize(600, 400);
    grid.show();
    grid.reload();
    EXPECT_EQ(grid.selectedRecNo(), 1);
    grid.selectRow(2499);
    grid.moveTableToSelection();
    EXPECT_EQ(table[QStringLiteral("Name")].asString(), name(2500));

    int clicked = 0;
    QObject::connect(&grid, &gui::TableGrid::rowDoubleClicked, [&](int recNo) { clicked = recNo; });
    grid.scrollToTop();
    const QRect cell = grid.visualRect(grid.model()->index(2, 0));
    QMouseEvent dbl(QEvent::MouseButtonDblClick, cell.center(), grid.viewport()->mapToGlobal(cell.center()),
                    Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(grid.viewport(), &dbl);
    EXPECT_EQ(clicked, 3);
    EXPECT_EQ(grid.selectedRecNo(), 3);
}

// ---------------------------------------------------------------- the record page frame

class RecordPageTest : public RecordWidgetsTest {
protected:
    void SetUp() override
    {
        RecordWidgetsTest::SetUp();
        for (const char* name : {"Angel Reef", "Blue Hole", "Coral Garden"})
            addSite(QString::fromUtf8(name));
        addSite(QStringLiteral("Devil's Throat"), QStringLiteral("Ann"), QStringLiteral("ann@example.org"));
        data->DiveSite_Table.first();
        page = add(new gui::RecordPage(Page::DiveSites, data->DiveSite_DataSource, QStringLiteral("DiveSiteNavigator")));
        page->setNavigatorButtons(NavFirst | NavPrior | NavNext | NavLast | NavInsert | NavDelete);
        QObject::connect(page, &gui::RecordPage::tableViewToggled, [this](bool shown) { toggles.append(shown); });
    }
    QString shown() { return data->DiveSite_Table[QStringLiteral("DiveSite")].asString(); }

    gui::RecordPage* page = nullptr;
    QList<bool> toggles;
};

TEST_F(RecordPageTest, FormNamesFieldsAndCaptionsAndGivesEveryTextFieldTheEntryRules)
{
    gui::FieldForm form(page->form(), page->binder(), QStringLiteral("DiveSite"));
    QLineEdit* site = form.text(QStringLiteral("DiveSite"), QStringLiteral("Dive Site"), 0, 0, 2);
    gui::ListField* diveType = form.list(QStringLiteral("DiveType"), QStringLiteral("Dive Type"), {"Reef", "Wall"}, 1, 0);
    gui::MemoField* comments = form.memo(QStringLiteral("Comments"), QStringLiteral("Comments"), 2, 0, 2, 2);
    QLineEdit* owner = form.readOnly(QStringLiteral("OwnerName"), QStringLiteral("Owner"), 1, 1, 1, QStringLiteral("Owner"));
    QCheckBox* shared = form.check(QStringLiteral("Shared"), QStringLiteral("Shared"), 4, 0);

    EXPECT_EQ(site->objectName(), QStringLiteral("DiveSite_DiveSite"));
    EXPECT_EQ(diveType->objectName(), QStringLiteral("DiveSite_DiveType"));
    EXPECT_EQ(owner->objectName(), QStringLiteral("Owner"));
    for (const char* caption : {"DiveSite_DiveSite_Caption", "DiveSite_DiveType_Caption", "DiveSite_Comments_Caption",
                                "Owner_Caption", "DiveSite_Shared_Caption"})
        EXPECT_NE(page->findChild<QLabel*>(QLatin1String(caption)), nullptr) << caption;
    EXPECT_EQ(form.captions().size(), 5);
    EXPECT_EQ(site->text(), QStringLiteral("Angel Reef"));
    EXPECT_EQ(owner->text(), kJo);
    EXPECT_TRUE(owner->isReadOnly());
    EXPECT_NE(owner->palette().color(QPalette::Base), site->palette().color(QPalette::Base));

    site->end(false);
    type(site, QStringLiteral("'s"));
    type(comments, QStringLiteral("Ann's"));
    EXPECT_EQ(data->DiveSite_Table[QStringLiteral("DiveSite")].asString(), QStringLiteral("Angel Reef`s"));
    EXPECT_EQ(data->DiveSite_Table[QStringLiteral("Comments")].asString(), QStringLiteral("Ann`s"));

    page->setCaptionColour(QColor(Qt::darkBlue));
    EXPECT_EQ(page->findChild<QLabel*>(QStringLiteral("DiveSite_DiveType_Caption"))->palette().color(QPalette::WindowText),
              QColor(Qt::darkBlue));
    (void)shared;
}

TEST_F(RecordPageTest, TableViewTogglesAndHidesAgainOnADoubleClickMovingToTheRow)
{
    focus(page);
    EXPECT_FALSE(page->tableViewShown());
    EXPECT_FALSE(page->tableView()->isVisible());

    page->toggleTableView();
    EXPECT_TRUE(page->tableViewShown());
    EXPECT_TRUE(page->tableView()->isVisible());
    EXPECT_EQ(page->tableView()->model()->rowCount(), 4);

    QCoreApplication::processEvents();
    const QRect cell = page->tableView()->visualRect(page->tableView()->model()->index(2, 0));
    QMouseEvent dbl(QEvent::MouseButtonDblClick, cell.center(), page->tableView()->viewport()->mapToGlobal(cell.center()),
                    Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(page->tableView()->viewport(), &dbl);
    EXPECT_FALSE(page->tableViewShown());
    EXPECT_EQ(shown(), QStringLiteral("Coral Garden"));
    EXPECT_EQ(toggles, (QList<bool>{true, false}));
}

TEST_F(RecordPageTest, LeavingTheTableViewHidesItOnTheChosenRow)
{
    auto* elsewhere = add(new QLineEdit);
    focus(page);
    page->setTableViewShown(true);
    ASSERT_TRUE(page->tableView()->hasFocus());
    page->tableView()->selectRow(1);
    focus(elsewhere);
    EXPECT_FALSE(page->tableViewShown());
    EXPECT_EQ(shown(), QStringLiteral("Blue Hole"));
    EXPECT_EQ(toggles, (QList<bool>{true, false}));
}

TEST_F(RecordPageTest, DoubleClickOnThePageBackgroundTogglesTheTableView)
{
    focus(page);
    QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(5, 5), page->form()->mapToGlobal(QPointF(5, 5)),
                    Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(page->form(), &dbl);
    EXPECT_TRUE(page->tableViewShown());
}

TEST_F(RecordPageTest, NavigatorPutsTheTableViewAwayAndStoresWhatWasTyped)
{
    gui::FieldForm form(page->form(), page->binder(), QStringLiteral("DiveSite"));
    QLineEdit* rating = form.text(QStringLiteral("Rating"), QStringLiteral("Rating"), 0, 0);
    type(rating, QStringLiteral("7"));
    page->setTableViewShown(true);
    page->navigator()->button(NavNext)->click();
    EXPECT_FALSE(page->tableViewShown());
    EXPECT_EQ(shown(), QStringLiteral("Blue Hole"));
    data->DiveSite_Table.first();
    EXPECT_EQ(data->DiveSite_Table[QStringLiteral("Rating")].asInteger(), 7);
}

TEST_F(RecordPageTest, TakeOwnershipShowsOnRequestAndMakesTheRecordTheDivers)
{
    QPushButton* take = page->findChild<QPushButton*>(QStringLiteral("DiveSiteNavigator_TakeOwnership"));
    ASSERT_EQ(take, page->takeOwnershipButton());
    EXPECT_FALSE(take->isVisibleTo(page));
    page->setControlShown(PageControl::TakeOwnership, true);
    EXPECT_TRUE(take->isVisibleTo(page));

    data->DiveSite_Table.last();
    ASSERT_EQ(shown(), QStringLiteral("Devil's Throat"));
    take->click();
    EXPECT_EQ(data->DiveSite_Table[QStringLiteral("OwnerName")].asString(), kJo);
    EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join(QLatin1Char('|')).toStdString();
}

TEST_F(RecordPageTest, ShadingDarkensThePageButKeepsItReadable)
{
    QPixmap picture(40, 30);
    picture.fill(QColor(200, 220, 240));
    page->setBackground(picture);
    window->show();
    const auto lightness = [this] { return page->grab().toImage().pixelColor(4, 4).lightness(); };
    const int normal = lightness();
    page->setShaded(true);
    EXPECT_TRUE(page->shaded());
    const int shadedLightness = lightness();
    EXPECT_LT(shadedLightness, normal - 20);
    EXPECT_GT(shadedLightness, 110); // black captions still read on it
}

} // namespace
} // namespace zaf::test
