#include "core/app_state.h"

namespace zaf {

AppState& appState()
{
    static AppState state;
    return state;
}

} // namespace zaf
