#pragma once

#include <QRect>

class QWidget;

namespace lajes {

// Places `window` centred over the client area of `reference`: each offset is half the
// difference of the client sizes, truncated toward zero (so a window larger than the
// reference starts above or left of it).
void centreOverClientArea(QWidget* window, const QWidget* reference);

// Where a companion window of `reference` goes: right of it, else left of it, when the window
// fits there on `available` (the screen's free area), top edges level; otherwise centred over
// the reference. Frame rectangles.
QRect besideOrCentred(QSize window, const QRect& reference, const QRect& available);

// Places `window` (a companion such as the steel table) beside `reference` as
// besideOrCentred says, on the reference's screen.
void placeBeside(QWidget* window, const QWidget* reference);

} // namespace lajes
