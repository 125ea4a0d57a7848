#include "ui/glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace lajes {

namespace {

// Paints at several sizes so the icon engine never has to scale a small bitmap up.
QIcon paintedIcon(const std::function<void(QPainter&, qreal)>& paint) {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        paint(painter, size);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace

QIcon tickGlyph() {
    return paintedIcon([](QPainter& p, qreal s) {
        QPainterPath path;
        path.moveTo(0.14 * s, 0.54 * s);
        path.lineTo(0.40 * s, 0.80 * s);
        path.lineTo(0.88 * s, 0.22 * s);
        p.setPen(
            QPen(QColor(0x1b, 0x8a, 0x2e), 0.16 * s, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(path);
    });
}

QIcon abortGlyph() {
    return paintedIcon([](QPainter& p, qreal s) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xc6, 0x28, 0x28));
        p.drawEllipse(QRectF(0.06 * s, 0.06 * s, 0.88 * s, 0.88 * s));
        p.setPen(QPen(Qt::white, 0.12 * s, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(0.33 * s, 0.33 * s), QPointF(0.67 * s, 0.67 * s));
        p.drawLine(QPointF(0.67 * s, 0.33 * s), QPointF(0.33 * s, 0.67 * s));
    });
}

QIcon cancelGlyph() {
    return paintedIcon([](QPainter& p, qreal s) {
        p.setPen(QPen(QColor(0xc6, 0x28, 0x28), 0.15 * s, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(0.2 * s, 0.2 * s), QPointF(0.8 * s, 0.8 * s));
        p.drawLine(QPointF(0.8 * s, 0.2 * s), QPointF(0.2 * s, 0.8 * s));
    });
}

QIcon applicationIcon() {
    // A slab in plan: grey concrete, a fixed edge hatched, bars both ways.
    return paintedIcon([](QPainter& p, qreal s) {
        const QRectF slab(0.08 * s, 0.18 * s, 0.84 * s, 0.64 * s);
        p.setPen(QPen(QColor(0x33, 0x3d, 0x4a), qMax<qreal>(1.0, 0.05 * s)));
        p.setBrush(QColor(0xd9, 0xdd, 0xe2));
        p.drawRect(slab);
        p.setPen(QPen(QColor(0x1f, 0x5f, 0xbf), qMax<qreal>(1.0, 0.05 * s)));
        for (int i = 1; i <= 3; ++i) {
            const qreal y = slab.top() + slab.height() * i / 4.0;
            p.drawLine(QPointF(slab.left() + 0.08 * s, y), QPointF(slab.right() - 0.08 * s, y));
        }
        p.setPen(QPen(QColor(0xc6, 0x28, 0x28), qMax<qreal>(1.0, 0.05 * s)));
        for (int i = 1; i <= 4; ++i) {
            const qreal x = slab.left() + slab.width() * i / 5.0;
            p.drawLine(QPointF(x, slab.top() + 0.06 * s), QPointF(x, slab.bottom() - 0.06 * s));
        }
    });
}

} // namespace lajes
