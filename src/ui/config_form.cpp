#include "ui/config_form.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "config/settings.h"
#include "config/settings_file.h"
#include "ui/decimal_box.h"
#include "ui/dialog_loop.h"
#include "ui/glyphs.h"
#include "ui/placement.h"

namespace lajes {

// ---- Swatches ---------------------------------------------------------------------------

ColourSwatch::ColourSwatch(int number, QWidget* parent) : QWidget(parent), number_(number) {
    setCursor(Qt::PointingHandCursor);
    setToolTip(QString::number(number));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize ColourSwatch::sizeHint() const {
    const int em = fontMetrics().height();
    return {em * 29 / 13, em * 21 / 13};
}

QColor ColourSwatch::colourOf(int number) {
    switch (number) {
    case 1:
        return Qt::red;
    case 2:
        return Qt::yellow;
    case 3:
        return Qt::green;
    case 4:
        return Qt::cyan;
    case 5:
        return Qt::blue;
    case 6:
        return Qt::magenta;
    default:
        return Qt::white;
    }
}

void ColourSwatch::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), colourOf(number_));
    p.setPen(palette().color(QPalette::Dark));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void ColourSwatch::mouseReleaseEvent(QMouseEvent* event) {
    // Any mouse button, as long as it is released over the swatch.
    if (rect().contains(event->position().toPoint()))
        emit released(number_);
    QWidget::mouseReleaseEvent(event);
}

// ---- The dialog -------------------------------------------------------------------------

TConfigForm::TConfigForm(Settings& settings, MessageBoxes& messages, const QWidget* centreOver,
                         QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::MSWindowsFixedSizeDialogHint), settings_(settings),
      messages_(messages), centreOver_(centreOver), EscComboBox(new QComboBox(this)),
      ParedeEdit(new QLineEdit(this)), CobEdit(new QLineEdit(this)),
      FiInfinitoEdit(new QLineEdit(this)),
      OkBitBtn(new QPushButton(tickGlyph(), QStringLiteral("OK"), this)),
      CancelBitBtn(new QPushButton(cancelGlyph(), QStringLiteral("Cancelar"), this)) {
    setObjectName(QStringLiteral("ConfigForm"));
    setWindowTitle(QStringLiteral("Configurações"));
    setModal(true);

    const int digitWidth = fontMetrics().horizontalAdvance(QLatin1Char('0'));
    QGridLayout* layers = buildLayerRows(digitWidth);
    QHBoxLayout* centredValues = buildValueRows(digitWidth);

    OkBitBtn->setObjectName(QStringLiteral("OkBitBtn"));
    CancelBitBtn->setObjectName(QStringLiteral("CancelBitBtn"));
    OkBitBtn->setDefault(true);
    for (QPushButton* button : {OkBitBtn, CancelBitBtn})
        button->setMinimumWidth(digitWidth * 14);
    connect(OkBitBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBitBtn, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OkBitBtn);
    buttons->addSpacing(digitWidth * 6);
    buttons->addWidget(CancelBitBtn);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 20, 28, 20);
    layout->addLayout(layers);
    layout->addSpacing(18);
    layout->addLayout(centredValues);
    layout->addSpacing(18);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connectControls();
    refillBoxes();
}

// The four drawing layers: name, colour number and the seven colour swatches.
QGridLayout* TConfigForm::buildLayerRows(int digitWidth) {
    auto* layers = new QGridLayout;
    layers->setHorizontalSpacing(10);
    layers->setVerticalSpacing(10);
    layers->addWidget(scaledLabel(QStringLiteral("Layers:"), 1.5), 0, 0);
    layers->addWidget(scaledLabel(QStringLiteral("Nº:"), 1.5), 0, 1);
    layers->addWidget(scaledLabel(QStringLiteral("Cores:"), 1.5), 0, 2, 1, 7);

    const char* nameObjects[] = {"Edit4", "Edit3", "Edit2", "Edit1"};
    const char* layerTexts[] = {"Texto", "Laje", "Ferr-pos", "Ferr-neg"};
    const char* colourObjects[] = {"TextoEdit", "lajeEdit", "FerrposEdit", "FerrnegEdit"};
    for (int row = 0; row < 4; ++row) {
        auto* name = new QLineEdit(QString::fromLatin1(layerTexts[row]), this);
        name->setObjectName(QString::fromLatin1(nameObjects[row]));
        name->setReadOnly(true);
        name->setFocusPolicy(Qt::NoFocus);
        enlargedFonts_.emplace_back(name, 1.25);
        name->setMinimumWidth(digitWidth * 14);
        layerNames[static_cast<std::size_t>(row)] = name;

        auto* colour = new QLineEdit(this);
        colour->setObjectName(QString::fromLatin1(colourObjects[row]));
        colour->setAlignment(Qt::AlignCenter);
        colour->setFixedWidth(digitWidth * 5);
        makeDigitsBox(colour);
        colourBoxes[static_cast<std::size_t>(row)] = colour;

        layers->addWidget(name, row + 1, 0);
        layers->addWidget(colour, row + 1, 1);
        for (int n = 1; n <= 7; ++n) {
            auto* swatch = new ColourSwatch(n, this);
            swatch->setObjectName(QStringLiteral("Shape%1").arg(row * 7 + n));
            layers->addWidget(swatch, row + 1, 1 + n);
            connect(swatch, &ColourSwatch::released, this,
                    [this, row](int number) { swatchReleased(row, number); });
        }
    }
    return layers;
}

