#pragma once

// Qt's own texts (file and print dialogs, the print preview's tool tips, the buttons of the
// standard boxes) in Brazilian Portuguese, whatever the user's locale: the program speaks
// only Portuguese. Shared by the desktop program and lajes-cli.

class QCoreApplication;

namespace lajes {

// Loads qtbase_pt_BR from Qt's translations folder (Debian: qt6-translations-l10n) into
// `application`, which owns it. Returns false when the file is missing; Qt's texts then stay
// in English and nothing else changes.
bool installQtPortuguese(QCoreApplication& application);

} // namespace lajes
