// The results screen's controls and their layout: the grid of quantities in four column
// groups, the bar lists, the checks and the button row.

#include "ui/resultados_form.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include "ui/glyphs.h"

namespace lajes {

namespace {

// The quantity captions ("Mx", "Rxa", "Asx+" ...) are blue.
QLabel* quantity(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(Qt::blue));
    label->setPalette(palette);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

QLabel* plain(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

// "✘" beside a box whose value fails its check; hidden while the check passes.
QLabel* exceededMark(const char* name, QWidget* parent) {
    auto* mark = new QLabel(QStringLiteral("✘"), parent);
    mark->setObjectName(QString::fromLatin1(name));
    QPalette palette = mark->palette();
    palette.setColor(QPalette::WindowText, QColor(Qt::red));
    mark->setPalette(palette);
    mark->hide();
    return mark;
}

QLabel* heading(const QString& text, QWidget* parent) {
    auto* label = plain(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

// A value box: read-only, reachable by the mouse only, with the pale-yellow information
// background where the value is a limit to compare with rather than a result.
QLineEdit* valueBox(const char* name, QWidget* parent, bool information = false) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::ClickFocus);
    box->setAlignment(Qt::AlignRight);
    box->setContextMenuPolicy(Qt::PreventContextMenu);
    if (information) {
        QPalette palette = box->palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::ToolTipBase));
        palette.setColor(QPalette::Text, palette.color(QPalette::ToolTipText));
        box->setPalette(palette);
    }
    return box;
}

QComboBox* choiceList(const char* name, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setEditable(false);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(4);
    // PopupMenu1: the lists offer no context menu at all.
    box->setContextMenuPolicy(Qt::PreventContextMenu);
    return box;
}

} // namespace

// The results grid being built: four column groups of caption, value and unit, and the
// row the next line goes to.
struct TResultadosForm::Grid {
    TResultadosForm* form;
    QGridLayout* grid;
    int boxWidth;
    int row = 0;
    const QString moment = QStringLiteral("(kg.m/m)");
    const QString force = QStringLiteral("(kg/m)");
    const QString area = QStringLiteral("(cm²/m)");
    const QString length = QStringLiteral("(cm)");

    static int label(int group) { return 3 * group; }
    static int value(int group) { return 3 * group + 1; }
    static int unitColumn(int group) { return 3 * group + 2; }
    void addValue(int group, QLabel* caption, QLineEdit* box, const QString& unit) {
        box->setFixedWidth(boxWidth);
        if (caption)
            grid->addWidget(caption, row, label(group));
        grid->addWidget(box, row, value(group));
        if (!unit.isEmpty())
            grid->addWidget(plain(unit, form), row, unitColumn(group));
    }
    // "Asx+" over "Calc.".
    QLabel* calculated(const QString& text) const {
        return quantity(text + QStringLiteral("\nCalc."), form);
    }
};

void TResultadosForm::buildControls() {
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(16, 10, 16, 16);
    // Centred on the screen: maximised, the grid grows with the font (scaleContentsWithWindow).
    auto* holder = new QHBoxLayout;
    outer->addStretch(1);
    outer->addLayout(holder);
    outer->addStretch(1);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(6);
    holder->addStretch(1);
    holder->addLayout(grid);
    holder->addStretch(1);
    for (int group = 0; group < 4; ++group)
        grid->setColumnMinimumWidth(Grid::unitColumn(group), 12);
    Grid g{this, grid, fontMetrics().horizontalAdvance(QStringLiteral("0000000000,00"))};

    ResultLabel = new QLabel(QStringLiteral("Resultados:"), this);
    ResultLabel->setObjectName(QStringLiteral("ResultLabel"));
    QFont resultFont = ResultLabel->font();
    resultFont.setBold(true);
    resultFont.setItalic(true);
    resultFont.setUnderline(true);
    ResultLabel->setFont(resultFont);
    grid->addWidget(ResultLabel, g.row++, 0, 1, 12);

    buildQuantityRows(g);
    buildBarChoiceRows(g);
    buildCheckRows(g);
    buildButtonRow(g);
    StatusBar = new QStatusBar(this);
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    StatusBar->setSizeGripEnabled(false);
    outer->addWidget(StatusBar);
    connectControls();
}

