// "&Tabela de Aço" on the results screen: the window follows the computation and every bar
// pick, switching to it and back recomputes nothing, and its tables go to the clipboard, a CSV
// file and the print preview as the core writes them.

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTableWidget>
#include <QTest>

#include "design/steel_schedule.h"
#include "ui/concreto_form.h"
#include "ui/inserir_dados_form.h"
#include "ui/placement.h"
#include "ui/resultados_form.h"
#include "ui/tabela_aco_form.h"
#include "ui_test_support.h"

using namespace lajes;
using namespace lajes::test;

class TabelaAcoFormTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<StartedApplication> started;
    TInserirDadosForm* entry = nullptr;
    TResultadosForm* results = nullptr;
    QTemporaryDir out;

    void calculate(const QString& h, const QString& g, const QString& q) {
        QVERIFY(activate(entry));
        for (const auto& [name, text] :
             {std::pair{"LxEdit", QStringLiteral("4")}, std::pair{"LyEdit", QStringLiteral("4")},
              std::pair{"HEdit", h}, std::pair{"CargaPermEdit", g},
              std::pair{"CargaAcidEdit", q}}) {
            auto* box = entry->findChild<QLineEdit*>(QString::fromLatin1(name));
            box->setFocus(Qt::OtherFocusReason);
            box->selectAll();
            QTest::keyClicks(box, text);
        }
        entry->findChild<QPushButton*>(QStringLiteral("LajeBitBtn"))->setFocus();
        QTest::mouseClick(entry->findChild<QPushButton*>(QStringLiteral("CalcularBitBtn")),
                          Qt::LeftButton);
        QTRY_VERIFY(results->isActiveWindow());
        QTest::qWait(20);
    }
    static void pick(QComboBox* box, const QString& text) {
        const int index = box->findText(text);
        QVERIFY2(index >= 0, qPrintable(text));
        box->showPopup();
        QAbstractItemView* view = box->view();
        QTRY_VERIFY(view->isVisible());
        view->setCurrentIndex(view->model()->index(index, 0));
        QTest::keyClick(view, Qt::Key_Return);
        QTRY_VERIFY(!view->isVisible());
    }
    static QStringList row(const QTableWidget* table, int r) {
        QStringList cells;
        for (int c = 0; c < table->columnCount(); ++c)
            cells << table->item(r, c)->text();
        return cells;
    }
    std::string coreText(char fieldSeparator, std::string_view lineEnd) const {
        const auto schedule =
            steelSchedule(started->app->slab(), started->app->results(), started->app->settings());
        if (!schedule)
            qFatal("no steel table for the slab on the screen");
        return fieldSeparator == ';'
                   ? scheduleCsv(*schedule, ',')
                   : scheduleDelimitedText(*schedule, ',', fieldSeparator, lineEnd);
    }

