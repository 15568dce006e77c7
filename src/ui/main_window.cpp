#include "ui/main_window.h"

#include "core/app_state.h"
#include "core/cancel_flag.h"
#include "core/config_file.h"
#include "core/config_record.h"
#include "core/ini_settings.h"
#include "core/program_dir.h"
#include "core/trace.h"
#include "core/ui.h"
#include "divecomputer/models.h"
#include "store/data_form.h"
#include "store/errors.h"
#include "ui/application.h"
#include "ui/clickable_label.h"
#include "ui/error_handler.h"
#include "ui/help_keys.h"
#include "ui/help_topics.h"
#include "ui/menu_editor.h"
#include "ui/shutdown_watchdog.h"
#include "ui/sponsor_logo.h"
#include "ui/program_icon.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>
#include <cstdlib>

namespace zaf::gui {
namespace {

struct PageInfo {
    const char* picker;     ///< entry of the page picker
    const char* tab;        ///< caption of the page's tab
    const char* objectName; ///< of the page widget
};

// In the order of the page picker, which is also the order of the tabs.
const PageInfo kPages[] = {
    {"Dive Log", "Dive Log", "DiveLogSheet"},
    {"Divers", "Divers", "DiversSheet"},
    {"Dive Sites", "Dive Site", "DiveSiteSheet"},
    {"Dive Resources", "Dive Resources", "DiveResourcesSheet"},
    {"Trip Report", "Trip Report", "TripReportSheet"},
    {"Equipment", "Equipment", "EquipmentSheet"},
    {"Dive Computer", "Dive Computer", "DiveComputerSheet"},
    {"Others' Logs", "Others' Logs", "OthersLogsSheet"},
    {"Pictures", "Pictures", "PicturesSheet"},
    {"Search", "Search", "SearchSheet"},
    {"Statistics", "Statistics", "StatisticsSheet"},
    {"Message Board", "Message Board", "MessageBoardSheet"},
    {"ZAF Main", "ZAF Main", "ZafMainSheet"},
};
constexpr int kPageCount = int(sizeof kPages / sizeof kPages[0]);

const QString kPressF1 = QStringLiteral("Press F1 for help");
const QString kShuttingDown = QStringLiteral("ZAF is Shutting Down...");


} // namespace

QString TMain::title()
{
    return QStringLiteral("Zafaro - Beta 0.67 - by Quorvane");
}

TMain::TMain(QWidget* parent)
    : QMainWindow(parent)
    , m_qtUi(this)
{
    setObjectName(QStringLiteral("TMain"));
    setHelpContext(this, help_topic::MainWindow);
    terminateHook = [] {
        // Queued, so a request made before the message loop runs still ends it.
        QMetaObject::invokeMethod(qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
    };
    destroyHook = [] { std::_Exit(0); };
    screenLayoutHook = [this](int layout) { applyScreenLayout(layout); };
    fontColourHook = [this](const QColor& colour) { setCaptionColour(colour); };
    buildMenus();
    buildToolBar();
    buildPages();
    buildStatusLine();
    buildTimers();
    m_qtUi.setStatusSink([this](const QString& text) { m_status->setText(text); });
    setViewState(this);
    FormCreate();
}

TMain::~TMain()
{
    if (&viewState() == static_cast<ViewState*>(this))
        setViewState(nullptr);
}

void TMain::setDataForm(store::TData_Form* form)
{
    if (m_data && form != m_data)
        releaseRecordPages();
    m_data = form;
    if (!form)
        return;
    buildRecordPages();
    // A store that restarts the program hands over to the new copy: this copy's lock must
    // be gone before that copy looks for it.
    auto restart = form->restartHook;
    form->restartHook = [this, restart] {
        m_instance.release();
        if (restart)
            restart();
    };
}

void TMain::buildPages()
{
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(4, 4, 4, 0);
    column->setSpacing(4);

    m_topBar = new QWidget(central);
    m_topBar->setObjectName(QStringLiteral("TopBar"));
    auto* row = new QHBoxLayout(m_topBar);
    row->setContentsMargins(0, 0, 0, 0);
    auto* picture = new QLabel(m_topBar);
    picture->setObjectName(QStringLiteral("TopBarPicture"));
    picture->setPixmap(programIcon(28));
    row->addWidget(picture);
    m_pagePicker = new QComboBox(m_topBar);
    m_pagePicker->setObjectName(QStringLiteral("PagePicker"));
    for (const PageInfo& page : kPages)
        m_pagePicker->addItem(QLatin1String(page.picker));
    m_pagePicker->setCurrentIndex(int(Page::DiveLog));
    auto* goTo = new QPushButton(QStringLiteral("&Go To"), m_topBar);
    goTo->setObjectName(QStringLiteral("GoToButton"));
    goTo->setEnabled(false);
    m_pageIcon = new QLabel(m_topBar);
    m_pageIcon->setObjectName(QStringLiteral("PageIcon"));
    row->addWidget(m_pagePicker);
    row->addWidget(goTo);
    row->addWidget(m_pageIcon);
    row->addStretch(1);
    for (int n = 0; n < 2; ++n) {
        auto* logo = new ClickableLabel(m_topBar);
        logo->setObjectName(QStringLiteral("Logo%1").arg(n + 1));
        logo->setVisible(false);
        logo->setMaximumHeight(40);
        logo->clicked = [this, n] {
            if (!m_logoTargets[n].isEmpty())
                QDesktopServices::openUrl(QUrl::fromUserInput(m_logoTargets[n]));
        };
        m_logos[n] = logo;
        row->addWidget(logo);
    }
    column->addWidget(m_topBar);

    auto* body = new QHBoxLayout;
    body->setSpacing(4);
    m_leftPanel = new QLabel(central);
    m_leftPanel->setObjectName(QStringLiteral("LeftPanel"));
    m_leftPanel->setFixedWidth(72);
    m_leftPanel->setScaledContents(true);
    m_leftPanel->setVisible(false);
    body->addWidget(m_leftPanel);
    m_pages = new QTabWidget(central);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    m_pages->setUsesScrollButtons(true);
    for (const PageInfo& info : kPages) {
        auto* page = new QWidget(m_pages);
        page->setObjectName(QLatin1String(info.objectName));
        auto* host = new QVBoxLayout(page);
        host->setContentsMargins(0, 0, 0, 0);
        setHelpContext(page, help_topic::FirstPage + m_pages->count());
        m_pages->addTab(page, QLatin1String(info.tab));
    }
    body->addWidget(m_pages, 1);
    column->addLayout(body, 1);
    setCentralWidget(central);
    buildStartPage();

    // The dive computer selector and the screen saver button; they move onto their pages
    // when the record pages are made.
    m_diveComputer = new QComboBox(this);
    m_diveComputer->setObjectName(QStringLiteral("ComboBox14"));
    m_diveComputer->setVisible(false);
    m_screenSaverButton = new QPushButton(QStringLiteral("Add to Screen Saver"), this);
    m_screenSaverButton->setObjectName(QStringLiteral("AddToScreenSaverButton"));
    m_screenSaverButton->setEnabled(false);
    m_screenSaverButton->setVisible(false);

    connect(m_pagePicker, &QComboBox::activated, this, [this](int index) {
        const Page page = Page(index);
        if ((page == Page::Search || page == Page::MessageBoard) && !networkFunctionsVisible()) {
            // The entry is ignored; the page that shows is prepared again all the same.
            m_pagePicker->setCurrentIndex(m_pages->currentIndex());
            PageControl1Change();
            return;
        }
        showPage(page);
    });
    connect(m_pages, &QTabWidget::currentChanged, this, [this](int index) {
        if (index < 0)
            return;
        m_pagePicker->setCurrentIndex(index);
        PageControl1Change();
    });
}

void TMain::buildStatusLine()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);
    m_status = new QLabel(bar);
    m_status->setObjectName(QStringLiteral("StatusPanel"));
    bar->addWidget(m_status, 1);
    m_progress = new QProgressBar(bar);
    m_progress->setObjectName(QStringLiteral("ProgressBar1"));
    m_progress->setMaximumWidth(160);
    m_progress->setVisible(false);
    m_cancel = new QPushButton(QStringLiteral("Cancel"), bar);
    m_cancel->setObjectName(QStringLiteral("CancelButton"));
    m_cancel->setVisible(false);
    bar->addPermanentWidget(m_progress);
    bar->addPermanentWidget(m_cancel);
    connect(m_cancel, &QPushButton::clicked, this, [this] { CancelButtonClick(); });
}

