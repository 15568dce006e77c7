#pragma once

#include <QString>

namespace zaf {

/// Process-wide state that start-up sets and the rest of the program reads.
struct AppState {
    bool debugMode = false;        ///< the trace log is written
    bool adminDebug = false;       ///< "/Tzolk_Varnu" was on the command line: the Debug menu shows
    bool otherInstance = false;    ///< another copy already runs, or the store restarts the program
    bool exitRequested = false;    ///< leave without the shutdown steps (login Exit, store restart)
    bool networkAvailable = false; ///< server and file transfer may be used
    int shutdownTicks = 0;         ///< watchdog ticks since the shutdown began
    double previousDiveEnd = 0;    ///< end of the diver's previous dive, as a day count
};

AppState& appState();

} // namespace zaf
