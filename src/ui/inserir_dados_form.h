#pragma once

// The data-entry screen: support case, ribbed option, materials, spans, thickness with the
// pre-dimensioning suggestions, and loads. It writes SlabDesignData box by box and hands the
// slab to calculateSlab; the results screen connects to its two signals.

#include <QMainWindow>

#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "analysis/calculate.h"
#include "design/recalculation.h"
#include "ui/decimal_box.h"

class QAction;
class QCheckBox;
class QHBoxLayout;
class QVBoxLayout;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace lajes {

class MessageBoxes;
class SupportCasePicture;
class TConfigForm;
class TDadosAddForm;
class TLajeNervuradaForm;
struct PreDimensioning;
struct SlabDesignData;
struct SlabRequest;
struct SlabResults;
struct Settings;

class TInserirDadosForm final : public QMainWindow {
    Q_OBJECT
public:
    TInserirDadosForm(SlabDesignData& slab, SlabResults& results, PreDimensioning& suggestions,
                      const Settings& settings, MessageBoxes& messages, QWidget* parent = nullptr);

    // The dialogs are created after this screen; they are handed over once they exist.
    void setDialogs(TLajeNervuradaForm* ribbed, TDadosAddForm* additional, TConfigForm* config);

    // Shows the screen maximised, or brings it forward with its contents intact.
    void showScreen();
    void setVisible(bool visible) override;

    // Clears the results screen's printed flag and sets its return count to 1 (through
    // inputsChanged). Also used by the main window's "&Calcular Lajes".
    void markInputsChanged();

    // Event handlers, public so that a test can run exactly what a user action runs. The
    // number boxes are committed through the screen's table of them (numberBoxes_).
    void LajeBitBtnClick();
    void CalcularBitBtnClick();

    // The inputs that enter the design as the boxes and dialogs hold them now.
    DesignInputs designInputs() const;
    // The calculate action again, on the inputs of now, with the adjacent span as last
    // entered (the results screen found the inputs changed since the last one). A refusal is
    // shown and puts the focus in the box concerned; false then, or when cancelled.
    bool calculateAgain();
    void ConfiguraeseDesenho1Click();

    // The menu "&Arquivo" before "Con&figurações", with the main window's file commands.
    void addFileMenu(const QList<QAction*>& actions);

    // A slab file's content, put into the screen and its two dialogs as if the user had typed
    // it, after the inputs went back to their start values. Marks the inputs as changed.
    void fillFrom(const SlabRequest& slab);
    // What the screen and its dialogs hold, as a slab file stores it (the settings, the bar
    // choices and the name are the caller's). The box being typed in is committed first.
    SlabRequest typedSlab();

    // Asked before the screen closes (and resets its inputs); false keeps it open.
    std::function<bool()> confirmClose;

    // The dialog loops: true when the rib geometry is complete; the adjacent span, or nothing
    // when the user cancelled.
    bool runRibbedLoop();
    std::optional<double> runAdjacentSpanLoop();

    // Processes `box` (a number box, or the concrete list) as on leaving it; false when its
    // text was no number (the box then shows its previous value again).
    bool commitBox(QWidget* box);

signals:
    // An input changed: the results screen clears its printed flag, sets its return count to 1.
    void inputsChanged();
    // The slab passed every check: the results screen sets its recalculate flag and shows
    // itself over this screen.
    void showResults();
    // The screen closed and its inputs went back to their start values.
    void inputsReset();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildShell();
    // The screen's controls are built before it first shows, or when a file or a save first
    // reaches them: the start-up that creates the screen does not build what nobody sees yet.
    void ensureControls();
    void buildControls();
    void buildCaseColumn(QWidget* form, QHBoxLayout* columns);
    void buildNumberColumn(QWidget* form, QHBoxLayout* columns);
    void buildButtons(QWidget* central, QVBoxLayout* outer);
    void connectControls();
    // The start fck and steel grade of the data-entry rules in the two material lists.
    void showStartMaterials();
    void selectSupportCase(int supportCase);
    void radioButtonToggled(int supportCase, bool checked);
    void LajeNervuradaCheckBoxToggled(bool checked);
    bool commitFocusedBox();
    SlabEntries entries() const;
    bool runCalculation(const AdjacentSpanRequest& requestAdjacentSpan);
    void resetInputs();
    std::optional<double> entry(const QLineEdit* box, double value) const;
    void showSuggestions();

    SlabDesignData& slab_;
    SlabResults& results_;
    PreDimensioning& suggestions_;
    const Settings& settings_;
    MessageBoxes& messages_;
    TLajeNervuradaForm* ribbedForm_ = nullptr;
    TDadosAddForm* additionalForm_ = nullptr;
    TConfigForm* configForm_ = nullptr;

    // The permanent load as typed; SlabDesignData::g holds it plus the self-weight after a
    // calculation.
    double typedPermanentLoad_ = 0.0;
    std::vector<NumberBox> numberBoxes_;
    bool hEditPressedWithFocus_ = false;
    bool resetting_ = false;
    bool filling_ = false;
    bool controlsBuilt_ = false;

    QCheckBox* LajeNervuradaCheckBox = nullptr;
    std::array<QRadioButton*, 6> RadioButtons{};
    std::array<SupportCasePicture*, 6> Pictures{};
    QComboBox* ConcretoComboBox = nullptr;
    QComboBox* AcoComboBox = nullptr;
    QLineEdit* LxEdit = nullptr;
    QLineEdit* LyEdit = nullptr;
    QPushButton* LajeBitBtn = nullptr;
    QLineEdit* LajeNBREdit = nullptr;
    QLineEdit* LajeREBAEdit = nullptr;
    QLineEdit* HEdit = nullptr;
    QLineEdit* CargaPermEdit = nullptr;
    QLineEdit* CargaAcidEdit = nullptr;
    QPushButton* CalcularBitBtn = nullptr;
    QPushButton* SairBitBtn = nullptr;
};

} // namespace lajes
