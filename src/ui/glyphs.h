#pragma once

// Button glyphs and the application icon, drawn in code so they stay sharp at any scale.

#include <QIcon>

namespace lajes {

QIcon tickGlyph();      // green tick: "&Calcular Laje", "&Ok"
QIcon abortGlyph();     // red circle with a cross: "&Sair"
QIcon cancelGlyph();    // red cross: "&Cancelar"
QIcon returnGlyph();    // blue arrow bending back: "&Retornar"
QIcon drawingGlyph();   // drawing sheet with the slab and its bars: "&Gerar DXF"
QIcon printGlyph();     // printer: "&Imprimir"
QIcon tableGlyph();     // table sheet with a bar beside its rows: "&Tabela de Aço"
QIcon codeCheckGlyph(); // code book with a green tick: "&NBR 6118:2014"
QIcon applicationIcon();

} // namespace lajes