void TMain::buildTimers()
{
    QTimer* const timers[] = {&m_timer1, &m_timer2, &m_timer3, &m_timer4, &m_timer5, &m_timer6, &m_timer7};
    for (int i = 0; i < 7; ++i) {
        timers[i]->setParent(this);
        timers[i]->setObjectName(QStringLiteral("Timer%1").arg(i + 1));
    }
    m_timer6.setSingleShot(true);
    connect(&m_timer6, &QTimer::timeout, this, [this] { ui().setStatus(kPressF1); });
    m_timer7.setInterval(5000);
    connect(&m_timer7, &QTimer::timeout, this, [this] { Timer7Timer(); });
}

// --- start-up

void TMain::FormCreate()
{
    AppState& state = appState();
    setDebugMenuVisible(state.adminDebug);
    state.networkAvailable = false;

    const QString screenSaver = screenSaverVersion();
    m_screenSaverButton->setVisible(screenSaver != QLatin1String("na"));

    config().userName = QStringLiteral("config");
    read_cfg();
    state.previousDiveEnd = 0;

    if (!m_instance.acquire(programDirectory(), title()))
        state.otherInstance = true;
    setWindowTitle(title());
    m_pages->setCurrentIndex(int(Page::ZafMain));
}

bool TMain::FormShow()
{
    if (appState().otherInstance) {
        ui().message(QStringLiteral("ZAF is already running."), MessageKind::Warning);
        terminate();
        return false;
    }
    showLogin();
    m_pagePicker->setCurrentIndex(m_pages->currentIndex());
    ui().setStatus(appState().debugMode ? QStringLiteral("Debugging Mode enabled.") : kPressF1);
    loadLogos();
    fillDiveComputerSelector();
    return true;
}

void TMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_shown || event->spontaneous())
        return;
    m_shown = true;
    FormShow();
    // The Dive Log page decides the window's size once the frame has been laid out.
    QTimer::singleShot(0, this, [this] { fitToDiveLogPage(); });
}

void TMain::loadLogos()
{
    for (int n = 0; n < 2; ++n) {
        SponsorLogo logo;
        if (!SponsorLogo::read(n + 1, logo))
            continue;
        QPixmap picture;
        if (!picture.load(logo.imageFile))
            continue; // an unreadable picture keeps its logo hidden
        m_logos[n]->setPixmap(picture.scaledToHeight(m_logos[n]->maximumHeight(), Qt::SmoothTransformation));
        m_logos[n]->setToolTip(logo.hint);
        m_logoTargets[n] = logo.target;
        m_logos[n]->setVisible(true);
    }
}

void TMain::fillDiveComputerSelector()
{
    m_diveComputer->clear();
    const QStringList names = divecomputer::offeredModelNames();
    m_diveComputer->addItems(names);
    const QString configured = divecomputer::modelName(config().diveComputerModel);
    const int at = m_diveComputer->findText(configured);
    if (at >= 0)
        m_diveComputer->setCurrentIndex(at);
    m_diveComputer->addItem(QStringLiteral(" None"));
}

ScreenSize TMain::screenSize()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize size = screen ? screen->size() : QSize(1024, 768);
    return ScreenSize{size.width(), size.height()};
}

bool TMain::read_cfg()
{
    const bool current = readConfig(config().userName, screenSize());
    applyConfiguration();
    return current;
}

void TMain::applyConfiguration()
{
    const ConfigRecord& record = config();
    if (record.formatVersion == QLatin1String("0.16") && fontColourHook) {
        const int c = record.backgroundFontColor; // 0x00BBGGRR
        fontColourHook(QColor(c & 0xff, (c >> 8) & 0xff, (c >> 16) & 0xff));
    }
    move(record.left, record.top);
    resize(record.width, record.height);
    if (screenLayoutHook)
        screenLayoutHook(record.screenLayout);
}

void TMain::write_cfg()
{
    ConfigRecord& record = config();
    record.top = pos().y();
    record.left = pos().x();
    record.height = height();
    record.width = width();
    writeConfig();
}

// --- shutdown

void TMain::closeEvent(QCloseEvent* event)
{
    if (!m_closing) {
        m_closing = true;
        FormClose();
    }
    event->accept();
}

void TMain::FormClose()
{
    write_debug_message(QStringLiteral("TMain.FormClose"), QStringLiteral("enter"));
    const bool storeOpen = m_data && m_data->Divers_Table.isOpen();
    if (storeOpen && !appState().exitRequested) {
        // The synchronization offered here belongs to the server connection.
        appState().shutdownTicks = 0;
        Prepare_to_close();
    }
    terminate();
}

void TMain::Prepare_to_close()
{
    write_debug_message(QStringLiteral("TMain.Prepare_to_close"), QStringLiteral("enter"));
    writeApplicationSettings();
    ui().setStatus(kShuttingDown);
    if (!m_data || !m_data->Divers_Table.isOpen())
        terminate();

    setCancel(true);
    for (QTimer* timer : {&m_timer1, &m_timer2, &m_timer3, &m_timer4, &m_timer5, &m_timer6})
        timer->stop();

    if (m_data) {
        store::TData_Form& d = *m_data;
        postPending({&d.Divers_Table, &d.DiveLog_Table, &d.DiveSite_Table, &d.DiveResources_Table, &d.Travel_Table,
                     &d.Equipment_Table, &d.DiveComputer_Table, &d.Pictures_Table});
    }
    write_cfg();
    if (m_data) {
        store::TData_Form& d = *m_data;
        for (store::Table* table : {&d.DiveSite_Table, &d.DiveResources_Table, &d.Travel_Table, &d.Equipment_Table,
                                    &d.DiveComputer_Table, &d.Pictures_Table, &d.DiveLog_Table, &d.Divers_Table})
            table->close();
        d.ZAF_Database.close();
    }
    ui().setStatus(kShuttingDown);
    m_timer7.start();
    // Closing the server and file transfer connections belongs to those connections.
    ui().setStatus(kShuttingDown);
}

