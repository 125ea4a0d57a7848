// The data-entry screen's controls and their layout: the title band, the support cases and
// materials on the left, the spans, suggestions, thickness and loads on the right, and the
// two buttons.

#include "ui/inserir_dados_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "analysis/data_entry.h"
#include "text/number_text.h"
#include "ui/decimal_box.h"
#include "ui/glyphs.h"
#include "ui/support_case_picture.h"

namespace lajes {

namespace {

QLabel* caption(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

QLabel* unit(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, palette.color(QPalette::PlaceholderText));
    label->setPalette(palette);
    return label;
}

QFrame* panel(QWidget* parent) {
    auto* frame = new QFrame(parent);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Sunken);
    return frame;
}

} // namespace

// The menu and an empty central widget, made with the screen: its controls come inside it
// before the first show, and being the screen's first child it is searched before the
// dialogs the screen owns.
void TInserirDadosForm::buildShell() {
    setCentralWidget(new QWidget(this));
    QAction* settingsAction = menuBar()->addAction(QStringLiteral("Con&figurações"));
    settingsAction->setObjectName(QStringLiteral("ConfiguraeseDesenho1"));
    connect(settingsAction, &QAction::triggered, this,
            &TInserirDadosForm::ConfiguraeseDesenho1Click);
}

void TInserirDadosForm::buildControls() {
    QWidget* central = centralWidget();
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    // Title band across the top.
    auto* band = new QLabel(QStringLiteral("Escolha o tipo de Laje a ser calculada:"), central);
    band->setObjectName(QStringLiteral("TituloPanel"));
    QFont bandFont = band->font();
    bandFont.setPointSizeF(bandFont.pointSizeF() * 1.35);
    bandFont.setBold(true);
    band->setFont(bandFont);
    band->setAutoFillBackground(true);
    QPalette bandPalette = band->palette();
    bandPalette.setColor(QPalette::Window, QColor(0x2b, 0x4c, 0x7e));
    bandPalette.setColor(QPalette::WindowText, Qt::white);
    band->setPalette(bandPalette);
    band->setContentsMargins(16, 10, 16, 10);
    outer->addWidget(band);

    // The form centres, with a margin on each side; maximised, it grows with the screen.
    auto* holder = new QHBoxLayout;
    holder->setContentsMargins(16, 16, 16, 16);
    outer->addStretch(1);
    outer->addLayout(holder);
    auto* form = new QWidget(central);
    holder->addStretch(1);
    holder->addWidget(form, 6);
    holder->addStretch(1);
    auto* columns = new QHBoxLayout(form);
    columns->setContentsMargins(0, 0, 0, 0);
    columns->setSpacing(18);

    buildCaseColumn(form, columns);
    buildNumberColumn(form, columns);
    buildButtons(central, outer);
    connectControls();
}

// Left column: ribbed option, support cases, materials.
void TInserirDadosForm::buildCaseColumn(QWidget* form, QHBoxLayout* columns) {
    auto* left = new QVBoxLayout;
    columns->addLayout(left, 3);
    LajeNervuradaCheckBox = new QCheckBox(QStringLiteral("Laje Nervurada"), form);
    LajeNervuradaCheckBox->setObjectName(QStringLiteral("LajeNervuradaCheckBox"));
    left->addWidget(LajeNervuradaCheckBox, 0, Qt::AlignLeft);

    QFrame* cases = panel(form);
    auto* casesGrid = new QGridLayout(cases);
    casesGrid->setHorizontalSpacing(6);
    casesGrid->setVerticalSpacing(12);
    for (int n = 1; n <= 6; ++n) {
        auto* radio = new QRadioButton(cases);
        radio->setObjectName(QStringLiteral("RadioButton%1").arg(n));
        auto* picture = new SupportCasePicture(n, cases);
        RadioButtons[n - 1] = radio;
        Pictures[n - 1] = picture;
        const int row = (n - 1) % 2;          // 1 above 2, 3 above 4, 5 above 6
        const int column = 2 * ((n - 1) / 2); // radio left of its picture
        casesGrid->addWidget(radio, row, column, Qt::AlignRight | Qt::AlignVCenter);
        casesGrid->addWidget(picture, row, column + 1);
        casesGrid->setColumnStretch(column + 1, 1);
        connect(radio, &QRadioButton::toggled, this,
                [this, n](bool checked) { radioButtonToggled(n, checked); });
        connect(picture, &SupportCasePicture::clicked, this, &TInserirDadosForm::selectSupportCase);
    }
    RadioButtons[0]->setChecked(true);
    left->addWidget(cases);

    QFrame* materials = panel(form);
    auto* materialsGrid = new QGridLayout(materials);
    ConcretoComboBox = new QComboBox(materials);
    ConcretoComboBox->setObjectName(QStringLiteral("ConcretoComboBox"));
    makeDecimalBox(ConcretoComboBox);
    ConcretoComboBox->addItems({QStringLiteral("12"), QStringLiteral("16"), QStringLiteral("20"),
                                QStringLiteral("25"), QStringLiteral("30"), QStringLiteral("35"),
                                QStringLiteral("40"), QStringLiteral("45"), QStringLiteral("50")});
    AcoComboBox = new QComboBox(materials);
    AcoComboBox->setObjectName(QStringLiteral("AcoComboBox"));
    makeListOnly(AcoComboBox);
    AcoComboBox->addItems({QStringLiteral("CA-25"), QStringLiteral("CA-40A"),
                           QStringLiteral("CA-40B"), QStringLiteral("CA-50A"),
                           QStringLiteral("CA-50B"), QStringLiteral("CA-60A"),
                           QStringLiteral("CA-60B")});
    showStartMaterials();
    auto* concreteLabel = caption(QStringLiteral("Concreto"), materials);
    concreteLabel->setBuddy(ConcretoComboBox);
    auto* steelLabel = caption(QStringLiteral("Aço"), materials);
    steelLabel->setBuddy(AcoComboBox);
    materialsGrid->addWidget(concreteLabel, 0, 0);
    materialsGrid->addWidget(ConcretoComboBox, 0, 1);
    materialsGrid->addWidget(unit(QStringLiteral("MPa"), materials), 0, 2);
    materialsGrid->addWidget(steelLabel, 1, 0);
    materialsGrid->addWidget(AcoComboBox, 1, 1);
    materialsGrid->setColumnStretch(3, 1);
    left->addWidget(materials);
    left->addStretch(1);
}

