// The main window's menu bar and toolbar. Commands that this window carries out are wired
// here; every other command is present and disabled until the part of the program that
// carries it out is there.
#include "core/ui.h"
#include "ui/contact.h"
#include "ui/help_keys.h"
#include "ui/help_topics.h"
#include "ui/main_window.h"
#include "ui/page_icons.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QUrl>
#include <QMenuBar>
#include <QToolBar>

namespace zaf::gui {
namespace {

struct MenuEntry {
    const char* path;       ///< menu captions from the bar down, separated by '|'
    const char* objectName; ///< of the action
    const char* shortcut;
};

// In the order they appear; a path segment that is not the last names a (sub)menu.
const MenuEntry kMenus[] = {
    {"&File|&Configure", "ConfigureItem", nullptr},
    {"&File|&Login as new Diver", "LoginAsNewDiverItem", nullptr},
    {"&File|&Import|&AquaLand Graph 1.0 Logs", "ImportAquaLand1Item", nullptr},
    {"&File|&Import|AquaLand Graph 2.0 Logs", "ImportAquaLand2Item", nullptr},
    {"&File|&Import|Dive Master 2.0 Logs", "ImportDiveMasterItem", nullptr},
    {"&File|&Import|From CSV File|Divers", "ImportCsvDiversItem", nullptr},
    {"&File|&Import|From CSV File|Dive Logs", "ImportCsvDiveLogsItem", nullptr},
    {"&File|&Import|From CSV File|Dive Sites", "ImportCsvDiveSitesItem", nullptr},
    {"&File|&Import|From CSV File|Dive Resources", "ImportCsvDiveResourcesItem", nullptr},
    {"&File|&Import|From CSV File|Travel", "ImportCsvTravelItem", nullptr},
    {"&File|&Import|From CSV File|Equipment", "ImportCsvEquipmentItem", nullptr},
    {"&File|Export", "ExportItem", nullptr},
    {"&File|&Save Changes", "SaveChangesItem", nullptr},
    {"&File|&Backup Data", "BackupDataItem", nullptr},
    {"&File|&Restore Data", "RestoreDataItem", nullptr},
    {"&File|&Print|&Dive Logs", "PrintDiveLogsItem", nullptr},
    {"&File|&Print|Dive Logs Landscape", "PrintDiveLogsLandscapeItem", nullptr},
    {"&File|&Print|&Blank Log Page", "PrintBlankLogPageItem", nullptr},
    {"&File|&Print|&Equipment List", "PrintEquipmentListItem", nullptr},
    {"&File|Print ZAF Page", "PrintZafPageItem", nullptr},
    {"&File|E&xit", "ExitItem", nullptr},
    {"Edit|&Copy", "CopyItem", nullptr},
    {"Edit|C&ut", "CutItem", nullptr},
    {"Edit|&Paste", "PasteItem", nullptr},
    {"Edit|&Find", "FindItem", "F2"},
    {"Edit|Find &Next", "FindNextItem", "F3"},
    {"Tools|&Breathing Time Calculator", "BreathingCalculatorItem", nullptr},
    {"Tools|&Conversion Calculator", "ConversionCalculatorItem", nullptr},
    {"Tools|&Nitrox Calculator", "NitroxCalculatorItem", nullptr},
    {"Tools|&Drop Down List Editor", "DropDownListEditorItem", nullptr},
    {"Tools|&Sort All Dives", "SortAllDivesItem", nullptr},
    {"&ZAF Server|&Check for Updates", "CheckForUpdatesItem", nullptr},
    {"&ZAF Server|&Quick Synchronization with Server ", "QuickSynchronizationItem", nullptr},
    {"&ZAF Server|&Full Synchronization with Server", "FullSynchronizationItem", nullptr},
    {"&ZAF Server|&Send Feedback", "SendFeedbackItem", nullptr},
    {"&ZAF Server|&Read ZAF news", "ReadNewsItem", nullptr},
    {"&ZAF Server|Read ZAF Alerts", "ReadAlertsItem", nullptr},
    {"Web|Create a web site from logs", "CreateWebSiteItem", nullptr},
    {"Web|Publish web site to ZAF server", "PublishWebSiteItem", nullptr},
    {"Web|View your local web site", "ViewLocalWebSiteItem", nullptr},
    {"Web|View your ZAF web site", "ViewZafWebSiteItem", nullptr},
    {"&Help|&Online ZAF Manual", "OnlineManualItem", nullptr},
    {"&Help|&Release Notes", "ReleaseNotesItem", nullptr},
    {"&Help|&E-mail ", "EmailSupportItem", nullptr},
    {"&Help|&Quorvane Web Site", "VendorWebSiteItem", nullptr},
    {"&Help|&About ZAF", "AboutItem", nullptr},
    {"Debug|ZAF Debugger", "DebugViewerItem", nullptr},
};

// Help topics of the menu commands: the first entry whose path begins the command's path.
const std::pair<const char*, int> kMenuHelp[] = {
    {"&File|&Configure", help_topic::Configuration},
    {"&File|&Login as new Diver", help_topic::LoginAsNewDiver},
    {"&File|&Import", help_topic::ImportMenu},
    {"&File|Export", help_topic::ExportMenu},
    {"&File|&Save Changes", help_topic::SaveBackupRestore},
    {"&File|&Backup Data", help_topic::SaveBackupRestore},
    {"&File|&Restore Data", help_topic::SaveBackupRestore},
    {"&File|&Print", help_topic::PrintMenu},
    {"&File|Print ZAF Page", help_topic::PrintMenu},
    {"&File", help_topic::FileMenu},
    {"Edit|&Find", help_topic::FindCommands},
    {"Edit|Find &Next", help_topic::FindCommands},
    {"Edit", help_topic::EditMenu},
    {"Tools|&Breathing Time Calculator", help_topic::Calculators},
    {"Tools|&Conversion Calculator", help_topic::Calculators},
    {"Tools|&Nitrox Calculator", help_topic::Calculators},
    {"Tools|&Drop Down List Editor", help_topic::ListEditor},
    {"Tools|&Sort All Dives", help_topic::SortAllDives},
    {"Tools", help_topic::ToolsMenu},
    {"&ZAF Server|&Quick Synchronization", help_topic::Synchronization},
    {"&ZAF Server|&Full Synchronization", help_topic::Synchronization},
    {"&ZAF Server|&Send Feedback", help_topic::FeedbackAndNews},
    {"&ZAF Server|&Read ZAF news", help_topic::FeedbackAndNews},
    {"&ZAF Server|Read ZAF Alerts", help_topic::FeedbackAndNews},
    {"&ZAF Server", help_topic::ServerMenu},
    {"Web", help_topic::WebMenu},
    {"&Help|&About ZAF", help_topic::AboutBox},
    {"&Help", help_topic::HelpMenu},
    {"Debug", help_topic::DebugMenu},
};

int menuHelpTopic(const QString& path)
{
    for (const auto& [prefix, topic] : kMenuHelp)
        if (path.startsWith(QLatin1String(prefix)))
            return topic;
    return help_topic::MainWindow;
}

enum class EditCommand { Copy, Cut, Paste };

// The Edit menu works on the text field that has the focus; anything else ignores it.
void editFocusedText(EditCommand command)
{
    QWidget* focus = QApplication::focusWidget();
    if (auto* combo = qobject_cast<QComboBox*>(focus))
        focus = combo->lineEdit();
    auto run = [command](auto* field) {
        switch (command) {
        case EditCommand::Copy: field->copy(); break;
        case EditCommand::Cut: field->cut(); break;
        case EditCommand::Paste: field->paste(); break;
        }
    };
    if (auto* line = qobject_cast<QLineEdit*>(focus))
        run(line);
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(focus))
        run(plain);
    else if (auto* rich = qobject_cast<QTextEdit*>(focus))
        run(rich);
}

// The help addresses go to the system's handler for web pages and mail. Whether the
// computer is online is the handler's business until the server connection is there.
void openAddress(const QString& address)
{
    QDesktopServices::openUrl(QUrl(address));
}

QMenu* childMenu(QWidget* parent, const QString& title)
{
    for (QAction* a : parent->actions()) {
        if (a->menu() && a->menu()->title() == title)
            return a->menu();
    }
    return nullptr;
}

QMenu* menuAt(QMenuBar* bar, const QStringList& titles)
{
    QMenu* menu = childMenu(bar, titles.first());
    if (!menu)
        menu = bar->addMenu(titles.first());
    for (qsizetype i = 1; i < titles.size(); ++i) {
        QMenu* sub = childMenu(menu, titles[i]);
        if (!sub)
            sub = menu->addMenu(titles[i]);
        menu = sub;
    }
    return menu;
}

} // namespace

