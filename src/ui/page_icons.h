#pragma once

#include "core/view_state.h"

#include <QIcon>
#include <QPixmap>
#include <QVector>

namespace zaf::gui {

/// One button of the main window's toolbar.
struct ToolButton {
    const char* hint; ///< tooltip, and the button's name without blanks and apostrophes
    const char* icon; ///< picture file in the icon resources, without ".svg"
    int page;         ///< the page it shows; ExitCommand or ConfigureCommand for the two commands
};
inline constexpr int ExitCommand = -1;
inline constexpr int ConfigureCommand = -2;

/// The fifteen toolbar buttons, left to right.
const QVector<ToolButton>& toolButtons();

/// The picture of a toolbar button at `size` pixels; a lettered badge when the picture is missing.
QIcon toolButtonIcon(const ToolButton& button, int size);

/// The toolbar picture of the button that shows `page`; a badge for pages without a button.
QPixmap pageIcon(Page page, int size);

} // namespace zaf::gui
