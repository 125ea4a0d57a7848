#include "ui/verificacao_form.h"

#include <algorithm>

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

#include "report/verification_print.h"
#include "text/number_text.h"
#include "ui/decimal_box.h"
#include "ui/glyphs.h"
#include "ui/message_boxes.h"

namespace lajes {

namespace {

QString qText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
}

template <typename Choices>
QComboBox* choiceBox(const char* name, const Choices& choices, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    for (const auto& choice : choices)
        box->addItem(qText(choice.caption));
    makeListOnly(box);
    return box;
}

template <typename Choices, typename Value> int indexOf(const Choices& choices, Value value) {
    for (std::size_t i = 0; i < choices.size(); ++i)
        if (choices[i].value == value)
            return static_cast<int>(i);
    return 0;
}

// Green and red for the outcome, each with its own glyph so that colour is not the only sign.
const QColor meetsColour(0, 120, 0);
const QColor failsColour(190, 0, 0);

} // namespace

TVerificacaoForm::TVerificacaoForm(const SlabDesignData& slab, const SlabResults& results,
                                   const Settings& settings, Nbr6118Parameters& parameters,
                                   MessageBoxes& messages, QWidget* parent)
    : QWidget(parent, Qt::Window), slab_(slab), results_(results), settings_(settings),
      parameters_(parameters), messages_(messages) {
    // Escape closes the window, as it does a dialog.
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);
    setObjectName(QStringLiteral("VerificacaoForm"));
    setWindowTitle(qText(report::verificationTitle));
    setWindowIcon(applicationIcon());
    buildControls();
    showParameters();
}

