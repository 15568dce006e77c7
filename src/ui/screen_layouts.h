#pragma once

namespace zaf::gui {

/// One of the twelve arrangements of the main window's frame the diver can choose.
struct ScreenLayout {
    bool topBar;     ///< the bar with the page picker and "&Go To"
    bool toolBar;    ///< the fifteen page buttons
    bool tabsRight;  ///< page tabs on the right of the page area, else along its top
    bool tabButtons; ///< the tabs drawn as buttons
};

/// Layout `n` (0 … 11); a number outside that range gives layout 0.
const ScreenLayout& screenLayout(int n);

} // namespace zaf::gui
