#pragma once

#include <QSize>

namespace zaf::store {

/// How a picture sits in a picture area: the size it is drawn at and the frame around it.
struct PictureFit {
    double factor = 1;  ///< scale applied to the picture, never above 1
    QSize picture;      ///< the picture's drawn size
    QSize frame;        ///< the frame: the drawn size plus a pixel each side
};

/// Scales a picture down (never up) to fit an area, keeping its proportions. A picture too
/// small to frame (under 5 pixels framed either way) gets a frame of the whole area.
PictureFit fitPicture(QSize area, QSize picture);

} // namespace zaf::store
