// Saving and reopening a slab through the real windows and dialogs: the reopened slab shows the
// same results and writes the same drawing, lajes-cli designs the saved file as the original
// input, and a file that cannot be taken changes nothing.

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTest>

#include <sys/stat.h>

#include "ui/concreto_form.h"
#include "ui/config_form.h"
#include "ui/inserir_dados_form.h"
#include "ui/laje_nervurada_form.h"
#include "ui/nome_laje_form.h"
#include "ui/resultados_form.h"
#include "ui/slab_file_dialogs.h"
#include "ui/support_case_picture.h"
#include "ui_test_support.h"

using namespace lajes;
using namespace lajes::test;

namespace {

// The worked drawing slab (support case 3, the bars of the expected drawing) as lajes-cli
// reads it: what the test types on the screens.
const char* const case3Input = R"({"SupportCase":3,"Lx":4,"Ly":5,"h":10,"g":100,"q":200,
  "AdjacentSpan":4,"choices":[
   {"direction":"xp","diameter":"6.3"},{"direction":"xp","spacing":16},
   {"direction":"xn","diameter":"8.0"},{"direction":"xn","spacing":12}]})";

QByteArray contents(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

QByteArray example(const char* name) {
    return contents(QStringLiteral(LAJES_EXAMPLES_DIR "/") + QString::fromLatin1(name));
}

// Every text a window shows: its boxes, its lists (current text and entries), its choices; not
// those of the dialogs it owns.
QStringList shownTexts(const QWidget* window) {
    QStringList texts;
    for (const QLineEdit* box : window->findChildren<QLineEdit*>())
        if (!box->objectName().isEmpty() && box->window() == window)
            texts << box->objectName() + QLatin1Char('=') + box->text();
    for (const QComboBox* list : window->findChildren<QComboBox*>()) {
        if (list->window() != window)
            continue;
        QStringList items;
        for (int i = 0; i < list->count(); ++i)
            items << list->itemText(i);
        texts << list->objectName() + QLatin1Char('=') + list->currentText() + QLatin1Char('|') +
                     items.join(QLatin1Char(',')) + (list->isEnabled() ? "" : " off");
    }
    for (const QRadioButton* radio : window->findChildren<QRadioButton*>())
        if (radio->window() == window)
            texts << radio->objectName() + (radio->isChecked() ? "=on" : "=off");
    for (const QCheckBox* box : window->findChildren<QCheckBox*>())
        if (box->window() == window)
            texts << box->objectName() + (box->isChecked() ? "=on" : "=off");
    texts << window->windowTitle();
    texts.sort();
    return texts;
}

QString lxBoxText(const StartedApplication& s) {
    return s.app->dataEntry()->findChild<QLineEdit*>(QStringLiteral("LxEdit"))->text();
}

void typeInto(QDialog* dialog, const char* name, const QString& text) {
    auto* box = dialog->findChild<QLineEdit*>(QString::fromLatin1(name));
    QVERIFY(box);
    box->selectAll();
    QTest::keyClicks(box, text);
}

void press(QDialog* dialog, const char* name) {
    QTest::mouseClick(dialog->findChild<QPushButton*>(QString::fromLatin1(name)), Qt::LeftButton);
}

void typeFile(QDialog* dialog, const QString& file) {
    typeInto(dialog, "fileNameEdit", file);
    QTest::keyClick(dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")), Qt::Key_Return);
}

// A pick as the user makes it: the list opens, the entry is highlighted, Enter takes it.
void pick(QComboBox* box, const QString& text) {
    const int index = box->findText(text);
    QVERIFY2(index >= 0, qPrintable(text));
    box->showPopup();
    QAbstractItemView* view = box->view();
    QTRY_VERIFY(view->isVisible());
    view->setCurrentIndex(view->model()->index(index, 0));
    QTest::keyClick(view, Qt::Key_Return);
    QTRY_VERIFY(!view->isVisible());
}

struct FileTime {
    qint64 seconds = 0, nanoseconds = 0;
    bool operator==(const FileTime&) const = default;
};

FileTime modificationTime(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return {};
    return {info.st_mtim.tv_sec, info.st_mtim.tv_nsec};
}

QString runCli(const QStringList& arguments, const QByteArray& input, const QString& folder) {
    QProcess cli;
    cli.setWorkingDirectory(folder);
    cli.start(QStringLiteral(LAJES_CLI_EXECUTABLE), arguments);
    cli.write(input);
    cli.closeWriteChannel();
    if (!cli.waitForFinished(30000) || cli.exitCode() != 0)
        qWarning("lajes-cli: %s", cli.readAllStandardError().constData());
    return QString::fromUtf8(cli.readAllStandardOutput());
}

} // namespace

class SlabFileTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir out;
    QString path(const QString& name) const { return out.filePath(name); }

    // Types the slab of case3Input on the data-entry screen and calculates it; the
    // additional-data dialog is answered with 4 m.
    static void typeAndCalculate(StartedApplication& s, ModalScript& script) {
        s.app->mainWindow()->CalcularLajes->trigger();
        TInserirDadosForm* entry = s.app->dataEntry();
        QVERIFY(activate(entry));
        QTest::mouseClick(entry->findChild<SupportCasePicture*>(QStringLiteral("Laje3Image")),
                          Qt::LeftButton);
        for (const auto& [name, text] :
             {std::pair{"LxEdit", "4"}, std::pair{"LyEdit", "5"}, std::pair{"HEdit", "10"},
              std::pair{"CargaPermEdit", "100"}, std::pair{"CargaAcidEdit", "200"}}) {
            auto* box = entry->findChild<QLineEdit*>(QString::fromLatin1(name));
            box->setFocus(Qt::OtherFocusReason);
            QTest::keyClicks(box, QString::fromLatin1(text));
        }
        script.then([](QDialog* dialog) {
            typeInto(dialog, "MaiorVaodosMenoresEdit", QStringLiteral("4"));
            press(dialog, "CalcularBitBtn");
        });
        QTest::mouseClick(entry->findChild<QPushButton*>(QStringLiteral("CalcularBitBtn")),
                          Qt::LeftButton);
        QTRY_VERIFY(!s.app->resultsScreen()->AsxpbEdit->text().isEmpty());
    }

    // "&Gerar DXF" through the real prompt and save dialog; returns the name the prompt offered.
    QString exportDrawing(StartedApplication& s, ModalScript& script, const QString& name,
                          const QString& file) {
        QString offered;
        script.then([&offered, name](QDialog* dialog) {
            auto* box = dialog->findChild<QLineEdit*>(QStringLiteral("NomeLajeEdit"));
            offered = box->text();
            typeInto(dialog, "NomeLajeEdit", name);
            press(dialog, "OkBitBtn");
        });
        script.then([file](QDialog* dialog) { typeFile(dialog, file); });
        QTest::mouseClick(s.app->resultsScreen()->DXFBitBtn, Qt::LeftButton);
        return offered;
    }

    // A started program showing a typed, uncalculated slab.
    static std::unique_ptr<StartedApplication> programWithTypedSlab() {
        auto s = std::make_unique<StartedApplication>();
        s->app->mainWindow()->CalcularLajes->trigger();
        auto* lx = s->app->dataEntry()->findChild<QLineEdit*>(QStringLiteral("LxEdit"));
        lx->setText(QStringLiteral("3,5"));
        s->app->dataEntry()->commitBox(lx);
        return s;
    }

private slots:
    void init() {
        QVERIFY(out.isValid());
        QLocale::setDefault(commaLocale());
    }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void savedSlabReopensToTheSameScreenAndDrawing() {
        QString saved = path(QStringLiteral("L3.laje"));
        QStringList resultsBefore;
        {
            StartedApplication first;
            ModalScript script;
            typeAndCalculate(first, script);
            TResultadosForm* results = first.app->resultsScreen();
            QTRY_VERIFY(results->isActiveWindow());
            pick(results->AsxpComboBox, QStringLiteral("6.3"));
            pick(results->EspAsxpComboBox, QStringLiteral("16"));
            pick(results->AsxnComboBox, QStringLiteral("8.0")); // a top bar
            pick(results->EspAsxnComboBox, QStringLiteral("12"));
            // nearest((5 - 0.15) x 100 / 12) + 1 = nearest(40.42) + 1 = 41 bars along Ly.
            QCOMPARE(results->AsxnbEdit->text(), QStringLiteral("41Ø8.0c12"));
            QCOMPARE(exportDrawing(first, script, QStringLiteral("L3"), path("antes.dxf")),
                     QString());
            const QStringList beforeSaving = shownTexts(results);

            // Ctrl+S on the results screen: no file yet, so the "Salvar Laje" dialog asks.
            script.then([](QDialog* dialog) {
                auto* files = qobject_cast<QFileDialog*>(dialog);
                QVERIFY(files);
                QCOMPARE(files->windowTitle(), QStringLiteral("Salvar Laje"));
                QCOMPARE(files->nameFilters(), QStringList{"Lajes (*.laje)"});
                QCOMPARE(files->defaultSuffix(), QStringLiteral("laje"));
                QCOMPARE(files->acceptMode(), QFileDialog::AcceptSave);
                QVERIFY(!files->testOption(QFileDialog::DontConfirmOverwrite));
                dialog->reject();
            });
            QTRY_VERIFY(results->isActiveWindow());
            QTest::keyClick(results, Qt::Key_S, Qt::ControlModifier);
            QCOMPARE(script.remaining(), 0);
            QVERIFY(!QFile::exists(saved));
            // Cancelled; now saved through the dialog, typed without an extension.
            script.then([this](QDialog* dialog) { typeFile(dialog, path(QStringLiteral("L3"))); });
            QTest::keyClick(results, Qt::Key_S, Qt::ControlModifier);
            QCOMPARE(script.remaining(), 0);
            QCOMPARE(script.unexpected, QStringList());
            QVERIFY(QFile::exists(saved));
            QCOMPARE(results->windowTitle(),
                     QStringLiteral("Resultado do Cálculo de Lajes — L3.laje"));
            QCOMPARE(first.app->dataEntry()->windowTitle(),
                     QStringLiteral("Cálculo de Lajes — L3.laje"));
            QCOMPARE(first.messages->texts(), QStringList());
            // Saving kept the bars on the screen; only the title changed.
            resultsBefore = shownTexts(results);
            QCOMPARE(resultsBefore.size(), beforeSaving.size());
            for (int i = 0; i < beforeSaving.size(); ++i)
                if (!beforeSaving[i].startsWith(QStringLiteral("Resultado do Cálculo")))
                    QCOMPARE(resultsBefore[i], beforeSaving[i]);
            QVERIFY(contents(saved).contains(
                "  \"choices\": [\n    {\"direction\": \"xp\", \"diameter\": \"6.3\"},\n"));
        }

        // Started again with the file, as `lajes L3.laje` does after the start-up sequence.
        StartedApplication second;
        QVERIFY(second.app->openSlabFile(saved));
        QCOMPARE(second.messages->texts(), QStringList());
        TInserirDadosForm* entry = second.app->dataEntry();
        QVERIFY(entry->isVisible());
        QCOMPARE(entry->windowTitle(), QStringLiteral("Cálculo de Lajes — L3.laje"));
        QCOMPARE(lxBoxText(second), QStringLiteral("4,00"));
        QVERIFY(entry->findChild<QRadioButton*>(QStringLiteral("RadioButton3"))->isChecked());
        QVERIFY(activate(entry));
        ModalScript script;
        QString offeredSpan;
        script.then([&offeredSpan](QDialog* dialog) {
            offeredSpan =
                dialog->findChild<QLineEdit*>(QStringLiteral("MaiorVaodosMenoresEdit"))->text();
            press(dialog, "CalcularBitBtn");
        });
        QTest::mouseClick(entry->findChild<QPushButton*>(QStringLiteral("CalcularBitBtn")),
                          Qt::LeftButton);
        TResultadosForm* results = second.app->resultsScreen();
        QTRY_VERIFY(!results->AsxpbEdit->text().isEmpty());
        QCOMPARE(offeredSpan, QStringLiteral("4,00"));
        QCOMPARE(shownTexts(results), resultsBefore);
        QCOMPARE(second.messages->texts(), QStringList());
        QTRY_VERIFY(results->isActiveWindow());
        QCOMPARE(exportDrawing(second, script, QStringLiteral("L3"), path("depois.dxf")),
                 QStringLiteral("L3"));
        QCOMPARE(script.unexpected, QStringList());
        const QByteArray before = contents(path("antes.dxf"));
        QVERIFY(before.endsWith("EOF\r\n"));
        QCOMPARE(contents(path("depois.dxf")), before);

        // lajes-cli: the saved file and the original input give the same result, whose
        // screen is what the windows show.
        const QString fromFile =
            runCli({"design", "--input", saved, "--decimal", ","}, QByteArray(), out.path());
        const QString fromInput = runCli({"design", "--decimal", ","}, case3Input, out.path());
        QVERIFY(!fromFile.isEmpty());
        QCOMPARE(fromFile, fromInput);
        const QJsonObject screen =
            QJsonDocument::fromJson(fromFile.toUtf8()).object().value("screen").toObject();
        for (auto it = screen.begin(); it != screen.end(); ++it)
            if (it.value().isString())
                QCOMPARE(results->findChild<QLineEdit*>(it.key())->text(), it.value().toString());
    }

    void badFileGivesItsMessageAndChangesNothing_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        const QString cannot = QStringLiteral("Não foi possível abrir \"L7.laje\":\n");
        const QByteArray good = example("L1-macica.laje");
        QTest::newRow("folder") << "L7.laje" << QByteArray()
                                << cannot + "Não é um arquivo comum (é uma pasta, um dispositivo "
                                            "ou um canal).";
        QTest::newRow("larger than 1 MiB")
            << "L7.laje" << QByteArray(1024 * 1024 + 1, ' ')
            << cannot + "O arquivo tem mais de 1 MiB: não é um arquivo de laje.";
        QTest::newRow("truncated")
            << "L7.laje" << good.left(good.size() / 2)
            << cannot + "O arquivo está incompleto: o texto JSON termina antes do fim.";
        QTest::newRow("not JSON") << "L7.laje" << QByteArray("Lx = 4\n")
                                  << cannot + "O conteúdo não é JSON (erro na linha 1, coluna 1).";
        QTest::newRow("newer version")
            << "L7.laje" << QByteArray(good).replace("\"version\": 1", "\"version\": 3")
            << "Este arquivo foi gravado por uma versão mais nova do programa.";
        QTest::newRow("negative number")
            << "L7.laje" << QByteArray(good).replace("\"h\": 10", "\"h\": -10")
            << cannot + "\"h\" não pode ser negativo";
        QTest::newRow("unknown key") << "L7.laje" << QByteArray(good).replace("\"fck\"", "\"fcj\"")
                                     << cannot + "chave desconhecida \"fcj\"";
        QTest::newRow("wrong type")
            << "L7.laje" << QByteArray(good).replace("\"Ribbed\": false", "\"Ribbed\": 0")
            << cannot + "\"Ribbed\" deve ser true ou false";
        QTest::newRow("settings the dialog refuses")
            << "L7.laje" << QByteArray(good).replace("\"cover\": 1", "\"cover\": 0")
            << cannot + "\"cover\" deve ser maior que zero e no máximo 20";
        // A value of 400 KB is quoted short: the message box stays a few lines high.
        QTest::newRow("huge bad value")
            << "L7.laje"
            << QByteArray(good).replace("\"loadingAgeMonths\": 1",
                                        "\"loadingAgeMonths\": \"" + QByteArray(400000, 'a') + '"')
            << cannot + "\"nbr6118\": valor inválido \"" + QString(38, QLatin1Char('a')) +
                   "… em \"loadingAgeMonths\" (idade em meses, 0.01 ou mais)";
        // One character more than the name box holds: refused, never cut.
        QTest::newRow("name longer than the box")
            << "L7.laje"
            << QByteArray(good).replace("\"name\": \"L1\"",
                                        "\"name\": \"" + QByteArray(32768, 'n') + '"')
            << cannot + "\"name\" tem mais de 32767 caracteres";
    }
    void badFileGivesItsMessageAndChangesNothing() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        const QString file = path(name);
        if (bytes.isNull())
            QVERIFY(QDir(out.path()).mkdir(name));
        else
            writeFile(file, bytes);
        const FileTime time = modificationTime(file);

        auto s = programWithTypedSlab();
        const QStringList entryBefore = shownTexts(s->app->dataEntry());
        const double lxBefore = s->app->slab().Lx;
        QVERIFY(!s->app->openSlabFile(file));
        QCOMPARE(s->messages->texts(), QStringList{message});
        QCOMPARE(s->messages->shown.front().kind, ShownMessage::Error);
        QCOMPARE(shownTexts(s->app->dataEntry()), entryBefore);
        QCOMPARE(s->app->slab().Lx, lxBefore);
        QVERIFY(!s->app->document().hasFile());
        QCOMPARE(s->app->recentFiles(), QStringList());
        QCOMPARE(modificationTime(file), time);
        if (!bytes.isNull())
            QCOMPARE(contents(file), bytes);
        if (bytes.isNull())
            QDir(file).removeRecursively();
        else
            QFile::remove(file);
    }

    // Saving onto what cannot take the file: one Portuguese message naming the file, the
    // target as it was, and no save waits for the reader of a pipe.
    void saveErrorNamesTheFileAndLeavesTheTarget_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("pipe"); // otherwise a write-protected file
        QTest::addColumn<QString>("message");
        QTest::newRow("write-protected file")
            << "ro.laje" << false << "Não foi possível gravar \"ro.laje\": acesso negado.";
        QTest::newRow("named pipe") << "fila.laje" << true
                                    << "Não foi possível gravar \"fila.laje\": não é um arquivo "
                                       "comum.";
    }
    void saveErrorNamesTheFileAndLeavesTheTarget() {
        QFETCH(QString, name);
        QFETCH(bool, pipe);
        QFETCH(QString, message);
        const QString file = path(name);
        if (pipe) {
            QCOMPARE(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
        } else {
            writeFile(file, "{}");
            QVERIFY(QFile::setPermissions(file, QFile::ReadOwner));
        }
        struct AnsweringDialogs final : SlabFileDialogs {
            QString answer;
            std::optional<QString> fileToOpen(QWidget*) override { return std::nullopt; }
            std::optional<QString> fileToSave(QWidget*, const QString&) override { return answer; }
        } dialogs;
        dialogs.answer = file;
        auto s = programWithTypedSlab();
        s->app->setFileDialogs(&dialogs);
        QVERIFY(!s->app->saveSlabAs());
        s->app->setFileDialogs(nullptr);
        QCOMPARE(s->messages->texts(), QStringList{message});
        QVERIFY(!s->app->document().hasFile());
        struct stat info {};
        QCOMPARE(::stat(QFile::encodeName(file).constData(), &info), 0);
        QCOMPARE(S_ISFIFO(info.st_mode), pipe);
        if (!pipe)
            QCOMPARE(contents(file), QByteArray("{}"));
        QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
        QFile::remove(file);
    }

    void fileSettingsAreAskedForOnce_data() {
        QTest::addColumn<bool>("adopt");
        QTest::addColumn<double>("wallWidth");
        QTest::addColumn<QString>("shownWall");
        QTest::addColumn<QByteArray>("configLine6");
        QTest::newRow("Sim adopts them")
            << true << 0.2 << "20,00" << QByteArray(" 2.00000000000000E-0001");
        QTest::newRow("Não keeps them")
            << false << 0.15 << "15,00" << QByteArray(" 1.50000000000000E-0001");
    }
    void fileSettingsAreAskedForOnce() {
        QFETCH(bool, adopt);
        QFETCH(double, wallWidth);
        QFETCH(QString, shownWall);
        QFETCH(QByteArray, configLine6);
        const QString file = path(QStringLiteral("outra.laje"));
        writeFile(file, example("L1-macica.laje")
                            .replace("\"wallWidth\": 0.15, \"cover\": 1",
                                     "\"wallWidth\": 0.2, \"cover\": 2.5"));
        StartedApplication s;
        s.messages->answers.push_back(adopt);
        QVERIFY(s.app->openSlabFile(file));
        QCOMPARE(s.messages->texts(),
                 QStringList{"Esta laje foi calculada com outras configurações (parede 20,00 cm, "
                             "cobrimento 2,50 cm, φ∞ 2,00). Usar as configurações do arquivo?"});
        QCOMPARE(s.app->settings().wallWidth, wallWidth);
        QCOMPARE(s.app->settings().cover, adopt ? 2.5 : 1.0);
        QCOMPARE(s.app->configDialog()->findChild<QLineEdit*>("ParedeEdit")->text(), shownWall);
        // Opened, not changed: no asterisk, and the program ends without a question.
        QCOMPARE(s.app->dataEntry()->windowTitle(),
                 QStringLiteral("Cálculo de Lajes — outra.laje"));
        s.app->mainWindow()->Saida->trigger();
        QCOMPARE(s.messages->shown.size(), std::size_t{1});
        const QList<QByteArray> lines = contents(s.configPath()).split('\n');
        QCOMPARE(lines.size(), 10); // nine lines and the end of the last
        QCOMPARE(lines.at(5).chopped(1), configLine6);
    }

    void ctrlOOpensTheFileTypedInTheOpenDialog() {
        writeFile(path(QStringLiteral("L2.laje")), example("L2-nervurada.laje"));
        StartedApplication s;
        QVERIFY(activate(s.app->mainWindow()));
        ModalScript script;
        script.then([this](QDialog* dialog) {
            auto* files = qobject_cast<QFileDialog*>(dialog);
            QVERIFY(files);
            QCOMPARE(files->objectName(), QStringLiteral("AbrirLajeDialog"));
            QCOMPARE(files->windowTitle(), QStringLiteral("Abrir Laje"));
            QCOMPARE(files->nameFilters(), QStringList{"Lajes (*.laje)"});
            QCOMPARE(files->defaultSuffix(), QStringLiteral("laje"));
            QCOMPARE(files->acceptMode(), QFileDialog::AcceptOpen);
            typeFile(dialog, path(QStringLiteral("L2")));
        });
        QTest::keyClick(s.app->mainWindow(), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(script.remaining(), 0);
        QCOMPARE(s.messages->texts(), QStringList());
        QVERIFY(s.app->dataEntry()->isVisible());
        QCOMPARE(s.app->dataEntry()->windowTitle(), QStringLiteral("Cálculo de Lajes — L2.laje"));
        QVERIFY(s.app->slab().Ribbed);
        QCOMPARE(s.app->slab().BlockDensity, 450.0);
        QCOMPARE(s.app->ribbedDialog()->findChild<QLineEdit*>("BlocoInerteEdit")->text(),
                 QStringLiteral("450,00"));
    }

    void choiceTheNewListsDoNotOfferIsSkippedWithOneMessage() {
        const QString file = path(QStringLiteral("L1.laje"));
        writeFile(file, example("L1-macica.laje")
                            .replace("\"choices\": []",
                                     "\"choices\": [{\"direction\": \"xp\", \"diameter\": "
                                     "\"12.5\"}, {\"direction\": \"yp\", \"diameter\": \"8.0\"}]"));
        StartedApplication s;
        QVERIFY(s.app->openSlabFile(file));
        QVERIFY(activate(s.app->dataEntry()));
        QTest::mouseClick(s.app->dataEntry()->findChild<QPushButton*>("CalcularBitBtn"),
                          Qt::LeftButton);
        TResultadosForm* results = s.app->resultsScreen();
        QTRY_VERIFY(!results->AsxpbEdit->text().isEmpty());
        QCOMPARE(s.messages->texts(), QStringList{"A bitola 12.5 de Asx+ gravada no arquivo não "
                                                  "está na lista e não foi aplicada."});
        QCOMPARE(results->AsxpbEdit->text(), QStringLiteral("33Ø5.0c12")); // the proposal
        QCOMPARE(results->AsypComboBox->currentText(), QStringLiteral("8.0"));
        // Applying the file's choices is not a change of the slab.
        QCOMPARE(results->windowTitle(), QStringLiteral("Resultado do Cálculo de Lajes — L1.laje"));
    }

    void unsavedChangesAreAskedForBeforeTheSlabIsDiscarded() {
        const QString file = path(QStringLiteral("L7.laje"));
        writeFile(file, example("L1-macica.laje"));
        StartedApplication s;
        QVERIFY(s.app->openSlabFile(file));
        TInserirDadosForm* entry = s.app->dataEntry();
        auto* lx = entry->findChild<QLineEdit*>(QStringLiteral("LxEdit"));
        lx->setText(QStringLiteral("4,5"));
        entry->commitBox(lx);
        QCOMPARE(entry->windowTitle(), QStringLiteral("Cálculo de Lajes — L7.laje *"));

        // Cancelar keeps the program and the slab as they are.
        s.messages->saveAnswers = {SaveAnswer::Cancel};
        s.app->mainWindow()->close();
        QVERIFY(s.app->mainWindow()->isVisible());
        QCOMPARE(s.messages->texts(), QStringList{"Salvar as alterações de L7.laje?"});
        QCOMPARE(lx->text(), QStringLiteral("4,50"));
        // Closing the data-entry screen would reset the inputs: asked as well; Salvar writes.
        s.messages->saveAnswers = {SaveAnswer::Save};
        entry->close();
        QVERIFY(!entry->isVisible());
        QVERIFY(contents(file).contains("\"Lx\": 4.5,"));
        QCOMPARE(entry->windowTitle(), QStringLiteral("Cálculo de Lajes"));
        // The slab left the screens with the file: no more questions, the run ends as always.
        s.messages->shown.clear();
        s.app->mainWindow()->Saida->trigger();
        QVERIFY(!s.app->mainWindow()->isVisible());
        QCOMPARE(s.messages->texts(), QStringList());
    }

    void discardingLeavesTheFileAsItWas() {
        const QString file = path(QStringLiteral("L7.laje"));
        writeFile(file, example("L2-nervurada.laje"));
        StartedApplication s;
        QVERIFY(s.app->openSlabFile(file));
        QVERIFY(s.app->dataEntry()->findChild<QCheckBox*>("LajeNervuradaCheckBox")->isChecked());
        QCOMPARE(s.app->slab().a, 40.0);
        s.app->dataEntry()->findChild<QRadioButton*>("RadioButton1")->setFocus();
        QTest::mouseClick(s.app->dataEntry()->findChild<QCheckBox*>("LajeNervuradaCheckBox"),
                          Qt::LeftButton);
        QVERIFY(!s.app->slab().Ribbed);
        s.messages->saveAnswers = {SaveAnswer::Discard};
        s.app->mainWindow()->Saida->trigger();
        QVERIFY(!s.app->mainWindow()->isVisible());
        QCOMPARE(s.messages->texts(), QStringList{"Salvar as alterações de L7.laje?"});
        QCOMPARE(contents(file), example("L2-nervurada.laje"));
    }

    void recentFilesLiveInTheProgramSettings() {
        StartedApplication s;
        QStringList names;
        for (const char* name : {"a", "b", "c", "d", "e"}) {
            const QString file = path(QString::fromLatin1(name) + ".laje");
            writeFile(file, example("L1-macica.laje"));
            QVERIFY(s.app->openSlabFile(file));
        }
        TConcretoForm* main = s.app->mainWindow();
        QStringList shown;
        for (QAction* recent : main->RecentFiles)
            if (recent->isVisible())
                shown << recent->text();
        QCOMPARE(shown, (QStringList{"&1 e.laje", "&2 d.laje", "&3 c.laje", "&4 b.laje"}));
        QCOMPARE(QSettings(s.programSettingsPath(), QSettings::IniFormat)
                     .value("recentFiles")
                     .toStringList()
                     .first(),
                 path("e.laje"));
        // The same commands in the data-entry screen's menu, before "Con&figurações".
        QStringList menus;
        for (QAction* action : s.app->dataEntry()->menuBar()->actions())
            menus << action->text();
        QCOMPARE(menus, (QStringList{"&Arquivo", "Con&figurações"}));
        // A recent file that has gone leaves the list after its message.
        QFile::remove(path("c.laje"));
        main->RecentFiles[2]->trigger();
        QCOMPARE(s.messages->texts(),
                 QStringList{"Não foi possível abrir \"c.laje\":\nO arquivo não existe."});
        QCOMPARE(s.app->recentFiles(),
                 (QStringList{path("e.laje"), path("d.laje"), path("b.laje")}));
        // Quenvor.cfg keeps its nine lines.
        main->Saida->trigger();
        QCOMPARE(contents(s.configPath()).count("\r\n"), 9);
    }
};

QTEST_MAIN(SlabFileTest)
#include "slab_file_test.moc"
