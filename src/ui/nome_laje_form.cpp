#include "ui/nome_laje_form.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "slabfile/slab_request.h"
#include "ui/glyphs.h"

namespace lajes {

TNomeLajeForm::TNomeLajeForm(QWidget* parent)
    : QDialog(parent), NomeLajeEdit(new QLineEdit(this)),
      IncluirTabelaAcoCheckBox(new QCheckBox(QStringLiteral("Incluir tabela de aço"), this)),
      OkBitBtn(new QPushButton(tickGlyph(), QStringLiteral("OK"), this)),
      CancelBitBtn(new QPushButton(cancelGlyph(), QStringLiteral("Cancelar"), this)) {
    setObjectName(QStringLiteral("NomeLajeForm"));
    setWindowTitle(QStringLiteral("Nome da Laje"));
    setModal(true);
    auto* label = new QLabel(QStringLiteral("Digite o nome da Laje a ser detalhada:"), this);
    label->setObjectName(QStringLiteral("Label1"));
    label->setBuddy(NomeLajeEdit);
    NomeLajeEdit->setObjectName(QStringLiteral("NomeLajeEdit"));
    // The reader refuses a longer name, so that the box never cuts one.
    NomeLajeEdit->setMaxLength(static_cast<int>(maxSlabNameLength));
    IncluirTabelaAcoCheckBox->setObjectName(QStringLiteral("IncluirTabelaAcoCheckBox"));
    OkBitBtn->setObjectName(QStringLiteral("OkBitBtn"));
    CancelBitBtn->setObjectName(QStringLiteral("CancelBitBtn"));
    OkBitBtn->setDefault(true);
    connect(OkBitBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBitBtn, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OkBitBtn);
    buttons->addSpacing(24);
    buttons->addWidget(CancelBitBtn);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 24, 40, 20);
    layout->addWidget(label);
    layout->addWidget(NomeLajeEdit);
    layout->addSpacing(6);
    layout->addWidget(IncluirTabelaAcoCheckBox);
    layout->addSpacing(16);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setTabOrder(NomeLajeEdit, IncluirTabelaAcoCheckBox);
    setTabOrder(IncluirTabelaAcoCheckBox, OkBitBtn);
    setTabOrder(OkBitBtn, CancelBitBtn);
}

} // namespace lajes
