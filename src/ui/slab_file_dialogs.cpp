#include "ui/slab_file_dialogs.h"

#include <QFileDialog>
#include <QFileInfo>

namespace lajes {

namespace {

// The captions after the modes: setting the accept mode resets the buttons' texts.
void prepare(QFileDialog& dialog, const char* objectName, QFileDialog::AcceptMode mode,
             const QString& accept) {
    dialog.setObjectName(QString::fromLatin1(objectName));
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("Lajes (*.laje)"));
    dialog.setDefaultSuffix(QStringLiteral("laje"));
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Examinar:"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Nome do arquivo:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Tipo:"));
    dialog.setLabelText(QFileDialog::Accept, accept);
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Cancelar"));
}

std::optional<QString> run(QFileDialog& dialog, QString& lastFolder) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString file = dialog.selectedFiles().first();
    lastFolder = QFileInfo(file).absolutePath();
    return file;
}

} // namespace

std::optional<QString> QtSlabFileDialogs::fileToOpen(QWidget* parent) {
    QFileDialog dialog(parent, QStringLiteral("Abrir Laje"));
    prepare(dialog, "AbrirLajeDialog", QFileDialog::AcceptOpen, QStringLiteral("&Abrir"));
    if (!lastFolder_.isEmpty())
        dialog.setDirectory(lastFolder_);
    return run(dialog, lastFolder_);
}

std::optional<QString> QtSlabFileDialogs::fileToSave(QWidget* parent, const QString& current) {
    QFileDialog dialog(parent, QStringLiteral("Salvar Laje"));
    prepare(dialog, "SalvarLajeDialog", QFileDialog::AcceptSave, QStringLiteral("&Salvar"));
    if (!current.isEmpty()) {
        dialog.setDirectory(QFileInfo(current).absolutePath());
        dialog.selectFile(QFileInfo(current).fileName());
    } else if (!lastFolder_.isEmpty()) {
        dialog.setDirectory(lastFolder_);
    }
    return run(dialog, lastFolder_);
}

} // namespace lajes
