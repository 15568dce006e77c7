// The main window with its record pages on a real store: the page change rule, the table
// views, records of other owners, Copy Record, the layouts and the Edit menu.
#include "ui_fixture.h"

#include "store/login_steps.h"
#include "store/ownership.h"
#include "ui/background_pictures.h"
#include "ui/record_navigator.h"
#include "ui/record_page.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTabWidget>
#include <QToolBar>

namespace zaf::test {
namespace {

const QString kJo = QStringLiteral("Jo Diver");
const QString kJoMail = QStringLiteral("jo@example.org");

class MainWindowPagesTest : public UiFixture {
protected:
    /// The window and store with Jo logged in and Jo's diver record stored.
    void startLoggedIn()
    {
        start();
        config().userName = kJo;
        config().userEmail = kJoMail;
        appendOwned(data->Divers_Table, {{"DiverName", kJo}, {"NumberofDives", 7}}, kJo, kJoMail);
        // As the login window leaves it: the dive log shows Jo's entries, the others' log the rest.
        store::closeLogin(*data);
        main->show();
        login->hide();
        main->setEnabled(true);
    }

    using Values = std::initializer_list<std::pair<const char*, QVariant>>;

    /// Appends and posts a record with these values and this owner stamp.
    static void appendOwned(store::Table& table, Values values, const QString& owner, const QString& email)
    {
        table.append();
        for (const auto& [name, value] : values)
            table[QLatin1String(name)].setValue(value);
        table[QStringLiteral("OwnerName")].setAsString(owner);
        table[QStringLiteral("OwnerEmail")].setAsString(email);
        table.post();
    }

    gui::RecordPage* page(Page which) { return main->recordPage(which); }

