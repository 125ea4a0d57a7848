#pragma once

// The additional-data dialog: the larger of the smaller spans of the neighbouring slabs,
// asked for every support case but 1. Created once; keeps its value between openings.

#include <QDialog>

#include "ui/decimal_box.h"

class QLineEdit;
class QPushButton;

namespace lajes {

class MessageBoxes;
struct SlabDesignData;

class TDadosAddForm final : public QDialog {
    Q_OBJECT
public:
    TDadosAddForm(SlabDesignData& slab, MessageBoxes& messages, const QWidget* centreOver,
                  QWidget* parent = nullptr);

    void commitFocusedBox();
    // The box typed and the adjacent span non-zero.
    bool spanComplete() const;

    // The adjacent span of a slab file, typed into the box; a 0 leaves the box empty.
    void typeValue(double adjacentSpan);

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The box and the field it sets.
    NumberBox spanBox();

    SlabDesignData& slab_;
    MessageBoxes& messages_;
    const QWidget* centreOver_;
    QLineEdit* MaiorVaodosMenoresEdit;
    QPushButton* CalcularBitBtn;
    QPushButton* SairBitBtn;
};

} // namespace lajes
