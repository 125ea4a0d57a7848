#include "report/report_painter.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>
#include <QStringList>

#include <algorithm>

namespace lajes::report {

namespace {

QString family() {
    return QString::fromUtf8(reportFontFamily.data(), reportFontFamily.size());
}

QString qText(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

void installReportFont() {
    const QString times = family();
    if (QFontDatabase::hasFamily(times))
        return;
    const QStringList present = QFont::substitutes(times);
    if (!present.contains(QStringLiteral("Liberation Serif")))
        QFont::insertSubstitution(times, QStringLiteral("Liberation Serif"));
}

QFont reportFont(double pointSize, bool bold) {
    QFont font(family());
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    // Device-independent widths: the layout in millimetres assumes the font's own metrics.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

void paintCasePicture(QPainter& painter, int supportCase, const QRectF& area) {
    // The picture is 27 mm high on the sheet; lengths below are in its millimetres.
    const double mm = area.height() / 27.0;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);

    const QRectF outer = area.adjusted(0.4 * mm, 0.4 * mm, -0.4 * mm, -0.4 * mm);
    const QRectF inner = outer.adjusted(1.2 * mm, 1.2 * mm, -1.2 * mm, -1.2 * mm);
    painter.setPen(QPen(Qt::black, 0.3 * mm, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(outer);
    painter.drawRect(inner);

    // A fixed edge: a row of short strokes at 45 degrees just inside the inner outline.
    const FixedEdges fixed = fixedEdgesOf(supportCase);
    const double step = 1.5 * mm;
    const double depth = 1.4 * mm;
    painter.setPen(QPen(Qt::black, 0.2 * mm, Qt::SolidLine, Qt::FlatCap));
    if (fixed.left || fixed.right) {
        for (double y = inner.top() + step / 2; y + depth <= inner.bottom(); y += step) {
            if (fixed.left)
                painter.drawLine(QPointF(inner.left(), y),
                                 QPointF(inner.left() + depth, y + depth));
            if (fixed.right)
                painter.drawLine(QPointF(inner.right(), y),
                                 QPointF(inner.right() - depth, y + depth));
        }
    }
    if (fixed.top || fixed.bottom) {
        for (double x = inner.left() + step / 2; x + depth <= inner.right(); x += step) {
            if (fixed.top)
                painter.drawLine(QPointF(x, inner.top()), QPointF(x + depth, inner.top() + depth));
            if (fixed.bottom)
                painter.drawLine(QPointF(x, inner.bottom()),
                                 QPointF(x + depth, inner.bottom() - depth));
        }
    }

    // The case number, large and bold, in the middle (about half the picture's height).
    painter.setFont(reportFont(caseNumberPointSize, true));
    painter.setPen(Qt::black);
    painter.drawText(area, Qt::AlignCenter, QString::number(supportCase));
    painter.restore();
}

QString fittedText(const QFontMetricsF& metrics, const QString& text, double width) {
    if (metrics.horizontalAdvance(text) <= width)
        return text;
    return metrics.elidedText(text, Qt::ElideRight, std::max(width, 0.0));
}

void paintReportPage(QPainter& painter, const ReportPage& page, const QRectF& sheet) {
    const double sx = sheet.width() / sheetWidth;
    const double sy = sheet.height() / sheetHeight;
    const auto at = [&](double x, double y) {
        return QPointF(sheet.left() + x * sx, sheet.top() + y * sy);
    };

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setBrush(Qt::NoBrush);

    for (const PageFrame& frame : page.frames) {
        painter.setPen(
            QPen(Qt::black, frame.lineWidth * sx, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawRect(QRectF(at(frame.x, frame.y), QSizeF(frame.width * sx, frame.height * sy)));
    }

    const CasePicture& picture = page.picture;
    paintCasePicture(
        painter, picture.supportCase,
        QRectF(at(picture.x, picture.y), QSizeF(picture.width * sx, picture.height * sy)));

    painter.setPen(Qt::black);
    for (const PageText& text : page.texts) {
        if (text.text.empty())
            continue;
        // The font in points, resolved for this device; (x, y) is the top of the first line.
        painter.setFont(reportFont(text.pointSize, text.bold));
        const QFontMetricsF metrics(painter.font(), painter.device());
        const QPointF topLeft = at(text.x, text.y);
        const double room = sheet.left() + (sheetWidth - sheetMargin) * sx - topLeft.x();
        const QStringList lines = qText(text.text).split(QLatin1Char('\n'));
        for (qsizetype line = 0; line < lines.size(); ++line)
            painter.drawText(
                QPointF(topLeft.x(), topLeft.y() + metrics.ascent() + line * metrics.lineSpacing()),
                fittedText(metrics, lines[line], room));
    }
    painter.restore();
}

void paintReportPage(QPainter& painter, const ReportPage& page, QPagedPaintDevice& device) {
    const QPageLayout layout = device.pageLayout();
    const double dpiX = device.logicalDpiX();
    const double dpiY = device.logicalDpiY();
    QPointF origin(0.0, 0.0);
    if (layout.mode() != QPageLayout::FullPageMode) {
        const QRectF paint = layout.paintRect(QPageLayout::Millimeter);
        origin = QPointF(paint.left() * dpiX / 25.4, paint.top() * dpiY / 25.4);
    }
    const QRectF sheet(-origin, QSizeF(sheetWidth * dpiX / 25.4, sheetHeight * dpiY / 25.4));
    paintReportPage(painter, page, sheet);
}

} // namespace lajes::report
