#include "ui_fixture.h"

#include "store/certifications.h"
#include "store/login_steps.h"
#include "support/fake_view_state.h"
#include "ui/bound_widgets.h"
#include "ui/dive_selection_window.h"
#include "ui/trip_report_page.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace zaf::test {
namespace {

/// The Trip Report page in an active window over a real store: "Jo" logged in, three dives
/// in Jo's log and one trip of Jo's shown.
class TripReportPageTest : public UiFixture {
protected:
    void SetUp() override
    {
        UiFixture::SetUp();
        start();
        logInJo();
        view = std::make_unique<FakeViewState>(); // after the window, so that it is the view in force
        view->page = Page::TripReport;

        const std::pair<int, const char*> dives[] = {{1, "Blue Hole"}, {2, "Salt Pier"}, {3, "Thousand Steps"}};
        for (const auto& [number, site] : dives) {
            log().append();
            log()[QStringLiteral("DiveNumber")].setAsInteger(number);
            log()[QStringLiteral("DiveSite")].setAsString(QLatin1String(site));
            log().post();
        }

        page = new gui::TripReportPage(*data);
        host = hostWindow({600, 480}, {page}, sink);

        // Entering the page on an empty trip table starts the first trip.
        page->enterPage();
        ASSERT_TRUE(trip().isEditing());
        trip()[QStringLiteral("Location")].setAsString(QStringLiteral("Bonaire"));
        trip().post();
    }

    void TearDown() override
    {
        host.reset();
        view.reset();
        UiFixture::TearDown();
    }

    store::Table& log() { return data->DiveLog_Table; }
    store::Table& trip() { return data->Travel_Table; }
    QStringList tripLines() { return store::memoLines(trip()[QStringLiteral("Dives")].asString()); }
    QStringList shownLines()
    {
        QStringList lines;
        for (int i = 0; i < page->divesList()->count(); ++i)
            lines.append(page->divesList()->item(i)->text());
        return lines;
    }

    static void focus(QWidget* w)
    {
        w->setFocus(Qt::OtherFocusReason);
        QCoreApplication::processEvents();
        ASSERT_TRUE(w->hasFocus()) << w->objectName().toStdString();
    }

    /// Clicks and then double clicks a point of a widget, as the mouse does.
    static void doubleClickAt(QWidget* w, QPointF at)
    {
        const QPointF global = w->mapToGlobal(at);
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick}) {
            QMouseEvent event(type, at, global, Qt::LeftButton,
                              type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(w, &event);
        }
        QCoreApplication::processEvents();
    }

    static void doubleClick(gui::MemoField* memo)
    {
        // A memo takes its mouse clicks on its viewport.
        doubleClickAt(memo->viewport(), QRectF(memo->viewport()->rect()).center());
    }

    void doubleClickDiveLine(int row)
    {
        QListWidget* list = page->divesList();
        doubleClickAt(list->viewport(), QRectF(list->visualItemRect(list->item(row))).center());
    }

    std::unique_ptr<FakeViewState> view;
    std::unique_ptr<QWidget> host;
    gui::TripReportPage* page = nullptr;
    QLineEdit* sink = nullptr;
};

TEST_F(TripReportPageTest, TotalCostFollowsTheCostFieldsAsTheyAreLeft)
{
    const std::pair<const char*, const char*> costs[] = {
        {"Trip_AirFare", "100"}, {"Trip_DiveCost", "200"}, {"Trip_MealCost", "50"},
        {"Trip_MiscCost", "25"}, {"Trip_RoomRate", "10"}};
    for (const auto& [name, value] : costs) {
        QLineEdit* field = widget<QLineEdit>(page, name);
        ASSERT_NE(field, nullptr);
        focus(field);
        field->selectAll();
        type(field, QLatin1String(value));
        focus(sink);
    }
    EXPECT_DOUBLE_EQ(trip()[QStringLiteral("TotalCost")].asFloat(), 385.0);

    // Entering the total recomputes it too (here after a cost was changed past the page).
    trip()[QStringLiteral("MiscCost")].clear();
    focus(widget<QLineEdit>(page, "Trip_TotalCost"));
    EXPECT_DOUBLE_EQ(trip()[QStringLiteral("TotalCost")].asFloat(), 360.0);
}

TEST_F(TripReportPageTest, DoneCountsEveryLineOfTheTripsList)
{
    trip().edit();
    trip()[QStringLiteral("Dives")].setAsString(QStringLiteral("8 - Earlier\n9 - Earlier too"));
    trip().post();
    EXPECT_EQ(shownLines().size(), 2);

    widget<QPushButton>(page, "AddDivesButton")->click();
    gui::DiveSelectionWindow* selection = page->diveSelectionWindow();
    ASSERT_NE(selection, nullptr);
    EXPECT_TRUE(selection->isVisible());
    EXPECT_EQ(selection->windowTitle(), "Dive Selection");
    QListWidget* choices = selection->choices();
    ASSERT_EQ(choices->count(), 3);
    EXPECT_EQ(choices->item(2)->text(), "3 - Thousand Steps");
    choices->selectAll();
    widget<QPushButton>(selection, "AddSelectedDivesButton")->click();
    widget<QPushButton>(selection, "DoneButton")->click();

    EXPECT_FALSE(selection->isVisible());
    EXPECT_EQ(tripLines(), (QStringList{"8 - Earlier", "9 - Earlier too", "1 - Blue Hole", "2 - Salt Pier",
                                        "3 - Thousand Steps"}));
    EXPECT_EQ(trip()[QStringLiteral("NumberofDives")].asInteger(), 5);
    EXPECT_FALSE(trip().isEditing());
    EXPECT_EQ(shownLines(), tripLines());
}

