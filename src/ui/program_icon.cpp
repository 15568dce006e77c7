#include "ui/program_icon.h"

#include <QPainter>
#include <QPolygonF>

namespace zaf::gui {

QPixmap programIcon(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    const qreal border = s / 16.0;
    const QRectF flag(border, border, s - 2 * border, s - 2 * border);
    painter.setPen(QPen(QColor(40, 40, 40), border / 2));
    painter.setBrush(QColor(204, 0, 0));
    painter.drawRect(flag);
    // The stripe runs from the top left to the bottom right corner.
    const qreal w = flag.width() * 0.16;
    const QPolygonF stripe({flag.topLeft(), flag.topLeft() + QPointF(w, 0), flag.bottomRight(),
                            flag.bottomRight() - QPointF(w, 0)});
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawPolygon(stripe);
    return pixmap;
}

} // namespace zaf::gui
