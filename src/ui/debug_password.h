#pragma once

#include <functional>

namespace zaf::store {
class TData_Form;
}

namespace zaf::gui {

/// What switching debug mode on with the administrator password changes outside the store.
struct DebugModeHooks {
    std::function<void()> showDebugMenu;       ///< the main window's "Debug" menu becomes visible
    std::function<void()> traceFileTransfers;  ///< the file transfer reports at its most detailed level
};

/// The About box's debug prompt: asks for the debug password and, when that is not given,
/// once more for the administrator password. Either switches debug mode on and reopens the
/// store, which creates the trace table. Returns whether debug mode was switched on; asks
/// nothing while debug mode is already on.
bool askDebugPassword(store::TData_Form& data, const DebugModeHooks& hooks = {});

} // namespace zaf::gui
