#pragma once

#include <array>

namespace zaf::gui {

/// Help topic numbers the program shows by itself. Windows and controls carry their own
/// number as the "helpContext" property (see help_keys.h); the numbers below are the ones
/// code asks for directly. Every one of them has a topic in assets/help/topics.txt.
namespace help_topic {

inline constexpr int Fallback = 0;       ///< how to use help; shown for a missing topic
inline constexpr int MainWindow = 1;
inline constexpr int Login = 10;         ///< login window and creating a diver

// Menus of the main window.
inline constexpr int FileMenu = 20;
inline constexpr int Configuration = 21; ///< File > Configure and the configuration window
inline constexpr int LoginAsNewDiver = 22;
inline constexpr int ImportMenu = 23;
inline constexpr int ExportMenu = 24;
inline constexpr int SaveBackupRestore = 25;
inline constexpr int PrintMenu = 26;
inline constexpr int EditMenu = 30;
inline constexpr int FindCommands = 31;
inline constexpr int ToolsMenu = 35;
inline constexpr int Calculators = 36;
inline constexpr int ListEditor = 37;
inline constexpr int SortAllDives = 38;
inline constexpr int ServerMenu = 40;
inline constexpr int Synchronization = 41;
inline constexpr int FeedbackAndNews = 42;
inline constexpr int WebMenu = 45;
inline constexpr int HelpMenu = 50;
inline constexpr int AboutBox = 51;
inline constexpr int DebugMenu = 55;

// Pages of the main window, in page-picker order: page n has topic 100 + n.
inline constexpr int FirstPage = 100;
inline constexpr int DiveLogPage = 100;
inline constexpr int DiversPage = 101;
inline constexpr int DiveSitesPage = 102;
inline constexpr int DiveResourcesPage = 103;
inline constexpr int TripReportPage = 104;
inline constexpr int EquipmentPage = 105;
inline constexpr int DiveComputerPage = 106;
inline constexpr int OthersLogsPage = 107;
inline constexpr int PicturesPage = 108;
inline constexpr int SearchPage = 109;
inline constexpr int StatisticsPage = 110;
inline constexpr int MessageBoardPage = 111;
inline constexpr int ZafMainPage = 112;
// Sub-pages of the Dive Log page, whose fields need more words than the page topic holds.
inline constexpr int DiveLogGasMixture = 120;
inline constexpr int DiveLogSafety = 121;

inline constexpr int SampleDataOffer = 9000;
inline constexpr int SampleDataDownload = 9001;
inline constexpr int AquaLandGraph1Import = 9002;
inline constexpr int DiveMasterImport = 9003;
inline constexpr int SyncPrompt = 9100;
inline constexpr int PelagicFirstDownload = 9102;

/// Every number above, for the check that the shipped help table holds them all.
inline constexpr std::array All{
    Fallback, MainWindow, Login, FileMenu, Configuration, LoginAsNewDiver, ImportMenu, ExportMenu,
    SaveBackupRestore, PrintMenu, EditMenu, FindCommands, ToolsMenu, Calculators, ListEditor,
    SortAllDives, ServerMenu, Synchronization, FeedbackAndNews, WebMenu, HelpMenu, AboutBox, DebugMenu,
    DiveLogPage, DiversPage, DiveSitesPage, DiveResourcesPage, TripReportPage, EquipmentPage,
    DiveComputerPage, OthersLogsPage, PicturesPage, SearchPage, StatisticsPage, MessageBoardPage,
    ZafMainPage, DiveLogGasMixture, DiveLogSafety, SampleDataOffer, SampleDataDownload,
    AquaLandGraph1Import, DiveMasterImport, SyncPrompt, PelagicFirstDownload,
};

} // namespace help_topic
} // namespace zaf::gui
