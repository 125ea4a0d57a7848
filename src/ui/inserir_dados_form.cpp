#include "ui/inserir_dados_form.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

#include "analysis/calculate.h"
#include "analysis/data_entry.h"
#include "analysis/predimensioning.h"
#include "analysis/slab_design_data.h"
#include "config/settings.h"
#include "design/slab_results.h"
#include "slabfile/slab_request.h"
#include "text/number_text.h"
#include "ui/config_form.h"
#include "ui/dados_add_form.h"
#include "ui/decimal_box.h"
#include "ui/dialog_loop.h"
#include "ui/glyphs.h"
#include "ui/laje_nervurada_form.h"
#include "ui/message_boxes.h"
#include "ui/window_scale.h"

namespace lajes {

TInserirDadosForm::TInserirDadosForm(SlabDesignData& slab, SlabResults& results,
                                     PreDimensioning& suggestions, const Settings& settings,
                                     MessageBoxes& messages, QWidget* parent)
    : QMainWindow(parent, Qt::Window), slab_(slab), results_(results), suggestions_(suggestions),
      settings_(settings), messages_(messages) {
    setObjectName(QStringLiteral("InserirDadosForm"));
    setWindowTitle(QStringLiteral("Cálculo de Lajes"));
    setWindowIcon(applicationIcon());
    buildShell();
    scaleContentsWithWindow(this);

    // The screen is created once, at start-up.
    applyStartValues(slab_);
}

void TInserirDadosForm::ensureControls() {
    if (controlsBuilt_)
        return;
    controlsBuilt_ = true;
    buildControls();
}

void TInserirDadosForm::setVisible(bool visible) {
    // Before the first show lays the screen out.
    if (visible)
        ensureControls();
    QMainWindow::setVisible(visible);
}

void TInserirDadosForm::connectControls() {
    // Tab order 0 to 18.
    QList<QWidget*> order;
    for (QRadioButton* radio : RadioButtons)
        order << radio;
    order << LxEdit << LyEdit << LajeBitBtn << HEdit << CargaPermEdit << CargaAcidEdit
          << CalcularBitBtn << LajeNBREdit << LajeREBAEdit << ConcretoComboBox << AcoComboBox
          << LajeNervuradaCheckBox << SairBitBtn;
    for (int i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);

    // Leaving a box stores its value; leaving it while the screen resets itself on closing
    // stores nothing.
    // Each number box and the field it sets: the typed permanent load also stands in g until
    // the calculation adds the self-weight; the concrete box is not reformatted.
    numberBoxes_ = {
        {LxEdit, &slab_.Lx},
        {LyEdit, &slab_.Ly},
        {HEdit, &slab_.h},
        {CargaPermEdit, &typedPermanentLoad_, 1.0, true, nullptr,
         [this](double value) { slab_.g = value; }},
        {CargaAcidEdit, &slab_.q},
        {ConcretoComboBox->lineEdit(), &slab_.fck, 1.0, false, ConcretoComboBox},
    };
    for (const NumberBox& number : numberBoxes_) {
        std::function<void()> onEnter;
        // Entering the thickness box shows the suggestions; so does clicking it again.
        if (number.box == HEdit)
            onEnter = [this] { LajeBitBtnClick(); };
        new FocusWatcher(
            number.focusWidget(),
            [this, number] {
                if (!resetting_)
                    commitNumberBox(number, messages_);
            },
            onEnter);
    }
    HEdit->installEventFilter(this);

    for (QLineEdit* edit : {LxEdit, LyEdit, HEdit, CargaPermEdit, CargaAcidEdit})
        connect(edit, &QLineEdit::textChanged, this, &TInserirDadosForm::markInputsChanged);
    connect(ConcretoComboBox, &QComboBox::currentTextChanged, this,
            &TInserirDadosForm::markInputsChanged);
    connect(AcoComboBox, &QComboBox::currentTextChanged, this, [this](const QString& grade) {
        slab_.SteelGrade = grade.toStdString();
        markInputsChanged();
    });
    connect(LajeNervuradaCheckBox, &QCheckBox::toggled, this,
            &TInserirDadosForm::LajeNervuradaCheckBoxToggled);
    connect(LajeBitBtn, &QPushButton::clicked, this, &TInserirDadosForm::LajeBitBtnClick);
    connect(CalcularBitBtn, &QPushButton::clicked, this, &TInserirDadosForm::CalcularBitBtnClick);
    connect(SairBitBtn, &QPushButton::clicked, this, &QWidget::close);
}

void TInserirDadosForm::setDialogs(TLajeNervuradaForm* ribbed, TDadosAddForm* additional,
                                   TConfigForm* config) {
    ribbedForm_ = ribbed;
    additionalForm_ = additional;
    configForm_ = config;
}

void TInserirDadosForm::showScreen() {
    showMaximized();
    raise();
    activateWindow();
}

void TInserirDadosForm::markInputsChanged() {
    emit inputsChanged();
}

// ---- Support case and ribbed option ----------------------------------------------------

void TInserirDadosForm::selectSupportCase(int supportCase) {
    RadioButtons[static_cast<std::size_t>(supportCase - 1)]->setChecked(true);
    markInputsChanged();
}

void TInserirDadosForm::radioButtonToggled(int supportCase, bool checked) {
    if (!checked)
        return;
    slab_.SupportCase = supportCase;
    if (!ribbedAllowed(supportCase) && LajeNervuradaCheckBox->isChecked())
        LajeNervuradaCheckBox->setChecked(false);
}

void TInserirDadosForm::LajeNervuradaCheckBoxToggled(bool checked) {
    slab_.Ribbed = checked;
    markInputsChanged();
    // A file's ribbed slab brings its geometry with it: no dialog.
    if (!checked || filling_)
        return;
    RadioButtons[static_cast<std::size_t>(ribbedSupportCase - 1)]->setChecked(true);
    runRibbedLoop();
    LxEdit->setFocus(Qt::OtherFocusReason);
}

bool TInserirDadosForm::runRibbedLoop() {
    if (!ribbedForm_)
        return false;
    const bool accepted = execUntilAcceptable(*ribbedForm_, this, [this] {
        ribbedForm_->commitFocusedBox();
        return ribbedForm_->geometryComplete();
    });
    if (!accepted) {
        LajeNervuradaCheckBox->setChecked(false);
        return false;
    }
    ribbedForm_->settleBlockDensity();
    slab_.Ribbed = true;
    return true;
}

std::optional<double> TInserirDadosForm::runAdjacentSpanLoop() {
    if (!additionalForm_)
        return std::nullopt;
    const bool accepted = execUntilAcceptable(*additionalForm_, this, [this] {
        additionalForm_->commitFocusedBox();
        return additionalForm_->spanComplete();
    });
    if (!accepted)
        return std::nullopt;
    return slab_.AdjacentSpan;
}

// ---- Number boxes -----------------------------------------------------------------------

bool TInserirDadosForm::commitFocusedBox() {
    return commitBox(focusWidget());
}

bool TInserirDadosForm::commitBox(QWidget* focused) {
    ensureControls();
    return commitFocusedNumberBox(numberBoxes_, focused, messages_);
}

std::optional<double> TInserirDadosForm::entry(const QLineEdit* box, double value) const {
    if (box->text().isEmpty())
        return std::nullopt;
    return value;
}

bool TInserirDadosForm::eventFilter(QObject* watched, QEvent* event) {
    // A click into the thickness box that already has the focus shows the suggestions again;
    // a click that brings the focus there is handled as entering the box.
    if (watched == HEdit) {
        if (event->type() == QEvent::MouseButtonPress)
            hEditPressedWithFocus_ = HEdit->hasFocus();
        else if (event->type() == QEvent::MouseButtonRelease && hEditPressedWithFocus_ &&
                 static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            hEditPressedWithFocus_ = false;
            LajeBitBtnClick();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---- Actions ----------------------------------------------------------------------------

void TInserirDadosForm::showSuggestions() {
    LajeNBREdit->setText(twoDecimals(suggestions_.dNBR));
    LajeREBAEdit->setText(twoDecimals(suggestions_.hREBA));
}

void TInserirDadosForm::LajeBitBtnClick() {
    const auto failure =
        checkSpans(entry(LxEdit, slab_.Lx), entry(LyEdit, slab_.Ly), slab_.SupportCase);
    if (failure) {
        messages_.information(this, QString::fromStdString(failure->message));
        (failure->focusLx ? LxEdit : LyEdit)->setFocus(Qt::OtherFocusReason);
        return;
    }
    suggestions_ = preDimension(slab_);
    showSuggestions();
    HEdit->setFocus(Qt::OtherFocusReason);
}

SlabEntries TInserirDadosForm::entries() const {
    return SlabEntries{entry(LxEdit, slab_.Lx), entry(LyEdit, slab_.Ly), entry(HEdit, slab_.h),
                       entry(CargaPermEdit, typedPermanentLoad_), entry(CargaAcidEdit, slab_.q)};
}

DesignInputs TInserirDadosForm::designInputs() const {
    if (!controlsBuilt_)
        return designInputsOf(SlabEntries{}, slab_, settings_);
    return designInputsOf(entries(), slab_, settings_);
}

bool TInserirDadosForm::runCalculation(const AdjacentSpanRequest& requestAdjacentSpan) {
    // The suggestions are refreshed only by a run that reaches the analysis; an empty record
    // afterwards means the run stopped before it, and the previous one stands.
    PreDimensioning fresh;
    const CalculationResult result =
        calculateSlab(entries(), slab_, results_, fresh, settings_, requestAdjacentSpan);
    if (result.preDimensioned) {
        suggestions_ = fresh;
        showSuggestions();
    }

    switch (result.outcome) {
    case CalculationOutcome::Rejected: {
        messages_.information(this, QString::fromStdString(result.message));
        QWidget* target = nullptr;
        switch (result.focus) {
        case FocusTarget::Lx:
            target = LxEdit;
            break;
        case FocusTarget::Ly:
            target = LyEdit;
            break;
        case FocusTarget::h:
            target = HEdit;
            break;
        case FocusTarget::g:
            target = CargaPermEdit;
            break;
        case FocusTarget::None:
            break;
        }
        if (target)
            target->setFocus(Qt::OtherFocusReason);
        return false;
    }
    case CalculationOutcome::Cancelled:
        return false;
    case CalculationOutcome::Ready:
        break;
    }
    return true;
}

void TInserirDadosForm::CalcularBitBtnClick() {
    // A number that did not convert keeps the box at its previous value and the focus in it.
    if (!commitFocusedBox())
        return;
    if (runCalculation([this] { return runAdjacentSpanLoop(); }))
        emit showResults();
}

bool TInserirDadosForm::calculateAgain() {
    ensureControls();
    if (!commitFocusedBox())
        return false;
    // The adjacent span as last entered; its dialog only when none was ever given.
    return runCalculation([this]() -> std::optional<double> {
        if (adjacentSpanAccepted(slab_.AdjacentSpan))
            return slab_.AdjacentSpan;
        return runAdjacentSpanLoop();
    });
}

void TInserirDadosForm::ConfiguraeseDesenho1Click() {
    if (configForm_)
        configForm_->ConfiguraeseDesenho1Click();
}

// ---- Closing ----------------------------------------------------------------------------

void TInserirDadosForm::resetInputs() {
    // Controls not built yet show the start values when they are.
    if (controlsBuilt_) {
        resetting_ = true;
        RadioButtons[0]->setFocus(Qt::OtherFocusReason);
        LajeNervuradaCheckBox->setChecked(false);
        RadioButtons[0]->setChecked(true);
        showStartMaterials();
        for (QLineEdit* edit :
             {LxEdit, LyEdit, LajeNBREdit, LajeREBAEdit, HEdit, CargaPermEdit, CargaAcidEdit})
            edit->clear();
        resetting_ = false;
    }
    resetScreenEntries(slab_);
    typedPermanentLoad_ = 0.0;
}

void TInserirDadosForm::closeEvent(QCloseEvent* event) {
    if (isVisible() && confirmClose && !confirmClose()) {
        event->ignore();
        return;
    }
    resetInputs();
    QMainWindow::closeEvent(event);
    emit inputsReset();
}

// ---- Slab files ---------------------------------------------------------------------------

void TInserirDadosForm::addFileMenu(const QList<QAction*>& actions) {
    auto* menu = new QMenu(QStringLiteral("&Arquivo"), menuBar());
    menu->setObjectName(QStringLiteral("ArquivoMenu"));
    menu->addActions(actions);
    QAction* settingsAction = findChild<QAction*>(QStringLiteral("ConfiguraeseDesenho1"));
    menuBar()->insertMenu(settingsAction, menu);
}

void TInserirDadosForm::fillFrom(const SlabRequest& file) {
    ensureControls();
    resetInputs();
    filling_ = true;
    if (ribbedForm_)
        ribbedForm_->typeValues(file.slab);
    if (additionalForm_)
        additionalForm_->typeValue(file.slab.AdjacentSpan);
    selectSupportCase(file.slab.SupportCase);
    ConcretoComboBox->setCurrentText(
        QString::fromStdString(formatShortest(file.slab.fck, localeDecimalSeparator())));
    commitBox(ConcretoComboBox);
    AcoComboBox->setCurrentText(QString::fromStdString(file.slab.SteelGrade));
    const std::array<std::pair<QLineEdit*, std::optional<double>>, 5> boxes{{
        {LxEdit, file.typed.Lx},
        {LyEdit, file.typed.Ly},
        {HEdit, file.typed.h},
        {CargaPermEdit, file.typed.g},
        {CargaAcidEdit, file.typed.q},
    }};
    for (const auto& [box, value] : boxes) {
        typeIntoBox(box, value);
        if (value)
            commitBox(box);
    }
    if (file.slab.Ribbed)
        LajeNervuradaCheckBox->setChecked(true);
    filling_ = false;
}

SlabRequest TInserirDadosForm::typedSlab() {
    ensureControls();
    if (isActiveWindow())
        commitFocusedBox();
    SlabRequest file;
    file.slab = slab_;
    file.slab.g = typedPermanentLoad_;
    file.typed = entries();
    return file;
}

} // namespace lajes
