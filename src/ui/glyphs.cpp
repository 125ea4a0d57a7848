#include "ui/glyphs.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <array>
#include <functional>
#include <map>

// The icon pictures live in a static library; their resource must be registered by hand.
static void registerIconResource() {
    Q_INIT_RESOURCE(lajes_icons);
}

namespace lajes {

namespace {

// Paints the glyph at whatever size is asked for, when it is asked for: sharp at any scale,
// and nothing is drawn at start-up for sizes that are never shown.
class PaintedIconEngine final : public QIconEngine {
public:
    explicit PaintedIconEngine(std::function<void(QPainter&, qreal)> paint)
        : paint_(std::move(paint)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        const qreal side = qMin(rect.width(), rect.height());
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->translate(rect.x() + (rect.width() - side) / 2,
                           rect.y() + (rect.height() - side) / 2);
        if (mode == QIcon::Disabled)
            painter->setOpacity(0.4);
        paint_(*painter, side);
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return pixmap;
    }

    QIconEngine* clone() const override { return new PaintedIconEngine(paint_); }

private:
    std::function<void(QPainter&, qreal)> paint_;
};

QIcon paintedIcon(std::function<void(QPainter&, qreal)> paint) {
    return QIcon(new PaintedIconEngine(std::move(paint)));
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

QIcon returnGlyph() {
    return paintedIcon([](QPainter& p, qreal s) {
        // A blue arrow bending back to the left.
        const QColor blue(0x1f, 0x5f, 0xbf);
        QPainterPath bend;
        bend.moveTo(0.30 * s, 0.40 * s);
        bend.lineTo(0.62 * s, 0.40 * s);
        bend.cubicTo(0.98 * s, 0.40 * s, 0.98 * s, 0.86 * s, 0.62 * s, 0.86 * s);
        bend.lineTo(0.42 * s, 0.86 * s);
        p.setPen(QPen(blue, 0.13 * s, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(bend);
        QPainterPath head;
        head.moveTo(0.04 * s, 0.40 * s);
        head.lineTo(0.36 * s, 0.14 * s);
        head.lineTo(0.36 * s, 0.66 * s);
        head.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(blue);
        p.drawPath(head);
    });
}

QIcon drawingGlyph() {
    return paintedIcon([](QPainter& p, qreal s) {
        // A drawing sheet with a slab outline and its bars.
        p.setPen(QPen(QColor(0x55, 0x55, 0x55), 0.06 * s));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(0.08 * s, 0.10 * s, 0.84 * s, 0.80 * s));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0x1f, 0x5f, 0xbf), 0.07 * s));
        p.drawRect(QRectF(0.22 * s, 0.24 * s, 0.56 * s, 0.52 * s));
        p.setPen(QPen(QColor(0xd9, 0x6a, 0x00), 0.06 * s, Qt::SolidLine, Qt::RoundCap));
        for (qreal y : {0.38, 0.50, 0.62})
            p.drawLine(QPointF(0.28 * s, y * s), QPointF(0.72 * s, y * s));
        p.setPen(QPen(QColor(0x1b, 0x8a, 0x2e), 0.06 * s, Qt::SolidLine, Qt::RoundCap));
        for (qreal x : {0.36, 0.50, 0.64})
            p.drawLine(QPointF(x * s, 0.30 * s), QPointF(x * s, 0.70 * s));
    });
}

QIcon printGlyph() {
    return paintedIcon([](QPainter& p, qreal s) {
        // A printer: the sheet coming out above, the body, the tray below.
        const QColor body(0x4a, 0x55, 0x68);
        p.setPen(QPen(QColor(0x55, 0x55, 0x55), 0.05 * s));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(0.26 * s, 0.06 * s, 0.48 * s, 0.34 * s));
        p.setPen(Qt::NoPen);
        p.setBrush(body);
        p.drawRoundedRect(QRectF(0.06 * s, 0.34 * s, 0.88 * s, 0.38 * s), 0.08 * s, 0.08 * s);
        p.setBrush(QColor(0x1b, 0x8a, 0x2e));
        p.drawEllipse(QRectF(0.76 * s, 0.42 * s, 0.09 * s, 0.09 * s));
        p.setPen(QPen(QColor(0x55, 0x55, 0x55), 0.05 * s));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(0.24 * s, 0.60 * s, 0.52 * s, 0.32 * s));
        p.setPen(QPen(QColor(0x99, 0x99, 0x99), 0.04 * s));
        for (qreal y : {0.71, 0.81})
            p.drawLine(QPointF(0.32 * s, y * s), QPointF(0.68 * s, y * s));
    });
}

