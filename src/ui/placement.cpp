#include "ui/placement.h"

#include <QRect>
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

} // namespace lajes
