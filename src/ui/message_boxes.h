#pragma once

// Every message box of the program goes through this one interface, so tests can replace it
// with a recorder that answers questions instead of blocking on a modal box.

#include <QString>

class QWidget;

namespace lajes {

// The answer to "Salvar as alterações de L7.laje?".
enum class SaveAnswer { Save, Discard, Cancel };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // An information box with a single "OK" button (input checks, pre-dimensioning).
    virtual void information(QWidget* parent, const QString& text) = 0;
    // A warning box with "OK".
    virtual void warning(QWidget* parent, const QString& text) = 0;
    // A question with "Sim" and "Não"; true only for "Sim".
    virtual bool confirm(QWidget* parent, const QString& text) = 0;
    // An error box with "OK" (a number that does not convert, a file that cannot be written).
    virtual void error(QWidget* parent, const QString& text) = 0;
    // A question with "Salvar", "Descartar" and "Cancelar" (Esc and the close box cancel).
    virtual SaveAnswer askSave(QWidget* parent, const QString& text) = 0;
};

// The real boxes: QMessageBox with Portuguese buttons and the program's name as title.
class QtMessageBoxes final : public MessageBoxes {
public:
    void information(QWidget* parent, const QString& text) override;
    void warning(QWidget* parent, const QString& text) override;
    bool confirm(QWidget* parent, const QString& text) override;
    void error(QWidget* parent, const QString& text) override;
    SaveAnswer askSave(QWidget* parent, const QString& text) override;
};

} // namespace lajes