void TVerificacaoForm::buildControls() {
    auto* outer = new QVBoxLayout(this);

    auto* form = new QFormLayout;
    AgressividadeComboBox = choiceBox("AgressividadeComboBox", aggressivenessChoices, this);
    UsoComboBox = choiceBox("UsoComboBox", useChoices, this);
    Psi2ComboBox = new QComboBox(this);
    Psi2ComboBox->setObjectName(QStringLiteral("Psi2ComboBox"));
    for (const Psi2Choice& choice : psi2Choices)
        Psi2ComboBox->addItem(
            QString::fromStdString(formatShortest(choice.value, localeDecimalSeparator())) +
            QStringLiteral(" - ") + qText(choice.caption));
    makeListOnly(Psi2ComboBox);
    IdadeEdit = new QLineEdit(this);
    IdadeEdit->setObjectName(QStringLiteral("IdadeEdit"));
    IdadeEdit->setAlignment(Qt::AlignRight);
    IdadeEdit->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000000,00")));
    makeDecimalBox(IdadeEdit);
    AgregadoComboBox = choiceBox("AgregadoComboBox", aggregateChoices, this);
    form->addRow(QStringLiteral("Classe de agressividade ambiental:"), AgressividadeComboBox);
    form->addRow(QStringLiteral("Uso da laje:"), UsoComboBox);
    form->addRow(QStringLiteral("ψ2 (combinação quase permanente):"), Psi2ComboBox);
    form->addRow(QStringLiteral("Idade no carregamento t0 (meses):"), IdadeEdit);
    form->addRow(QStringLiteral("Agregado graúdo:"), AgregadoComboBox);
    outer->addLayout(form);

    VerificacoesTable = new QTableWidget(0, 5, this);
    VerificacoesTable->setObjectName(QStringLiteral("VerificacoesTable"));
    VerificacoesTable->setHorizontalHeaderLabels(
        {QStringLiteral("Verificação"), QStringLiteral("Item da norma"), QStringLiteral("Limite"),
         QStringLiteral("Obtido"), QStringLiteral("Situação")});
    VerificacoesTable->verticalHeader()->hide();
    VerificacoesTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    VerificacoesTable->setSelectionMode(QAbstractItemView::NoSelection);
    VerificacoesTable->setFocusPolicy(Qt::NoFocus);
    VerificacoesTable->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    VerificacoesTable->horizontalHeader()->setStretchLastSection(true);
    outer->addWidget(VerificacoesTable, 1);

    ResumoLabel = new QLabel(this);
    ResumoLabel->setObjectName(QStringLiteral("ResumoLabel"));
    QFont bold = ResumoLabel->font();
    bold.setBold(true);
    ResumoLabel->setFont(bold);
    outer->addWidget(ResumoLabel);
    NotaLabel = new QLabel(this);
    NotaLabel->setObjectName(QStringLiteral("NotaLabel"));
    NotaLabel->setWordWrap(true);
    outer->addWidget(NotaLabel);

    ImprimirBitBtn = new QPushButton(QStringLiteral("Imprimir…"), this);
    ImprimirBitBtn->setObjectName(QStringLiteral("ImprimirBitBtn"));
    FecharBitBtn = new QPushButton(QStringLiteral("&Fechar"), this);
    FecharBitBtn->setObjectName(QStringLiteral("FecharBitBtn"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ImprimirBitBtn);
    buttons->addWidget(FecharBitBtn);
    outer->addLayout(buttons);

    for (QComboBox* box : {AgressividadeComboBox, UsoComboBox, Psi2ComboBox, AgregadoComboBox})
        connect(box, &QComboBox::activated, this, &TVerificacaoForm::ParametroComboBoxChange);
    new FocusWatcher(IdadeEdit, [this] { IdadeEditExit(); });
    connect(IdadeEdit, &QLineEdit::returnPressed, this, &TVerificacaoForm::IdadeEditExit);
    connect(ImprimirBitBtn, &QPushButton::clicked, this, &TVerificacaoForm::ImprimirBitBtnClick);
    connect(FecharBitBtn, &QPushButton::clicked, this, &QWidget::close);

    VerificacoesTable->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
}

void TVerificacaoForm::showParameters() {
    AgressividadeComboBox->setCurrentIndex(
        indexOf(aggressivenessChoices, parameters_.aggressiveness));
    UsoComboBox->setCurrentIndex(indexOf(useChoices, parameters_.use));
    Psi2ComboBox->setCurrentIndex(indexOf(psi2Choices, parameters_.psi2));
    AgregadoComboBox->setCurrentIndex(indexOf(aggregateChoices, parameters_.aggregate));
    IdadeEdit->setText(twoDecimals(parameters_.loadingAgeMonths));
    refresh();
}

void TVerificacaoForm::showWindow() {
    const bool first = !testAttribute(Qt::WA_WState_ExplicitShowHide);
    show();
    refresh();
    if (first) {
        // The first showing fits the whole table (up to 25 rows); later ones keep the size
        // the user gave it.
        QHeaderView* header = VerificacoesTable->horizontalHeader();
        const int frame = 2 * VerificacoesTable->frameWidth();
        const int tableWidth = header->length() + frame + 24;
        const int rowHeight = VerificacoesTable->verticalHeader()->defaultSectionSize();
        const int tableHeight = header->height() + 25 * rowHeight + frame;
        const QSize hint = sizeHint();
        resize(std::max(hint.width(), tableWidth + 24),
               hint.height() - VerificacoesTable->sizeHint().height() + tableHeight);
    }
    raise();
    activateWindow();
}

void TVerificacaoForm::ParametroComboBoxChange() {
    const Nbr6118Parameters before = parameters_;
    parameters_.aggressiveness =
        aggressivenessChoices[static_cast<std::size_t>(AgressividadeComboBox->currentIndex())]
            .value;
    parameters_.use = useChoices[static_cast<std::size_t>(UsoComboBox->currentIndex())].value;
    parameters_.psi2 = psi2Choices[static_cast<std::size_t>(Psi2ComboBox->currentIndex())].value;
    parameters_.aggregate =
        aggregateChoices[static_cast<std::size_t>(AgregadoComboBox->currentIndex())].value;
    refresh();
    if (!(parameters_ == before))
        emit parametersChanged();
}

void TVerificacaoForm::IdadeEditExit() {
    const Nbr6118Parameters before = parameters_;
    const std::optional<double> age = commitDecimalBox(IdadeEdit, messages_, true);
    if (age && *age > 0.0) {
        parameters_.loadingAgeMonths = *age;
    } else {
        if (age)
            messages_.information(this, QStringLiteral("Idade no carregamento\ndeve ser maior "
                                                       "que zero!"));
        IdadeEdit->setText(twoDecimals(parameters_.loadingAgeMonths));
        IdadeEdit->setFocus(Qt::OtherFocusReason);
    }
    refresh();
    if (!(parameters_ == before))
        emit parametersChanged();
}

void TVerificacaoForm::refresh() {
    if (!isVisible())
        return;
    verification_ = verifyNbr6118(slab_, results_, settings_, parameters_);
    const std::vector<VerificationRow> rows =
        verificationRows(verification_, localeDecimalSeparator());
    VerificacoesTable->setRowCount(static_cast<int>(rows.size()));
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        const VerificationRow& row = rows[static_cast<std::size_t>(i)];
        const std::array<QString, 4> cells{
            QString::fromStdString(row.check), QString::fromStdString(row.clause),
            QString::fromStdString(row.limit), QString::fromStdString(row.obtained)};
        for (int column = 0; column < 4; ++column) {
            auto* item = new QTableWidgetItem(cells[static_cast<std::size_t>(column)]);
            if (column >= 2)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            VerificacoesTable->setItem(i, column, item);
        }
        auto* situation =
            new QTableWidgetItem((row.ok ? QStringLiteral("✔ ") : QStringLiteral("✘ ")) +
                                 qText(row.ok ? meetsText : failsText));
        situation->setForeground(row.ok ? meetsColour : failsColour);
        QFont font = situation->font();
        font.setBold(true);
        situation->setFont(font);
        VerificacoesTable->setItem(i, 4, situation);
    }
    ResumoLabel->setText(QString::fromStdString(verificationSummary(verification_)));
    QPalette palette = ResumoLabel->palette();
    palette.setColor(QPalette::WindowText, verification_.ok ? meetsColour : failsColour);
    ResumoLabel->setPalette(palette);
    QStringList notes;
    for (std::string_view line : verification_.closingLines)
        notes << qText(line);
    NotaLabel->setText(notes.join(QLatin1Char('\n')));
    NotaLabel->setVisible(!notes.isEmpty());
}

void TVerificacaoForm::ImprimirBitBtnClick() {
    report::showVerificationPreview(
        report::verificationSheet(verification_, slab_, settings_, localeDecimalSeparator()), this);
}

} // namespace lajes