void TInserirDadosForm::showStartMaterials() {
    ConcretoComboBox->setCurrentText(
        QString::fromStdString(formatShortest(startFck, localeDecimalSeparator())));
    AcoComboBox->setCurrentText(
        QString::fromLatin1(startSteelGrade.data(), qsizetype(startSteelGrade.size())));
}

// Right column: spans, pre-dimensioning, thickness, loads.
void TInserirDadosForm::buildNumberColumn(QWidget* form, QHBoxLayout* columns) {
    QFrame* numbers = panel(form);
    columns->addWidget(numbers, 2);
    auto* grid = new QGridLayout(numbers);
    grid->setVerticalSpacing(8);
    grid->setColumnStretch(1, 1);
    auto makeEdit = [&](const char* name) {
        auto* edit = new QLineEdit(numbers);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setAlignment(Qt::AlignRight);
        return edit;
    };
    LxEdit = makeEdit("LxEdit");
    LyEdit = makeEdit("LyEdit");
    HEdit = makeEdit("HEdit");
    CargaPermEdit = makeEdit("CargaPermEdit");
    CargaAcidEdit = makeEdit("CargaAcidEdit");
    LajeNBREdit = makeEdit("LajeNBREdit");
    LajeREBAEdit = makeEdit("LajeREBAEdit");
    for (QLineEdit* edit : {LxEdit, LyEdit, HEdit, CargaPermEdit, CargaAcidEdit})
        makeDecimalBox(edit);
    for (QLineEdit* edit : {LajeNBREdit, LajeREBAEdit}) {
        edit->setReadOnly(true);
        edit->setFocusPolicy(Qt::ClickFocus); // skipped by Tab
        edit->setContextMenuPolicy(Qt::PreventContextMenu);
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::ToolTipBase));
        palette.setColor(QPalette::Text, palette.color(QPalette::ToolTipText));
        edit->setPalette(palette);
    }
    const int boxWidth = fontMetrics().horizontalAdvance(QLatin1Char('0')) * 11;
    for (QLineEdit* edit :
         {LxEdit, LyEdit, HEdit, CargaPermEdit, CargaAcidEdit, LajeNBREdit, LajeREBAEdit})
        edit->setMinimumWidth(boxWidth);

    LajeBitBtn = new QPushButton(QStringLiteral("Pré-Dimensionamento da &Laje"), numbers);
    LajeBitBtn->setObjectName(QStringLiteral("LajeBitBtn"));

    int row = 0;
    auto addRow = [&](const QString& text, QLineEdit* edit, const QString& unitText) {
        auto* label = caption(text, numbers);
        label->setBuddy(edit);
        grid->addWidget(label, row, 0);
        grid->addWidget(edit, row, 1);
        grid->addWidget(unit(unitText, numbers), row, 2);
        ++row;
    };
    addRow(QStringLiteral("Lx"), LxEdit, QStringLiteral("(m)"));
    addRow(QStringLiteral("Ly"), LyEdit, QStringLiteral("(m)"));
    grid->addWidget(LajeBitBtn, row++, 0, 1, 3);
    addRow(QStringLiteral("Altura útil da Laje (d)\nSegundo NBR 6118"), LajeNBREdit,
           QStringLiteral("(cm)"));
    addRow(QStringLiteral("Espessura da Laje (h)\nSegundo REBA"), LajeREBAEdit,
           QStringLiteral("(cm)"));
    auto* line = new QFrame(numbers);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    grid->addWidget(line, row++, 0, 1, 3);
    addRow(QStringLiteral("Espessura da Laje"), HEdit, QStringLiteral("(cm)"));
    addRow(QStringLiteral("Carga Permanente\n(Sem o Peso Próprio)"), CargaPermEdit,
           QStringLiteral("(kg/m²)"));
    addRow(QStringLiteral("Carga Acidental "), CargaAcidEdit, QStringLiteral("(kg/m²)"));
    grid->setRowStretch(row, 1);
}

void TInserirDadosForm::buildButtons(QWidget* central, QVBoxLayout* outer) {
    CalcularBitBtn = new QPushButton(tickGlyph(), QStringLiteral("&Calcular Laje"), central);
    CalcularBitBtn->setObjectName(QStringLiteral("CalcularBitBtn"));
    SairBitBtn = new QPushButton(abortGlyph(), QStringLiteral("&Sair"), central);
    SairBitBtn->setObjectName(QStringLiteral("SairBitBtn"));
    for (QPushButton* button : {CalcularBitBtn, SairBitBtn}) {
        button->setIconSize(QSize(20, 20));
        button->setMinimumHeight(fontMetrics().height() * 2 + 4);
        button->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('M')) * 10);
    }
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(16, 0, 16, 16);
    buttons->addStretch(1);
    buttons->addWidget(CalcularBitBtn);
    buttons->addSpacing(12);
    buttons->addWidget(SairBitBtn);
    buttons->addStretch(1);
    outer->addLayout(buttons);
    outer->addStretch(2);
}

} // namespace lajes
