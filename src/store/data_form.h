#pragma once

#include "store/data_source.h"
#include "store/database.h"
#include "store/drop_down_lists.h"
#include "store/table.h"

#include <QString>
#include <functional>
#include <vector>

namespace zaf::store {

/// The data module: owns every local table, their data sources and the connection object
/// for the whole run; opens (and where needed creates) them, and closes and reopens them
/// as a whole. The record rules attach to the tables' events from their own files.
class TData_Form {
public:
    TData_Form();
    ~TData_Form();
    TData_Form(const TData_Form&) = delete;
    TData_Form& operator=(const TData_Form&) = delete;

    /// Opens (and where needed creates) every table; also how the store is reopened.
    void DataCreate();
    /// Posts every pending edit, closes the store, reopens it and returns the dive log views
    /// and the divers table to the records they showed.
    void Commit_Changes();
    /// The trace log's table side: appends a line to ZAF_Debug while debug mode is on.
    void write_debug_message(const QString& procedure, const QString& message);

    Database ZAF_Database{QStringLiteral("ZAF_Database")};

    Table Divers_Table{QStringLiteral("Divers")};
    Table DiveLog_Table{QStringLiteral("DiveLog")};
    Table OthersLog_Table{QStringLiteral("OthersLog")};
    Table divers_log_table{QStringLiteral("divers_log_table")};
    Table DiveSite_Table{QStringLiteral("DiveSite")};
    Table DiveResources_Table{QStringLiteral("DiveResources")};
    Table Travel_Table{QStringLiteral("Travel")};
    Table Equipment_Table{QStringLiteral("Equipment")};
    Table DiveComputer_Table{QStringLiteral("DiveComputer")};
    Table Pictures_Table{QStringLiteral("Pictures")};
    Table MenuItems_Table{QStringLiteral("MenuItems")};
    Table MessageBoard_Table{QStringLiteral("MessageBoard")};
    Table ZAF_Debug_Table{QStringLiteral("ZAF_Debug")};
    Table ZAFHelp_Table{QStringLiteral("ZAFHelp")};

    DataSource Divers_DataSource{&Divers_Table};
    DataSource DiveLog_DataSource{&DiveLog_Table};
    DataSource OthersLog_DataSource{&OthersLog_Table};
    DataSource divers_log_DataSource{&divers_log_table};
    DataSource DiveSite_DataSource{&DiveSite_Table};
    DataSource DiveResources_DataSource{&DiveResources_Table};
    DataSource Travel_DataSource{&Travel_Table};
    DataSource Equipment_DataSource{&Equipment_Table};
    DataSource DiveComputer_DataSource{&DiveComputer_Table};
    DataSource Pictures_DataSource{&Pictures_Table};
    DataSource MenuItems_DataSource{&MenuItems_Table};
    DataSource MessageBoard_DataSource{&MessageBoard_Table};
    DataSource ZAF_Debug_DataSource{&ZAF_Debug_Table};

    /// Step hooks that later parts of the program fill in.
    std::function<void()> upgradeHook;       ///< version check and table upgrade
    std::function<void()> loadListsHook;     ///< the drop-down lists, after every opening
    std::function<void()> closeHelpHook;     ///< Commit_Changes closes the help window
    /// Starts a new copy of the program on the same home after a corrupt table was deleted,
    /// then ends this one without its shutdown steps. Tests replace it.
    std::function<void()> restartHook;

    /// Reconciles the dive log's start, end and bottom time after the end time (mode 1) or
    /// the bottom time (mode 2) was edited; only on the diver's own entry.
    void Sync_log_time(int mode);

    /// The dive's gas consumption computation, which the dive calculations install; the dive
    /// log's scroll rule runs it for an entry that has an end pressure but no SAC rate yet.
    std::function<void()> gasComputationHook;

    /// The drop-down lists as read at the last opening of the store.
    DropDownLists dropDownLists;
    /// Fetches a picture file (its name as a record stores it) from the server.
    std::function<void(const QString& fileName)> downloadPictureHook;

    /// The tables posted and saved by Commit_Changes and the shutdown, in that order.
    std::vector<Table*> savedTables();

private:
    struct Opened {
        Table* table;
        QString caption; ///< how the corrupt-table question names it
    };
    void pointTables();
    void openTraceTable();
    void openOrCreate(const Opened& entry);
    void openLogViews();
    void defaultRestart();
};

} // namespace zaf::store