private slots:
    void init() {
        QVERIFY(out.isValid());
        QLocale::setDefault(commaLocale());
        started = std::make_unique<StartedApplication>();
        started->app->mainWindow()->CalcularLajes->trigger();
        entry = started->app->dataEntry();
        results = started->app->resultsScreen();
    }
    void cleanup() {
        started.reset();
        QLocale::setDefault(QLocale::c());
    }

    // The end-to-end slab: 33Ø5.0c12 both ways, 413 cm; then 8.0 mm picked in x: 20Ø8.0c20,
    // 20 x 4.13 = 82.60 m, x 0.395 = 32.63 kg.
    void followsThePicksAndWritesWhatTheCoreWrites() {
        calculate(QStringLiteral("10"), QStringLiteral("250"), QStringLiteral("200"));
        TTabelaAcoForm* table = results->tabelaAcoForm();
        QVERIFY(!table->isVisible());
        QTest::mouseClick(results->TabelaAcoBitBtn, Qt::LeftButton);
        QVERIFY(table->isVisible());
        QCOMPARE(table->windowTitle(), QStringLiteral("Tabela de Aço"));
        QCOMPARE(table->PosicoesTable->rowCount(), 2);
        QCOMPARE(row(table->PosicoesTable, 0),
                 (QStringList{"N1", "5,0", "33", "413", "136,29", "20,99"}));
        QCOMPARE(row(table->ResumoTable, 0), (QStringList{"5,0", "272,58", "41,98"}));
        QCOMPARE(row(table->TotaisTable, 1), (QStringList{"Total + 10% (perdas)", "46,18", "kg"}));
        QCOMPARE(row(table->TotaisTable, 5),
                 (QStringList{"Taxa de aço por volume", "26,24", "kg/m³"}));

        QVERIFY(activate(results));
        pick(results->AsxpComboBox, QStringLiteral("8.0"));
        QCOMPARE(results->AsxpbEdit->text(), QStringLiteral("20Ø8.0c20"));
        QCOMPARE(row(table->PosicoesTable, 0),
                 (QStringList{"N1", "8,0", "20", "413", "82,60", "32,63"}));
        QCOMPARE(table->ResumoTable->rowCount(), 2);

        // To the table window and back: the results screen keeps the pick.
        QVERIFY(activate(table));
        QVERIFY(activate(results));
        QTest::qWait(20);
        QCOMPARE(results->AsxpbEdit->text(), QStringLiteral("20Ø8.0c20"));
        QCOMPARE(started->messages->texts(), QStringList());

        QVERIFY(activate(table));
        QTest::mouseClick(table->CopiarBitBtn, Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text(), QString::fromStdString(coreText('\t', "\n")));

        ModalScript script;
        const QString csv = out.filePath(QStringLiteral("tabela"));
        script.then([&](QDialog* dialog) {
            auto* files = qobject_cast<QFileDialog*>(dialog);
            QVERIFY(files);
            QCOMPARE(files->nameFilters(), QStringList{"Planilha CSV (*.csv)"});
            // The slab has no name yet: "Laje.csv".
            QCOMPARE(QFileInfo(files->selectedFiles().value(0)).fileName(),
                     QStringLiteral("Laje.csv"));
            auto* box = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QVERIFY(box);
            QTest::keyClicks(box, csv); // without the extension
            QTest::keyClick(box, Qt::Key_Return);
        });
        QTest::mouseClick(table->SalvarCsvBitBtn, Qt::LeftButton);
        QFile file(csv + QStringLiteral(".csv"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(table->StatusBar->currentMessage(), QStringLiteral("Arquivo gravado: tabela.csv"));
        QCOMPARE(file.readAll().toStdString(), coreText(';', "\r\n"));

        // A write-protected file: after the question about replacing it, one Portuguese
        // message that names the file; the file keeps its content.
        const QString readOnly = out.filePath(QStringLiteral("ro.csv"));
        QVERIFY(QFile::copy(csv + QStringLiteral(".csv"), readOnly));
        QVERIFY(QFile::setPermissions(readOnly, QFile::ReadOwner));
        script.then([&](QDialog* dialog) {
            auto* box = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QVERIFY(box);
            QTest::keyClicks(box, readOnly);
            QTest::keyClick(box, Qt::Key_Return);
        });
        script.then([](QDialog* dialog) {
            auto* question = qobject_cast<QMessageBox*>(dialog);
            QVERIFY(question);
            question->button(QMessageBox::Yes)->click();
        });
        QTest::mouseClick(table->SalvarCsvBitBtn, Qt::LeftButton);
        QCOMPARE(started->messages->texts(),
                 QStringList{"Não foi possível gravar \"ro.csv\": acesso negado."});
        started->messages->shown.clear();
        QFile kept(readOnly);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll().toStdString(), coreText(';', "\r\n"));

        bool previewed = false;
        script.then([&](QDialog* dialog) {
            QVERIFY(qobject_cast<QPrintPreviewDialog*>(dialog));
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Tabela de Aço - Impressão"));
            QVERIFY(dialog->windowState() & Qt::WindowMaximized);
            QVERIFY(dialog->findChild<QAction*>(QStringLiteral("SalvarPdfAction")));
            previewed = true;
            dialog->reject();
        });
        QTest::mouseClick(table->ImprimirBitBtn, Qt::LeftButton);
        QVERIFY(previewed);
        QCOMPARE(script.unexpected, QStringList());
        QVERIFY(activate(results));
        QTest::qWait(20);
        QCOMPARE(results->AsxpbEdit->text(), QStringLiteral("20Ø8.0c20"));

        // The window goes with the results screen.
        QTest::mouseClick(results->RetornarBitBtn, Qt::LeftButton);
        QVERIFY(!table->isVisible());
    }

    // The companion windows open beside the results screen, or centred over it when it fills
    // the screen, and Escape closes them.
    void opensOverTheResultsAndEscapeClosesIt() {
        calculate(QStringLiteral("10"), QStringLiteral("250"), QStringLiteral("200"));
        QTest::mouseClick(results->TabelaAcoBitBtn, Qt::LeftButton);
        TTabelaAcoForm* table = results->tabelaAcoForm();
        QVERIFY(table->isVisible());
        QCOMPARE(table->parentWidget(), results); // above it while it is active
        const QRect expected =
            besideOrCentred(table->frameGeometry().size(), results->frameGeometry(),
                            results->screen()->availableGeometry());
        QCOMPARE(table->frameGeometry().topLeft(), expected.topLeft());
        QVERIFY(table->frameGeometry().topLeft() != QPoint(0, 0));
        QVERIFY(activate(table));
        QTest::keyClick(table, Qt::Key_Escape);
        QVERIFY(!table->isVisible());
    }

    void besideOrCentredPlacesTheWindow_data() {
        QTest::addColumn<QRect>("reference");
        QTest::addColumn<QRect>("placed");
        // A 400 x 300 window on a 1366 x 728 free area.
        QTest::newRow("room on the right") << QRect(0, 0, 800, 600) << QRect(800, 0, 400, 300);
        QTest::newRow("room on the left only")
            << QRect(600, 100, 700, 500) << QRect(200, 100, 400, 300);
        QTest::newRow("maximised: centred over it")
            << QRect(0, 0, 1366, 728) << QRect(483, 214, 400, 300);
        QTest::newRow("low reference: kept on the screen")
            << QRect(0, 600, 500, 100) << QRect(500, 428, 400, 300);
    }
    void besideOrCentredPlacesTheWindow() {
        QFETCH(QRect, reference);
        QTEST(besideOrCentred(QSize(400, 300), reference, QRect(0, 0, 1366, 728)), "placed");
    }

    // h = 6 cm cannot carry the end-to-end loads with any bar: the screen closes itself and
    // the table stays empty with its buttons disabled.
    void noTableAfterTheNoBarFailure() {
        calculate(QStringLiteral("6"), QStringLiteral("300"), QStringLiteral("300"));
        TTabelaAcoForm* table = results->tabelaAcoForm();
        QCOMPARE(table->PosicoesTable->rowCount(), 0);
        QCOMPARE(table->TotaisTable->rowCount(), 0);
        for (QPushButton* button :
             {table->CopiarBitBtn, table->SalvarCsvBitBtn, table->ImprimirBitBtn})
            QVERIFY(!button->isEnabled());
        QTRY_VERIFY(!results->isVisible());
    }
};

QTEST_MAIN(TabelaAcoFormTest)
#include "tabela_aco_form_test.moc"