// Moments, reactions, required and effective areas, and the section limits.
void TResultadosForm::buildQuantityRows(Grid& g) {

    MxEdit = valueBox("MxEdit", this);
    MyEdit = valueBox("MyEdit", this);
    XxEdit = valueBox("XxEdit", this);
    XyEdit = valueBox("XyEdit", this);
    g.addValue(0, quantity(QStringLiteral("Mx"), this), MxEdit, g.moment);
    g.addValue(1, quantity(QStringLiteral("My"), this), MyEdit, g.moment);
    g.addValue(2, quantity(QStringLiteral("Xx"), this), XxEdit, g.moment);
    g.addValue(3, quantity(QStringLiteral("Xy"), this), XyEdit, g.moment);
    ++g.row;

    RxaEdit = valueBox("RxaEdit", this);
    RyaEdit = valueBox("RyaEdit", this);
    RxeEdit = valueBox("RxeEdit", this);
    RyeEdit = valueBox("RyeEdit", this);
    g.addValue(0, quantity(QStringLiteral("Rxa"), this), RxaEdit, g.force);
    g.addValue(1, quantity(QStringLiteral("Rya"), this), RyaEdit, g.force);
    g.addValue(2, quantity(QStringLiteral("Rxe"), this), RxeEdit, g.force);
    g.addValue(3, quantity(QStringLiteral("Rye"), this), RyeEdit, g.force);
    ++g.row;

    AsxpCEdit = valueBox("AsxpCEdit", this);
    AsypCEdit = valueBox("AsypCEdit", this);
    AsxnCEdit = valueBox("AsxnCEdit", this);
    AsynCEdit = valueBox("AsynCEdit", this);
    g.addValue(0, g.calculated(QStringLiteral("Asx+")), AsxpCEdit, g.area);
    g.addValue(1, g.calculated(QStringLiteral("Asy+")), AsypCEdit, g.area);
    g.addValue(2, g.calculated(QStringLiteral("Asx-")), AsxnCEdit, g.area);
    g.addValue(3, g.calculated(QStringLiteral("Asy-")), AsynCEdit, g.area);
    ++g.row;

    AsxpEdit = valueBox("AsxpEdit", this);
    AsypEdit = valueBox("AsypEdit", this);
    AsxnEdit = valueBox("AsxnEdit", this);
    AsynEdit = valueBox("AsynEdit", this);
    g.addValue(0, quantity(QStringLiteral("Asx+"), this), AsxpEdit, g.area);
    g.addValue(1, quantity(QStringLiteral("Asy+"), this), AsypEdit, g.area);
    g.addValue(2, quantity(QStringLiteral("Asx-"), this), AsxnEdit, g.area);
    g.addValue(3, quantity(QStringLiteral("Asy-"), this), AsynEdit, g.area);
    ++g.row;
    g.grid->setRowMinimumHeight(g.row++, 6);

    MkmaxEdit = valueBox("MkmaxEdit", this, true);
    MrEdit = valueBox("MrEdit", this, true);
    RominEdit = valueBox("RominEdit", this, true);
    AsminEdit = valueBox("AsminEdit", this, true);
    g.addValue(0, quantity(QStringLiteral("Mk máx"), this), MkmaxEdit, g.moment);
    g.addValue(1, quantity(QStringLiteral("Mr"), this), MrEdit, g.moment);
    g.addValue(2, quantity(QStringLiteral("ρmin"), this), RominEdit, QStringLiteral("(%)"));
    g.addValue(3, quantity(QStringLiteral("As min"), this), AsminEdit, g.area);
    ++g.row;
}

