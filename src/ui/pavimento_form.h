#pragma once

// The floor window "Pavimento — <arquivo>": the plan drawn with the mouse, the selected slab's
// data and the floor's materials beside it, and the designed slabs, stretches and beams in
// tabs under it. Every edit is one command on the undo stack; after each one the whole floor
// is designed again by the core and the plan and tables are refreshed from what it returns.

#include <QMainWindow>
#include <QUndoStack>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "config/settings.h"
#include "floor/floor.h"
#include "slabfile/slab_document.h"
#include "ui/decimal_box.h"
#include "ui/floor_edit_command.h"
#include "ui/slab_file_dialogs.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableView;
class QTabWidget;

namespace lajes {

class MessageBoxes;
class PavimentoScene;
class PavimentoView;

// The "Abrir Pavimento" and "Salvar Pavimento" dialogs: filter "Pavimentos (*.pavimento)",
// default extension .pavimento, ask before replacing.
class QtFloorFileDialogs final : public SlabFileDialogs {
public:
    std::optional<QString> fileToOpen(QWidget* parent) override;
    std::optional<QString> fileToSave(QWidget* parent, const QString& current) override;

private:
    QString lastFolder_;
};

// The save dialogs of the floor's drawing, beam loads and memorial, behind one interface so that
// a test can answer them.
class FloorOutputDialogs {
public:
    virtual ~FloorOutputDialogs() = default;
    // The file to write, or nothing when cancelled. `suggested` is the proposed file (folder and
    // name), `filter` the dialog's name filter and `suffix` the extension added when none is typed.
    virtual std::optional<QString> outputFile(QWidget* parent, const QString& title,
                                              const QString& filter, const QString& suffix,
                                              const QString& suggested) = 0;
};

// The toolkit's own save dialog, asking before replacing a file.
class QtFloorOutputDialogs final : public FloorOutputDialogs {
public:
    std::optional<QString> outputFile(QWidget* parent, const QString& title, const QString& filter,
                                      const QString& suffix, const QString& suggested) override;
};

class TPavimentoForm final : public QMainWindow {
    Q_OBJECT
public:
    // `settings` are the program's (Quenvor.cfg): the design uses them; a file's own are
    // offered in their place when they differ.
    TPavimentoForm(Settings& settings, MessageBoxes& messages, QWidget* parent = nullptr);
    ~TPavimentoForm() override;

    // Shown maximised and brought to the front.
    void showWindow();

    // The document commands. Each asks "Salvar as alterações…?" before discarding changes.
    bool newFloor();
    bool openFloorFile(const QString& path);
    // "Abrir Pavimento…": the dialog, then openFloorFile.
    bool openFromDialog();
    bool saveFloor();
    bool saveFloorAs();
    // Writes the floor to `path` (the dialog's answer) and makes it the window's file.
    bool saveFloorTo(const QString& path);
    bool confirmDiscard();
    // Replaces the file dialogs (nullptr: the real ones).
    void setFileDialogs(SlabFileDialogs* dialogs);
    // Replaces the dialogs of the outputs (nullptr: the real ones).
    void setOutputDialogs(FloorOutputDialogs* dialogs);
    // "Gerar DXF…", "Exportar cargas nas vigas…" and "Memorial de cálculo…": each writes
    // nothing and says why when the floor is refused. Return whether a file was written (the
    // memorial: whether the preview was shown).
    bool exportDrawing();
    bool exportLoads();
    bool showMemorial();
    // Called with the absolute path of a file opened or saved (true) or found missing (false).
    std::function<void(const QString&, bool)> fileUsed;
    // Called when a file's settings are taken in place of the program's.
    std::function<void(const Settings&)> adoptSettings;

    const Floor& floor() const { return floor_; }
    const FloorResults& results() const { return results_; }
    const SlabDocument& document() const { return document_; }
    QUndoStack& undoStack() { return undo_; }
    PavimentoScene* scene() const { return scene_; }
    PavimentoView* view() const { return view_; }

    // The edit as the scene and the panel make it: one command on the undo stack.
    void edit(FloorEditKind kind, const QString& text, Floor after, int drag = 0);

    // The whole floor designed again and shown (the undo commands call this).
    void apply(const Floor& floor);

    QTabWidget* Tabs;
    QTableView* LajesTable;
    QTableView* BordasTable;
    QTableView* VigasTable;
    QLineEdit* NomeEdit;
    QLineEdit* LxEdit;
    QLineEdit* LyEdit;
    QLineEdit* HEdit;
    QLineEdit* GEdit;
    QLineEdit* QEdit;
    QCheckBox* NervuradaCheckBox;
    QLineEdit* AEdit;
    QLineEdit* BwEdit;
    QLineEdit* HbEdit;
    QLineEdit* BfEdit;
    QLineEdit* DensidadeEdit;
    QComboBox* ConcretoComboBox;
    QComboBox* AcoComboBox;
    QComboBox* CompatibilizacaoComboBox;
    QLabel* SituacaoLabel;
    QAction* Desfazer;
    QAction* Refazer;
    QAction* Ajustar;
    QAction* Excluir;
    QAction* Duplicar;
    QAction* Desenhar;
    QAction* Selecionar;
    QAction* GerarDxf;
    QAction* ExportarCargas;
    QAction* Memorial;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    QWidget* buildPanel();
    void buildTables();
    void fillTables();
    void fillPanel();
    void selectionFromScene();
    void selectionFromTable(QTableView* table);
    // One cell of the tables, by role (text, colour, glyph, the message as tip).
    QVariant slabCell(int row, int column, int role) const;
    QVariant stretchCell(int row, int column, int role) const;
    QVariant beamCell(int row, int column, int role) const;
    // The bar cells' lists and the pick made in one (LajesTable when `slabs`, else BordasTable).
    QStringList barEntries(bool slabs, int row, int column) const;
    void pickBar(bool slabs, int row, int column, const QString& entry);
    void slabBoxLeft(QLineEdit* box, double FloorSlab::*field, const QString& key);
    void floorMaterialChanged();
    void updateTitle();
    void showStatus(const QString& text);
    // The reason the floor's outputs are refused, or nothing when it is designed.
    std::optional<QString> refusal() const;
    // The output file asked for, "<nome do pavimento>.<suffix>" proposed in the last folder
    // used; nothing when cancelled or when it names something other than an ordinary file
    // (said in a box).
    std::optional<QString> askOutput(const QString& title, const QString& filter,
                                     const QString& suffix);
    // "<nome do pavimento>.<suffix>" in the last folder used (else the floor file's).
    QString suggestedOutput(const QString& suffix) const;
    void outputWritten(const QString& path);

    Settings& settings_;
    MessageBoxes& messages_;
    Floor floor_;
    FloorResults results_;
    SlabDocument document_;
    QUndoStack undo_;
    PavimentoScene* scene_;
    PavimentoView* view_;
    std::unique_ptr<SlabFileDialogs> ownFileDialogs_;
    SlabFileDialogs* fileDialogs_;
    std::unique_ptr<FloorOutputDialogs> ownOutputDialogs_;
    FloorOutputDialogs* outputDialogs_;
    QString lastOutputFolder_;
    std::vector<QLineEdit*> ribbedBoxes_;
    std::vector<std::pair<std::size_t, std::size_t>> beamRows_; // (beam, piece) of each row
    bool designed_ = false;
    bool filling_ = false;
    bool firstShow_ = true;
};

} // namespace lajes
