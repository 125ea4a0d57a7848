#include "ui/window_scale.h"

#include <QEvent>
#include <QFont>
#include <QLayout>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace lajes {

namespace {

constexpr double largest = 1.6;
constexpr double filled = 0.9;    // of the window's width or height, whichever binds first
constexpr double smallest = 1.12; // below this the natural size is kept

class WindowScale final : public QObject {
public:
    explicit WindowScale(QWidget* window) : QObject(window), window_(window) {
        window_->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::Resize)
            rescale();
        return false;
    }

private:
    void rescale() {
        QLayout* layout = window_->layout();
        if (!layout)
            return;
        if (natural_.isEmpty()) {
            // Measured once, at the font the window was built with.
            baseFont_ = window_->font();
            natural_ = layout->sizeHint();
            if (natural_.isEmpty())
                return;
        }
        double factor = 1.0;
        if (window_->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) {
            factor = filled * std::min(double(window_->width()) / natural_.width(),
                                       double(window_->height()) / natural_.height());
            factor = std::clamp(factor, 1.0, largest);
            if (factor < smallest)
                factor = 1.0;
        }
        if (std::abs(factor - factor_) < 0.02)
            return;
        factor_ = factor;
        QFont font = baseFont_;
        font.setPointSizeF(baseFont_.pointSizeF() * factor);
        window_->setFont(font);
    }

    QWidget* window_;
    QFont baseFont_;
    QSize natural_;
    double factor_ = 1.0;
};

} // namespace

void scaleContentsWithWindow(QWidget* window) {
    new WindowScale(window);
}

} // namespace lajes
