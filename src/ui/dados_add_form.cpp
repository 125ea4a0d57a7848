#include "ui/dados_add_form.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "analysis/data_entry.h"
#include "analysis/slab_design_data.h"
#include "ui/decimal_box.h"
#include "ui/glyphs.h"

namespace lajes {

TDadosAddForm::TDadosAddForm(SlabDesignData& slab, MessageBoxes& messages,
                             const QWidget* centreOver, QWidget* parent)
    : QDialog(parent, Qt::Tool), slab_(slab), messages_(messages), centreOver_(centreOver),
      MaiorVaodosMenoresEdit(new QLineEdit(this)),
      CalcularBitBtn(new QPushButton(tickGlyph(), QStringLiteral("&Ok"), this)),
      SairBitBtn(new QPushButton(cancelGlyph(), QStringLiteral("&Cancelar"), this)) {
    setObjectName(QStringLiteral("DadosAddForm"));
    setWindowTitle(QStringLiteral("Dados Adicionais Para o Cálculo da Laje"));
    setModal(true);

    MaiorVaodosMenoresEdit->setObjectName(QStringLiteral("MaiorVaodosMenoresEdit"));
    MaiorVaodosMenoresEdit->setAlignment(Qt::AlignRight);
    makeDecimalBox(MaiorVaodosMenoresEdit);
    new FocusWatcher(MaiorVaodosMenoresEdit, [this] { commitNumberBox(spanBox(), messages_); });

    auto* caption =
        new QLabel(QStringLiteral("Maior dos Menores Vãos\nAdjacentes a Laje Calculada"), this);
    caption->setBuddy(MaiorVaodosMenoresEdit);
    auto* row = new QHBoxLayout;
    row->addWidget(caption);
    row->addSpacing(8);
    row->addWidget(MaiorVaodosMenoresEdit);
    row->addWidget(new QLabel(QStringLiteral("(m)"), this));
    MaiorVaodosMenoresEdit->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('0')) * 12);

    CalcularBitBtn->setObjectName(QStringLiteral("CalcularBitBtn"));
    SairBitBtn->setObjectName(QStringLiteral("SairBitBtn"));
    CalcularBitBtn->setDefault(true);
    connect(CalcularBitBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(SairBitBtn, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CalcularBitBtn);
    buttons->addWidget(SairBitBtn);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 14);
    layout->addLayout(row);
    layout->addSpacing(16);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(MaiorVaodosMenoresEdit, CalcularBitBtn);
    setTabOrder(CalcularBitBtn, SairBitBtn);
}

void TDadosAddForm::showEvent(QShowEvent* event) {
    // Placed by execUntilAcceptable, which shows it.
    QDialog::showEvent(event);
    MaiorVaodosMenoresEdit->setFocus(Qt::OtherFocusReason);
}

NumberBox TDadosAddForm::spanBox() {
    return {MaiorVaodosMenoresEdit, &slab_.AdjacentSpan};
}

void TDadosAddForm::commitFocusedBox() {
    commitFocusedNumberBox({spanBox()}, focusWidget(), messages_);
}

bool TDadosAddForm::spanComplete() const {
    const std::optional<double> typed = MaiorVaodosMenoresEdit->text().isEmpty()
                                            ? std::nullopt
                                            : std::optional<double>(slab_.AdjacentSpan);
    return adjacentSpanAccepted(typed);
}

void TDadosAddForm::typeValue(double adjacentSpan) {
    if (adjacentSpan == 0.0) {
        MaiorVaodosMenoresEdit->clear();
        slab_.AdjacentSpan = 0.0;
        return;
    }
    typeIntoBox(MaiorVaodosMenoresEdit, adjacentSpan);
    commitNumberBox(spanBox(), messages_);
}

} // namespace lajes
