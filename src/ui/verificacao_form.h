#pragma once

// "Verificação segundo a NBR 6118:2014": the designed slab, with the bars picked on the
// results screen, checked clause by clause against the 2014 code. Non-modal, one instance;
// it follows every change of its parameters and every computation and bar pick of the
// results screen.

#include <QWidget>

#include "verification/nbr6118_2014.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace lajes {

class MessageBoxes;

class TVerificacaoForm final : public QWidget {
    Q_OBJECT
public:
    // `parameters` is the program's record of the verification parameters (saved with a slab).
    TVerificacaoForm(const SlabDesignData& slab, const SlabResults& results,
                     const Settings& settings, Nbr6118Parameters& parameters,
                     MessageBoxes& messages, QWidget* parent = nullptr);

    // Shows the window (raised when already open) with the current results.
    void showWindow();
    // Verifies the slab afresh and shows the table; does nothing while hidden.
    void refresh();
    // The parameter boxes show the record again (after a slab file was read).
    void showParameters();

    const Nbr6118Verification& verification() const { return verification_; }

    void ParametroComboBoxChange();
    void IdadeEditExit();
    void ImprimirBitBtnClick();

    QComboBox *AgressividadeComboBox, *UsoComboBox, *Psi2ComboBox, *AgregadoComboBox;
    QLineEdit* IdadeEdit;
    QTableWidget* VerificacoesTable;
    QLabel *ResumoLabel, *NotaLabel;
    QPushButton *ImprimirBitBtn, *FecharBitBtn;

signals:
    // The user changed a parameter (they are saved with the slab).
    void parametersChanged();

private:
    void buildControls();

    const SlabDesignData& slab_;
    const SlabResults& results_;
    const Settings& settings_;
    Nbr6118Parameters& parameters_;
    MessageBoxes& messages_;
    Nbr6118Verification verification_;
};

} // namespace lajes