bool needsPost(store::Table& table)
{
    if (!table.isOpen() || !table.isEditing())
        return false;
    // A new record that nobody typed into holds only its defaults: storing it would leave
    // an empty record behind, and a table whose new record needs values (equipment) would
    // keep the diver from ever leaving its page. It is dropped, as a move drops it.
    if (table.state() == store::Table::State::Insert && !table.modified()) {
        table.cancel();
        return false;
    }
    return true;
}

void TMain::postPending(std::initializer_list<store::Table*> tables)
{
    // One table that cannot post must not keep the others, the configuration and the
    // closing of the store from happening: its error is reported and the shutdown goes on.
    for (store::Table* table : tables) {
        if (!needsPost(*table))
            continue;
        try {
            table->post();
        } catch (...) {
            if (m_errorHandler)
                handleCurrentException(*m_errorHandler);
        }
    }
}

void TMain::Timer7Timer()
{
    const ShutdownWatchdog::Step step = ShutdownWatchdog::tick();
    if (!step.status.isEmpty())
        ui().setStatus(step.status);
    if (step.action == ShutdownWatchdog::Action::Terminate)
        terminate();
    else if (step.action == ShutdownWatchdog::Action::Destroy && destroyHook)
        destroyHook();
}

void TMain::terminate()
{
    if (terminateHook)
        terminateHook();
}

// --- cancel flag and pause

void TMain::CancelButtonClick()
{
    setCancel(true);
    ui().setStatus(QStringLiteral("Cancelling Transfer."));
    ui().processEvents();
}

void TMain::wait(int milliseconds)
{
    ui().setBusyCursor(true);
    ui().processEvents();
    m_timer6.setInterval(milliseconds);
    m_timer6.start();
    // Sleeps until something happens: the timer's own tick is such an event, and so is the
    // click on Cancel that sets the flag.
    while (m_timer6.isActive() && !cancelRequested())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    // A cancelled pause leaves no timer behind to overwrite a later status text.
    m_timer6.stop();
    ui().setBusyCursor(false);
}

// --- commands

void TMain::saveChanges()
{
    if (m_data)
        m_data->Commit_Changes();
}

void TMain::loginAsNewDiver()
{
    showPage(Page::ZafMain);
    // The synchronization offered before a logout belongs to the server connection.
    if (m_data)
        m_data->Commit_Changes();
    showLogin();
}

void TMain::showLogin()
{
    if (m_login) {
        m_login->show();
        m_login->raise();
        m_login->activateWindow();
    }
}

void TMain::showConfiguration()
{
    if (m_configuration) {
        m_configuration->show();
        m_configuration->raise();
        m_configuration->activateWindow();
    }
}

void TMain::setNetworkFunctionsVisible(bool visible)
{
    m_serverMenu->menuAction()->setVisible(visible);
    m_webMenu->menuAction()->setVisible(visible);
    m_pages->setTabVisible(int(Page::Search), visible);
    m_pages->setTabVisible(int(Page::MessageBoard), visible);
}

void TMain::setDebugMenuVisible(bool visible)
{
    m_debugMenu->menuAction()->setVisible(visible);
}

bool TMain::networkFunctionsVisible() const
{
    return m_pages->isTabVisible(int(Page::Search));
}

void TMain::showPage(Page page)
{
    const int index = int(page);
    if (index < 0 || index >= kPageCount)
        return;
    if (m_pages->currentIndex() == index) {
        // Showing the page that already shows still saves, checks and prepares it.
        PageControl1Change();
        return;
    }
    m_pages->setCurrentIndex(index); // the tab change runs the page change rule
}

void TMain::setTransferControlsVisible(bool visible)
{
    m_progress->setVisible(visible);
    m_cancel->setVisible(visible);
}

QString TMain::statusText() const
{
    return m_status->text();
}

// --- view state

Page TMain::currentPage() const
{
    return Page(m_pages->currentIndex());
}

bool TMain::pageControlEnabled() const
{
    return m_pages->isEnabled();
}

void TMain::requestFocus(const QString& objectName)
{
    if (auto* widget = findChild<QWidget*>(objectName))
        widget->setFocus();
}

} // namespace zaf::gui
