#pragma once

// The ribbed-slab dialog: rib geometry and the unit weight of the inert blocks. Created once;
// its boxes keep what was typed between openings.

#include <QDialog>

#include <vector>

#include "analysis/data_entry.h"
#include "ui/decimal_box.h"

class QLineEdit;
class QPushButton;

namespace lajes {

class MessageBoxes;
struct SlabDesignData;

// The cross-section sketch of the dialog: flange over three blocks and two ribs, with the
// dimensions a, bw, hb and bf.
class RibbedSectionPicture final : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

class TLajeNervuradaForm final : public QDialog {
    Q_OBJECT
public:
    TLajeNervuradaForm(SlabDesignData& slab, MessageBoxes& messages, const QWidget* centreOver,
                       QWidget* parent = nullptr);

    // Processes the box that has the focus as on leaving it (OK pressed with Enter).
    void commitFocusedBox();
    // What the five boxes hold; an empty box is no value.
    RibbedGeometryEntries entries() const;
    // a, bw, hb and bf each typed and non-zero.
    bool geometryComplete() const;
    // An empty block-density box means blocks of no weight: 0, shown as 0,00.
    void settleBlockDensity();

    // The geometry of a slab file, typed into the boxes; a 0 leaves its box empty, which
    // every rule of the dialog treats as 0.
    void typeValues(const SlabDesignData& from);

protected:
    void showEvent(QShowEvent* event) override;

private:
    SlabDesignData& slab_;
    MessageBoxes& messages_;
    const QWidget* centreOver_;
    QLineEdit* AEdit;
    QLineEdit* BWEdit;
    QLineEdit* HBEdit;
    QLineEdit* BFEdit;
    QLineEdit* BlocoInerteEdit;
    std::vector<NumberBox> numberBoxes_; // each box and the field of the slab it sets
    QPushButton* CalcularBitBtn;
    QPushButton* SairBitBtn;
};

} // namespace lajes
