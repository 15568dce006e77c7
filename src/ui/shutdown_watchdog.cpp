#include "ui/shutdown_watchdog.h"

#include "core/app_state.h"

namespace zaf::gui {

ShutdownWatchdog::Step ShutdownWatchdog::tick()
{
    int& ticks = appState().shutdownTicks;
    const int before = ticks;
    if (ticks < 0x7fff) // a 16-bit count that must not wrap back to "first tick"
        ++ticks;
    if (before == 0)
        return {Action::Terminate, QStringLiteral("Attempting to terminate...")};
    if (ticks == 2)
        return {Action::Terminate, QStringLiteral("Terminating ZAF...")};
    if (ticks >= 3)
        return {Action::Destroy, QStringLiteral("Destroying ZAF...")};
    return {};
}

} // namespace zaf::gui
