#include "store/data_form.h"

#include "core/app_state.h"
#include "core/day_count.h"
#include "core/program_dir.h"
#include "core/trace.h"
#include "core/ui.h"
#include "store/dive_log_rules.h"
#include "store/errors.h"
#include "store/menu_items.h"
#include "store/other_table_rules.h"
#include "store/schema.h"
#include "store/table_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace zaf::store {

TData_Form::TData_Form()
{
    struct Binding {
        Table& table;
        const TableDef& def;
    };
    const Binding bindings[] = {
        {Divers_Table, schema::divers()},
        {DiveLog_Table, schema::diveLog()},
        {OthersLog_Table, schema::diveLog()},
        {divers_log_table, schema::diveLog()},
        {DiveSite_Table, schema::diveSite()},
        {DiveResources_Table, schema::diveResources()},
        {Travel_Table, schema::travel()},
        {Equipment_Table, schema::equipment()},
        {DiveComputer_Table, schema::diveComputer()},
        {Pictures_Table, schema::pictures()},
        {MenuItems_Table, schema::menuItems()},
        {MessageBoard_Table, schema::messageBoard()},
        {ZAF_Debug_Table, schema::zafDebug()},
        {ZAFHelp_Table, schema::zafHelp()},
    };
    for (const Binding& b : bindings)
        b.table.setDefinition(b.def);
    DiveComputer_Table.setIndexName(QStringLiteral("DateTime_Index"));
    restartHook = [this] { defaultRestart(); };
    installDiveLogRules(*this);
    installOtherTableRules(*this);
    loadListsHook = [this] { read_menuitems(*this); };
    setTraceWriter([this](const QString& procedure, const QString& message) {
        write_debug_message(procedure, message);
    });
}

TData_Form::~TData_Form()
{
    setTraceWriter({});
    ZAF_Database.close();
    ZAFHelp_Table.close();
}

std::vector<Table*> TData_Form::savedTables()
{
    return {&Divers_Table,    &DiveLog_Table,      &DiveSite_Table, &DiveResources_Table,
            &Travel_Table,    &Equipment_Table,    &DiveComputer_Table, &Pictures_Table};
}

void TData_Form::pointTables()
{
    const QString data = dataDirectory();
    ZAF_Database.setDirectory(data);
    ZAF_Database.open();
    const std::pair<Table*, const char*> tables[] = {
        {&Divers_Table, "Divers"},           {&DiveLog_Table, "DiveLog"},       {&DiveSite_Table, "DiveSite"},
        {&DiveResources_Table, "DiveResources"}, {&Travel_Table, "Travel"},     {&Equipment_Table, "Equipment"},
        {&DiveComputer_Table, "DiveComputer"}, {&Pictures_Table, "Pictures"},   {&MenuItems_Table, "MenuItems"},
        {&MessageBoard_Table, "MessageBoard"}, {&ZAF_Debug_Table, "ZAF_Debug"},
        {&OthersLog_Table, "DiveLog"},       {&divers_log_table, "DiveLog"},
    };
    for (const auto& [table, name] : tables) {
        table->setDatabase(&ZAF_Database);
        table->setPath(data + QLatin1String(name));
    }
    ZAFHelp_Table.setPath(helpDirectory() + QStringLiteral("ZAFHelp"));
}

void TData_Form::DataCreate()
{
    AppState& state = appState();
    if (state.otherInstance)
        return;
    state.exitRequested = false;
    QDir().mkpath(dataDirectory());
    QDir().mkpath(picturesDirectory());
    // A dblock.txt beside the program once told the engine where to keep its lock files;
    // SQLite keeps its own beside each table, so the file is accepted and changes nothing.
    pointTables();
    if (upgradeHook)
        upgradeHook();
    openTraceTable();

    const Opened order[] = {
        {&MenuItems_Table, QStringLiteral("Menu Item")},
        {&Pictures_Table, QStringLiteral("Picture")},
        {&Divers_Table, QStringLiteral("Divers")},
        {&DiveLog_Table, QStringLiteral("DiveLog")},
        {&DiveSite_Table, QStringLiteral("DiveSite")},
        {&DiveResources_Table, QStringLiteral("DiveResources")},
        {&Travel_Table, QStringLiteral("Travel")},
        {&Equipment_Table, QStringLiteral("Equipment")},
        {&DiveComputer_Table, QStringLiteral("DiveComputer")},
        {&MessageBoard_Table, QStringLiteral("MessageBoard")},
    };
    for (const Opened& entry : order)
        openOrCreate(entry);
    openLogViews();

    if (state.exitRequested) {
        state.otherInstance = true;
        if (restartHook)
            restartHook();
        return;
    }
    if (loadListsHook)
        loadListsHook();
}

