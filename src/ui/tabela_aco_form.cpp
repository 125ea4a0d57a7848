#include "ui/tabela_aco_form.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include "io/file_writer.h"
#include "report/schedule_sheet.h"
#include "slabfile/slab_document.h"
#include "ui/decimal_box.h"
#include "ui/glyphs.h"
#include "ui/message_boxes.h"
#include "ui/nome_laje_form.h"

namespace lajes {

namespace {

QString qText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QTableWidget* table(const char* name, int columns, QWidget* parent) {
    auto* widget = new QTableWidget(0, columns, parent);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setEditTriggers(QAbstractItemView::NoEditTriggers);
    widget->setSelectionMode(QAbstractItemView::NoSelection);
    widget->setFocusPolicy(Qt::NoFocus);
    widget->verticalHeader()->hide();
    widget->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    widget->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    widget->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    widget->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    widget->verticalHeader()->setDefaultSectionSize(widget->fontMetrics().height() + 8);
    return widget;
}

// A table exactly as large as its columns and rows, so that no empty band follows them.
void fitToContents(QTableWidget* widget) {
    widget->resizeColumnsToContents();
    int width = 2 * widget->frameWidth();
    for (int column = 0; column < widget->columnCount(); ++column)
        width += widget->columnWidth(column);
    int height =
        2 * widget->frameWidth() +
        (widget->horizontalHeader()->isHidden() ? 0 : widget->horizontalHeader()->height());
    for (int row = 0; row < widget->rowCount(); ++row)
        height += widget->rowHeight(row);
    widget->setFixedSize(width, height);
}

// Rows of texts, numbers right-aligned; the first column left-aligned when it holds names
// or captions.
void fill(QTableWidget* widget, const std::vector<std::vector<std::string>>& rows,
          bool firstColumnNames) {
    widget->setRowCount(static_cast<int>(rows.size()));
    for (int row = 0; row < widget->rowCount(); ++row) {
        const auto& cells = rows[static_cast<std::size_t>(row)];
        for (int column = 0; column < widget->columnCount(); ++column) {
            const std::size_t c = static_cast<std::size_t>(column);
            auto* item = new QTableWidgetItem(c < cells.size() ? qText(cells[c]) : QString());
            item->setTextAlignment(
                Qt::AlignVCenter |
                (column == 0 && firstColumnNames ? Qt::AlignLeft : Qt::AlignRight));
            widget->setItem(row, column, item);
        }
    }
}

void setHeader(QTableWidget* widget, const std::vector<std::string>& header) {
    QStringList labels;
    for (const std::string& text : header)
        labels << qText(text);
    widget->setHorizontalHeaderLabels(labels);
}

} // namespace

TTabelaAcoForm::TTabelaAcoForm(const SlabDesignData& slab, const SlabResults& results,
                               const Settings& settings, MessageBoxes& messages,
                               TNomeLajeForm* namePrompt, QWidget* parent)
    : QWidget(parent, Qt::Window), PosicoesTable(table("PosicoesTable", 6, this)),
      ResumoTable(table("ResumoTable", 3, this)), TotaisTable(table("TotaisTable", 3, this)),
      CopiarBitBtn(new QPushButton(QStringLiteral("Copiar"), this)),
      SalvarCsvBitBtn(new QPushButton(QStringLiteral("Salvar CSV…"), this)),
      ImprimirBitBtn(new QPushButton(QStringLiteral("Imprimir…"), this)),
      FecharBitBtn(new QPushButton(cancelGlyph(), QStringLiteral("Fechar"), this)), slab_(slab),
      results_(results), settings_(settings), messages_(messages), namePrompt_(namePrompt) {
    // Escape closes the window, as it does a dialog.
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);
    setObjectName(QStringLiteral("TabelaAcoForm"));
    setWindowTitle(qText(scheduleTitle));
    setWindowIcon(applicationIcon());
    CopiarBitBtn->setObjectName(QStringLiteral("CopiarBitBtn"));
    SalvarCsvBitBtn->setObjectName(QStringLiteral("SalvarCsvBitBtn"));
    ImprimirBitBtn->setObjectName(QStringLiteral("ImprimirBitBtn"));
    FecharBitBtn->setObjectName(QStringLiteral("FecharBitBtn"));

    // The headers never change; an empty table keeps them.
    const ScheduleTexts headers = scheduleTexts(SteelSchedule{}, '.');
    setHeader(PosicoesTable, headers.positionHeader);
    setHeader(ResumoTable, headers.diameterHeader);
    TotaisTable->horizontalHeader()->hide();
    TotaisTable->setShowGrid(false);

