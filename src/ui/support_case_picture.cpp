#include "ui/support_case_picture.h"

#include "analysis/support_case.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

namespace lajes {

SupportCasePicture::SupportCasePicture(int supportCase, QWidget* parent)
    : QWidget(parent), supportCase_(supportCase), number_(new QLabel(this)) {
    setObjectName(QStringLiteral("Laje%1Image").arg(supportCase));
    number_->setObjectName(QStringLiteral("Laje%1Label").arg(supportCase));
    number_->setText(QString::number(supportCase));
    number_->setAlignment(Qt::AlignCenter);
    // A click on the number is a click on the picture.
    number_->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(number_);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize SupportCasePicture::sizeHint() const {
    // 16:9, about eight lines of text wide, so the pictures grow with the font (and DPI).
    const int em = fontMetrics().height();
    return {9 * em, 81 * em / 16};
}

QSize SupportCasePicture::minimumSizeHint() const {
    return {80, 45};
}

void SupportCasePicture::resizeEvent(QResizeEvent* event) {
    QFont font = number_->font();
    font.setBold(true);
    font.setPixelSize(qMax(12, height() * 11 / 20));
    number_->setFont(font);
    QWidget::resizeEvent(event);
}

void SupportCasePicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal unit = qMax<qreal>(1.0, height() / 45.0); // one pixel of the 80 x 45 original
    const QColor ink = palette().color(QPalette::WindowText);

    p.fillRect(rect(), palette().color(QPalette::Base));
    const QRectF outer = QRectF(rect()).adjusted(2 * unit, 2 * unit, -2 * unit, -2 * unit);
    const QRectF inner = outer.adjusted(3 * unit, 3 * unit, -3 * unit, -3 * unit);
    p.setPen(QPen(ink, unit));
    p.setBrush(Qt::NoBrush);
    p.drawRect(outer);
    p.drawRect(inner);

    // Hatching: short strokes at 45 degrees inside the inner outline of each fixed edge.
    const FixedEdges fixed = fixedEdgesOf(supportCase_);
    const qreal step = 4 * unit;
    const qreal depth = 4 * unit;
    p.setPen(QPen(ink, 0.8 * unit, Qt::SolidLine, Qt::FlatCap));
    auto hatchHorizontal = [&](qreal y, qreal direction) {
        for (qreal x = inner.left() + step / 2; x + depth <= inner.right(); x += step)
            p.drawLine(QPointF(x, y), QPointF(x + depth, y + direction * depth));
    };
    auto hatchVertical = [&](qreal x, qreal direction) {
        for (qreal y = inner.top() + step / 2; y + depth <= inner.bottom(); y += step)
            p.drawLine(QPointF(x, y + depth), QPointF(x + direction * depth, y));
    };
    if (fixed.left)
        hatchVertical(inner.left(), 1);
    if (fixed.right)
        hatchVertical(inner.right(), -1);
    if (fixed.top)
        hatchHorizontal(inner.top(), 1);
    if (fixed.bottom)
        hatchHorizontal(inner.bottom(), -1);
}

void SupportCasePicture::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked(supportCase_);
    QWidget::mouseReleaseEvent(event);
}

} // namespace lajes
