// "&Gerar DXF" on the results screen: the name prompt, the save dialog and the file, with the
// real dialogs answered by the test, and a scripted pair for paths no dialog would give.

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

#include "dxf/dxf_export.h"
#include "ui/concreto_form.h"
#include "ui/dxf_export_command.h"
#include "ui/inserir_dados_form.h"
#include "ui/nome_laje_form.h"
#include "ui/resultados_form.h"
#include "ui_test_support.h"

using namespace lajes;
using namespace lajes::test;

namespace {

// Answers the two questions of the export from fixed values.
class ScriptedDialogs final : public DxfExportDialogs {
public:
    std::optional<QString> name;
    std::optional<QString> file;
    std::optional<QString> slabName(QWidget*) override { return name; }
    std::optional<QString> targetFile(QWidget*) override { return file; }
};

QByteArray contents(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace

class DxfExportTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<StartedApplication> started;
    TResultadosForm* results = nullptr;
    QTemporaryDir out;

    QString path(const QString& name) const { return out.filePath(name); }
    // What the core writes for the records as they stand.
    QByteArray expected(const QString& slabName) {
        const QString reference = path(QStringLiteral("reference.out"));
        const auto error =
            exportDrawing(reference.toStdString(), slabName.toStdString(), started->app->slab(),
                          started->app->results(), started->app->settings(), ',');
        if (error)
            qFatal("reference export failed: %s", error->c_str());
        QByteArray bytes = contents(reference);
        QFile::remove(reference);
        return bytes;
    }
    void exportNow() { QTest::mouseClick(results->DXFBitBtn, Qt::LeftButton); }

    static void answerPrompt(QDialog* dialog, const QString& name) {
        auto* box = dialog->findChild<QLineEdit*>(QStringLiteral("NomeLajeEdit"));
        box->selectAll();
        QTest::keyClicks(box, name);
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("OkBitBtn")),
                          Qt::LeftButton);
    }
    static void typeFile(QDialog* dialog, const QString& file) {
        auto* box = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QVERIFY(box);
        box->selectAll();
        QTest::keyClicks(box, file);
        QTest::keyClick(box, Qt::Key_Return);
    }