    auto* summaryLabel = new QLabel(qText(diameterSummaryTitle), this);
    QFont bold = summaryLabel->font();
    bold.setBold(true);
    summaryLabel->setFont(bold);
    auto* totalsLabel = new QLabel(QStringLiteral("Totais"), this);
    totalsLabel->setFont(bold);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {CopiarBitBtn, SalvarCsvBitBtn, ImprimirBitBtn})
        buttons->addWidget(button);
    buttons->addStretch(1);
    buttons->addWidget(FecharBitBtn);

    auto* lower = new QGridLayout;
    lower->setHorizontalSpacing(24);
    lower->addWidget(summaryLabel, 0, 0);
    lower->addWidget(totalsLabel, 0, 1);
    lower->addWidget(ResumoTable, 1, 0, Qt::AlignTop | Qt::AlignLeft);
    lower->addWidget(TotaisTable, 1, 1, Qt::AlignTop | Qt::AlignLeft);
    lower->setColumnStretch(2, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PosicoesTable, 0, Qt::AlignLeft);
    layout->addSpacing(6);
    layout->addLayout(lower);
    layout->addStretch(1);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    StatusBar = new QStatusBar(this);
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    StatusBar->setSizeGripEnabled(false);
    layout->addWidget(StatusBar);

    connect(CopiarBitBtn, &QPushButton::clicked, this, &TTabelaAcoForm::CopiarBitBtnClick);
    connect(SalvarCsvBitBtn, &QPushButton::clicked, this, &TTabelaAcoForm::SalvarCsvBitBtnClick);
    connect(ImprimirBitBtn, &QPushButton::clicked, this, &TTabelaAcoForm::ImprimirBitBtnClick);
    connect(FecharBitBtn, &QPushButton::clicked, this, &QWidget::close);
    refresh(false);
}

void TTabelaAcoForm::refresh(bool designComplete) {
    schedule_ = designComplete ? steelSchedule(slab_, results_, settings_) : std::nullopt;
    const bool shown = schedule_.has_value();
    const ScheduleTexts texts =
        scheduleTexts(shown ? *schedule_ : SteelSchedule{}, localeDecimalSeparator());
    fill(PosicoesTable, shown ? texts.positionRows : std::vector<std::vector<std::string>>{}, true);
    fill(ResumoTable, shown ? texts.diameterRows : std::vector<std::vector<std::string>>{}, false);
    std::vector<std::vector<std::string>> totals;
    if (shown)
        for (const ScheduleTotal& total : texts.totals)
            totals.push_back({total.caption, total.value, total.unit});
    fill(TotaisTable, totals, true);
    for (int row = 0; row < TotaisTable->rowCount(); ++row)
        TotaisTable->item(row, 2)->setTextAlignment(Qt::AlignVCenter | Qt::AlignLeft);
    for (QPushButton* button : {CopiarBitBtn, SalvarCsvBitBtn, ImprimirBitBtn})
        button->setEnabled(shown);
    for (QTableWidget* widget : {PosicoesTable, ResumoTable, TotaisTable})
        fitToContents(widget);
}

QString TTabelaAcoForm::slabName() const {
    return namePrompt_ ? namePrompt_->NomeLajeEdit->text() : QString();
}

void TTabelaAcoForm::CopiarBitBtnClick() {
    if (!schedule_)
        return;
    QApplication::clipboard()->setText(
        qText(scheduleDelimitedText(*schedule_, localeDecimalSeparator(), '\t', "\n")));
}

void TTabelaAcoForm::SalvarCsvBitBtnClick() {
    if (!schedule_)
        return;
    // The toolkit's own dialog, in Portuguese and the same on every platform.
    QFileDialog dialog(this, QStringLiteral("Salvar Tabela de Aço"));
    dialog.setObjectName(QStringLiteral("SalvarCsvDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("Planilha CSV (*.csv)"));
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Salvar em:"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Nome do arquivo:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Tipo:"));
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("&Salvar"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Cancelar"));
    // "<nome da laje>.csv", in the folder used last.
    if (!lastFolder_.isEmpty())
        dialog.setDirectory(lastFolder_);
    dialog.selectFile(QString::fromStdString(suggestedFileName(slabName().toStdString(), "csv")));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString file = dialog.selectedFiles().constFirst();
    lastFolder_ = QFileInfo(file).absolutePath();
    if (const auto error = writeFile(QFile::encodeName(file).toStdString(),
                                     scheduleCsv(*schedule_, localeDecimalSeparator()),
                                     WriteTarget::regularFile)) {
        messages_.error(this, QString::fromStdString(*error));
        return;
    }
    StatusBar->showMessage(QString::fromStdString(savedFileMessage(
                               std::filesystem::path(QFile::encodeName(file).toStdString()))),
                           savedFileMessageMilliseconds);
}

void TTabelaAcoForm::ImprimirBitBtnClick() {
    if (!schedule_)
        return;
    report::showSchedulePreview(report::fillScheduleSheet(*schedule_, slab_,
                                                          slabName().toStdString(),
                                                          localeDecimalSeparator()),
                                this);
}

} // namespace lajes
