#include "ui/resultados_form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>

#include <algorithm>

#include "design/bar_changes.h"
#include "design/deflection.h"
#include "design/results_driver.h"
#include "design/shear.h"
#include "slabfile/slab_document.h"
#include "ui/decimal_box.h"
#include "ui/dxf_export_command.h"
#include "ui/glyphs.h"
#include "ui/message_boxes.h"
#include "ui/placement.h"
#include "ui/screen_activation.h"
#include "ui/tabela_aco_form.h"
#include "ui/window_scale.h"

namespace lajes {

namespace {

// The widget of a control of the screen model's tables; every name there is a child of the
// window (the window tests check that each one is found).
template <typename Widget> Widget* screenControl(const QWidget& window, std::string_view name) {
    Widget* widget =
        window.findChild<Widget*>(QString::fromUtf8(name.data(), qsizetype(name.size())));
    Q_ASSERT(widget != nullptr);
    return widget;
}

} // namespace

TResultadosForm::TResultadosForm(SlabDesignData& slab, SlabResults& results,
                                 const Settings& settings, MessageBoxes& messages,
                                 TNomeLajeForm* namePrompt, QWidget* parent)
    : QWidget(parent, Qt::Window), CloseResultTimer(new QTimer(this)), slab_(slab),
      results_(results), settings_(settings), messages_(messages), namePrompt_(namePrompt),
      ownDxfDialogs_(std::make_unique<QtDxfExportDialogs>(namePrompt, messages)),
      dxfDialogs_(ownDxfDialogs_.get()) {
    setObjectName(QStringLiteral("ResultadosForm"));
    setWindowTitle(QStringLiteral("Resultado do Cálculo de Lajes "));
    setWindowIcon(applicationIcon());

    CloseResultTimer->setObjectName(QStringLiteral("CloseResultTimer"));
    CloseResultTimer->setInterval(100);
    CloseResultTimer->setSingleShot(true);
    connect(CloseResultTimer, &QTimer::timeout, this, &TResultadosForm::CloseResultTimerTimer);

    activation_ = new ScreenActivation(*this, [this] { FormActivate(); });

    scaleContentsWithWindow(this);
}

TResultadosForm::~TResultadosForm() = default;

void TResultadosForm::addCompanionWindow(QWidget* window) {
    activation_->addCompanionWindow(window);
}

void TResultadosForm::setFileChoices(std::vector<BarPick> choices) {
    fileChoices_ = std::move(choices);
    pickLog_.clear();
}

std::vector<BarPick> TResultadosForm::choicesToSave() const {
    return fileChoices_ ? *fileChoices_ : pickLog_.picks();
}

void TResultadosForm::runWithOwnWindows(const std::function<void()>& action) {
    const ScreenActivation::OwnWindow own(*activation_);
    action();
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
        activation_->schedule();
}

void TResultadosForm::ensureControls() {
    if (controlsBuilt_)
        return;
    controlsBuilt_ = true;
    buildControls();
}

void TResultadosForm::setVisible(bool visible) {
    // Before the first show lays the screen out.
    if (visible)
        ensureControls();
    QWidget::setVisible(visible);
}

void TResultadosForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange)
        activation_->activationChanged();
    QWidget::changeEvent(event);
}

void TResultadosForm::FormActivate() {
    activation_->clearPending();
    ensureControls();
    const ScreenActivation::OwnWindow own(*activation_);
    // The moments on screen belong to the inputs of the last calculate action: after a change
    // they are calculated again before anything is shown, and the question is not asked.
    if (inputsOutdated && inputsOutdated()) {
        if (!calculateAgain || !calculateAgain()) {
            close();
            return;
        }
        if (!fileChoices_ && !picksToReplay_.empty())
            fileChoices_ = picksToReplay_;
    } else {
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
    }
    picksToReplay_.clear();
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
    showChecks();
    if (tabelaAcoForm_)
        tabelaAcoForm_->refresh(designComplete_);
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
    showChecks();
    if (spacing)
        pickLog_.record(BarPick{direction, std::nullopt, text.toInt()});
    else
        pickLog_.record(BarPick{direction, picked, std::nullopt});
    if (tabelaAcoForm_)
        tabelaAcoForm_->refresh(designComplete_);
    emit barsPicked();
    if (resultsChanged)
        resultsChanged();
    const ScreenActivation::OwnWindow own(*activation_);
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

void TResultadosForm::showChecks() {
    const auto mark = [](std::initializer_list<QLineEdit*> boxes, QLabel* sign, bool exceeded,
                         const QString& tip) {
        for (QLineEdit* box : boxes) {
            QPalette palette = box->palette();
            palette.setColor(QPalette::Text,
                             exceeded ? QColor(Qt::red)
                                      : QApplication::palette(box).color(QPalette::Text));
            box->setPalette(palette);
            box->setToolTip(exceeded ? tip : QString());
        }
        sign->setVisible(exceeded);
        sign->setToolTip(exceeded ? tip : QString());
    };
    // After the no-bar failure neither check ran for this slab.
    mark({FfEdit}, FfMarcaLabel, designComplete_ && deflectionExceeded(results_),
         QStringLiteral("Flecha maior que a admissível"));
    mark({TwdEdit, TwuEdit}, TwMarcaLabel, designComplete_ && shearExceeded(results_),
         QStringLiteral("Tensão de cisalhamento maior que a admissível"));
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
    const ScreenActivation::OwnWindow own(*activation_);
    if (const auto file = exportDxf(this, *dxfDialogs_, messages_, slab_, results_, settings_))
        StatusBar->showMessage(
            QString::fromStdString(savedFileMessage(std::filesystem::path(file->toStdU16String()))),
            savedFileMessageMilliseconds);
}

void TResultadosForm::NBR6118BitBtnClick() {
    if (verificationRequested)
        verificationRequested();
}

void TResultadosForm::SairBitBtnClick() {
    // The data-entry screen asks about an unsaved slab first and closes this screen with it;
    // "Cancelar" leaves both where they were.
    emit leaveCalculation();
}

void TResultadosForm::TabelaAcoBitBtnClick() {
    TTabelaAcoForm* table = tabelaAcoForm();
    const bool placed = table->isVisible();
    table->show();
    if (!placed)
        placeBeside(table, this);
    table->raise();
    table->activateWindow();
}

TTabelaAcoForm* TResultadosForm::tabelaAcoForm() {
    if (!tabelaAcoForm_) {
        tabelaAcoForm_ =
            new TTabelaAcoForm(slab_, results_, settings_, messages_, namePrompt_, this);
        addCompanionWindow(tabelaAcoForm_);
    }
    tabelaAcoForm_->refresh(designComplete_);
    return tabelaAcoForm_;
}

void TResultadosForm::CloseResultTimerTimer() {
    close();
}

void TResultadosForm::closeEvent(QCloseEvent* event) {
    // FormClose: the close timer never fires for a screen that is already closed.
    CloseResultTimer->stop();
    activation_->closed();
    QWidget::closeEvent(event);
}

} // namespace lajes
