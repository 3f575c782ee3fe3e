#include "windows/shell/Pictures.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace vxw {
namespace {

using Drawing = std::function<void(QPainter&)>;

// Every picture is drawn on a 16 by 16 grid and rendered at two sizes, so it stays sharp on
// screens with more pixels per point.
QIcon Draw(const Drawing& drawing) {
    QIcon icon;
    for (int scale : {1, 2}) {
        QPixmap pixmap(16 * scale, 16 * scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(scale, scale);
        drawing(painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QPen Outline(const QColor& colour, qreal width = 1.0) {
    QPen pen(colour, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

const QColor kInk(40, 40, 48);

void Sheet(QPainter& p, const QRectF& r, const QColor& fill) {
    QPainterPath path;
    const qreal fold = 3.5;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - fold, r.top());
    path.lineTo(r.right(), r.top() + fold);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setPen(Outline(kInk));
    p.setBrush(fill);
    p.drawPath(path);
    p.drawLine(QPointF(r.right() - fold, r.top()), QPointF(r.right() - fold, r.top() + fold));
    p.drawLine(QPointF(r.right() - fold, r.top() + fold), QPointF(r.right(), r.top() + fold));
}

void Chip(QPainter& p, const QColor& body, bool pads) {
    p.setPen(Outline(kInk));
    for (int i = 0; i < 3; ++i) {
        const qreal y = 5 + 3 * i;
        if (pads) {
            p.setBrush(QColor(200, 160, 60));
            p.drawRect(QRectF(1.5, y - 0.5, 2.5, 1.6));
            p.drawRect(QRectF(12, y - 0.5, 2.5, 1.6));
        } else {
            p.drawLine(QPointF(1.5, y + 0.3), QPointF(4, y + 0.3));
            p.drawLine(QPointF(12, y + 0.3), QPointF(14.5, y + 0.3));
        }
    }
    p.setBrush(body);
    p.drawRoundedRect(QRectF(4, 2.5, 8, 11), 1, 1);
    p.setBrush(Qt::white);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(6, 4.5), 0.9, 0.9);
}

void Gate(QPainter& p, const QColor& fill) {
    QPainterPath path;
    path.moveTo(3.5, 3);
    path.lineTo(8, 3);
    path.arcTo(QRectF(3, 3, 10, 10), 90, -180);
    path.lineTo(3.5, 13);
    path.closeSubpath();
    p.setPen(Outline(kInk));
    p.setBrush(fill);
    p.drawPath(path);
    p.drawLine(QPointF(0.5, 5.5), QPointF(3.5, 5.5));
    p.drawLine(QPointF(0.5, 10.5), QPointF(3.5, 10.5));
    p.drawLine(QPointF(13, 8), QPointF(15.5, 8));
}

void Pad(QPainter& p, const QColor& copper) {
    p.setPen(Outline(kInk));
    p.setBrush(copper);
    p.drawEllipse(QPointF(8, 8), 6.5, 6.5);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(8, 8), 2.5, 2.5);
}

void Board(QPainter& p) {
    p.setPen(Outline(QColor(20, 80, 30)));
    p.setBrush(QColor(60, 150, 70));
    p.drawRoundedRect(QRectF(1.5, 2.5, 13, 11), 1.5, 1.5);
    p.setPen(Outline(QColor(230, 200, 90), 1.2));
    p.drawLine(QPointF(4, 6), QPointF(8, 6));
    p.drawLine(QPointF(8, 6), QPointF(11, 9));
    p.drawLine(QPointF(11, 9), QPointF(12, 9));
    p.drawLine(QPointF(4, 10.5), QPointF(9, 10.5));
    p.setBrush(QColor(230, 200, 90));
    p.drawEllipse(QPointF(4, 6), 1, 1);
    p.drawEllipse(QPointF(12, 9), 1, 1);
}

void CircuitGlyph(QPainter& p, const QColor& frame) {
    p.setPen(Outline(frame));
    p.setBrush(QColor(250, 250, 240));
    p.drawRect(QRectF(1.5, 1.5, 13, 13));
    p.setPen(Outline(kInk));
    // A resistor zigzag between two wires.
    QPainterPath path;
    path.moveTo(3, 8);
    path.lineTo(5, 8);
    path.lineTo(6, 5.5);
    path.lineTo(7.5, 10.5);
    path.lineTo(9, 5.5);
    path.lineTo(10.5, 10.5);
    path.lineTo(11.5, 8);
    path.lineTo(13, 8);
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void Folder(QPainter& p, const QColor& fill, bool open) {
    p.setPen(Outline(QColor(120, 90, 20)));
    p.setBrush(fill.darker(110));
    p.drawRect(QRectF(1.5, 4, 13, 9.5));
    p.drawRect(QRectF(1.5, 2.5, 5, 2));
    p.setBrush(fill);
    if (open) {
        QPolygonF front;
        front << QPointF(3.5, 7) << QPointF(15, 7) << QPointF(13, 13.5) << QPointF(1.5, 13.5);
        p.drawPolygon(front);
    } else {
        p.drawRect(QRectF(1.5, 6, 13, 7.5));
    }
}

void Books(QPainter& p) {
    const QColor colours[] = {QColor(180, 60, 50), QColor(60, 100, 170), QColor(70, 140, 80)};
    p.setPen(Outline(kInk));
    for (int i = 0; i < 3; ++i) {
        p.setBrush(colours[i]);
        p.drawRect(QRectF(2 + 4 * i, 2.5 + (i == 1 ? 1 : 0), 3.5, 11 - (i == 1 ? 1 : 0)));
    }
}

void Monitor(QPainter& p) {
    p.setPen(Outline(kInk));
    p.setBrush(QColor(70, 120, 190));
    p.drawRoundedRect(QRectF(1.5, 2, 13, 9), 1, 1);
    p.setBrush(kInk);
    p.drawRect(QRectF(6.5, 11, 3, 2));
    p.drawRect(QRectF(4, 13, 8, 1.5));
}

void Nets(QPainter& p) {
    p.setPen(Outline(QColor(30, 90, 170), 1.3));
    p.drawLine(QPointF(3, 4), QPointF(13, 4));
    p.drawLine(QPointF(8, 4), QPointF(8, 12));
    p.drawLine(QPointF(3, 12), QPointF(13, 12));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 90, 170));
    for (const QPointF& dot :
         {QPointF(3, 4), QPointF(13, 4), QPointF(8, 4), QPointF(8, 12), QPointF(3, 12), QPointF(13, 12)}) {
        p.drawEllipse(dot, 1.4, 1.4);
    }
}

void TreeGlyph(QPainter& p, const QColor& colour) {
    p.setPen(Outline(kInk));
    p.drawLine(QPointF(4, 5), QPointF(4, 12));
    p.drawLine(QPointF(4, 8.5), QPointF(9, 8.5));
    p.drawLine(QPointF(4, 12), QPointF(9, 12));
    p.setBrush(colour);
    p.drawRect(QRectF(1.5, 1.5, 5, 3.5));
    p.drawRect(QRectF(9, 7, 5.5, 3));
    p.drawRect(QRectF(9, 10.5, 5.5, 3));
}

void Block(QPainter& p) {
    p.setPen(Outline(kInk));
    p.setBrush(QColor(235, 225, 190));
    p.drawRect(QRectF(3.5, 2.5, 9, 11));
    for (qreal y : {5.0, 8.0, 11.0}) {
        p.drawLine(QPointF(1, y), QPointF(3.5, y));
        p.drawLine(QPointF(12.5, y), QPointF(15, y));
    }
}

void Triangle(QPainter& p, bool down) {
    QPolygonF shape;
    if (down) {
        shape << QPointF(4, 6) << QPointF(12, 6) << QPointF(8, 11);
    } else {
        shape << QPointF(4, 10) << QPointF(12, 10) << QPointF(8, 5);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 90, 100));
    p.drawPolygon(shape);
}

QIcon Cached(const QString& name, const Drawing& drawing) {
    // Kept for the life of the process and never destroyed: a pixmap must not outlive the
    // application object, which static destruction would let it do.
    static auto* cache = new QHash<QString, QIcon>;
    auto it = cache->find(name);
    if (it == cache->end()) {
        it = cache->insert(name, Draw(drawing));
    }
    return *it;
}

} // namespace

QIcon ExplorerPicture(int image) {
    const QString name = QStringLiteral("explorer%1").arg(image);
    switch (image) {
    case 1:
        return Cached(name, [](QPainter& p) { Folder(p, QColor(240, 200, 80), false); });
    case 2:
        return Cached(name, [](QPainter& p) { Sheet(p, QRectF(3, 1.5, 10, 13), Qt::white); });
    case 3:
        return Cached(name, [](QPainter& p) {
            Sheet(p, QRectF(5, 1, 9.5, 11.5), QColor(235, 235, 235));
            Sheet(p, QRectF(1.5, 3.5, 9.5, 11.5), Qt::white);
        });
    case 4:
        return Cached(name, [](QPainter& p) { CircuitGlyph(p, kInk); });
    case 5:
        return Cached(name, [](QPainter& p) { Board(p); });
    case 6:
        return Cached(name, [](QPainter& p) { Books(p); });
    case 7:
        return Cached(name, [](QPainter& p) { Chip(p, QColor(50, 50, 60), false); });
    case 8:
        return Cached(name, [](QPainter& p) { Gate(p, QColor(255, 250, 220)); });
    case 9:
        return Cached(name, [](QPainter& p) { Chip(p, QColor(110, 110, 120), true); });
    case 10:
        return Cached(name, [](QPainter& p) { Pad(p, QColor(205, 150, 60)); });
    case 19:
        return Cached(name, [](QPainter& p) { Nets(p); });
    case 20:
        return Cached(name, [](QPainter& p) { TreeGlyph(p, QColor(250, 250, 240)); });
    case 22:
        return Cached(name, [](QPainter& p) { Monitor(p); });
    default:
        return {};
    }
}

QIcon LibraryFilePicture(int icon) {
    if (icon < 1 || icon > 8) {
        return {};
    }
    const bool open = icon % 2 == 0;
    const int kind = (icon + 1) / 2;
    static const QColor colours[] = {QColor(240, 200, 80), QColor(150, 200, 240), QColor(200, 200, 205),
                                     QColor(230, 170, 110)};
    const QColor colour = colours[kind - 1];
    return Cached(QStringLiteral("file%1").arg(icon),
                  [colour, open](QPainter& p) { Folder(p, colour, open); });
}

QIcon SortPicture(int icon) {
    if (icon != 7 && icon != 8) {
        return {};
    }
    const bool down = icon == 8;
    return Cached(QStringLiteral("sort%1").arg(icon), [down](QPainter& p) { Triangle(p, down); });
}

QIcon HierarchyPicture(const QString& key) {
    if (key == QLatin1String("ST_CURCIR")) {
        return Cached(key, [](QPainter& p) { CircuitGlyph(p, QColor(220, 0, 0)); });
    }
    if (key == QLatin1String("ST_CIR")) {
        return Cached(key, [](QPainter& p) { CircuitGlyph(p, kInk); });
    }
    if (key == QLatin1String("ST_SUB")) {
        return Cached(key, [](QPainter& p) { CircuitGlyph(p, QColor(0, 0, 220)); });
    }
    if (key == QLatin1String("ST_COMP")) {
        return Cached(key, [](QPainter& p) { Block(p); });
    }
    return {};
}

QIcon ToolPicture(const QString& key) {
    static const QHash<QString, Drawing> drawings{
        {QStringLiteral("open"), [](QPainter& p) { Books(p); }},
        {QStringLiteral("save"),
         [](QPainter& p) {
             Books(p);
             p.setPen(Outline(QColor(20, 120, 20), 2));
             p.drawLine(QPointF(9, 12), QPointF(15, 6));
         }},
        {QStringLiteral("write"),
         [](QPainter& p) {
             p.setPen(Outline(kInk));
             p.setBrush(QColor(70, 100, 170));
             p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 1.5, 1.5);
             p.setBrush(Qt::white);
             p.drawRect(QRectF(4, 1.5, 8, 5));
             p.setBrush(QColor(200, 200, 210));
             p.drawRect(QRectF(4, 9, 8, 5.5));
         }},
        {QStringLiteral("property"),
         [](QPainter& p) {
             Sheet(p, QRectF(2.5, 1.5, 11, 13), Qt::white);
             p.setPen(Outline(QColor(30, 90, 170)));
             for (qreal y : {5.5, 8.0, 10.5}) {
                 p.drawLine(QPointF(4.5, y), QPointF(6, y));
                 p.drawLine(QPointF(7.5, y), QPointF(11.5, y));
             }
         }},
        {QStringLiteral("preview"),
         [](QPainter& p) {
             Sheet(p, QRectF(1.5, 1.5, 10, 13), Qt::white);
             p.setPen(Outline(kInk));
             for (qreal y : {5.0, 7.5, 10.0}) {
                 p.drawLine(QPointF(3.5, y), QPointF(9, y));
             }
             p.setPen(Qt::NoPen);
             p.setBrush(QColor(20, 140, 40));
             QPolygonF arrow;
             arrow << QPointF(9, 7) << QPointF(15.5, 10.5) << QPointF(9, 14);
             p.drawPolygon(arrow);
         }},
        {QStringLiteral("mnuLibraryOutAll"),
         [](QPainter& p) {
             Books(p);
             p.setPen(Outline(kInk, 1.6));
             p.setBrush(QColor(255, 255, 255, 200));
             p.drawEllipse(QPointF(10, 9), 3.5, 3.5);
             p.drawLine(QPointF(12.5, 11.5), QPointF(15, 14.5));
         }},
        {QStringLiteral("mnuLibraryItemFind"),
         [](QPainter& p) {
             p.setPen(Outline(kInk, 1.6));
             p.setBrush(QColor(220, 235, 250));
             p.drawEllipse(QPointF(6.5, 6.5), 4.5, 4.5);
             p.drawLine(QPointF(10, 10), QPointF(14.5, 14.5));
         }},
        {QStringLiteral("mnuRefresh"),
         [](QPainter& p) {
             p.setPen(Outline(QColor(20, 120, 40), 1.8));
             p.setBrush(Qt::NoBrush);
             p.drawArc(QRectF(2.5, 2.5, 11, 11), 60 * 16, 290 * 16);
             p.setPen(Qt::NoPen);
             p.setBrush(QColor(20, 120, 40));
             QPolygonF head;
             head << QPointF(9, 0.5) << QPointF(14, 3) << QPointF(9.5, 6.5);
             p.drawPolygon(head);
         }},
        {QStringLiteral("format"),
         [](QPainter& p) {
             p.setPen(Outline(kInk, 1.3));
             p.drawLine(QPointF(2, 3.5), QPointF(14, 3.5));
             p.drawLine(QPointF(2, 3.5), QPointF(2, 14));
             p.drawLine(QPointF(6.5, 3.5), QPointF(6.5, 14));
             p.drawLine(QPointF(2, 7), QPointF(14, 7));
             p.setPen(Outline(QColor(30, 90, 170), 1.3));
             for (qreal y : {10.0, 13.0}) {
                 p.drawLine(QPointF(8.5, y), QPointF(14, y));
             }
         }},
        {QStringLiteral("smallicon"),
         [](QPainter& p) {
             p.setPen(Outline(kInk));
             p.setBrush(QColor(150, 200, 240));
             for (qreal x : {2.0, 9.0}) {
                 for (qreal y : {2.0, 9.0}) {
                     p.drawRect(QRectF(x, y, 5, 5));
                 }
             }
         }},
        {QStringLiteral("list"),
         [](QPainter& p) {
             for (qreal x : {1.5, 9.0}) {
                 for (qreal y : {2.0, 6.5, 11.0}) {
                     p.setPen(Outline(kInk));
                     p.setBrush(QColor(150, 200, 240));
                     p.drawRect(QRectF(x, y, 2.5, 2.5));
                     p.drawLine(QPointF(x + 3.5, y + 1.25), QPointF(x + 6, y + 1.25));
                 }
             }
         }},
        {QStringLiteral("details"),
         [](QPainter& p) {
             for (qreal y : {2.0, 6.5, 11.0}) {
                 p.setPen(Outline(kInk));
                 p.setBrush(QColor(150, 200, 240));
                 p.drawRect(QRectF(1.5, y, 2.5, 2.5));
                 p.drawLine(QPointF(5.5, y + 1.25), QPointF(9, y + 1.25));
                 p.drawLine(QPointF(10.5, y + 1.25), QPointF(14.5, y + 1.25));
             }
         }},
    };
    const auto it = drawings.constFind(key);
    return it == drawings.constEnd() ? QIcon() : Cached(QStringLiteral("tool-") + key, *it);
}

} // namespace vxw
