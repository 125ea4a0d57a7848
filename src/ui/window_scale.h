#pragma once

class QWidget;

namespace lajes {

// A maximised screen holds its controls at a size that uses the room it has: the window's
// font, and with it every caption, box and button, grows with the space the screen gives
// beyond the layout's natural size (up to 1.6 times; never below the natural size). A window
// that is not maximised keeps the natural size.
void scaleContentsWithWindow(QWidget* window);

} // namespace lajes
