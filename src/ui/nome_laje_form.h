#pragma once

// The slab-name prompt used before a drawing is written: one box whose text names the slab.

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace lajes {

class TNomeLajeForm final : public QDialog {
    Q_OBJECT
public:
    explicit TNomeLajeForm(QWidget* parent = nullptr);

    QLineEdit* NomeLajeEdit;
    QPushButton* OkBitBtn;
    QPushButton* CancelBitBtn;
};

} // namespace lajes
