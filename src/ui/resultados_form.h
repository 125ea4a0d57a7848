#pragma once

// The results screen: moments, reactions, steel areas, the bar lists of the four
// reinforcement directions, neutral axis, shear and deflections. Each time it becomes the
// active window its RecalculationState decides whether computeResults refills it; between
// computations the user picks bars, prints, writes the drawing or leaves.

#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "design/bar_picks.h"
#include "design/recalculation.h"
#include "design/results_screen.h"

class QComboBox;
class QHBoxLayout;
class QIcon;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QTimer;

namespace lajes {

class DxfExportDialogs;
class MessageBoxes;
class ScreenActivation;
class TNomeLajeForm;
class TTabelaAcoForm;
struct SlabDesignData;
struct SlabResults;
struct Settings;

class TResultadosForm final : public QWidget {
    Q_OBJECT
public:
    // `namePrompt` is the slab-name prompt of the drawing export, created at start-up.
    TResultadosForm(SlabDesignData& slab, SlabResults& results, const Settings& settings,
                    MessageBoxes& messages, TNomeLajeForm* namePrompt, QWidget* parent = nullptr);
    ~TResultadosForm() override;

    void setVisible(bool visible) override;

    // The recalculate flag, return count and printed flag; the data-entry screen, the
    // settings and the main window change them through the application.
    RecalculationState& recalculation() { return recalculation_; }
    // What the boxes and lists show; the printed report copies its texts from here.
    const ResultsScreen& shown() const { return screen_; }

    // "&Imprimir": the flags are set first, then this fills the report and shows its preview.
    // When the preview closes the screen becomes active again and keeps the user's choices.
    std::function<void()> printRequested;
    // "&NBR 6118:2014": shows the verification window.
    std::function<void()> verificationRequested;
    // After every computation and every applied bar pick: what the screen shows has changed.
    std::function<void()> resultsChanged;
    // Asked first on every activation: whether an input that enters the design changed since
    // the last calculate action.
    std::function<bool()> inputsOutdated;
    // Runs the calculate action on the inputs of now; false when it was refused or cancelled
    // (its message shown): the screen then closes and the data-entry screen comes forward.
    std::function<bool()> calculateAgain;

    // A non-modal window that belongs to this screen (the verification): going to it and
    // back is not a new activation, and it is hidden when the screen closes.
    void addCompanionWindow(QWidget* window);

    // Shows the screen maximised over the data-entry screen; it computes on activation.
    void showScreen();

    // The bar choices of an opened file: the next computation applies them through the same
    // pick functions as the lists, skipping (with one message) what the new lists do not offer.
    void setFileChoices(std::vector<BarPick> choices);
    // The choices to save: the picks since the last computation, or the opened file's choices
    // while no computation has applied them yet.
    std::vector<BarPick> choicesToSave() const;
    // The slab changed: its next activation recomputes. The picks made so far are no longer
    // saved; an activation that calculates again on its own replays those that still fit.
    void forgetPicks() {
        if (!pickLog_.picks().empty())
            picksToReplay_ = pickLog_.picks();
        pickLog_.clear();
    }

    // Runs `action`, whose dialogs and messages (the "Salvar Laje" dialog of Ctrl+S) count as
    // this screen's own windows: their closing gives the activation back without a
    // computation, so the user's choices stay on the screen.
    void runWithOwnWindows(const std::function<void()>& action);

    // A further button in the row at the foot of the screen, with a glyph drawn like the
    // others, placed before "&Sair"; the caller connects it.
    QPushButton* addButton(const QIcon& glyph, const QString& text, const char* objectName);

    // The steel-table window: one instance, non-modal, hidden with this screen; made when
    // first asked for (the start-up does not pay for three tables nobody has looked at yet).
    TTabelaAcoForm* tabelaAcoForm();

    // Replaces the prompt and the save dialog of the drawing export (tests answer them).
    void setDxfDialogs(DxfExportDialogs* dialogs);

    // Event handlers, public so that a test runs exactly what a user action runs.
    void FormActivate();
    // A pick in a list (mouse or arrow keys) of the column's diameter or spacing box.
    void AsxpComboBoxChange();
    void AsypComboBoxChange();
    void AsxnComboBoxChange();
    void AsynComboBoxChange();
    void EspAsxpComboBoxChange();
    void EspAsypComboBoxChange();
    void EspAsxnComboBoxChange();
    void EspAsynComboBoxChange();
    // Shared by the eight lists: true for a typed character, which is then discarded.
    bool AsxpComboBoxKeyPress(const QKeyEvent& key) const;
    void RetornarBitBtnClick();
    void ImprimirBitBtnClick();
    void DXFBitBtnClick();
    void NBR6118BitBtnClick();
    void SairBitBtnClick();
    // "&Tabela de Aço": shows the steel-table window, which then follows every bar pick.
    void TabelaAcoBitBtnClick();
    void CloseResultTimerTimer();

