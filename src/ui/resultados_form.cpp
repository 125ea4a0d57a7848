#include "ui/resultados_form.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>

#include "design/bar_changes.h"
#include "design/results_driver.h"
#include "ui/decimal_box.h"
#include "ui/dxf_export_command.h"
#include "ui/glyphs.h"
#include "ui/message_boxes.h"
#include "ui/tabela_aco_form.h"
#include "ui/window_scale.h"

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

// The widget of a control of the screen model's tables; every name there is a child of the
// window (the window tests check that each one is found).
template <typename Widget> Widget* screenControl(const QWidget& window, std::string_view name) {
    Widget* widget =
        window.findChild<Widget*>(QString::fromUtf8(name.data(), qsizetype(name.size())));
    Q_ASSERT(widget != nullptr);
    return widget;
}

} // namespace

// Counts the screen's own modal windows while they are open.
class TResultadosForm::OwnWindow {
public:
    explicit OwnWindow(TResultadosForm& form) : form_(form) { ++form_.ownWindowDepth_; }
    ~OwnWindow() { --form_.ownWindowDepth_; }
    OwnWindow(const OwnWindow&) = delete;
    OwnWindow& operator=(const OwnWindow&) = delete;

private:
    TResultadosForm& form_;
};

TResultadosForm::TResultadosForm(SlabDesignData& slab, SlabResults& results,
                                 const Settings& settings, MessageBoxes& messages,
                                 TNomeLajeForm* namePrompt, QWidget* parent)
    : QWidget(parent, Qt::Window), CloseResultTimer(new QTimer(this)), slab_(slab),
      results_(results), settings_(settings), messages_(messages),
      ownDxfDialogs_(std::make_unique<QtDxfExportDialogs>(namePrompt, messages)),
      dxfDialogs_(ownDxfDialogs_.get()) {
    setObjectName(QStringLiteral("ResultadosForm"));
    setWindowTitle(QStringLiteral("Resultado do Cálculo de Lajes "));
    setWindowIcon(applicationIcon());

    CloseResultTimer->setObjectName(QStringLiteral("CloseResultTimer"));
    CloseResultTimer->setInterval(100);
    CloseResultTimer->setSingleShot(true);
    connect(CloseResultTimer, &QTimer::timeout, this, &TResultadosForm::CloseResultTimerTimer);

    buildControls();
    TabelaAcoForm = new TTabelaAcoForm(slab, results, settings, messages, namePrompt, this);
    addCompanionWindow(TabelaAcoForm);

    scaleContentsWithWindow(this);

    // Any other window of this program taking the focus after one of ours closed means the
    // next activation comes from outside again; so does any other window of this program
    // taking the focus after the user came back from another program. The steel-table window
    // is one of ours: going there and back is no activation.
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* window) {
        if (!window || window == windowHandle())
            return;
        if (isOwnPopup(window)) {
            lastActiveOfOurs_ = true;
            return;
        }
        if (belongsToCompanion(window)) {
            if (ownWindowDepth_ == 0)
                deactivatedByOwnWindow_ = true;
            lastActiveOfOurs_ = true;
            return;
        }
        if (ownWindowDepth_ == 0)
            deactivatedByOwnWindow_ = false;
        lastActiveOfOurs_ = false;
        leftForAnotherProgram_ = false;
    });
    // The whole program losing the focus to another program, with this screen as its active
    // window, is no activation of this screen, and neither is the focus coming back to it.
    // Depending on the platform the state changes before or after the window's deactivation.
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state != Qt::ApplicationActive && isVisible() &&
                    (lastActiveOfOurs_ || isActiveWindow()))
                    leftForAnotherProgram_ = true;
            });
}

TResultadosForm::~TResultadosForm() = default;

// A list's popup takes the focus window (on some platforms also the activation) while the
// user stays on this screen.
bool TResultadosForm::isOwnPopup(const QWindow* window) const {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->windowHandle() != window || widget->windowType() != Qt::Popup)
            continue;
        for (const QWidget* parent = widget->parentWidget(); parent;
             parent = parent->parentWidget())
            if (parent == this)
                return true;
    }
    return false;
}

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
    TabelaAcoBitBtn = addButton(QIcon(), QStringLiteral("&Tabela de Aço"), "TabelaAcoBitBtn");
    NBR6118BitBtn = addButton(QIcon(), QStringLiteral("&NBR 6118:2014"), "NBR6118BitBtn");
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

void TResultadosForm::addCompanionWindow(QWidget* window) {
    companions_.emplace_back(window);
}

bool TResultadosForm::belongsToCompanion(const QWindow* window) const {
    // A companion, or a dialog or popup opened over one.
    for (; window; window = window->transientParent())
        for (const QPointer<QWidget>& companion : companions_)
            if (companion && companion->windowHandle() == window)
                return true;
    return false;
}

void TResultadosForm::setFileChoices(std::vector<BarPick> choices) {
    fileChoices_ = std::move(choices);
    pickLog_.clear();
}

