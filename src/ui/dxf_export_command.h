#pragma once

// "&Gerar DXF": the slab-name prompt, the save dialog, then the drawing written by the core.
// The two dialogs sit behind DxfExportDialogs so that a test can answer them.

#include <QFileDialog>
#include <QPointer>
#include <QString>

#include <optional>

class QWidget;

namespace lajes {

class MessageBoxes;
class TNomeLajeForm;
struct SlabDesignData;
struct SlabResults;
struct Settings;

class DxfExportDialogs {
public:
    virtual ~DxfExportDialogs() = default;
    // The slab name typed in the prompt, or nothing when it was not closed with OK.
    virtual std::optional<QString> slabName(QWidget* resultsWindow) = 0;
    // The file to write, or nothing when the save dialog was cancelled.
    virtual std::optional<QString> targetFile(QWidget* resultsWindow) = 0;
    // Whether the drawing carries the steel table ("Incluir tabela de aço" of the prompt).
    virtual bool includeSchedule() const { return false; }
};

// DXFSaveDialog: a save dialog that refuses a file in a folder that does not exist.
class TDxfSaveDialog final : public QFileDialog {
    Q_OBJECT
public:
    TDxfSaveDialog(MessageBoxes& messages, QWidget* parent);

    void accept() override;

private:
    MessageBoxes& messages_;
};

// The real dialogs: the prompt created at start-up (it keeps the last name) and one save
// dialog that remembers the last file for the life of the program.
class QtDxfExportDialogs final : public DxfExportDialogs {
public:
    QtDxfExportDialogs(TNomeLajeForm* prompt, MessageBoxes& messages);

    std::optional<QString> slabName(QWidget* resultsWindow) override;
    std::optional<QString> targetFile(QWidget* resultsWindow) override;
    bool includeSchedule() const override;

    // Created at the first export, parented to the results window.
    TDxfSaveDialog* saveDialog() const { return dialog_; }

private:
    TNomeLajeForm* prompt_;
    MessageBoxes& messages_;
    QPointer<TDxfSaveDialog> dialog_;
    QString lastFile_;
};

// The whole command. An input/output failure is shown as an error box naming it. Cancelling
// either dialog touches no file. Returns the file written, for the window's status bar.
std::optional<QString> exportDxf(QWidget* resultsWindow, DxfExportDialogs& dialogs,
                                 MessageBoxes& messages, const SlabDesignData& slab,
                                 const SlabResults& results, const Settings& settings);

} // namespace lajes
