#include "ui/placement.h"

#include <QWidget>

namespace lajes {

void centreOverClientArea(QWidget* window, const QWidget* reference) {
    if (!reference)
        return;
    const QPoint origin = reference->mapToGlobal(QPoint(0, 0));
    const int left = (reference->width() - window->width()) / 2;
    const int top = (reference->height() - window->height()) / 2;
    window->move(origin.x() + left, origin.y() + top);
}

} // namespace lajes