    QAction* toolButton(const char* name) { return widget<QAction>(main.get(), name); }
};

TEST_F(MainWindowPagesTest, EveryRecordPageSitsOnItsSheetWithItsNavigator)
{
    startLoggedIn();
    const std::pair<Page, const char*> pages[] = {
        {Page::DiveLog, "DiveLogNavigator"},     {Page::Divers, "DiversNavigator"},
        {Page::DiveSites, "DiveSiteNavigator"},  {Page::DiveResources, "DiveResourcesNavigator"},
        {Page::TripReport, "TravelNavigator"},   {Page::Equipment, "EquipmentNavigator"},
        {Page::DiveComputer, "DiveComputerNavigator"}, {Page::OthersLogs, "OthersLogNavigator"},
        {Page::Pictures, "PicturesNavigator"},
    };
    auto* sheets = widget<QTabWidget>(main.get(), "PageControl1");
    for (const auto& [which, navigator] : pages) {
        gui::RecordPage* record = page(which);
        ASSERT_NE(record, nullptr) << navigator;
        EXPECT_TRUE(sheets->widget(int(which))->isAncestorOf(record)) << navigator;
        ASSERT_NE(record->navigator(), nullptr) << navigator;
        EXPECT_EQ(record->navigator()->objectName(), QLatin1String(navigator));
    }
    EXPECT_EQ(page(Page::Search), nullptr);
    EXPECT_EQ(page(Page::ZafMain), nullptr);
}

struct RefusedPost {
    const char* name;
    Page page;
    const char* message;
};

class RefusedPostTest : public MainWindowPagesTest, public ::testing::WithParamInterface<RefusedPost> {};

// An incomplete piece of equipment or an untitled picture cannot be stored: leaving its page
// sends the diver back to it with the reason, and the record stays in edit.
TEST_P(RefusedPostTest, LeavingThePageShowsTheReasonAndStays)
{
    startLoggedIn();
    const RefusedPost& c = GetParam();
    main->showPage(c.page);
    store::Table& table = c.page == Page::Equipment ? data->Equipment_Table : data->Pictures_Table;
    if (!table.isEditing())
        table.append();
    if (c.page == Page::Equipment) {
        table[QStringLiteral("Type")].setAsString(QStringLiteral("Fins"));
        table[QStringLiteral("Model")].setAsString(QStringLiteral("Jet"));
    } else {
        table[QStringLiteral("FileName")].setAsString(QStringLiteral("Jo Diver\\1.jpg"));
    }
    ui.messages.clear();

    main->showPage(Page::Divers);

    EXPECT_EQ(ui.messages, QStringList{QLatin1String(c.message)});
    EXPECT_EQ(main->currentPage(), c.page);
    EXPECT_TRUE(table.isEditing()) << "the diver's typing is kept";
}

INSTANTIATE_TEST_SUITE_P(Pages, RefusedPostTest,
                         ::testing::Values(RefusedPost{"Equipment", Page::Equipment, "Type, Make and Model must have values."},
                                           RefusedPost{"Pictures", Page::Pictures, "Title must have a value."}),
                         [](const ::testing::TestParamInfo<RefusedPost>& c) { return std::string(c.param.name); });

TEST_F(MainWindowPagesTest, CompleteEquipmentIsStoredWhenThePageChanges)
{
    startLoggedIn();
    main->showPage(Page::Equipment);
    store::Table& equipment = data->Equipment_Table;
    ASSERT_TRUE(equipment.isEditing()) << "an empty table starts a record when its page shows";
    equipment[QStringLiteral("Type")].setAsString(QStringLiteral("Fins"));
    equipment[QStringLiteral("Make")].setAsString(QStringLiteral("Mares"));
    equipment[QStringLiteral("Model")].setAsString(QStringLiteral("Jet"));
    main->showPage(Page::DiveLog);
    EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join('|').toStdString();
    EXPECT_FALSE(equipment.isEditing());
    EXPECT_EQ(equipment.recordCount(), 1);
    ASSERT_FALSE(ui.statuses.isEmpty());
    EXPECT_EQ(ui.statuses.last(), QStringLiteral("Press F1 for help"));
}

TEST_F(MainWindowPagesTest, AnUntouchedNewRecordIsDroppedWhenThePageChanges)
{
    startLoggedIn();
    main->showPage(Page::Equipment);
    ASSERT_EQ(data->Equipment_Table.state(), store::Table::State::Insert);
    main->showPage(Page::DiveLog);
    EXPECT_TRUE(ui.messages.isEmpty()) << "nothing was typed, so nothing is missing";
    EXPECT_EQ(main->currentPage(), Page::DiveLog);
    EXPECT_FALSE(data->Equipment_Table.isEditing());
    EXPECT_TRUE(data->Equipment_Table.isEmpty());
}

// The program ends by taking the pages down before the store: nothing that a page holds may
// be touched once the tables are gone (the sanitizer build watches the memory here).
TEST_F(MainWindowPagesTest, PagesGoBeforeTheStoreDoes)
{
    startLoggedIn();
    main->showPage(Page::DiveSites);
    auto* name = widget<QLineEdit>(page(Page::DiveSites), "DiveSite_Edit");
    ASSERT_NE(name, nullptr);
    type(name, QStringLiteral("Shark Point"));
    main->setDataForm(nullptr);
    EXPECT_EQ(page(Page::DiveSites), nullptr);
    EXPECT_NE(widget<QComboBox>(main.get(), "ComboBox14"), nullptr) << "the window keeps its own controls";
    data.reset();
    main.reset();
}

TEST_F(MainWindowPagesTest, EnteringAnEmptyDiveLogStartsAnEntry)
{
    startLoggedIn();
    main->showPage(Page::DiveLog);
    EXPECT_EQ(data->DiveLog_Table.state(), store::Table::State::Insert);
    EXPECT_EQ(widget<QComboBox>(main.get(), "PagePicker")->currentText(), QStringLiteral("Dive Log"));
}

TEST_F(MainWindowPagesTest, PickerIgnoresSearchWhileNetworkFunctionsAreOff)
{
    startLoggedIn();
    main->setNetworkFunctionsVisible(false);
    main->showPage(Page::Divers);
    ui.statuses.clear();
    auto* picker = widget<QComboBox>(main.get(), "PagePicker");
    picker->setCurrentIndex(int(Page::Search));
    Q_EMIT picker->activated(int(Page::Search));
    EXPECT_EQ(main->currentPage(), Page::Divers);
    EXPECT_EQ(picker->currentText(), QStringLiteral("Divers"));
    EXPECT_TRUE(ui.statuses.contains(QStringLiteral("Press F1 for help"))) << "the rule still ran";
}

TEST_F(MainWindowPagesTest, PressingAShownPagesButtonTogglesItsTableView)
{
    startLoggedIn();
    QAction* divers = toolButton("DiversButton");
    divers->trigger();
    ASSERT_EQ(main->currentPage(), Page::Divers);
    EXPECT_FALSE(page(Page::Divers)->tableViewShown());
    divers->trigger();
    EXPECT_TRUE(page(Page::Divers)->tableViewShown());
    divers->trigger();
    EXPECT_FALSE(page(Page::Divers)->tableViewShown());
}

TEST_F(MainWindowPagesTest, MessageBoardButtonWithoutNetworkTellsWhy)
{
    startLoggedIn();
    main->setNetworkFunctionsVisible(false);
    toolButton("MessageBoardButton")->trigger();
    EXPECT_EQ(ui.messages, QStringList{QStringLiteral("You must connect to the internet for this feature to function.")});
    EXPECT_NE(main->currentPage(), Page::MessageBoard);
}

TEST_F(MainWindowPagesTest, AnotherOwnersSiteIsShadedReadOnlyUntilTakenOver)
{
    startLoggedIn();
    appendOwned(data->DiveSite_Table, {{"DiveSite", QStringLiteral("Blue Hole")}}, QStringLiteral("Max"),
                QStringLiteral("max@example.org"));
    main->showPage(Page::DiveSites);
    data->DiveSite_Table.first();
    gui::RecordPage* site = page(Page::DiveSites);
    auto* name = widget<QLineEdit>(site, "DiveSite_Edit");
    auto* take = widget<QPushButton>(site, "DiveSiteNavigator_TakeOwnership");
    ASSERT_TRUE(name && take);
    EXPECT_TRUE(site->shaded());
    EXPECT_TRUE(name->isReadOnly());
    EXPECT_TRUE(take->isVisibleTo(site));

    take->click();

    EXPECT_EQ(data->DiveSite_Table[QStringLiteral("OwnerName")].asString(), kJo);
    EXPECT_FALSE(site->shaded());
    EXPECT_FALSE(name->isReadOnly());
    EXPECT_FALSE(take->isVisibleTo(site));
}

TEST_F(MainWindowPagesTest, TakeOwnershipRefusesAnotherLocalDiversRecord)
{
    writeDivers({{kJo, QString(), kJoMail}, {QStringLiteral("Max"), QString(), QStringLiteral("max@example.org")}});
    diverTable().read();
    startLoggedIn();
    appendOwned(data->DiveSite_Table, {{"DiveSite", QStringLiteral("Blue Hole")}}, QStringLiteral("Max"),
                QStringLiteral("max@example.org"));
    main->showPage(Page::DiveSites);
    data->DiveSite_Table.first();
    click(page(Page::DiveSites), "DiveSiteNavigator_TakeOwnership");
    EXPECT_EQ(ui.messages, QStringList{store::kOwnedByLocalDiverMessage});
    EXPECT_EQ(data->DiveSite_Table[QStringLiteral("OwnerName")].asString(), QStringLiteral("Max"));
}

class CopyRecordTest : public MainWindowPagesTest {
protected:
    /// Jo's latest own dive, and Max's dive shown on the Others' Logs page naming Jo in
    /// `buddyField` (nowhere when null).
    void showOthersDive(const char* buddyField)
    {
        startLoggedIn();
        appendOwned(data->DiveLog_Table,
                    {{"DiverName", kJo}, {"DiveNumber", 7}, {"Weight", 6}, {"Wetsuit", true},
                     {"Computer", QStringLiteral("Wrist")}},
                    kJo, kJoMail);
        appendOwned(data->OthersLog_Table,
                    {{"DiverName", QStringLiteral("Max")}, {"DiveNumber", 31}, {"DiveSite", QStringLiteral("Blue Hole")},
                     {"MaximumDepth", 24.5}, {"AirPressureStart", 200}, {"Weight", 12}},
                    QStringLiteral("Max"), QStringLiteral("max@example.org"));
        if (buddyField) {
            data->OthersLog_Table.edit();
            data->OthersLog_Table[QLatin1String(buddyField)].setAsString(kJo);
            data->OthersLog_Table.post();
        }
        main->showPage(Page::OthersLogs);
        ui.messages.clear();
    }

