#pragma once

// The "Abrir Laje" and "Salvar Laje" dialogs, behind a small interface so that a test can
// answer them or drive the real ones.

#include <QString>

#include <optional>

class QWidget;

namespace lajes {

class SlabFileDialogs {
public:
    virtual ~SlabFileDialogs() = default;
    // The .laje file to open, or nothing when the dialog was cancelled.
    virtual std::optional<QString> fileToOpen(QWidget* parent) = 0;
    // The file to save to (the dialog has asked before replacing one), or nothing.
    // `current` is the slab's file, or empty.
    virtual std::optional<QString> fileToSave(QWidget* parent, const QString& current) = 0;
};

// The toolkit's own dialogs (the same on every platform, drivable by the window tests):
// filter "Lajes (*.laje)", default extension .laje, ask before replacing. Each starts in the
// folder of the file used last.
class QtSlabFileDialogs final : public SlabFileDialogs {
public:
    std::optional<QString> fileToOpen(QWidget* parent) override;
    std::optional<QString> fileToSave(QWidget* parent, const QString& current) override;

private:
    QString lastFolder_;
};

} // namespace lajes