// The diameter and spacing lists of the four directions and their bar descriptions.
void TResultadosForm::buildBarChoiceRows(Grid& g) {
    EscolhaBitolaLabel = heading(QStringLiteral("Escolha as Bitolas dos Aços:"), this);
    EscolhaBitolaLabel->setObjectName(QStringLiteral("EscolhaBitolaLabel"));
    g.grid->addWidget(EscolhaBitolaLabel, g.row++, 0, 1, 12);

    AsxpComboBox = choiceList("AsxpComboBox", this);
    AsypComboBox = choiceList("AsypComboBox", this);
    AsxnComboBox = choiceList("AsxnComboBox", this);
    AsynComboBox = choiceList("AsynComboBox", this);
    EspAsxpComboBox = choiceList("EspAsxpComboBox", this);
    EspAsypComboBox = choiceList("EspAsypComboBox", this);
    EspAsxnComboBox = choiceList("EspAsxnComboBox", this);
    EspAsynComboBox = choiceList("EspAsynComboBox", this);
    AsxpbEdit = valueBox("AsxpbEdit", this, true);
    AsypbEdit = valueBox("AsypbEdit", this, true);
    AsxnbEdit = valueBox("AsxnbEdit", this, true);
    AsynbEdit = valueBox("AsynbEdit", this, true);
    const std::array<QComboBox*, 4> diameters{AsxpComboBox, AsypComboBox, AsxnComboBox,
                                              AsynComboBox};
    const std::array<QComboBox*, 4> spacings{EspAsxpComboBox, EspAsypComboBox, EspAsxnComboBox,
                                             EspAsynComboBox};
    const std::array<QLineEdit*, 4> descriptions{AsxpbEdit, AsypbEdit, AsxnbEdit, AsynbEdit};
    g.grid->addWidget(quantity(QStringLiteral("Bitolas"), this), g.row, g.label(0));
    for (int group = 0; group < 4; ++group) {
        auto* pair = new QHBoxLayout;
        pair->setSpacing(2);
        pair->addWidget(diameters[group]);
        pair->addWidget(spacings[group]);
        pair->addStretch(1);
        g.grid->addLayout(pair, g.row, g.value(group), 1, 2);
        descriptions[group]->setAlignment(Qt::AlignLeft);
        descriptions[group]->setMinimumWidth(g.boxWidth * 4 / 3);
        g.grid->addWidget(descriptions[group], g.row + 1, g.value(group), 1, 2);
    }
    g.row += 2;
    g.grid->setRowMinimumHeight(g.row++, 8);
}

// Neutral axis, shear and deflections.
void TResultadosForm::buildCheckRows(Grid& g) {
    XLnEdit = valueBox("XLnEdit", this, true);
    g.grid->addWidget(heading(QStringLiteral("Posição da Linha Neutra:"), this), g.row, 0, 1, 5);
    g.addValue(2, quantity(QStringLiteral("X"), this), XLnEdit, g.length);
    ++g.row;

    g.grid->addWidget(heading(QStringLiteral("Tensão de Cisalhamento:"), this), g.row++, 0, 1, 12);
    TwdEdit = valueBox("TwdEdit", this);
    TwuEdit = valueBox("TwuEdit", this, true);
    const QString stress = QStringLiteral("(kN/m²/m)");
    auto* twdLabel = quantity(QStringLiteral("Tensão de Cisalhamento"), this);
    g.grid->addWidget(twdLabel, g.row, 0, 1, 2);
    g.addValue(1, nullptr, TwdEdit, stress);
    TwMarcaLabel = exceededMark("TwMarcaLabel", this);
    g.grid->addWidget(TwMarcaLabel, g.row, g.label(1), Qt::AlignRight | Qt::AlignVCenter);
    // The two-line caption reaches back over the third group instead of widening the fourth.
    g.grid->addWidget(quantity(QStringLiteral("Tensão de Cisalhamento\nAdmissível"), this), g.row,
                      g.label(2), 1, 4);
    g.addValue(3, nullptr, TwuEdit, stress);
    ++g.row;

    FiEdit = valueBox("FiEdit", this);
    FadmEdit = valueBox("FadmEdit", this, true);
    FfEdit = valueBox("FfEdit", this);
    Fadm1Edit = valueBox("Fadm1Edit", this, true);
    g.grid->addWidget(heading(QStringLiteral("Flecha Imediata:"), this), g.row++, 0, 1, 12);
    g.grid->addWidget(quantity(QStringLiteral("flecha imediata"), this), g.row, 0, 1, 2);
    g.addValue(1, nullptr, FiEdit, g.length);
    g.addValue(2, quantity(QStringLiteral("f adm."), this), FadmEdit, g.length);
    ++g.row;
    g.grid->addWidget(heading(QStringLiteral("Flecha Final:"), this), g.row++, 0, 1, 12);
    g.grid->addWidget(quantity(QStringLiteral("flecha final"), this), g.row, 0, 1, 2);
    g.addValue(1, nullptr, FfEdit, g.length);
    FfMarcaLabel = exceededMark("FfMarcaLabel", this);
    g.grid->addWidget(FfMarcaLabel, g.row, g.label(1), Qt::AlignRight | Qt::AlignVCenter);
    g.addValue(2, quantity(QStringLiteral("f adm."), this), Fadm1Edit, g.length);
    ++g.row;
    g.grid->setRowMinimumHeight(g.row++, 12);
}

