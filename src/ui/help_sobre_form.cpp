#include "ui/help_sobre_form.h"

#include <QEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "ui/glyphs.h"

// LAJES_VERSION: the project's version, from CMake.

namespace lajes {

THelpSobreForm::THelpSobreForm(QWidget* parent)
    : QDialog(parent, Qt::Tool), Memo1(new QPlainTextEdit(this)),
      OkBitBtn(new QPushButton(tickGlyph(), QStringLiteral("OK"), this)) {
    setObjectName(QStringLiteral("HelpSobreForm"));
    setWindowTitle(QStringLiteral("Sobre"));
    setModal(true);

    auto* group = new QGroupBox(this);
    auto* groupLayout = new QVBoxLayout(group);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setContextMenuPolicy(Qt::PreventContextMenu);
    Memo1->setPlainText(QStringLiteral("Estruturas de Concreto - Cálculo de Lajes\n"
                                       "\n"
                                       "Cálculo e detalhamento de lajes retangulares de "
                                       "concreto armado, maciças ou nervuradas, segundo a "
                                       "NBR 6118.\n"
                                       "\n"
                                       "Versão " LAJES_VERSION "\n"
                                       "\n"
                                       "Desenvolvido pela equipe do projeto Lajes."));
    Memo1->installEventFilter(this);
    const int em = fontMetrics().height();
    Memo1->setFixedSize(em * 22, em * 10);
    groupLayout->addWidget(Memo1);

    OkBitBtn->setObjectName(QStringLiteral("OkBitBtn"));
    OkBitBtn->setDefault(true);
    connect(OkBitBtn, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OkBitBtn);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void THelpSobreForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.left() + (area.width() - width()) / 2,
             area.top() + (area.height() - height()) / 2);
    }
    OkBitBtn->setFocus(Qt::OtherFocusReason);
}

bool THelpSobreForm::eventFilter(QObject* watched, QEvent* event) {
    // The text can be neither edited nor selected with the keyboard: OK takes the focus back.
    if (watched == Memo1 && event->type() == QEvent::FocusIn)
        OkBitBtn->setFocus(Qt::OtherFocusReason);
    return QDialog::eventFilter(watched, event);
}

} // namespace lajes
