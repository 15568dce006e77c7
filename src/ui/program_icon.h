#pragma once

#include <QPixmap>

namespace zaf::gui {

/// The program's picture: the diver-down flag (red with a white diagonal stripe), drawn at
/// the given edge length so it needs no image file.
QPixmap programIcon(int size);

} // namespace zaf::gui
