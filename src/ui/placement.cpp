#include "ui/placement.h"

#include <algorithm>

#include <QRect>
#include <QScreen>
#include <QWidget>

namespace lajes {

void centreOverClientArea(QWidget* window, const QWidget* reference) {
    if (!reference)
        return;
    const QPoint origin = reference->mapToGlobal(QPoint(0, 0));
    const int left = (reference->width() - window->width()) / 2;
    const int top = (reference->height() - window->height()) / 2;
    const QPoint target(origin.x() + left, origin.y() + top);
    if (window->isVisible())
        // Being shown (its size is final): the client rectangle. move() would place the
        // frame, whose size a window manager makes known only once the window is mapped, so
        // each showing would land elsewhere.
        window->setGeometry(QRect(target, window->size()));
    else
        window->move(target);
}

QRect besideOrCentred(QSize window, const QRect& reference, const QRect& available) {
    const int top = std::clamp(reference.top(), available.top(),
                               std::max(available.top(), available.bottom() + 1 - window.height()));
    if (reference.right() + window.width() <= available.right())
        return QRect(QPoint(reference.right() + 1, top), window);
    if (reference.left() - window.width() >= available.left())
        return QRect(QPoint(reference.left() - window.width(), top), window);
    return QRect(QPoint(reference.x() + (reference.width() - window.width()) / 2,
                        reference.y() + (reference.height() - window.height()) / 2),
                 window);
}

void placeBeside(QWidget* window, const QWidget* reference) {
    if (!reference)
        return;
    const QScreen* screen = reference->screen();
    const QRect available = screen ? screen->availableGeometry() : reference->frameGeometry();
    const QSize size = window->frameGeometry().size();
    const QRect frame = besideOrCentred(size, reference->frameGeometry(), available);
    window->move(frame.topLeft());
}

} // namespace lajes
