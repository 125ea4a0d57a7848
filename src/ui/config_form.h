#pragma once

// The settings dialog: drawing layer colours, drawing scale, wall width (shown in cm, held in
// m), concrete cover and the creep coefficient. Created once at start-up, right after the
// settings are loaded; shown modally from the data-entry screen's "Con&figurações".

#include <QDialog>
#include <QWidget>

#include <array>
#include <utility>
#include <vector>

#include "ui/decimal_box.h"

class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace lajes {

class MessageBoxes;
struct Settings;

// One colour swatch: colour number `number` (1 to 7) of the standard DXF palette.
class ColourSwatch final : public QWidget {
    Q_OBJECT
public:
    ColourSwatch(int number, QWidget* parent = nullptr);
    int number() const { return number_; }
    QSize sizeHint() const override;
    static QColor colourOf(int number);

signals:
    void released(int number);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int number_;
};

class TConfigForm final : public QDialog {
    Q_OBJECT
public:
    TConfigForm(Settings& settings, MessageBoxes& messages, const QWidget* centreOver,
                QWidget* parent = nullptr);

    // The data-entry screen's menu command: shows the dialog until it is accepted with
    // complete values, or cancelled (which restores everything it changed).
    void ConfiguraeseDesenho1Click();

    void EscComboBoxExit();

    // Takes the wall width, cover and φ∞ of a slab file as if they had been typed here and
    // confirmed with OK: held in full, shown with two decimals, a change of the design.
    void adoptDesignSettings(const Settings& fromFile);

    void setVisible(bool visible) override;

signals:
    // A number that enters the design changed (wall width, cover, phi infinity).
    void inputsChanged();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QGridLayout* buildLayerRows(int digitWidth);
    QLabel* scaledLabel(const QString& text, qreal factor);
    QHBoxLayout* buildValueRows(int digitWidth);
    void connectControls();
    void refillBoxes();
    void commitFocusedBox();
    void swatchReleased(int row, int number);
    std::string* colourOfRow(int row);

    Settings& settings_;
    MessageBoxes& messages_;
    const QWidget* centreOver_;
    std::array<QLineEdit*, 4> layerNames{};  // Edit4, Edit3, Edit2, Edit1
    std::array<QLineEdit*, 4> colourBoxes{}; // TextoEdit, lajeEdit, FerrposEdit, FerrnegEdit
    QComboBox* EscComboBox;
    QLineEdit* ParedeEdit;
    QLineEdit* CobEdit;
    QLineEdit* FiInfinitoEdit;
    QPushButton* OkBitBtn;
    QPushButton* CancelBitBtn;
    std::vector<NumberBox> numberBoxes_;
    // Captions drawn larger than the dialog's font, and by how much, until the first show.
    std::vector<std::pair<QWidget*, qreal>> enlargedFonts_;
};

} // namespace lajes
