#include "ui/artwork.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QStringList>
#include <QVector>

#include <cmath>

namespace lajes {

void paintTitleArt(QPainter& p, const QRectF& area, bool compact) {
    p.save();
    QLinearGradient ground(area.topLeft(), area.bottomRight());
    ground.setColorAt(0.0, QColor(0x1d, 0x3a, 0x66));
    ground.setColorAt(1.0, QColor(0x0f, 0x22, 0x40));
    p.fillRect(area, ground);

    // Faint drafting grid: one-pixel lines on whole pixels, so without antialiasing, which
    // made this the costliest part of the start-up.
    const qreal cell = qMax<qreal>(12.0, area.height() / 24.0);
    p.setPen(QPen(QColor(255, 255, 255, 18), 0));
    QVector<QLineF> grid;
    for (qreal x = area.left(); x < area.right(); x += cell)
        grid.append(QLineF(std::round(x), area.top(), std::round(x), area.bottom()));
    for (qreal y = area.top(); y < area.bottom(); y += cell)
        grid.append(QLineF(area.left(), std::round(y), area.right(), std::round(y)));
    p.drawLines(grid);
    p.setRenderHint(QPainter::Antialiasing);

    // The slab on the right, with room beside it for the Ly dimension; the title on its left.
    const qreal side =
        compact ? area.height() * 0.5 : qMin(area.height() * 0.55, area.width() * 0.39 / 1.95);
    const qreal slabWidth = side * 1.55;
    const qreal slabLeft = compact ? area.right() - area.height() * 0.06 - side * 0.45 - slabWidth
                                   : area.left() + area.width() * 0.56;
    const QRectF slab(slabLeft, area.top() + (area.height() - side) / 2, slabWidth, side);
    const QColor line(0xdc, 0xe8, 0xf8);
    const qreal pen = qMax<qreal>(1.0, side / 160.0);
    p.setPen(QPen(line, pen * 1.6));
    p.setBrush(QColor(255, 255, 255, 22));
    p.drawRect(slab);
    p.setBrush(Qt::NoBrush);
    p.drawRect(slab.adjusted(pen * 5, pen * 5, -pen * 5, -pen * 5));

    // Left and top edges fixed.
    p.setPen(QPen(line, pen));
    const qreal step = pen * 9;
    for (qreal y = slab.top() + step; y < slab.bottom() - step; y += step)
        p.drawLine(QPointF(slab.left() - step, y + step), QPointF(slab.left(), y));
    for (qreal x = slab.left() + step; x < slab.right() - step; x += step)
        p.drawLine(QPointF(x - step, slab.top()), QPointF(x, slab.top() - step));

    // Bottom bars: x in orange, y in light green.
    const QRectF inner = slab.adjusted(side * 0.1, side * 0.1, -side * 0.1, -side * 0.1);
    p.setPen(QPen(QColor(0xff, 0xa8, 0x4a), pen * 1.4));
    for (int i = 0; i <= 6; ++i) {
        const qreal y = inner.top() + inner.height() * i / 6.0;
        p.drawLine(QPointF(inner.left(), y), QPointF(inner.right(), y));
    }
    p.setPen(QPen(QColor(0x8e, 0xe0, 0x9a), pen * 1.4));
    for (int i = 0; i <= 9; ++i) {
        const qreal x = inner.left() + inner.width() * i / 9.0;
        p.drawLine(QPointF(x, inner.top()), QPointF(x, inner.bottom()));
    }

    // Dimension lines Lx and Ly, in the subtitle's font below: each further font costs a
    // font-engine load at start-up.
    QFont font = p.font();
    font.setPixelSize(qMax(10, static_cast<int>(side / 9)));
    p.setFont(font);
    p.setPen(QPen(line, pen));
    const qreal below = slab.bottom() + side * 0.12;
    p.drawLine(QPointF(slab.left(), below), QPointF(slab.right(), below));
    p.drawText(QRectF(slab.left(), below, slab.width(), side * 0.18), Qt::AlignCenter,
               QStringLiteral("Lx"));
    const qreal beside = slab.right() + side * 0.1;
    p.drawLine(QPointF(beside, slab.top()), QPointF(beside, slab.bottom()));
    p.drawText(QRectF(beside + pen * 4, slab.top(), side * 0.3, slab.height()),
               Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Ly"));

    // Title, shrunk where needed so that it ends before the hatching of the slab.
    const qreal textLeft = area.left() + (compact ? area.height() * 0.08 : area.width() * 0.07);
    const QRectF text(textLeft, area.top(), slab.left() - step * 2 - textLeft, area.height());
    const QString heading = QStringLiteral("Cálculo de Lajes");
    const QStringList lines{QStringLiteral("Estruturas de Concreto Armado"),
                            QStringLiteral("Lajes retangulares segundo a NBR 6118")};
    auto fitted = [&text](QFont candidate, const QStringList& texts) {
        qreal widest = 0;
        for (const QString& t : texts)
            widest = qMax(widest, QFontMetricsF(candidate).horizontalAdvance(t));
        if (widest > text.width())
            candidate.setPixelSize(
                qMax(8, static_cast<int>(candidate.pixelSize() * text.width() / widest)));
        return candidate;
    };
    QFont title = p.font();
    title.setItalic(false);
    title.setBold(true);
    title.setPixelSize(
        qMax(14, static_cast<int>(compact ? area.height() / 7.5 : area.height() / 13.0)));
    QFont subtitle = title;
    subtitle.setBold(false);
    subtitle.setPixelSize(qMax(10, title.pixelSize() * 4 / 10));
    title = fitted(title, {heading});
    subtitle = fitted(subtitle, lines);
    p.setPen(Qt::white);
    p.setFont(title);
    const qreal titleHeight = title.pixelSize() * 1.3;
    const qreal top = text.center().y() - titleHeight;
    p.drawText(QRectF(text.left(), top, text.width(), titleHeight), Qt::AlignLeft | Qt::AlignBottom,
               heading);
    p.setFont(subtitle);
    p.setPen(QColor(0xb8, 0xcc, 0xea));
    p.drawText(QRectF(text.left(), top + titleHeight + subtitle.pixelSize() * 0.4, text.width(),
                      subtitle.pixelSize() * 3.2),
               Qt::AlignLeft | Qt::AlignTop, lines.join(QLatin1Char('\n')));
    p.restore();
}

} // namespace lajes
