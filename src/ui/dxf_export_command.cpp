#include "ui/dxf_export_command.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>

#include <filesystem>

#include "dxf/dxf_export.h"
#include "slabfile/slab_document.h"
#include "ui/decimal_box.h"
#include "ui/message_boxes.h"
#include "ui/nome_laje_form.h"
#include "ui/placement.h"

namespace lajes {

TDxfSaveDialog::TDxfSaveDialog(MessageBoxes& messages, QWidget* parent)
    : QFileDialog(parent, QStringLiteral("Gravar Arquivo DXF")), messages_(messages) {
    setObjectName(QStringLiteral("DXFSaveDialog"));
    // The toolkit's own dialog, the same on every platform and drivable by the window tests.
    setOption(QFileDialog::DontUseNativeDialog, true);
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    setNameFilter(QStringLiteral("AutoCAD (DXF) (*.dxf)"));
    setDefaultSuffix(QStringLiteral("dxf"));
    setLabelText(QFileDialog::LookIn, QStringLiteral("Salvar em:"));
    setLabelText(QFileDialog::FileName, QStringLiteral("Nome do arquivo:"));
    setLabelText(QFileDialog::FileType, QStringLiteral("Tipo:"));
    setLabelText(QFileDialog::Accept, QStringLiteral("&Salvar"));
    setLabelText(QFileDialog::Reject, QStringLiteral("Cancelar"));
}

void TDxfSaveDialog::accept() {
    // Replacing an existing file is asked by QFileDialog itself; a typed folder that does not
    // exist would only fail later, when the file is created.
    const QStringList files = selectedFiles();
    if (!files.isEmpty()) {
        const QFileInfo chosen(files.first());
        if (!chosen.isDir() && !chosen.absoluteDir().exists()) {
            messages_.error(this, QStringLiteral("%1\nO caminho não existe.\nVerifique o caminho e "
                                                 "tente novamente.")
                                      .arg(QDir::toNativeSeparators(chosen.absolutePath())));
            return;
        }
    }
    QFileDialog::accept();
}

QtDxfExportDialogs::QtDxfExportDialogs(TNomeLajeForm* prompt, MessageBoxes& messages)
    : prompt_(prompt), messages_(messages) {}

std::optional<QString> QtDxfExportDialogs::slabName(QWidget* resultsWindow) {
    if (!prompt_)
        return std::nullopt;
    // Owned by the results window while it asks, so that closing it hands the activation
    // back to that window (not to the main window) and the screen keeps the user's choices.
    if (resultsWindow && prompt_->parentWidget() != resultsWindow)
        prompt_->setParent(resultsWindow, prompt_->windowFlags());
    prompt_->adjustSize();
    centreOverClientArea(prompt_, resultsWindow);
    prompt_->NomeLajeEdit->setFocus(Qt::OtherFocusReason);
    if (prompt_->exec() != QDialog::Accepted)
        return std::nullopt;
    return prompt_->NomeLajeEdit->text();
}

std::optional<QString> QtDxfExportDialogs::targetFile(QWidget* resultsWindow) {
    if (!dialog_)
        dialog_ = new TDxfSaveDialog(messages_, resultsWindow);
    // "<nome da laje>.dxf", in the folder used last.
    if (!lastFile_.isEmpty())
        dialog_->setDirectory(QFileInfo(lastFile_).absolutePath());
    const std::string name = prompt_ ? prompt_->NomeLajeEdit->text().toStdString() : std::string();
    dialog_->selectFile(QString::fromStdString(suggestedFileName(name, "dxf")));
    if (dialog_->exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList files = dialog_->selectedFiles();
    if (files.isEmpty())
        return std::nullopt;
    lastFile_ = files.first();
    return lastFile_;
}

bool QtDxfExportDialogs::includeSchedule() const {
    return prompt_ && prompt_->IncluirTabelaAcoCheckBox->isChecked();
}

std::optional<QString> exportDxf(QWidget* resultsWindow, DxfExportDialogs& dialogs,
                                 MessageBoxes& messages, const SlabDesignData& slab,
                                 const SlabResults& results, const Settings& settings) {
    const std::optional<QString> name = dialogs.slabName(resultsWindow);
    if (!name)
        return std::nullopt;
    const std::optional<QString> file = dialogs.targetFile(resultsWindow);
    if (!file)
        return std::nullopt;
    // The bar descriptions are those of SlabResults, which the description boxes show.
    const std::optional<SteelSchedule> schedule =
        dialogs.includeSchedule() ? steelSchedule(slab, results, settings) : std::nullopt;
    const std::optional<std::string> error =
        exportDrawing(std::filesystem::path(QFile::encodeName(*file).toStdString()),
                      name->toStdString(), slab, results, settings, localeDecimalSeparator(),
                      schedule ? &*schedule : nullptr, WriteTarget::regularFile);
    if (error) {
        messages.error(resultsWindow, QString::fromStdString(*error));
        return std::nullopt;
    }
    return file;
}

} // namespace lajes
