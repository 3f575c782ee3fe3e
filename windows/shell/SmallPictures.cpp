#include "windows/shell/SmallPictures.h"

#include <QPainter>
#include <QPixmap>

namespace vxw {
namespace {

// Drawn at twice the size it shows at, so that it stays sharp on a dense screen.
QPixmap Canvas(int size) {
    QPixmap pixmap(size * 2, size * 2);
    pixmap.setDevicePixelRatio(2.0);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

} // namespace

QIcon GroupPicture(bool expanded) {
    QPixmap pixmap = Canvas(11);
    QPainter painter(&pixmap);
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(0.5, 0.5, 9.0, 9.0));
    painter.setPen(QPen(Qt::black, 1.0));
    painter.drawLine(QPointF(2.5, 5.0), QPointF(8.5, 5.0));
    if (!expanded) {
        painter.drawLine(QPointF(5.5, 2.0), QPointF(5.5, 8.0));
    }
    painter.end();
    return QIcon(pixmap);
}

QIcon MergedPicture() {
    QPixmap pixmap = Canvas(16);
    QPainter painter(&pixmap);
    painter.setPen(QPen(QColor(0x50, 0x50, 0x50), 1.0));
    for (const QPointF corner : {QPointF(1.5, 1.5), QPointF(5.5, 4.5)}) {
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(corner, QSizeF(9.0, 10.5)));
        for (const qreal y : {3.5, 6.0, 8.5}) {
            painter.drawLine(corner + QPointF(2.0, y), corner + QPointF(7.0, y));
        }
    }
    painter.end();
    return QIcon(pixmap);
}

QIcon SavedPicture(bool saved) {
    QPixmap pixmap = Canvas(16);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor body = saved ? QColor(0x2f, 0x5f, 0xa8) : QColor(0xb0, 0xb0, 0xb0);
    painter.setPen(QPen(body.darker(130), 1.0));
    painter.setBrush(body);
    painter.drawRoundedRect(QRectF(1.5, 1.5, 13.0, 13.0), 1.5, 1.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(4.0, 2.0, 8.0, 5.0)); // the label
    painter.setBrush(body.darker(150));
    painter.drawRect(QRectF(5.0, 10.0, 6.0, 4.0)); // the shutter
    if (saved) {
        painter.setPen(QPen(QColor(0x1a, 0x8a, 0x2e), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPolyline(QPolygonF({QPointF(5.5, 4.5), QPointF(7.3, 6.2), QPointF(10.8, 2.8)}));
    }
    painter.end();
    return QIcon(pixmap);
}

} // namespace vxw
