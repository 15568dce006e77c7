#include "core/view_state.h"

namespace zaf {

namespace {
ViewState g_defaultView;
ViewState* g_view = &g_defaultView;
} // namespace

ViewState& viewState()
{
    return *g_view;
}

void setViewState(ViewState* view)
{
    g_view = view ? view : &g_defaultView;
}

} // namespace zaf