void TMain::buildMenus()
{
    QMenuBar* bar = menuBar();
    for (const MenuEntry& entry : kMenus) {
        QStringList parts = QString::fromLatin1(entry.path).split(QLatin1Char('|'));
        QString caption = parts.takeLast();
        if (QLatin1String(entry.objectName) == QLatin1String("EmailSupportItem"))
            caption += supportMailAddress();
        QMenu* menu = menuAt(bar, parts);
        QAction* item = menu->addAction(caption);
        item->setObjectName(QLatin1String(entry.objectName));
        if (entry.shortcut)
            item->setShortcut(QKeySequence(QLatin1String(entry.shortcut)));
        item->setEnabled(false);
        const QString path = QLatin1String(entry.path);
        setHelpContext(item, menuHelpTopic(path));
        setHelpContext(menu, menuHelpTopic(parts.join(QLatin1Char('|'))));
    }
    m_serverMenu = childMenu(bar, QStringLiteral("&ZAF Server"));
    m_webMenu = childMenu(bar, QStringLiteral("Web"));
    m_debugMenu = childMenu(bar, QStringLiteral("Debug"));
    m_serverMenu->setObjectName(QStringLiteral("ServerMenu"));
    m_webMenu->setObjectName(QStringLiteral("WebMenu"));
    m_debugMenu->setObjectName(QStringLiteral("DebugMenu"));

    const std::pair<const char*, std::function<void()>> wired[] = {
        {"ConfigureItem", [this] { showConfiguration(); }},
        {"LoginAsNewDiverItem", [this] { loginAsNewDiver(); }},
        {"SaveChangesItem", [this] { saveChanges(); }},
        {"ExitItem", [this] { close(); }},
        {"AboutItem", [this] { if (aboutHook) aboutHook(); }},
        {"DebugViewerItem", [this] { if (debugViewerHook) debugViewerHook(); }},
        {"CopyItem", [] { editFocusedText(EditCommand::Copy); }},
        {"CutItem", [] { editFocusedText(EditCommand::Cut); }},
        {"PasteItem", [] { editFocusedText(EditCommand::Paste); }},
        {"DropDownListEditorItem", [this] { openDropDownListEditor(); }},
        {"OnlineManualItem", [] { openAddress(vendorWebSite() + QStringLiteral("/zaf/manual/ZAFManual.html")); }},
        {"ReleaseNotesItem", [] { openAddress(vendorWebSite() + QStringLiteral("/zaf/manual/zaf_rn.html")); }},
        {"EmailSupportItem", [] { openAddress(QStringLiteral("mailto:") + supportMailAddress()); }},
        {"VendorWebSiteItem", [] { openAddress(vendorWebSite()); }},
    };
    for (const auto& [name, run] : wired) {
        QAction* item = action(QLatin1String(name));
        item->setEnabled(true);
        connect(item, &QAction::triggered, this, run);
    }
}

void TMain::buildToolBar()
{
    m_toolBar = addToolBar(QStringLiteral("Pages"));
    m_toolBar->setObjectName(QStringLiteral("ToolBar1"));
    m_toolBar->setMovable(false);
    m_toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_toolBar->setIconSize(QSize(24, 24));
    for (const ToolButton& b : toolButtons()) {
        const QString hint = QLatin1String(b.hint);
        QAction* button = m_toolBar->addAction(toolButtonIcon(b, 24), hint);
        button->setToolTip(hint);
        button->setObjectName(QString(hint).remove(QLatin1Char(' ')).remove(QLatin1Char('\'')) + QStringLiteral("Button"));
        const int page = b.page;
        if (page == ExitCommand)
            connect(button, &QAction::triggered, this, [this] { close(); });
        else if (page == ConfigureCommand)
            connect(button, &QAction::triggered, this, [this] { showConfiguration(); });
        else
            connect(button, &QAction::triggered, this, [this, page] { toolBarPage(Page(page)); });
    }
}

QAction* TMain::action(const QString& objectName) const
{
    return findChild<QAction*>(objectName);
}

} // namespace zaf::gui
