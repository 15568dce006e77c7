#include "ui_fixture.h"

#include "core/day_count.h"
#include "store/login_steps.h"
#include "support/fake_view_state.h"
#include "ui/bound_widgets.h"
#include "ui/dive_log_form.h"
#include "ui/dive_log_page.h"
#include "ui/others_log_page.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zaf::test {
namespace {

/// What the record rules ask of the window reaches the two pages, as the main window passes it on.
class PagesView : public FakeViewState {
public:
    gui::RecordPage* pageFor(Page p) const
    {
        if (p == Page::DiveLog)
            return dive;
        if (p == Page::OthersLogs)
            return others;
        return nullptr;
    }
    void setUnitCaptions(Page p, const UnitCaptions& captions) override
    {
        FakeViewState::setUnitCaptions(p, captions);
        if (gui::RecordPage* target = pageFor(p))
            target->setUnitCaptions(captions);
    }
    SurfaceIntervalBoxes surfaceIntervalBoxes(Page p) const override
    {
        gui::RecordPage* target = pageFor(p);
        return target ? target->surfaceIntervalBoxes() : SurfaceIntervalBoxes{};
    }
    void setSurfaceIntervalBoxes(Page p, const SurfaceIntervalBoxes& boxes) override
    {
        if (gui::RecordPage* target = pageFor(p))
            target->setSurfaceIntervalBoxes(boxes);
    }
    void setNavigatorButtons(Page p, unsigned buttons) override
    {
        FakeViewState::setNavigatorButtons(p, buttons);
        if (gui::RecordPage* target = pageFor(p))
            target->setNavigatorButtons(buttons);
    }
    void setControlShown(Page p, PageControl control, bool shown) override
    {
        FakeViewState::setControlShown(p, control, shown);
        if (gui::RecordPage* target = pageFor(p))
            target->setControlShown(control, shown);
    }
    void showGasMixturePage() override
    {
        FakeViewState::showGasMixturePage();
        dive->showGasMixture();
    }

    gui::DiveLogPage* dive = nullptr;
    gui::OthersLogPage* others = nullptr;
};

class DiveLogPageTest : public UiFixture {
protected:
    void SetUp() override
    {
        UiFixture::SetUp();
        start();
        ASSERT_TRUE(log().isOpen());
        logInJo();
        view = std::make_unique<PagesView>(); // after the window, so that it is the view in force

        host = std::make_unique<QWidget>();
        host->resize(590, 470);
        auto* layout = new QVBoxLayout(host.get());
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        view->dive = new gui::DiveLogPage(*data, host.get());
        view->others = new gui::OthersLogPage(*data, host.get());
        sink = new QLineEdit(host.get());
        layout->addWidget(view->dive);
        layout->addWidget(view->others);
        layout->addWidget(sink);
        show(Page::DiveLog);
    }

    void TearDown() override
    {
        host.reset();
        view.reset();
        UiFixture::TearDown();
    }

    store::Table& log() { return data->DiveLog_Table; }
    gui::DiveLogPage& dive() { return *view->dive; }
    gui::OthersLogPage& others() { return *view->others; }

    /// Shows one of the two pages in an active window, so that fields take the focus.
    void show(Page p)
    {
        view->page = p;
        view->dive->setVisible(p == Page::DiveLog);
        view->others->setVisible(p == Page::OthersLogs);
        host->show();
        QApplication::setActiveWindow(host.get());
        QCoreApplication::processEvents();
    }