// Scale, wall, cover and creep coefficient, centred.
QHBoxLayout* TConfigForm::buildValueRows(int digitWidth) {
    EscComboBox->setObjectName(QStringLiteral("EscComboBox"));
    EscComboBox->addItems({QStringLiteral("1:10"), QStringLiteral("1:20"), QStringLiteral("1:25"),
                           QStringLiteral("1:50"), QStringLiteral("1:75"),
                           QStringLiteral("1:100")});
    makeListOnly(EscComboBox);
    ParedeEdit->setObjectName(QStringLiteral("ParedeEdit"));
    CobEdit->setObjectName(QStringLiteral("CobEdit"));
    FiInfinitoEdit->setObjectName(QStringLiteral("FiInfinitoEdit"));
    for (QLineEdit* edit : {ParedeEdit, CobEdit, FiInfinitoEdit}) {
        makeDecimalBox(edit);
        edit->setAlignment(Qt::AlignRight);
        edit->setFixedWidth(digitWidth * 16);
        connect(edit, &QLineEdit::textChanged, this, &TConfigForm::inputsChanged);
    }

    auto* values = new QGridLayout;
    values->setHorizontalSpacing(8);
    values->setVerticalSpacing(10);
    auto addLabel = [&](const QString& text, int row, qreal factor) {
        auto* label = factor == 1.0 ? new QLabel(text, this) : scaledLabel(text, factor);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        values->addWidget(label, row, 0);
        return label;
    };
    addLabel(QStringLiteral("Escala"), 0, 1.25)->setBuddy(EscComboBox);
    values->addWidget(EscComboBox, 0, 1, Qt::AlignLeft);
    addLabel(QStringLiteral("Parede"), 1, 1.0)->setBuddy(ParedeEdit);
    values->addWidget(ParedeEdit, 1, 1);
    values->addWidget(new QLabel(QStringLiteral("(cm)"), this), 1, 2);
    auto* coverLabel = addLabel(QStringLiteral("Cobrimento"), 2, 1.0);
    coverLabel->setObjectName(QStringLiteral("ParedeLabel"));
    coverLabel->setBuddy(CobEdit);
    values->addWidget(CobEdit, 2, 1);
    values->addWidget(new QLabel(QStringLiteral("(cm)"), this), 2, 2);
    auto* phiLabel = addLabel(QStringLiteral("φ∞"), 3, 1.25);
    phiLabel->setObjectName(QStringLiteral("FiInfinitoLabel"));
    phiLabel->setBuddy(FiInfinitoEdit);
    values->addWidget(FiInfinitoEdit, 3, 1);
    values->addWidget(new QLabel(QStringLiteral("Para o Cálculo da flecha."), this), 4, 1, 1, 2);
    auto* centredValues = new QHBoxLayout;
    centredValues->addStretch();
    centredValues->addLayout(values);
    centredValues->addStretch();
    return centredValues;
}

// Tab order, the number boxes bound to their settings, and the scale list.
void TConfigForm::connectControls() {
    QWidget* order[] = {colourBoxes[0], colourBoxes[1], colourBoxes[2], colourBoxes[3],
                        EscComboBox,    ParedeEdit,     CobEdit,        FiInfinitoEdit,
                        OkBitBtn,       CancelBitBtn};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);

    // The number boxes and the settings they set; the wall width is typed in cm, held in m.
    numberBoxes_ = {
        {ParedeEdit, &settings_.wallWidth, 0.01},
        {CobEdit, &settings_.cover},
        {FiInfinitoEdit, &settings_.phiInfinity},
    };
    for (const NumberBox& number : numberBoxes_)
        new FocusWatcher(number.box, [this, number] { commitNumberBox(number, messages_); });
    new FocusWatcher(EscComboBox, [this] { EscComboBoxExit(); });
    connect(EscComboBox, &QComboBox::currentTextChanged, this, [this] { EscComboBoxExit(); });
}

std::string* TConfigForm::colourOfRow(int row) {
    switch (row) {
    case 0:
        return &settings_.textLayerColour;
    case 1:
        return &settings_.slabLayerColour;
    case 2:
        return &settings_.posBarLayerColour;
    default:
        return &settings_.negBarLayerColour;
    }
}

