#include "edge_pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace qvs::app {

QPixmap EdgePicture(bool positive)
{
    constexpr int kWidth = 56, kHeight = 28;
    QPixmap picture(kWidth, kHeight);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    // The 0 and 1 levels, faint.
    const qreal low = kHeight - 5.5, high = 5.5, edge = kWidth / 2.0;
    painter.setPen(QPen(QColor(200, 200, 200), 1, Qt::DotLine));
    painter.drawLine(QPointF(2, low), QPointF(kWidth - 2, low));
    painter.drawLine(QPointF(2, high), QPointF(kWidth - 2, high));

    // The signal.
    const qreal before = positive ? low : high, after = positive ? high : low;
    QPainterPath signal;
    signal.moveTo(3, before);
    signal.lineTo(edge, before);
    signal.lineTo(edge, after);
    signal.lineTo(kWidth - 3, after);
    painter.setPen(QPen(QColor(0, 0, 160), 2));
    painter.drawPath(signal);

    // The arrow on the edge, pointing the way the level moves.
    const qreal tip = positive ? high + 6 : low - 6, base = positive ? tip + 6 : tip - 6;
    QPolygonF arrow;
    arrow << QPointF(edge, tip) << QPointF(edge - 4, base) << QPointF(edge + 4, base);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(200, 0, 0));
    painter.drawPolygon(arrow);
    return picture;
}

}  // namespace qvs::app