QIcon tableGlyph() {
    return paintedIcon([](QPainter& p, qreal s) {
        // A table: a blue heading row over ruled rows, and a bent orange bar beside them.
        const QColor grey(0x55, 0x55, 0x55);
        p.setPen(QPen(grey, 0.05 * s));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(0.06 * s, 0.10 * s, 0.62 * s, 0.80 * s));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x1f, 0x5f, 0xbf));
        p.drawRect(QRectF(0.085 * s, 0.125 * s, 0.57 * s, 0.15 * s));
        p.setPen(QPen(QColor(0x99, 0x99, 0x99), 0.04 * s));
        for (qreal y : {0.42, 0.56, 0.70})
            p.drawLine(QPointF(0.10 * s, y * s), QPointF(0.64 * s, y * s));
        p.drawLine(QPointF(0.30 * s, 0.30 * s), QPointF(0.30 * s, 0.86 * s));
        QPainterPath bar;
        bar.moveTo(0.78 * s, 0.14 * s);
        bar.lineTo(0.86 * s, 0.14 * s);
        bar.lineTo(0.86 * s, 0.86 * s);
        bar.lineTo(0.78 * s, 0.86 * s);
        p.setPen(
            QPen(QColor(0xd9, 0x6a, 0x00), 0.08 * s, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(bar);
    });
}

QIcon codeCheckGlyph() {
    return paintedIcon([](QPainter& p, qreal s) {
        // A code book (dark cover, white pages) with the green tick of a passed check.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x4a, 0x55, 0x68));
        p.drawRoundedRect(QRectF(0.10 * s, 0.06 * s, 0.66 * s, 0.86 * s), 0.06 * s, 0.06 * s);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(0.20 * s, 0.80 * s, 0.56 * s, 0.08 * s));
        p.setPen(QPen(QColor(0xbb, 0xc4, 0xd0), 0.05 * s, Qt::SolidLine, Qt::RoundCap));
        for (qreal y : {0.22, 0.34})
            p.drawLine(QPointF(0.26 * s, y * s), QPointF(0.62 * s, y * s));
        QPainterPath tick;
        tick.moveTo(0.40 * s, 0.62 * s);
        tick.lineTo(0.58 * s, 0.80 * s);
        tick.lineTo(0.94 * s, 0.38 * s);
        p.setPen(QPen(Qt::white, 0.22 * s, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(tick);
        p.setPen(
            QPen(QColor(0x1b, 0x8a, 0x2e), 0.13 * s, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(tick);
    });
}

namespace {

// The application icon from its PNG sizes, each file read only when a window first asks for
// that size: reading all of them up front was the costliest step of start-up.
class ResourceIconEngine final : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        // The smallest file at least as large as asked for, else the largest.
        int chosen = sizes.back();
        for (int side : sizes)
            if (side >= size.width() && side >= size.height()) {
                chosen = side;
                break;
            }
        QPixmap& loaded = loaded_[chosen];
        if (loaded.isNull())
            loaded.load(QStringLiteral(":/icons/lajes-%1.png").arg(chosen));
        return loaded.size() == size
                   ? loaded
                   : loaded.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> list;
        for (int side : sizes)
            list << QSize(side, side);
        return list;
    }

    QIconEngine* clone() const override { return new ResourceIconEngine(*this); }

private:
    static constexpr std::array<int, 8> sizes{16, 22, 24, 32, 48, 64, 128, 256};
    std::map<int, QPixmap> loaded_;
};

} // namespace

QIcon applicationIcon() {
    // The PNG sizes rendered at build time from packaging/icons/lajes.svg, the same pictures
    // that the desktop's menu shows.
    registerIconResource();
    return QIcon(new ResourceIconEngine);
}

} // namespace lajes