void TResultadosForm::buildButtonRow(Grid& g) {
    buttonRow_ = new QHBoxLayout;
    buttonRow_->addStretch(1);
    buttonRow_->addStretch(1);
    RetornarBitBtn = addButton(returnGlyph(), QStringLiteral("&Retornar"), "RetornarBitBtn");
    DXFBitBtn = addButton(drawingGlyph(), QStringLiteral("&Gerar DXF"), "DXFBitBtn");
    ImprimirBitBtn = addButton(printGlyph(), QStringLiteral("&Imprimir"), "ImprimirBitBtn");
    TabelaAcoBitBtn = addButton(tableGlyph(), QStringLiteral("&Tabela de Aço"), "TabelaAcoBitBtn");
    NBR6118BitBtn = addButton(codeCheckGlyph(), QStringLiteral("&NBR 6118:2014"), "NBR6118BitBtn");
    SairBitBtn = addButton(abortGlyph(), QStringLiteral("&Sair"), "SairBitBtn");
    auto* buttons = buttonRow_;
    g.grid->addLayout(buttons, g.row, 0, 1, 12);
}

void TResultadosForm::connectControls() {
    // Tab order: the diameter lists, the buttons, then the spacing lists; the buttons of the
    // companion windows come last so that the screen's own order stays as it was.
    const QList<QWidget*> order{AsxpComboBox,    AsypComboBox,    AsxnComboBox,    AsynComboBox,
                                RetornarBitBtn,  DXFBitBtn,       ImprimirBitBtn,  SairBitBtn,
                                EspAsxpComboBox, EspAsypComboBox, EspAsxnComboBox, EspAsynComboBox,
                                TabelaAcoBitBtn, NBR6118BitBtn};
    for (int i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);

    // `activated` is the user's pick (mouse or arrow keys); refilling a list emits nothing.
    connect(AsxpComboBox, &QComboBox::activated, this, &TResultadosForm::AsxpComboBoxChange);
    connect(AsypComboBox, &QComboBox::activated, this, &TResultadosForm::AsypComboBoxChange);
    connect(AsxnComboBox, &QComboBox::activated, this, &TResultadosForm::AsxnComboBoxChange);
    connect(AsynComboBox, &QComboBox::activated, this, &TResultadosForm::AsynComboBoxChange);
    connect(EspAsxpComboBox, &QComboBox::activated, this, &TResultadosForm::EspAsxpComboBoxChange);
    connect(EspAsypComboBox, &QComboBox::activated, this, &TResultadosForm::EspAsypComboBoxChange);
    connect(EspAsxnComboBox, &QComboBox::activated, this, &TResultadosForm::EspAsxnComboBoxChange);
    connect(EspAsynComboBox, &QComboBox::activated, this, &TResultadosForm::EspAsynComboBoxChange);
    // Typing into a list changes nothing (AsxpComboBoxKeyPress).
    for (QComboBox* box : {AsxpComboBox, AsypComboBox, AsxnComboBox, AsynComboBox, EspAsxpComboBox,
                           EspAsypComboBox, EspAsxnComboBox, EspAsynComboBox}) {
        box->installEventFilter(this);
        box->view()->installEventFilter(this);
    }

    connect(RetornarBitBtn, &QPushButton::clicked, this, &TResultadosForm::RetornarBitBtnClick);
    connect(DXFBitBtn, &QPushButton::clicked, this, &TResultadosForm::DXFBitBtnClick);
    connect(ImprimirBitBtn, &QPushButton::clicked, this, &TResultadosForm::ImprimirBitBtnClick);
    connect(SairBitBtn, &QPushButton::clicked, this, &TResultadosForm::SairBitBtnClick);
    connect(TabelaAcoBitBtn, &QPushButton::clicked, this, &TResultadosForm::TabelaAcoBitBtnClick);
    connect(NBR6118BitBtn, &QPushButton::clicked, this, &TResultadosForm::NBR6118BitBtnClick);
}

QPushButton* TResultadosForm::addButton(const QIcon& glyph, const QString& text,
                                        const char* objectName) {
    ensureControls(); // the row exists
    auto* button = new QPushButton(glyph, text, this);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('M')) * 8);
    button->setMinimumHeight(fontMetrics().height() * 2);
    // Before "&Sair" once it is there; the row stays centred between its two stretches.
    const int sair = SairBitBtn ? buttonRow_->indexOf(SairBitBtn) : buttonRow_->count() - 1;
    buttonRow_->insertWidget(sair, button);
    if (SairBitBtn)
        setTabOrder(button, SairBitBtn);
    return button;
}

} // namespace lajes