void TData_Form::openTraceTable()
{
    if (appState().debugMode) {
        try {
            ZAF_Debug_Table.open();
        } catch (const DatabaseError&) {
            try {
                table_file::create(ZAF_Debug_Table.path(), schema::zafDebug());
                ZAF_Debug_Table.open();
            } catch (const DatabaseError&) {
                // Without a trace table the program runs on; trace lines are then dropped.
            }
        }
        return;
    }
    ZAF_Debug_Table.close();
    try {
        table_file::remove(ZAF_Debug_Table.path());
    } catch (const DatabaseError&) {
    }
}

void TData_Form::openOrCreate(const Opened& entry)
{
    Table& table = *entry.table;
    try {
        table.open();
        return;
    } catch (const DatabaseError&) {
    }
    if (QFileInfo::exists(table.fileName())) {
        const Answer answer = ui().askYesNo(
            QStringLiteral("Your %1 Database has become corrupt.  Delete all data and continue?").arg(entry.caption));
        if (answer == Answer::Yes) {
            table.close();
            try {
                table_file::remove(table.path());
            } catch (const DatabaseError& e) {
                ui().message(e.message(), MessageKind::Error);
            }
            appState().exitRequested = true;
        }
        return;
    }
    table_file::create(table.path(), *schema::byName(table.objectName()));
    table.open();
}

void TData_Form::openLogViews()
{
    if (!DiveLog_Table.isOpen())
        return;
    OthersLog_Table.open();
    divers_log_table.open();
}

void TData_Form::defaultRestart()
{
    QProcess::startDetached(QCoreApplication::applicationFilePath(),
                            {QStringLiteral("--home"), programDirectory()}, programDirectory());
    QCoreApplication::exit(0);
}

void TData_Form::Commit_Changes()
{
    const QString procedure = QStringLiteral("TData_Form.Commit_Changes");
    write_debug_message(procedure, QStringLiteral("enter"));
    for (Table* table : savedTables()) {
        if (table->isOpen() && table->modified()) {
            try {
                table->post();
            } catch (const DatabaseError&) {
                // The edit stays pending; the close below drops it as it always has.
            }
        }
    }
    if (closeHelpHook) {
        try {
            closeHelpHook();
        } catch (...) {
        }
    }
    const int diveLogRec = DiveLog_Table.isOpen() ? DiveLog_Table.recNo() : -1;
    const int othersRec = OthersLog_Table.isOpen() ? OthersLog_Table.recNo() : -1;
    const int diversRec = Divers_Table.isOpen() ? Divers_Table.recNo() : -1;
    ZAF_Database.close();
    DataCreate();
    const std::pair<Table*, int> back[] = {
        {&DiveLog_Table, diveLogRec}, {&OthersLog_Table, othersRec}, {&Divers_Table, diversRec}};
    for (const auto& [table, rec] : back)
        if (table->isOpen() && rec > 0)
            table->setRecNo(rec);
    write_debug_message(procedure, QStringLiteral("exit"));
}

void TData_Form::write_debug_message(const QString& procedure, const QString& message)
{
    if (!appState().debugMode)
        return;
    if (!ZAF_Debug_Table.isOpen()) {
        try {
            if (!ZAF_Debug_Table.path().isEmpty())
                ZAF_Debug_Table.open();
        } catch (const DatabaseError&) {
            return;
        }
    }
    if (!ZAF_Debug_Table.isOpen())
        return;
    ZAF_Debug_Table.appendRecord({nowDayCount(), QVariant(), procedure, message});
}

} // namespace zaf::store
