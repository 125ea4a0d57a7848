#include "ui/message_boxes.h"

#include <QMessageBox>
#include <QPushButton>

namespace lajes {

namespace {

int runBox(QWidget* parent, QMessageBox::Icon icon, const QString& text, bool question) {
    QMessageBox box(icon, QStringLiteral("Lajes"), text, QMessageBox::NoButton, parent);
    if (question) {
        QPushButton* yes = box.addButton(QStringLiteral("&Sim"), QMessageBox::YesRole);
        box.addButton(QStringLiteral("&Não"), QMessageBox::NoRole);
        box.setDefaultButton(yes);
        box.exec();
        return box.clickedButton() == yes ? 1 : 0;
    }
    QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
    return 1;
}

} // namespace

void QtMessageBoxes::information(QWidget* parent, const QString& text) {
    runBox(parent, QMessageBox::Information, text, false);
}

void QtMessageBoxes::warning(QWidget* parent, const QString& text) {
    runBox(parent, QMessageBox::Warning, text, false);
}

bool QtMessageBoxes::confirm(QWidget* parent, const QString& text) {
    return runBox(parent, QMessageBox::Question, text, true) == 1;
}

void QtMessageBoxes::error(QWidget* parent, const QString& text) {
    runBox(parent, QMessageBox::Critical, text, false);
}

SaveAnswer QtMessageBoxes::askSave(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Lajes"), text, QMessageBox::NoButton,
                    parent);
    box.setObjectName(QStringLiteral("SalvarAlteracoesBox"));
    QPushButton* save = box.addButton(QStringLiteral("&Salvar"), QMessageBox::AcceptRole);
    QPushButton* discard =
        box.addButton(QStringLiteral("&Descartar"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(QStringLiteral("&Cancelar"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save)
        return SaveAnswer::Save;
    if (box.clickedButton() == discard)
        return SaveAnswer::Discard;
    return SaveAnswer::Cancel;
}

} // namespace lajes