void TConfigForm::refillBoxes() {
    for (int row = 0; row < 4; ++row)
        colourBoxes[static_cast<std::size_t>(row)]->setText(
            QString::fromStdString(*colourOfRow(row)));
    ParedeEdit->setText(twoDecimals(settings_.wallWidth * 100.0));
    const ScaleChoice scale = scaleFactorFor(settings_.drawingScale);
    settings_.drawingScale = scale.scale;
    settings_.scaleFactor = scale.factor;
    EscComboBox->setCurrentIndex(EscComboBox->findText(QString::fromStdString(scale.scale)));
    CobEdit->setText(twoDecimals(settings_.cover));
    FiInfinitoEdit->setText(twoDecimals(settings_.phiInfinity));
}

QLabel* TConfigForm::scaledLabel(const QString& text, qreal factor) {
    auto* label = new QLabel(text, this);
    enlargedFonts_.emplace_back(label, factor);
    return label;
}

void TConfigForm::setVisible(bool visible) {
    // The larger captions need fonts of their own, loaded for a dialog that shows and not at
    // the start-up that creates it.
    if (visible) {
        for (const auto& [widget, factor] : enlargedFonts_) {
            QFont font = widget->font();
            font.setPointSizeF(font.pointSizeF() * factor);
            widget->setFont(font);
        }
        enlargedFonts_.clear();
    }
    QDialog::setVisible(visible);
}

void TConfigForm::showEvent(QShowEvent* event) {
    // Placed by execUntilAcceptable, which shows it.
    QDialog::showEvent(event);
    colourBoxes[0]->setFocus(Qt::OtherFocusReason);
}

void TConfigForm::EscComboBoxExit() {
    const ScaleChoice scale = scaleFactorFor(EscComboBox->currentText().toStdString());
    settings_.drawingScale = scale.scale;
    settings_.scaleFactor = scale.factor;
    const QString text = QString::fromStdString(scale.scale);
    if (EscComboBox->currentText() != text)
        EscComboBox->setCurrentIndex(EscComboBox->findText(text));
}

void TConfigForm::swatchReleased(int row, int number) {
    *colourOfRow(row) = std::to_string(number);
    colourBoxes[static_cast<std::size_t>(row)]->setText(QString::number(number));
}

void TConfigForm::commitFocusedBox() {
    if (focusWidget() == EscComboBox)
        EscComboBoxExit();
    else
        commitFocusedNumberBox(numberBoxes_, focusWidget(), messages_);
}

void TConfigForm::ConfiguraeseDesenho1Click() {
    struct Snapshot {
        double wallWidth, cover, phiInfinity;
        std::array<std::string, 4> colours;
        QString scale;
    };
    const Snapshot snapshot{settings_.wallWidth,
                            settings_.cover,
                            settings_.phiInfinity,
                            {settings_.textLayerColour, settings_.slabLayerColour,
                             settings_.posBarLayerColour, settings_.negBarLayerColour},
                            EscComboBox->currentText()};
    const auto acceptable = [this] {
        commitFocusedBox();
        // Every condition is tested, so the colour numbers are taken even when a number
        // keeps the dialog open.
        bool accepted = true;
        if (ParedeEdit->text().isEmpty() ||
            !isAcceptedSettingNumber(SettingNumber::wallWidth, settings_.wallWidth))
            accepted = false;
        if (CobEdit->text().isEmpty() ||
            !isAcceptedSettingNumber(SettingNumber::cover, settings_.cover))
            accepted = false;
        if (FiInfinitoEdit->text().isEmpty() ||
            !isAcceptedSettingNumber(SettingNumber::phiInfinity, settings_.phiInfinity))
            accepted = false;
        bool coloursGiven = true;
        for (QLineEdit* box : colourBoxes)
            coloursGiven = coloursGiven && isAcceptedColour(box->text().toStdString());
        if (coloursGiven) {
            for (int row = 0; row < 4; ++row)
                *colourOfRow(row) =
                    colourBoxes[static_cast<std::size_t>(row)]->text().toStdString();
        } else {
            accepted = false;
        }
        return accepted;
    };
    if (execUntilAcceptable(*this, centreOver_, acceptable))
        return;
    settings_.wallWidth = snapshot.wallWidth;
    settings_.cover = snapshot.cover;
    settings_.phiInfinity = snapshot.phiInfinity;
    for (int row = 0; row < 4; ++row)
        *colourOfRow(row) = snapshot.colours[static_cast<std::size_t>(row)];
    settings_.drawingScale = snapshot.scale.toStdString();
    refillBoxes();
}

void TConfigForm::adoptDesignSettings(const Settings& fromFile) {
    settings_.wallWidth = fromFile.wallWidth;
    settings_.cover = fromFile.cover;
    settings_.phiInfinity = fromFile.phiInfinity;
    ParedeEdit->setText(twoDecimals(settings_.wallWidth * 100.0));
    CobEdit->setText(twoDecimals(settings_.cover));
    FiInfinitoEdit->setText(twoDecimals(settings_.phiInfinity));
}

} // namespace lajes
