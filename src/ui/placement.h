#pragma once

class QWidget;

namespace lajes {

// Places `window` centred over the client area of `reference`: each offset is half the
// difference of the client sizes, truncated toward zero (so a window larger than the
// reference starts above or left of it).
void centreOverClientArea(QWidget* window, const QWidget* reference);

} // namespace lajes
