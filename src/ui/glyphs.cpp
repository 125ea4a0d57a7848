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
