#include "ui/glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

// The icon pictures live in a static library; their resource must be registered by hand.
static void registerIconResource() {
    Q_INIT_RESOURCE(lajes_icons);
}

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
    // The PNG sizes rendered at build time from packaging/icons/lajes.svg, the same pictures
    // that the desktop's menu shows.
    registerIconResource();
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/lajes-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace lajes
