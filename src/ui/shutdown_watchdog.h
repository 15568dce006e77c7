#pragma once

#include <QString>

namespace zaf::gui {

/// The stages of a shutdown that does not end by itself. The main window's `Timer7` ticks
/// every five seconds once the shutdown steps have run; each tick escalates.
class ShutdownWatchdog {
public:
    enum class Action {
        Terminate, ///< ask the application to end
        Destroy,   ///< end the process outright
        None,      ///< nothing to do on this tick
    };
    struct Step {
        Action action = Action::None;
        QString status; ///< the status line text of this tick; empty for none
    };

    /// One tick: counts it in the shared tick count and says what to do now.
    static Step tick();
};

} // namespace zaf::gui