std::vector<BarPick> TResultadosForm::choicesToSave() const {
    return fileChoices_ ? *fileChoices_ : pickLog_.picks();
}

void TResultadosForm::runWithOwnWindows(const std::function<void()>& action) {
    OwnWindow own(*this);
    action();
}

QPushButton* TResultadosForm::addButton(const QIcon& glyph, const QString& text,
                                        const char* objectName) {
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

void TResultadosForm::setDxfDialogs(DxfExportDialogs* dialogs) {
    dxfDialogs_ = dialogs ? dialogs : ownDxfDialogs_.get();
}

// ---- Activation -------------------------------------------------------------------------

void TResultadosForm::showScreen() {
    showMaximized();
    raise();
    activateWindow();
    // Already the active window: no activation event follows, so start the decision here.
    if (isActiveWindow())
        scheduleActivation();
}

void TResultadosForm::changeEvent(QEvent* event) {
    // FormActivate runs only when the activation comes from outside: not while one of the
    // screen's own windows is open, nor when such a window closes and hands it back.
    if (event->type() == QEvent::ActivationChange) {
        if (ownWindowDepth_ > 0) {
            if (!isActiveWindow())
                deactivatedByOwnWindow_ = true;
        } else if (isActiveWindow()) {
            const bool handedBack = deactivatedByOwnWindow_ || leftForAnotherProgram_;
            deactivatedByOwnWindow_ = false;
            leftForAnotherProgram_ = false;
            lastActiveOfOurs_ = true;
            if (!handedBack)
                scheduleActivation();
        } else {
            // The window system may announce the new focus window before or after this event;
            // the widget that became active is known here already.
            deactivatedByOwnWindow_ = belongsToCompanion(QGuiApplication::focusWindow()) ||
                                      isCompanionWidget(QApplication::activeWindow());
            if (QGuiApplication::applicationState() != Qt::ApplicationActive)
                leftForAnotherProgram_ = true;
        }
    }
    QWidget::changeEvent(event);
}

// The decision may ask a question and the computation may show messages: both run from the
// event loop, not inside the activation event.
void TResultadosForm::scheduleActivation() {
    if (activationPending_)
        return;
    activationPending_ = true;
    QTimer::singleShot(0, this, [this] {
        if (activationPending_ && isVisible())
            FormActivate();
        activationPending_ = false;
    });
}

void TResultadosForm::FormActivate() {
    activationPending_ = false;
    OwnWindow own(*this);
    switch (recalculation_.activated()) {
    case ActivationDecision::Keep:
        return;
    case ActivationDecision::Ask:
        if (!recalculation_.answer(
                messages_.confirm(this, QString::fromLatin1(recalculateQuestion))))
            return;
        break;
    case ActivationDecision::Compute:
        break;
    }
    const char separator = localeDecimalSeparator();
    ComputeOutcome outcome = computeResults(slab_, results_, settings_, screen_, separator);
    pickLog_.clear();
    if (fileChoices_ && !outcome.closeScreen) {
        const BarPicksOutcome picks =
            applyBarPicks(*fileChoices_, slab_, results_, settings_, screen_, separator);
        for (const BarPick& pick : *fileChoices_)
            if (std::find(picks.skipped.begin(), picks.skipped.end(), pick) == picks.skipped.end())
                pickLog_.record(pick);
        outcome.messages.insert(outcome.messages.end(), picks.messages.begin(),
                                picks.messages.end());
        if (!picks.skipped.empty())
            outcome.messages.push_back(
                {MessageKind::Information, skippedPicksMessage(picks.skipped)});
    }
    fileChoices_.reset();
    showScreenModel();
    designComplete_ = !outcome.closeScreen;
    TabelaAcoForm->refresh(designComplete_);
    switch (screen_.focusedControl) {
    case ResultsFocus::AsxpComboBox:
        AsxpComboBox->setFocus(Qt::OtherFocusReason);
        break;
    case ResultsFocus::None:
        break;
    }
    if (resultsChanged && !outcome.closeScreen)
        resultsChanged();
    showMessages(outcome.messages);
    if (outcome.closeScreen)
        CloseResultTimer->start();
}

// ---- Bar choices ------------------------------------------------------------------------

void TResultadosForm::AsxpComboBoxChange() {
    comboBoxChange(BarDirection::xp, false, AsxpComboBox->currentText());
}
void TResultadosForm::AsypComboBoxChange() {
    comboBoxChange(BarDirection::yp, false, AsypComboBox->currentText());
}
void TResultadosForm::AsxnComboBoxChange() {
    comboBoxChange(BarDirection::xn, false, AsxnComboBox->currentText());
}
void TResultadosForm::AsynComboBoxChange() {
    comboBoxChange(BarDirection::yn, false, AsynComboBox->currentText());
}
void TResultadosForm::EspAsxpComboBoxChange() {
    comboBoxChange(BarDirection::xp, true, EspAsxpComboBox->currentText());
}
void TResultadosForm::EspAsypComboBoxChange() {
    comboBoxChange(BarDirection::yp, true, EspAsypComboBox->currentText());
}
void TResultadosForm::EspAsxnComboBoxChange() {
    comboBoxChange(BarDirection::xn, true, EspAsxnComboBox->currentText());
}
void TResultadosForm::EspAsynComboBoxChange() {
    comboBoxChange(BarDirection::yn, true, EspAsynComboBox->currentText());
}

void TResultadosForm::comboBoxChange(BarDirection direction, bool spacing, const QString& text) {
    const std::string picked = text.toStdString();
    const char separator = localeDecimalSeparator();
    const BarChangeOutcome outcome =
        spacing ? pickSpacing(direction, picked, slab_, results_, settings_, screen_, separator)
                : pickDiameter(direction, picked, slab_, results_, settings_, screen_, separator);
    // A text that is not an entry changed nothing: the list goes back to what it showed.
    showScreenModel();
    if (!outcome.applied)
        return;
    if (spacing)
        pickLog_.record(BarPick{direction, std::nullopt, text.toInt()});
    else
        pickLog_.record(BarPick{direction, picked, std::nullopt});
    TabelaAcoForm->refresh(designComplete_);
    emit barsPicked();
    if (resultsChanged)
        resultsChanged();
    OwnWindow own(*this);
    showMessages(outcome.messages);
}

bool TResultadosForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && AsxpComboBoxKeyPress(*static_cast<QKeyEvent*>(event)))
        return true;
    return QWidget::eventFilter(watched, event);
}

