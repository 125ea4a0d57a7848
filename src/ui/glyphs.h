#pragma once

// Button glyphs and the application icon, drawn in code so they stay sharp at any scale.

#include <QIcon>

namespace lajes {

QIcon tickGlyph();   // green tick: "&Calcular Laje", "&Ok"
QIcon abortGlyph();  // red circle with a cross: "&Sair"
QIcon cancelGlyph(); // red cross: "&Cancelar"
QIcon applicationIcon();

} // namespace lajes
