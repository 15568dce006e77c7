#include "store/picture_fit.h"

#include <algorithm>
#include <cmath>

namespace zaf::store {

PictureFit fitPicture(QSize area, QSize picture)
{
    // Each direction limits the scale only when the picture overflows it, so a picture
    // smaller than the area keeps its size and an empty one never divides by zero.
    const double byHeight =
        picture.height() > area.height() ? double(area.height()) / picture.height() : 1.0;
    const double byWidth = picture.width() > area.width() ? double(area.width()) / picture.width() : 1.0;
    PictureFit fit;
    fit.factor = std::min(byHeight, byWidth);
    fit.picture = QSize(int(std::lround(picture.width() * fit.factor)), int(std::lround(picture.height() * fit.factor)));
    fit.frame = fit.picture + QSize(2, 2);
    if (fit.frame.width() < 5 || fit.frame.height() < 5)
        fit.frame = area;
    return fit;
}

} // namespace zaf::store