bool TResultadosForm::AsxpComboBoxKeyPress(const QKeyEvent& key) const {
    // Every typed character is discarded, so a list shows only its own entries; the arrow
    // keys, Tab and Enter have no text and still move and pick.
    const QString text = key.text();
    const bool command = key.modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    return !command && !text.isEmpty() && text.at(0).isPrint();
}

// ---- Screen model to widgets --------------------------------------------------------------

void TResultadosForm::showScreenModel() {
    for (const auto& [name, member] : resultsScreenBoxes)
        screenControl<QLineEdit>(*this, name)->setText(QString::fromStdString(screen_.*member));

    for (const auto& [name, member] : resultsScreenLists) {
        QComboBox* box = screenControl<QComboBox>(*this, name);
        const ChoiceList* list = &(screen_.*member);
        const QSignalBlocker blocker(box);
        QStringList items;
        for (const std::string& item : list->items)
            items << QString::fromStdString(item);
        QStringList shownItems;
        for (int i = 0; i < box->count(); ++i)
            shownItems << box->itemText(i);
        if (items != shownItems) {
            box->clear();
            box->addItems(items);
        }
        box->setCurrentIndex(box->findText(QString::fromStdString(list->currentText)));
        box->setEnabled(list->enabled);
    }
}

void TResultadosForm::showMessages(const std::vector<ScreenMessage>& messages) {
    for (const ScreenMessage& message : messages) {
        const QString text = QString::fromStdString(message.text);
        if (message.kind == MessageKind::Warning)
            messages_.warning(this, text);
        else
            messages_.information(this, text);
    }
}

// ---- Buttons and closing ------------------------------------------------------------------

void TResultadosForm::RetornarBitBtnClick() {
    recalculation_.returned();
    close();
}

void TResultadosForm::ImprimirBitBtnClick() {
    recalculation_.printed();
    if (printRequested)
        printRequested();
}

void TResultadosForm::DXFBitBtnClick() {
    OwnWindow own(*this);
    exportDxf(this, *dxfDialogs_, messages_, slab_, results_, settings_);
}

void TResultadosForm::NBR6118BitBtnClick() {
    if (verificationRequested)
        verificationRequested();
}

void TResultadosForm::SairBitBtnClick() {
    close();
    emit leaveCalculation();
}

void TResultadosForm::TabelaAcoBitBtnClick() {
    TabelaAcoForm->refresh(designComplete_);
    TabelaAcoForm->show();
    TabelaAcoForm->raise();
    TabelaAcoForm->activateWindow();
}

bool TResultadosForm::isCompanionWidget(const QWidget* widget) const {
    for (; widget; widget = widget->parentWidget())
        for (const QPointer<QWidget>& companion : companions_)
            if (companion == widget)
                return true;
    return false;
}

void TResultadosForm::CloseResultTimerTimer() {
    close();
}

void TResultadosForm::closeEvent(QCloseEvent* event) {
    // FormClose: the close timer never fires for a screen that is already closed.
    CloseResultTimer->stop();
    activationPending_ = false;
    lastActiveOfOurs_ = false;
    leftForAnotherProgram_ = false;
    // The companions show what this screen shows; they go with it.
    for (const QPointer<QWidget>& companion : companions_)
        if (companion)
            companion->hide();
    QWidget::closeEvent(event);
}

} // namespace lajes
