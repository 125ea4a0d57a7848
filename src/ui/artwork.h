#pragma once

// The title picture of the main window and of the splash screen, drawn in code.

class QPainter;
class QRectF;

namespace lajes {

// A slab in plan on a drafting-blue ground: hatched fixed edges, bottom bars both ways,
// dimension lines, and the program's title. `compact` is the small splash-screen version.
void paintTitleArt(QPainter& painter, const QRectF& area, bool compact);

} // namespace lajes