    template <typename W = QWidget>
    W* on(QWidget* page, const QString& name)
    {
        W* found = page->findChild<W*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    QLineEdit* diveField(const char* field) { return on<QLineEdit>(view->dive, QStringLiteral("DiveLog_") + QLatin1String(field)); }
    QLineEdit* othersField(const char* field)
    {
        return on<QLineEdit>(view->others, QStringLiteral("OthersLog_") + QLatin1String(field));
    }

    static void focus(QWidget* w)
    {
        w->setFocus(Qt::OtherFocusReason);
        QCoreApplication::processEvents();
        ASSERT_TRUE(w->hasFocus()) << w->objectName().toStdString();
    }
    void leave() { focus(sink); }

    /// Enters a field, replaces its text by typing, and leaves it.
    void fill(QLineEdit* w, const QString& text)
    {
        focus(w);
        w->selectAll();
        type(w, text);
        leave();
    }

    static void doubleClick(QWidget* w)
    {
        // A memo takes its mouse clicks on its viewport.
        if (auto* memo = qobject_cast<QPlainTextEdit*>(w))
            w = memo->viewport();
        const QPointF at(w->width() / 2.0, w->height() / 2.0);
        QMouseEvent event(QEvent::MouseButtonDblClick, at, w->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(w, &event);
        QCoreApplication::processEvents();
    }

    /// Stores an entry of `owner` (posted) and shows it.
    void addEntry(const QString& owner, std::initializer_list<std::pair<const char*, QVariant>> values)
    {
        store::Table& t = owner == config().userName ? log() : data->OthersLog_Table;
        t.append();
        t[QStringLiteral("DiverName")].setAsString(owner);
        t[QStringLiteral("DiveNumber")].setAsInteger(t.recordCount() + 1);
        t[QStringLiteral("OwnerName")].setAsString(owner);
        t[QStringLiteral("OwnerEmail")].setAsString(owner.toLower() + QStringLiteral("@example.org"));
        for (const auto& [name, value] : values)
            t[QLatin1String(name)].setValue(value);
        t.post();
        t.refresh();
    }

    std::unique_ptr<PagesView> view;
    std::unique_ptr<QWidget> host;
    QLineEdit* sink = nullptr;
};

TEST_F(DiveLogPageTest, TypingADiveDerivesItsFiguresAndTheFirstEntryIsStored)
{
    ASSERT_TRUE(log().isEmpty());
    dive().enterPage();
    ASSERT_EQ(log().state(), store::Table::State::Insert) << "an empty log starts a new entry";

    fill(diveField("StartTime"), QStringLiteral("2024-06-01 09:30"));
    EXPECT_EQ(log()[QStringLiteral("DayTime")].asString(), QStringLiteral("Day"));
    fill(diveField("BottomTime"), QStringLiteral("40"));
    EXPECT_EQ(diveField("EndTime")->text(),
              formatDayCount(*parseDayCount(QStringLiteral("2024-06-01 10:10")), QStringLiteral("mmm dd, yyyy  h:mm am/pm")));

    fill(diveField("AirPressureStart"), QStringLiteral("3000"));
    fill(diveField("AirPressureEnd"), QStringLiteral("500"));
    fill(diveField("MaximumDepth"), QStringLiteral("66"));
    EXPECT_EQ(diveField("PSIUsed")->text(), QStringLiteral("2500"));
    // The unit system of a log's first entry is settled only when it is stored, so its rate is
    // not asserted here; it must show up.
    EXPECT_FALSE(diveField("SACRate")->text().isEmpty());
    EXPECT_EQ(diveField("T1SPSI")->text(), QStringLiteral("3000")) << "a single tank mirrors the dive";

    // Leaving the end time stores the log's first entry and offers the whole navigator.
    focus(diveField("EndTime"));
    leave();
    EXPECT_FALSE(log().isEditing());
    EXPECT_EQ(log().recordCount(), 1);
    EXPECT_EQ(view->navigator.value(Page::DiveLog), unsigned(NavFirst | NavPrior | NavNext | NavLast | NavInsert | NavDelete));
    EXPECT_EQ(log()[QStringLiteral("PSIUsed")].asFloat(), 2500.0);
}

TEST_F(DiveLogPageTest, EveryUnitButtonConvertsTheEntryAndTheCaptionsFollow)
{
    addEntry(QStringLiteral("Jo"), {{"Format", 0}, {"MaximumDepth", 100.0}, {"AirPressureStart", 3000.0}});
    log().first();
    ASSERT_EQ(on<QPushButton>(view->dive, QStringLiteral("DepthUnitButton"))->text(), QStringLiteral("Feet"));

    struct Case {
        const char* button;
        const char* depth;
        const char* caption;
        const char* startCaption;
    };
    // Each click flips the unit system, whichever of the five buttons it is.
    const Case cases[] = {
        {"DepthUnitButton", "30.48", "Meters", "Start BAR"},
        {"VisibilityUnitButton", "100", "Feet", "Start PSI"},
        {"AltitudeUnitButton", "30.48", "Meters", "Start BAR"},
        {"TemperatureUnitButton", "100", "Feet", "Start PSI"},
        {"WeightUnitButton", "30.48", "Meters", "Start BAR"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        on<QPushButton>(view->dive, QLatin1String(c.button))->click();
        EXPECT_EQ(diveField("MaximumDepth")->text(), QLatin1String(c.depth));
        for (const char* name : {"DepthUnitButton", "VisibilityUnitButton", "AltitudeUnitButton"})
            EXPECT_EQ(on<QPushButton>(view->dive, QLatin1String(name))->text(), QLatin1String(c.caption)) << name;
        EXPECT_EQ(on<QLabel>(view->dive, QStringLiteral("DiveLog_AirPressureStart_Caption"))->text(),
                  QLatin1String(c.startCaption));
    }
    EXPECT_EQ(on<QPushButton>(view->dive, QStringLiteral("TemperatureUnitButton"))->text(), QStringLiteral("Celsius"));
    EXPECT_EQ(on<QPushButton>(view->dive, QStringLiteral("WeightUnitButton"))->text(), QStringLiteral("kg"));
    EXPECT_EQ(on<QLabel>(view->dive, QStringLiteral("DiveLog_PSIUsed_Caption"))->text(), QStringLiteral("Used BAR"));
}

TEST_F(DiveLogPageTest, SurfaceIntervalBoxesShowTheEntryAndStoreWhatIsTyped)
{
    addEntry(QStringLiteral("Jo"), {{"SurfaceInterval", 1500}});
    log().first();
    auto* days = on<QLineEdit>(view->dive, QStringLiteral("SIDaysBox"));
    auto* hours = on<QLineEdit>(view->dive, QStringLiteral("SIHoursBox"));
    auto* minutes = on<QLineEdit>(view->dive, QStringLiteral("SIMinutesBox"));
    EXPECT_EQ(days->maxLength(), 3);
    EXPECT_EQ(hours->maxLength(), 2);
    EXPECT_EQ((QStringList{days->text(), hours->text(), minutes->text()}), (QStringList{"1", "1", "0"}));

    fill(days, QStringLiteral("2"));
    fill(hours, QStringLiteral("0"));
    fill(minutes, QStringLiteral("5"));
    EXPECT_EQ(log()[QStringLiteral("SurfaceInterval")].asInteger(), 2 * 1440 + 5);
    EXPECT_EQ((QStringList{days->text(), hours->text(), minutes->text()}), (QStringList{"2", "0", "5"}));
}

TEST_F(DiveLogPageTest, EnteringTheDaysBoxDerivesTheIntervalFromThePreviousDive)
{
    addEntry(QStringLiteral("Jo"), {{"StartTime", *parseDayCount(QStringLiteral("2024-06-01 09:00"))},
                                    {"EndTime", *parseDayCount(QStringLiteral("2024-06-01 10:00"))}});
    addEntry(QStringLiteral("Jo"), {{"StartTime", *parseDayCount(QStringLiteral("2024-06-01 13:30"))},
                                    {"EndTime", *parseDayCount(QStringLiteral("2024-06-01 14:00"))},
                                    {"SurfaceInterval", 0}});
    log().last();
    ASSERT_EQ(log()[QStringLiteral("SurfaceInterval")].asInteger(), 0);
    focus(on<QLineEdit>(view->dive, QStringLiteral("SIDaysBox")));
    EXPECT_EQ(log()[QStringLiteral("SurfaceInterval")].asInteger(), 210);
    EXPECT_EQ(on<QLineEdit>(view->dive, QStringLiteral("SIHoursBox"))->text(), QStringLiteral("3"));
    EXPECT_EQ(on<QLineEdit>(view->dive, QStringLiteral("SIMinutesBox"))->text(), QStringLiteral("30"));
}

TEST_F(DiveLogPageTest, OxygenPartialPressureAboveTheLimitIsRedOnBothPages)
{
    struct Case {
        double partialPressure;
        bool red;
    };
    const Case cases[] = {{1.28, false}, {1.4, false}, {1.41, true}, {1.6, true}};
    addEntry(QStringLiteral("Jo"), {});
    addEntry(QStringLiteral("Ann"), {});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.partialPressure);
        for (store::Table* t : {&log(), &data->OthersLog_Table}) {
            t->first();
            t->edit();
            (*t)[QStringLiteral("O2pp")].setAsFloat(c.partialPressure);
            t->post();
        }
        for (QLineEdit* field : {diveField("O2pp"), othersField("O2pp")}) {
            EXPECT_EQ(field->text(), QString::number(c.partialPressure)) << field->objectName().toStdString();
            EXPECT_EQ(field->palette().color(QPalette::Text) == QColor(Qt::red), c.red)
                << field->objectName().toStdString();
        }
    }
}

TEST_F(DiveLogPageTest, EntryTypeChoosesTheWaterConditions)
{
    addEntry(QStringLiteral("Jo"), {});
    log().first();
    auto* conditions = on<gui::ListField>(view->dive, QStringLiteral("DiveLog_WaterConditions"));
    EXPECT_EQ(conditions->items(), (QStringList{"Low Tide", "High Tide", "Waves", "Chop", "Surge", "Calm"}));
    auto* entry = on<gui::ListField>(view->dive, QStringLiteral("DiveLog_EntryType"));
    const std::pair<const char*, QStringList> cases[] = {
        {"Shore Entry", {"Normal", "High Tide", "Low Tide"}},
        {"Boat Entry", {"Calm", "Chop", "Surge", "Waves"}},
    };
    for (const auto& [typed, offered] : cases) {
        focus(entry);
        entry->lineEdit()->selectAll();
        type(entry->lineEdit(), QLatin1String(typed));
        leave();
        EXPECT_EQ(log()[QStringLiteral("EntryType")].asString(), QLatin1String(typed));
        EXPECT_EQ(conditions->items(), offered) << typed;
    }
}

TEST_F(DiveLogPageTest, CommentsFillThePageOnADoubleClickAndGoBackOnLeaving)
{
    addEntry(QStringLiteral("Jo"), {});
    log().first();
    auto* memo = on<gui::MemoField>(view->dive, QStringLiteral("DiveLog_Comments"));
    QWidget* memoHome = memo->parentWidget();
    const int small = memo->height();
    doubleClick(memo);
    EXPECT_EQ(memo->parentWidget(), dive().form());
    EXPECT_EQ(memo->geometry(), dive().form()->rect());
    EXPECT_GT(memo->height(), small);
    doubleClick(memo);
    EXPECT_EQ(memo->parentWidget(), memoHome);
    EXPECT_EQ(memo->height(), small);

    doubleClick(memo);
    focus(memo);
    leave();
    EXPECT_EQ(memo->parentWidget(), memoHome);
    EXPECT_EQ(memo->height(), small);
    EXPECT_EQ(memo->toolTip(), QStringLiteral("Dbl Click to toggle full screen"));
}

TEST_F(DiveLogPageTest, BreathingGasBringsTheGasMixtureToTheFront)
{
    addEntry(QStringLiteral("Jo"), {{"MaximumDepth", 99.0}, {"BottomTime", 30}});
    log().first();
    auto* subPages = on<QTabWidget>(view->dive, QStringLiteral("DiveLogSubPages"));
    QStringList tabs;
    for (int i = 0; i < subPages->count(); ++i)
        tabs << subPages->tabText(i);
    EXPECT_EQ(tabs, (QStringList{"Pictures", "Buddies", "Environment", "Dive Suit / Equipment", "Safety / Outcome",
                                 "Gas Mixture"}));
    subPages->setCurrentIndex(0);
    auto* gas = on<gui::ListField>(view->dive, QStringLiteral("DiveLog_Gas"));
    focus(gas);
    type(gas->lineEdit(), QStringLiteral("EANx32"));
    leave();
    EXPECT_EQ(subPages->tabText(subPages->currentIndex()), QStringLiteral("Gas Mixture"));
    EXPECT_EQ(diveField("T1O2")->text(), QStringLiteral("32"));
    EXPECT_EQ(diveField("O2pp")->text(), QStringLiteral("1.28"));
}

TEST_F(DiveLogPageTest, OthersLogsAreReadOnlyAndTheirUnitButtonsConvertNothing)
{
    addEntry(QStringLiteral("Ann"), {{"Format", 1}, {"MaximumDepth", 30.0}, {"SurfaceInterval", 90},
                                     {"Comments", QStringLiteral("Drift")}});
    show(Page::OthersLogs);
    others().enterPage();
    data->OthersLog_Table.first();
    EXPECT_EQ(othersField("MaximumDepth")->text(), QStringLiteral("30"));
    EXPECT_EQ(on<QPushButton>(view->others, QStringLiteral("OthersDepthUnitButton"))->text(), QStringLiteral("Meters"));
    EXPECT_EQ(on<QLabel>(view->others, QStringLiteral("OthersLog_AirPressureEnd_Caption"))->text(),
              QStringLiteral("End BAR"));
    EXPECT_EQ(on<QLineEdit>(view->others, QStringLiteral("OthersSIHoursBox"))->text(), QStringLiteral("1"));
    EXPECT_EQ(on<QLineEdit>(view->others, QStringLiteral("OthersSIMinutesBox"))->text(), QStringLiteral("30"));

    for (QLineEdit* edit : view->others->form()->findChildren<QLineEdit*>())
        EXPECT_TRUE(edit->isReadOnly()) << edit->objectName().toStdString();
    EXPECT_TRUE(on<gui::MemoField>(view->others, QStringLiteral("OthersLog_Comments"))->isReadOnly());
    EXPECT_TRUE(view->others->findChildren<gui::ListField*>().isEmpty()) << "no lists or links";

    for (const char* name : {"OthersDepthUnitButton", "OthersVisibilityUnitButton", "OthersAltitudeUnitButton",
                             "OthersTemperatureUnitButton", "OthersWeightUnitButton"})
        on<QPushButton>(view->others, QLatin1String(name))->click();
    data->OthersLog_Table.refresh();
    EXPECT_EQ(data->OthersLog_Table[QStringLiteral("Format")].asInteger(), 1);
    EXPECT_EQ(data->OthersLog_Table[QStringLiteral("MaximumDepth")].asFloat(), 30.0);
    EXPECT_FALSE(data->OthersLog_Table.isEditing());

    // The rules offer "Copy Record" for another diver's entry; the window does the copying.
    auto* copy = on<QPushButton>(view->others, QStringLiteral("Button20"));
    EXPECT_TRUE(copy->isVisible());
    int requests = 0;
    QObject::connect(&others(), &gui::OthersLogPage::copyRecordRequested, [&] { ++requests; });
    copy->click();
    EXPECT_EQ(requests, 1);
}

/// Every field, unit button and box of a page, each with where it sits on the page.
QVector<QPair<QWidget*, QRect>> placedControls(gui::RecordPage* page, const QString& fieldPrefix)
{
    QVector<QPair<QWidget*, QRect>> placed;
    for (QWidget* w : page->form()->findChildren<QWidget*>()) {
        const QString name = w->objectName();
        const bool field = name.startsWith(fieldPrefix) && !name.endsWith(QLatin1String("_Caption")) &&
                           !name.endsWith(QLatin1String("_Cell"));
        const bool control = name.endsWith(QLatin1String("UnitButton")) || name.endsWith(QLatin1String("Box"));
        if (w->isVisibleTo(page) && (field || control))
            placed.append({w, QRect(w->mapTo(page, QPoint(0, 0)), w->size())});
    }
    return placed;
}

// The page is as wide as the main window's page area and the window is made tall enough for
// it: at that size, on every sub-page, everything shows inside the form without scrolling,
// nothing overlaps and no field is squeezed below the height it needs. With ZAF_SCREENSHOTS
// set to a directory, each sub-page is saved there as a picture to look at.
TEST_F(DiveLogPageTest, EverySubPageFitsThePageAreaWithoutOverlaps)
{
    addEntry(QStringLiteral("Jo"), {{"DiveSite", QStringLiteral("Blue Hole")}, {"Comments", QStringLiteral("Calm")}});
    addEntry(QStringLiteral("Ann"), {{"DiveSite", QStringLiteral("Blue Hole")}});
    log().first();
    data->OthersLog_Table.first();
    const QString shots = qEnvironmentVariable("ZAF_SCREENSHOTS");
    sink->hide();
    for (Page shown : {Page::DiveLog, Page::OthersLogs}) {
        show(shown);
        gui::RecordPage* page = view->pageFor(shown);
        auto* scroll = page->findChild<QScrollArea*>();
        ASSERT_NE(scroll, nullptr);
        const QSize wanted = page->form()->sizeHint();
        EXPECT_LE(wanted.width(), 590) << "the page area of the main window";
        host->resize(590, wanted.height() + page->height() - scroll->viewport()->height());
        QCoreApplication::processEvents();
        const QRect visible(scroll->viewport()->mapTo(page, QPoint(0, 0)), scroll->viewport()->size());
        auto* subPages = page->findChild<QTabWidget*>();
        ASSERT_NE(subPages, nullptr);
        for (int tab = 0; tab < subPages->count(); ++tab) {
            subPages->setCurrentIndex(tab);
            QCoreApplication::processEvents();
            const QString where = page->objectName() + QLatin1Char('/') + subPages->tabText(tab);
            SCOPED_TRACE(where.toStdString());
            const auto placed =
                placedControls(page, shown == Page::DiveLog ? QStringLiteral("DiveLog_") : QStringLiteral("OthersLog_"));
            EXPECT_GT(placed.size(), 20);
            for (int i = 0; i < placed.size(); ++i) {
                const auto& [w, rect] = placed[i];
                EXPECT_TRUE(visible.contains(rect)) << w->objectName().toStdString();
                // A memo is kept low on purpose (a double click enlarges it).
                const int needed = std::min(w->maximumHeight(), w->minimumHeight() > 0 ? w->minimumHeight()
                                                                                      : w->minimumSizeHint().height());
                EXPECT_GE(w->height(), needed) << w->objectName().toStdString();
                for (int j = i + 1; j < placed.size(); ++j)
                    EXPECT_FALSE(rect.intersects(placed[j].second))
                        << w->objectName().toStdString() << " and " << placed[j].first->objectName().toStdString();
            }
            if (!shots.isEmpty())
                page->grab().save(shots + QStringLiteral("/%1_%2.png").arg(page->objectName()).arg(tab));
        }
    }
}

} // namespace
} // namespace zaf::test