private slots:
    void init() {
        QVERIFY(out.isValid());
        QLocale::setDefault(commaLocale());
        started = std::make_unique<StartedApplication>();
        started->app->mainWindow()->CalcularLajes->trigger();
        results = started->app->resultsScreen();
        // The worked example, 4 x 4, through the data-entry screen.
        TInserirDadosForm* entry = started->app->dataEntry();
        QVERIFY(activate(entry));
        for (const auto& [name, text] :
             {std::pair{"LxEdit", "4"}, std::pair{"LyEdit", "4"}, std::pair{"HEdit", "10"},
              std::pair{"CargaPermEdit", "250"}, std::pair{"CargaAcidEdit", "200"}}) {
            auto* box = entry->findChild<QLineEdit*>(QString::fromLatin1(name));
            box->setFocus(Qt::OtherFocusReason);
            QTest::keyClicks(box, QString::fromLatin1(text));
        }
        entry->findChild<QPushButton*>(QStringLiteral("LajeBitBtn"))->setFocus();
        QTest::mouseClick(entry->findChild<QPushButton*>(QStringLiteral("CalcularBitBtn")),
                          Qt::LeftButton);
        QTRY_VERIFY(results->isActiveWindow());
        QTRY_COMPARE(results->AsxpbEdit->text(), QStringLiteral("33Ø5.0c12"));
    }
    void cleanup() {
        started.reset();
        QLocale::setDefault(QLocale::c());
        const QFileInfoList left =
            QDir(out.path()).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
        for (const QFileInfo& info : left) {
            if (info.isDir())
                QDir(info.filePath()).removeRecursively();
            else
                QFile::remove(info.filePath());
        }
    }

    void promptAndSaveDialogWriteWhatTheCoreWrites() {
        ModalScript script;
        TNomeLajeForm* prompt = started->app->namePrompt();
        QPoint promptOffset;
        script.then([&](QDialog* dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Nome da Laje"));
            QCOMPARE(QApplication::focusWidget(), prompt->NomeLajeEdit);
            QCOMPARE(prompt->NomeLajeEdit->text(), QString());
            // Closing it gives the activation back to the results screen.
            QCOMPARE(dialog->parentWidget(), results);
            promptOffset = dialog->pos() - results->mapToGlobal(QPoint(0, 0));
            answerPrompt(dialog, QStringLiteral("L1"));
        });
        script.then([&](QDialog* dialog) {
            auto* files = qobject_cast<QFileDialog*>(dialog);
            QVERIFY(files);
            QCOMPARE(files->windowTitle(), QStringLiteral("Gravar Arquivo DXF"));
            QCOMPARE(files->nameFilters(), QStringList{"AutoCAD (DXF) (*.dxf)"});
            QCOMPARE(files->defaultSuffix(), QStringLiteral("dxf"));
            QCOMPARE(files->acceptMode(), QFileDialog::AcceptSave);
            QVERIFY(!files->testOption(QFileDialog::DontConfirmOverwrite));
            // Typed without an extension.
            typeFile(dialog, path(QStringLiteral("laje")));
        });
        exportNow();
        QCOMPARE(script.remaining(), 0);
        QCOMPARE(script.unexpected, QStringList());
        QCOMPARE(script.shownDialogs, (QStringList{"NomeLajeForm", "DXFSaveDialog"}));
        QCOMPARE(promptOffset, QPoint((results->width() - prompt->width()) / 2,
                                      (results->height() - prompt->height()) / 2));
        QCOMPARE(started->messages->texts(), QStringList());
        const QByteArray written = contents(path(QStringLiteral("laje.dxf")));
        QVERIFY(written.endsWith("EOF\r\n"));
        QCOMPARE(written, expected(QStringLiteral("L1")));
        // The screen is as it was.
        QVERIFY(results->isVisible());
        QCOMPARE(results->AsxpbEdit->text(), QStringLiteral("33Ø5.0c12"));
    }

    // "Incluir tabela de aço": unticked at first; ticked, the drawing carries the steel table
    // the core draws for the slab; the prompt keeps the box ticked for the next export.
    void includingTheSteelTableDrawsItAndIsRemembered() {
        TNomeLajeForm* prompt = started->app->namePrompt();
        QVERIFY(!prompt->IncluirTabelaAcoCheckBox->isChecked());
        QCOMPARE(prompt->IncluirTabelaAcoCheckBox->text(), QStringLiteral("Incluir tabela de aço"));
        ModalScript script;
        script.then([](QDialog* dialog) {
            QTest::mouseClick(
                dialog->findChild<QCheckBox*>(QStringLiteral("IncluirTabelaAcoCheckBox")),
                Qt::LeftButton);
            answerPrompt(dialog, QStringLiteral("L1"));
        });
        script.then([&](QDialog* dialog) { typeFile(dialog, path(QStringLiteral("com_tabela"))); });
        exportNow();
        QCOMPARE(script.unexpected, QStringList());
        QVERIFY(prompt->IncluirTabelaAcoCheckBox->isChecked());

        const auto schedule =
            steelSchedule(started->app->slab(), started->app->results(), started->app->settings());
        QVERIFY(schedule);
        const QString reference = path(QStringLiteral("reference.out"));
        QVERIFY(!exportDrawing(reference.toStdString(), "L1", started->app->slab(),
                               started->app->results(), started->app->settings(), ',', &*schedule));
        const QByteArray written = contents(path(QStringLiteral("com_tabela.dxf")));
        QCOMPARE(written, contents(reference));
        QVERIFY(written.contains("TABELA DE A\xC7O"));
        QVERIFY(written.startsWith(expected(QStringLiteral("L1")).chopped(21)));
    }

    // The save dialog suggests "<nome da laje>.dxf" in the folder used last, and the results
    // screen's status bar says the file was written.
    void secondExportOffersTheSlabsNameInTheLastFolder() {
        ModalScript script;
        script.then([](QDialog* dialog) { answerPrompt(dialog, QStringLiteral("L7")); });
        script.then([this](QDialog* dialog) { typeFile(dialog, path(QStringLiteral("a.dxf"))); });
        exportNow();
        QCOMPARE(results->StatusBar->currentMessage(), QStringLiteral("Arquivo gravado: a.dxf"));
        QString offeredName;
        QStringList offeredFiles;
        script.then([&](QDialog* dialog) {
            offeredName = dialog->findChild<QLineEdit*>(QStringLiteral("NomeLajeEdit"))->text();
            answerPrompt(dialog, QStringLiteral("Laje 2"));
        });
        script.then([&](QDialog* dialog) {
            offeredFiles = qobject_cast<QFileDialog*>(dialog)->selectedFiles();
            QTest::keyClick(dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")),
                            Qt::Key_Return);
        });
        exportNow();
        QCOMPARE(script.remaining(), 0);
        QCOMPARE(offeredName, QStringLiteral("L7"));
        QCOMPARE(offeredFiles, QStringList{path(QStringLiteral("Laje 2.dxf"))});
        QCOMPARE(contents(path(QStringLiteral("Laje 2.dxf"))), expected(QStringLiteral("Laje 2")));
        QCOMPARE(results->StatusBar->currentMessage(),
                 QStringLiteral("Arquivo gravado: Laje 2.dxf"));
        // For 5 s.
        QTRY_COMPARE_WITH_TIMEOUT(results->StatusBar->currentMessage(), QString(), 7000);
    }

    void emptyNameIsAccepted() {
        ModalScript script;
        script.then([](QDialog* dialog) { answerPrompt(dialog, QString()); });
        script.then([this](QDialog* dialog) { typeFile(dialog, path(QStringLiteral("e.dxf"))); });
        exportNow();
        QCOMPARE(contents(path(QStringLiteral("e.dxf"))), expected(QString()));
    }

    void aPickedBarIsTheOneDrawn() {
        results->AsxpComboBox->setCurrentIndex(results->AsxpComboBox->findText("8.0"));
        results->AsxpComboBoxChange();
        QCOMPARE(results->AsxpbEdit->text(), QStringLiteral("20Ø8.0c20"));
        ScriptedDialogs dialogs;
        dialogs.name = QStringLiteral("L2");
        dialogs.file = path(QStringLiteral("picked.dxf"));
        results->setDxfDialogs(&dialogs);
        exportNow();
        results->setDxfDialogs(nullptr);
        const QByteArray written = contents(*dialogs.file);
        QVERIFY(written.contains("20\xD8"
                                 "8.0c20"));
        QCOMPARE(written, expected(QStringLiteral("L2")));
    }

    void cancelWritesNothing_data() {
        QTest::addColumn<int>("stage");
        QTest::newRow("Cancel in the prompt") << 0;
        QTest::newRow("Escape in the prompt") << 1;
        QTest::newRow("Cancel in the save dialog") << 2;
    }
    void cancelWritesNothing() {
        QFETCH(int, stage);
        ModalScript script;
        if (stage == 0)
            script.then([](QDialog* dialog) {
                QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("CancelBitBtn")),
                                  Qt::LeftButton);
            });
        else if (stage == 1)
            script.then([](QDialog* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
        else {
            script.then([](QDialog* dialog) { answerPrompt(dialog, QStringLiteral("L1")); });
            script.then([this](QDialog* dialog) {
                dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
                    ->setText(path(QStringLiteral("c.dxf")));
                dialog->reject();
            });
        }
        exportNow();
        QCOMPARE(script.remaining(), 0);
        QCOMPARE(script.shownDialogs.size(), stage == 2 ? 2 : 1);
        QCOMPARE(QDir(out.path()).entryList(QDir::Files), QStringList());
        QCOMPARE(started->messages->texts(), QStringList());
    }

    // An existing file brings the replace question; No goes back to the dialog.
    void refusingToReplaceLeavesTheFile() {
        const QString old = path(QStringLiteral("old.dxf"));
        {
            QFile file(old);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("old");
        }
        ModalScript script;
        script.then([](QDialog* dialog) { answerPrompt(dialog, QStringLiteral("L1")); });
        script.then([old](QDialog* dialog) { typeFile(dialog, old); });
        script.then([](QDialog* question) {
            auto* box = qobject_cast<QMessageBox*>(question);
            QVERIFY(box);
            box->button(QMessageBox::No)->click();
        });
        QDialog* saveDialog = nullptr;
        QTimer watcher;
        watcher.setInterval(20);
        connect(&watcher, &QTimer::timeout, this, [&] {
            // Back in the dialog after the No, which then is cancelled.
            auto* dialog = results->findChild<QFileDialog*>(QStringLiteral("DXFSaveDialog"));
            if (dialog && dialog->isVisible() && script.remaining() == 0 &&
                QApplication::activeModalWidget() == dialog) {
                saveDialog = dialog;
                dialog->reject();
            }
        });
        watcher.start();
        exportNow();
        watcher.stop();
        QVERIFY(saveDialog);
        QCOMPARE(contents(old), QByteArray("old"));
        QCOMPARE(started->messages->texts(), QStringList());
    }

    void aFolderThatDoesNotExistIsRefusedByTheDialog() {
        ModalScript script;
        QStringList afterwards;
        script.then([](QDialog* dialog) { answerPrompt(dialog, QStringLiteral("L1")); });
        script.then([&](QDialog* dialog) {
            typeFile(dialog, path(QStringLiteral("naoexiste/laje.dxf")));
            afterwards = started->messages->texts();
            QVERIFY(dialog->isVisible());
            dialog->reject();
        });
        exportNow();
        QCOMPARE(afterwards.size(), 1);
        QVERIFY(afterwards.first().contains(QStringLiteral("O caminho não existe.")));
        QCOMPARE(QDir(out.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
                 QStringList());
    }

    // The target's parent is a regular file: creating fails, the error names it, and the
    // earlier drawing stays as it was.
    void anUnwritableTargetShowsTheErrorAndKeepsTheOldFile() {
        ScriptedDialogs dialogs;
        dialogs.name = QStringLiteral("L1");
        dialogs.file = path(QStringLiteral("good.dxf"));
        results->setDxfDialogs(&dialogs);
        exportNow();
        const QByteArray before = contents(*dialogs.file);
        QVERIFY(!before.isEmpty());
        dialogs.name = QStringLiteral("L9");
        dialogs.file = path(QStringLiteral("good.dxf/laje.dxf"));
        exportNow();
        results->setDxfDialogs(nullptr);
        QCOMPARE(started->messages->shown.size(), std::size_t(1));
        QCOMPARE(started->messages->shown.front().kind, ShownMessage::Error);
        QVERIFY(!started->messages->shown.front().text.isEmpty());
        QCOMPARE(contents(path(QStringLiteral("good.dxf"))), before);
        QCOMPARE(QDir(out.path()).entryList(QDir::Files), QStringList{"good.dxf"});
    }
};

QTEST_MAIN(DxfExportTest)
#include "dxf_export_test.moc"
