#include "artwork.h"

#include "app_texts.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace qvs::app {

namespace {

const QColor kNavy(18, 46, 84);
const QColor kTeal(0, 150, 160);
const QColor kAmber(245, 170, 40);

// A gateway box with two network ports and a serial plug: the QVS mark.
void DrawMark(QPainter& p, const QRectF& r)
{
    const qreal u = r.width() / 16.0;
    p.setPen(Qt::NoPen);
    p.setBrush(kNavy);
    p.drawRoundedRect(r, 3 * u, 3 * u);
    p.setBrush(kTeal);
    p.drawRoundedRect(QRectF(r.left() + 2 * u, r.top() + 4 * u, 12 * u, 7 * u), u, u);
    p.setBrush(kAmber);
    for (int i = 0; i < 3; ++i)
        p.drawEllipse(QRectF(r.left() + (3.2 + i * 3.8) * u, r.top() + 12.2 * u, 2 * u, 2 * u));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(r.left() + 3.5 * u, r.top() + 5.5 * u, 3.5 * u, 4 * u));
    p.drawRect(QRectF(r.left() + 9 * u, r.top() + 5.5 * u, 3.5 * u, 4 * u));
    p.setBrush(kNavy);
    p.drawRect(QRectF(r.left() + 4.5 * u, r.top() + 8 * u, 1.5 * u, 1.5 * u));
    p.drawRect(QRectF(r.left() + 10 * u, r.top() + 8 * u, 1.5 * u, 1.5 * u));
    p.setBrush(kAmber);
    p.drawRect(QRectF(r.left() + 7.4 * u, r.top() + 1 * u, 1.2 * u, 3 * u));
}

}  // namespace

QPixmap ApplicationIconPixmap(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    DrawMark(p, QRectF(0, 0, size, size));
    return pixmap;
}

QIcon ApplicationIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128})
        icon.addPixmap(ApplicationIconPixmap(size));
    return icon;
}

QPixmap SplashPixmap()
{
    QPixmap pixmap(480, 280);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient background(0, 0, 0, 280);
    background.setColorAt(0, QColor(28, 70, 122));
    background.setColorAt(1, kNavy);
    p.fillRect(pixmap.rect(), background);
    p.setPen(QPen(QColor(255, 255, 255, 40), 1));
    for (int x = -280; x < 480; x += 24)
        p.drawLine(x, 280, x + 280, 0);
    DrawMark(p, QRectF(32, 40, 96, 96));
    p.setPen(Qt::white);
    QFont title("DejaVu Sans", 22, QFont::Bold);
    p.setFont(title);
    p.drawText(QRectF(148, 48, 320, 40), Qt::AlignLeft | Qt::AlignVCenter, "Kavro");
    QFont subtitle("DejaVu Sans", 14);
    p.setFont(subtitle);
    p.drawText(QRectF(148, 88, 320, 30), Qt::AlignLeft | Qt::AlignVCenter, "Configuration Manager");
    p.setPen(kAmber);
    p.fillRect(QRectF(32, 170, 416, 3), kAmber);
    p.setPen(QColor(220, 230, 240));
    p.setFont(QFont("DejaVu Sans", 10));
    p.drawText(QRectF(32, 184, 416, 24), Qt::AlignLeft | Qt::AlignVCenter, QString("QVS ") + texts::kVersionText);
    p.drawText(QRectF(32, 240, 416, 24), Qt::AlignLeft | Qt::AlignVCenter, "Loading...");
    return pixmap;
}

QIcon ConnectIcon(bool connected)
{
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor colour = connected ? QColor(30, 150, 60) : QColor(170, 40, 40);
    p.setPen(QPen(colour, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(colour);
    // Two plug halves; together while connected, apart otherwise.
    const qreal gap = connected ? 0 : 4;
    p.drawRoundedRect(QRectF(3, 8, 7 - gap / 2, 8), 2, 2);
    p.drawRoundedRect(QRectF(14 + gap / 2, 8, 7 - gap / 2, 8), 2, 2);
    p.drawLine(QPointF(10 - gap / 2, 10.5), QPointF(14 + gap / 2 - (connected ? 0 : 2), 10.5));
    p.drawLine(QPointF(10 - gap / 2, 13.5), QPointF(14 + gap / 2 - (connected ? 0 : 2), 13.5));
    p.drawLine(QPointF(1, 12), QPointF(3, 12));
    p.drawLine(QPointF(21, 12), QPointF(23, 12));
    return QIcon(pixmap);
}

}  // namespace qvs::app