TEST_F(TripReportPageTest, ClearDivesEmptiesTheListOnlyOnYes)
{
    trip().edit();
    trip()[QStringLiteral("Dives")].setAsString(QStringLiteral("1 - Blue Hole\n2 - Salt Pier"));
    trip()[QStringLiteral("NumberofDives")].setAsInteger(2);
    trip().post();

    ui.answers = {Answer::No, Answer::Yes};
    auto* clear = widget<QPushButton>(page, "ClearDivesButton");
    clear->click();
    EXPECT_EQ(tripLines().size(), 2);
    clear->click();
    EXPECT_EQ(ui.questions, QStringList(2, QStringLiteral("This will clear the dives from this trip report, "
                                                          "your actual logs will not be affected.  Are you sure?")));
    EXPECT_TRUE(tripLines().isEmpty());
    EXPECT_EQ(trip()[QStringLiteral("NumberofDives")].asInteger(), 0);
    EXPECT_FALSE(trip().isEditing());
    EXPECT_EQ(page->divesList()->count(), 0);
}

TEST_F(TripReportPageTest, DeleteKeyRemovesTheSelectedLineOfAnOwnTrip)
{
    trip().edit();
    trip()[QStringLiteral("Dives")].setAsString(QStringLiteral("1 - Blue Hole\n2 - Salt Pier\n3 - Thousand Steps"));
    trip().post();
    page->divesList()->setCurrentRow(1);
    pressKey(page->divesList(), Qt::Key_Delete);
    EXPECT_EQ(tripLines(), (QStringList{"1 - Blue Hole", "3 - Thousand Steps"}));
    EXPECT_EQ(trip()[QStringLiteral("NumberofDives")].asInteger(), 2);

    // Another diver's trip keeps its list.
    trip().edit();
    trip()[QStringLiteral("OwnerName")].setAsString(QStringLiteral("Al"));
    trip().post();
    page->divesList()->setCurrentRow(0);
    pressKey(page->divesList(), Qt::Key_Delete);
    pressKey(page->divesList(), Qt::Key_Insert);
    EXPECT_EQ(tripLines().size(), 2);
    EXPECT_EQ(page->diveSelectionWindow(), nullptr);
}

// A line of the trip's list stands for the diver's own dive of that number: a double click
// shows it on the Dive Log page. A buddy's dive of the same number, or a dive no longer in the
// log, shows nothing.
TEST_F(TripReportPageTest, DoubleClickOnADiveLineShowsThatDiveOfTheDiver)
{
    log().append();
    log()[QStringLiteral("DiverName")].setAsString(QStringLiteral("Al"));
    log()[QStringLiteral("DiveNumber")].setAsInteger(5);
    log()[QStringLiteral("DiveSite")].setAsString(QStringLiteral("Klein Bonaire"));
    log().post();
    trip().edit();
    trip()[QStringLiteral("Dives")].setAsString(QStringLiteral("1 - Blue Hole\n3 - Thousand Steps\n5 - Klein Bonaire\n9 - Gone"));
    trip().post();
    ASSERT_EQ(shownLines().size(), 4);

    const struct {
        int row;
        bool shown;
    } cases[] = {{1, true}, {0, true}, {2, false}, {3, false}};
    for (const auto& c : cases) {
        const QString line = shownLines().at(c.row);
        ASSERT_TRUE(log().locate({QStringLiteral("DiveNumber")}, {2}));
        view->shownPages.clear();

        doubleClickDiveLine(c.row);

        if (c.shown) {
            EXPECT_EQ(view->shownPages, QList<Page>{Page::DiveLog}) << line.toStdString();
            EXPECT_EQ(log()[QStringLiteral("DiverName")].asString(), QStringLiteral("Jo")) << line.toStdString();
            EXPECT_EQ(log()[QStringLiteral("DiveNumber")].asString() + QStringLiteral(" - ") +
                          log()[QStringLiteral("DiveSite")].asString(),
                      line);
        } else {
            EXPECT_TRUE(view->shownPages.isEmpty()) << line.toStdString();
            EXPECT_EQ(log()[QStringLiteral("DiveNumber")].asInteger(), 2) << line.toStdString();
        }
    }
    EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join('|').toStdString();
}

TEST_F(TripReportPageTest, TripReportFillsThePageOnADoubleClickAndGoesBackOnLeaving)
{
    auto* memo = widget<gui::MemoField>(page, "Trip_TripReport");
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(memo->toolTip(), QStringLiteral("Dbl Click to toggle full screen"));
    QWidget* memoHome = memo->parentWidget();
    const QRect small = memo->geometry();

    doubleClick(memo);
    EXPECT_EQ(memo->parentWidget(), page->form());
    EXPECT_EQ(memo->geometry(), page->form()->rect());
    // It keeps filling the page as the window is resized.
    host->resize(700, 560);
    QCoreApplication::processEvents();
    EXPECT_EQ(memo->geometry(), page->form()->rect());
    host->resize(600, 480);
    QCoreApplication::processEvents();

    doubleClick(memo);
    EXPECT_EQ(memo->parentWidget(), memoHome);
    EXPECT_GE(memoHome->layout()->indexOf(memo), 0) << "back under its caption";
    EXPECT_EQ(memo->geometry(), small);

    doubleClick(memo);
    focus(memo);
    focus(sink);
    EXPECT_EQ(memo->parentWidget(), memoHome);
    EXPECT_EQ(memo->geometry(), small);
}

} // namespace
} // namespace zaf::test