    int ownDives()
    {
        store::Table& log = data->DiveLog_Table;
        return log.recordCount();
    }
};

TEST_F(CopyRecordTest, ABuddyCopiesTheDiveIntoTheirOwnLog)
{
    showOthersDive("DiveBuddy1");
    click(page(Page::OthersLogs), "Button20");
    EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join('|').toStdString();
    EXPECT_EQ(main->currentPage(), Page::DiveLog);
    EXPECT_EQ(ownDives(), 2);
    store::Table& log = data->DiveLog_Table;
    ASSERT_TRUE(log.locate({QStringLiteral("DiveSite")}, {QStringLiteral("Blue Hole")}));
    EXPECT_EQ(log[QStringLiteral("DiveNumber")].asInteger(), 2) << "after the one dive the diver's totals count";
    EXPECT_EQ(log[QStringLiteral("DiveBuddy1")].asString(), QStringLiteral("Max"));
    EXPECT_EQ(log[QStringLiteral("DiveSite")].asString(), QStringLiteral("Blue Hole"));
    EXPECT_EQ(log[QStringLiteral("Weight")].asString(), QStringLiteral("6")) << "the diver's own weight";
}

TEST_F(CopyRecordTest, ADiveThatDoesNotNameTheDiverIsRefused)
{
    showOthersDive(nullptr);
    click(page(Page::OthersLogs), "Button20");
    EXPECT_EQ(ui.messages, QStringList{QStringLiteral("You can not copy a dive if you are not in the Buddy list.")});
    EXPECT_EQ(ownDives(), 1);
    EXPECT_EQ(main->currentPage(), Page::OthersLogs);
}

struct LayoutCase {
    int layout;
    bool topBar, toolBar;
    QTabWidget::TabPosition tabs;
    bool buttons;
};

class LayoutTest : public MainWindowPagesTest, public ::testing::WithParamInterface<LayoutCase> {};

TEST_P(LayoutTest, ArrangesTheFrameAndShowsTheDiveLog)
{
    startLoggedIn();
    main->showPage(Page::Divers);
    const LayoutCase& c = GetParam();
    main->applyScreenLayout(c.layout);
    EXPECT_EQ(widget<QWidget>(main.get(), "TopBar")->isVisibleTo(main.get()), c.topBar);
    EXPECT_EQ(widget<QToolBar>(main.get(), "ToolBar1")->isVisibleTo(main.get()), c.toolBar);
    auto* pages = widget<QTabWidget>(main.get(), "PageControl1");
    EXPECT_EQ(pages->tabPosition(), c.tabs);
    EXPECT_EQ(!pages->styleSheet().isEmpty(), c.buttons);
    EXPECT_EQ(main->currentPage(), Page::DiveLog);
}

INSTANTIATE_TEST_SUITE_P(Layouts, LayoutTest,
                         ::testing::Values(LayoutCase{0, true, true, QTabWidget::East, false},
                                           LayoutCase{2, true, true, QTabWidget::North, true},
                                           LayoutCase{5, true, false, QTabWidget::East, false},
                                           LayoutCase{8, false, true, QTabWidget::North, true},
                                           LayoutCase{10, false, false, QTabWidget::North, false}),
                         [](const ::testing::TestParamInfo<LayoutCase>& c) { return "Layout" + std::to_string(c.param.layout); });

TEST(BackgroundFileTest, BitmapBeforeJpegBeforeNothing)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const char* name : {"4.bmp", "4.jpg", "5.jpg"}) {
        QFile file(dir.filePath(QLatin1String(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    EXPECT_EQ(gui::backgroundFile(dir.path(), 4), dir.filePath(QStringLiteral("4.bmp")));
    EXPECT_EQ(gui::backgroundFile(dir.path(), 5), dir.filePath(QStringLiteral("5.jpg")));
    EXPECT_EQ(gui::backgroundFile(dir.path(), 6), QString());
}

TEST_F(MainWindowPagesTest, EditMenuPastesIntoTheFocusedField)
{
    startLoggedIn();
    main->showPage(Page::DiveSites);
    auto* name = widget<QLineEdit>(page(Page::DiveSites), "DiveSite_Edit");
    ASSERT_NE(name, nullptr);
    name->setFocus();
    QApplication::setActiveWindow(main.get());
    if (QApplication::focusWidget() != name)
        GTEST_SKIP() << "the platform gives no keyboard focus";
    QApplication::clipboard()->setText(QStringLiteral("Shark Point"));
    widget<QAction>(main.get(), "PasteItem")->trigger();
    EXPECT_EQ(name->text(), QStringLiteral("Shark Point"));
}

} // namespace
} // namespace zaf::test
