#pragma once

// The slab-name prompt used before a drawing is written: one box whose text names the slab.

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace lajes {

class TNomeLajeForm final : public QDialog {
    Q_OBJECT
public:
    explicit TNomeLajeForm(QWidget* parent = nullptr);

    QLineEdit* NomeLajeEdit;
    // "Incluir tabela de aço": unticked at first, kept while the program runs.
    QCheckBox* IncluirTabelaAcoCheckBox;
    QPushButton* OkBitBtn;
    QPushButton* CancelBitBtn;
};

} // namespace lajes