    QTimer* CloseResultTimer;

signals:
    // "&Sair": the data-entry screen closes with this screen.
    void leaveCalculation();
    // The user picked a diameter or a spacing (the slab's file no longer holds its choices).
    void barsPicked();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Grid;
    void buildControls();
    void buildQuantityRows(Grid& g);
    void buildBarChoiceRows(Grid& g);
    void buildCheckRows(Grid& g);
    void buildButtonRow(Grid& g);
    void connectControls();
    // The controls are built before the screen first shows, or when a computation first fills
    // them: the start-up that creates the screen does not pay for ninety widgets.
    void ensureControls();
    void comboBoxChange(BarDirection direction, bool spacing, const QString& text);
    void showScreenModel();
    void showMessages(const std::vector<ScreenMessage>& messages);
    // The boxes of the deflection and shear checks in red, with the mark, when they fail.
    void showChecks();

    SlabDesignData& slab_;
    SlabResults& results_;
    const Settings& settings_;
    MessageBoxes& messages_;
    TNomeLajeForm* namePrompt_;
    TTabelaAcoForm* tabelaAcoForm_ = nullptr;
    std::unique_ptr<DxfExportDialogs> ownDxfDialogs_;
    DxfExportDialogs* dxfDialogs_ = nullptr;

    RecalculationState recalculation_;
    BarPickLog pickLog_;
    std::optional<std::vector<BarPick>> fileChoices_;
    std::vector<BarPick> picksToReplay_;
    ResultsScreen screen_;
    // Messages, the recalculation question and the export dialogs are this screen's own
    // windows: their closing gives the activation back without starting a computation.
    ScreenActivation* activation_ = nullptr;
    bool controlsBuilt_ = false;
    bool designComplete_ = false; // the last computation chose bars in every direction
    QHBoxLayout* buttonRow_ = nullptr;

public:
    // Controls, by the names the report and the tests look for; built before the first show.
    QLabel* ResultLabel = nullptr;
    QLineEdit *MxEdit = nullptr, *MyEdit = nullptr, *XxEdit = nullptr, *XyEdit = nullptr;
    QLineEdit *RxaEdit = nullptr, *RyaEdit = nullptr, *RxeEdit = nullptr, *RyeEdit = nullptr;
    QLineEdit *AsxpCEdit = nullptr, *AsypCEdit = nullptr, *AsxnCEdit = nullptr,
              *AsynCEdit = nullptr;
    QLineEdit *AsxpEdit = nullptr, *AsypEdit = nullptr, *AsxnEdit = nullptr, *AsynEdit = nullptr;
    QLineEdit *MkmaxEdit = nullptr, *MrEdit = nullptr, *RominEdit = nullptr, *AsminEdit = nullptr;
    QLabel* EscolhaBitolaLabel = nullptr;
    QComboBox *AsxpComboBox = nullptr, *AsypComboBox = nullptr, *AsxnComboBox = nullptr,
              *AsynComboBox = nullptr;
    QComboBox *EspAsxpComboBox = nullptr, *EspAsypComboBox = nullptr, *EspAsxnComboBox = nullptr,
              *EspAsynComboBox = nullptr;
    QLineEdit *AsxpbEdit = nullptr, *AsypbEdit = nullptr, *AsxnbEdit = nullptr,
              *AsynbEdit = nullptr;
    QLineEdit* XLnEdit = nullptr;
    QLineEdit *TwdEdit = nullptr, *TwuEdit = nullptr;
    QLineEdit *FiEdit = nullptr, *FadmEdit = nullptr, *FfEdit = nullptr, *Fadm1Edit = nullptr;
    // "✘" beside the final deflection and the shear stress when they exceed the admissible.
    QLabel *FfMarcaLabel = nullptr, *TwMarcaLabel = nullptr;
    QPushButton *RetornarBitBtn = nullptr, *DXFBitBtn = nullptr, *ImprimirBitBtn = nullptr,
                *SairBitBtn = nullptr;
    QPushButton* TabelaAcoBitBtn = nullptr;
    QPushButton* NBR6118BitBtn = nullptr;
    // "Arquivo gravado: L7.dxf" for 5 s after the drawing was written.
    QStatusBar* StatusBar = nullptr;
};

} // namespace lajes
