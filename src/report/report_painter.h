#pragma once

// Drawing the report page with QPainter on any paint device: the print preview, a printer,
// a PDF or an image.

#include <QFont>
#include <QRectF>
#include <QString>

#include "report/report_page.h"

class QFontMetricsF;
class QPainter;
class QPagedPaintDevice;

namespace lajes::report {

// Makes "Times New Roman" resolve to its metric-compatible stand-in (Liberation Serif) where
// the font itself is not installed, so that texts keep the widths the layout was made for.
// Safe to call more than once; needs a QGuiApplication.
void installReportFont();

// The report font at `pointSize`, regular or bold.
QFont reportFont(double pointSize, bool bold);

// `text` as far as it fits in `width` (device units), ending in "…" when it was cut, so that a
// long slab name stays inside the sheet's right margin. A text that fits is left as it is.
QString fittedText(const QFontMetricsF& metrics, const QString& text, double width);

// Draws the page. `sheet` is the whole A4 sheet in the painter's device coordinates; it may
// start left of and above the device's origin when the origin is the printable area.
// The painter must carry no transform. Texts are laid out in device pixels with fonts in
// points resolved for the device, so a 10 pt text is 10 pt on every device.
void paintReportPage(QPainter& painter, const ReportPage& page, const QRectF& sheet);

// The same on a printer or a PDF writer, the sheet placed from the device's page layout
// (the origin is the corner of the margins unless the layout is full-page).
void paintReportPage(QPainter& painter, const ReportPage& page, QPagedPaintDevice& device);

// The support-case picture alone, in device coordinates.
void paintCasePicture(QPainter& painter, int supportCase, const QRectF& area);

} // namespace lajes::report
