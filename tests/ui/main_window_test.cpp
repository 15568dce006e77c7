#include "ui_fixture.h"

#include "store/schema.h"
#include "ui/shutdown_watchdog.h"

#include <QAction>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QElapsedTimer>
#include <QMenu>
#include <QTabWidget>
#include <QTimer>

namespace zaf::test {
namespace {

using MainWindowTest = UiFixture;

TEST_F(MainWindowTest, FrameHasTheTitleThirteenPagesAndOnlyThisWindowsCommandsEnabled)
{
    start();
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Zafaro - Beta 0.67 - by Quorvane"));
    auto* pages = widget<QTabWidget>(main.get(), "PageControl1");
    ASSERT_NE(pages, nullptr);
    QStringList captions;
    for (int i = 0; i < pages->count(); ++i)
        captions << pages->tabText(i);
    EXPECT_EQ(captions, (QStringList{"Dive Log", "Divers", "Dive Site", "Dive Resources", "Trip Report", "Equipment",
                                     "Dive Computer", "Others' Logs", "Pictures", "Search", "Statistics",
                                     "Message Board", "ZAF Main"}));
    EXPECT_EQ(main->currentPage(), Page::ZafMain);

    for (const char* name : {"ConfigureItem", "LoginAsNewDiverItem", "SaveChangesItem", "ExitItem", "AboutItem"})
        EXPECT_TRUE(widget<QAction>(main.get(), name)->isEnabled()) << name;
    for (const char* name : {"ExportItem", "BackupDataItem", "FindItem", "QuickSynchronizationItem"})
        EXPECT_FALSE(widget<QAction>(main.get(), name)->isEnabled()) << name;
    EXPECT_EQ(widget<QAction>(main.get(), "QuickSynchronizationItem")->text(),
              QStringLiteral("&Quick Synchronization with Server "));
    EXPECT_FALSE(widget<QMenu>(main.get(), "DebugMenu")->menuAction()->isVisible());
    EXPECT_FALSE(widget<QWidget>(main.get(), "CancelButton")->isVisibleTo(main.get()));
}

TEST_F(MainWindowTest, DebugMenuShowsOnlyWithTheAdministratorSwitch)
{
    appState().debugMode = true;
    appState().adminDebug = true;
    start();
    EXPECT_TRUE(widget<QMenu>(main.get(), "DebugMenu")->menuAction()->isVisible());
}

TEST_F(MainWindowTest, CloseRunsTheShutdownSteps)
{
    start();
    config().userName = QStringLiteral("Ann Diver");
    config().userEmail = QStringLiteral("ann@example.org");
    store::Table& divers = data->Divers_Table;
    divers.append();
    divers[QStringLiteral("DiverName")].setAsString(QStringLiteral("Ann Diver"));
    divers[QStringLiteral("OwnerName")].setAsString(QStringLiteral("Ann Diver"));
    divers[QStringLiteral("OwnerEmail")].setAsString(QStringLiteral("ann@example.org"));
    ASSERT_TRUE(divers.isEditing());

    main->close();
    EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join(QLatin1Char('|')).toStdString();

    // The pending edit reached the file before the table was closed.
    for (store::Table* t : data->savedTables())
        EXPECT_FALSE(t->isOpen()) << t->objectName().toStdString();
    store::Table check;
    check.setDefinition(store::schema::divers());
    check.setPath(home.filePath(QStringLiteral("data/Divers")));
    check.open();
    EXPECT_TRUE(check.locate({QStringLiteral("DiverName")}, {QStringLiteral("Ann Diver")}));

    EXPECT_EQ(QFileInfo(home.filePath(QStringLiteral("Ann Diver.zaf"))).size(), 832);
    EXPECT_EQ(QFileInfo(home.filePath(QStringLiteral("config.zaf"))).size(), 832);
    IniFile ini(quorvaneIniPath());
    ASSERT_TRUE(ini.load());
    EXPECT_EQ(ini.value(QStringLiteral("Application.Zafaro"), QStringLiteral("Version")), QStringLiteral("Beta 0.67"));
    EXPECT_EQ(ini.value(QStringLiteral("Application.Zafaro"), QStringLiteral("Program Path")), programDirectory());

    EXPECT_EQ(ui.statuses.count(QStringLiteral("ZAF is Shutting Down...")), 3);
    EXPECT_TRUE(cancelRequested());
    EXPECT_TRUE(main->watchdogRunning());
    EXPECT_FALSE(widget<QTimer>(main.get(), "Timer6")->isActive());
    EXPECT_GE(terminations, 1);
}

TEST_F(MainWindowTest, RecordThatCannotBePostedDoesNotStopTheShutdown)
{
    start();
    config().userName = QStringLiteral("Ann Diver");
    // Something typed, but the required fields stay empty.
    data->Divers_Table.append();
    data->Divers_Table[QStringLiteral("City")].setAsString(QStringLiteral("Cairns"));
    data->DiveSite_Table.append();
    data->DiveSite_Table[QStringLiteral("Location")].setAsString(QStringLiteral("Reef Bay"));
    main->close();

    ASSERT_EQ(ui.messages.size(), 2) << "each failed post is reported";
    for (const QString& message : ui.messages)
        EXPECT_TRUE(message.endsWith(QStringLiteral("\rPlease report this error and what caused the error to ZAF Support.")));
    EXPECT_TRUE(homeFileExists(QStringLiteral("Ann Diver.zaf")));
    EXPECT_FALSE(data->Divers_Table.isOpen());
    EXPECT_FALSE(data->DiveSite_Table.isOpen());
}

TEST_F(MainWindowTest, CloseWithoutAnOpenStoreSavesNothing)
{
    start();
    config().userName = QStringLiteral("Ann Diver");
    data->ZAF_Database.close();
    main->close();
    EXPECT_FALSE(homeFileExists(QStringLiteral("config.zaf")));
    EXPECT_FALSE(QFileInfo::exists(quorvaneIniPath()));
    EXPECT_EQ(terminations, 1);
}

TEST_F(MainWindowTest, WatchdogAsksTwiceThenDestroys)
{
    start();
    struct Tick {
        const char* status;
        int terminations;
        int destructions;
    };
    const Tick ticks[] = {
        {"Attempting to terminate...", 1, 0},
        {"Terminating ZAF...", 2, 0},
        {"Destroying ZAF...", 2, 1},
        {"Destroying ZAF...", 2, 2},
    };
    appState().shutdownTicks = 0;
    for (const Tick& t : ticks) {
        main->Timer7Timer();
        EXPECT_EQ(ui.statuses.last(), QLatin1String(t.status));
        EXPECT_EQ(terminations, t.terminations) << t.status;
        EXPECT_EQ(destructions, t.destructions) << t.status;
    }
}

TEST_F(MainWindowTest, CancelEndsAPauseEarly)
{
    start();
    QTimer::singleShot(50, main.get(), [this] { main->CancelButtonClick(); });
    QElapsedTimer clock;
    clock.start();
    main->wait(10000);
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_TRUE(ui.statuses.contains(QStringLiteral("Cancelling Transfer.")));
    EXPECT_FALSE(ui.busy);
}

TEST_F(MainWindowTest, PauseThatRunsOutSaysPressF1)
{
    start();
    main->wait(20);
    EXPECT_EQ(ui.statuses.last(), QStringLiteral("Press F1 for help"));
    EXPECT_FALSE(ui.busy);
}

TEST_F(MainWindowTest, WithoutNetworkFunctionsSearchAndMessageBoardStayClosed)
{
    start();
    main->setNetworkFunctionsVisible(false);
    EXPECT_FALSE(widget<QMenu>(main.get(), "ServerMenu")->menuAction()->isVisible());
    auto* picker = widget<QComboBox>(main.get(), "PagePicker");
    picker->setCurrentIndex(int(Page::Search));
    Q_EMIT picker->activated(int(Page::Search));
    EXPECT_EQ(main->currentPage(), Page::ZafMain);
    EXPECT_EQ(picker->currentIndex(), int(Page::ZafMain));
    widget<QAction>(main.get(), "MessageBoardButton")->trigger();
    EXPECT_EQ(ui.messages, QStringList{QStringLiteral("You must connect to the internet for this feature to function.")});
    EXPECT_EQ(main->currentPage(), Page::ZafMain);
    widget<QAction>(main.get(), "DiversButton")->trigger();
    EXPECT_EQ(main->currentPage(), Page::Divers);
    EXPECT_EQ(picker->currentText(), QStringLiteral("Divers"));
}

TEST_F(MainWindowTest, FirstDisplayShowsLogosWithBothFilesAndFillsTheComputerSelector)
{
    auto writeText = [this](const char* name, const QByteArray& text) {
        QFile file(home.filePath(QLatin1String(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    };
    writeText("logo1.zaf", "Our dive shop\nhttps://shop.example.org\n"); // lines 3 to 6 missing
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    ASSERT_TRUE(picture.save(home.filePath(QStringLiteral("logo1.jpg")), "JPG"));
    writeText("logo2.zaf", "No picture beside me\n");
    start();
    appState().otherInstance = false;
    config().diveComputerModel = 2;
    main->show();

    auto* logo1 = widget<QLabel>(main.get(), "Logo1");
    EXPECT_TRUE(logo1->isVisibleTo(main.get()));
    EXPECT_EQ(logo1->toolTip(), QStringLiteral("Our dive shop"));
    EXPECT_FALSE(widget<QLabel>(main.get(), "Logo2")->isVisibleTo(main.get()));

    auto* computers = widget<QComboBox>(main.get(), "ComboBox14");
    EXPECT_EQ(computers->currentText(), QStringLiteral("Suunto Cobra"));
    EXPECT_EQ(computers->itemText(computers->count() - 1), QStringLiteral(" None"));
    EXPECT_EQ(computers->findText(QStringLiteral("Reserved")), -1);
    EXPECT_EQ(ui.statuses.last(), QStringLiteral("Press F1 for help"));
}

} // namespace
} // namespace zaf::test
