// "&Imprimir" in the running program: the results screen opens the report's preview, whose
// "Salvar PDF…" writes the sheet with the bars the user picked; closing the preview gives
// the screen back with its picks.

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

#include "pdf_reading.h"
#include "ui/concreto_form.h"
#include "ui/inserir_dados_form.h"
#include "ui/resultados_form.h"
#include "ui_test_support.h"

using namespace lajes;
using namespace lajes::test;

class PrintPreviewWiringTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<StartedApplication> started;
    TInserirDadosForm* entry = nullptr;
    TResultadosForm* results = nullptr;

    template <typename T> T* child(QWidget* window, const char* name) const {
        T* widget = window->findChild<T*>(QString::fromLatin1(name));
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }
    void fill(const char* name, const QString& text) {
        QVERIFY(activate(entry));
        auto* box = child<QLineEdit>(entry, name);
        box->setFocus(Qt::OtherFocusReason);
        box->selectAll();
        QTest::keyClicks(box, text);
        child<QPushButton>(entry, "LajeBitBtn")->setFocus(Qt::OtherFocusReason);
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

private slots:
    void init() {
        QLocale::setDefault(commaLocale());
        started = std::make_unique<StartedApplication>();
        started->app->mainWindow()->CalcularLajes->trigger();
        entry = started->app->dataEntry();
        results = started->app->resultsScreen();
        QVERIFY(results);
    }
    void cleanup() {
        started.reset();
        QLocale::setDefault(QLocale::c());
    }

    void savesThePickedBarsFromThePreview() {
        // The end-to-end slab, then 8.0 mm in column 1: 20Ø8.0c20, 2,50 cm²/m.
        fill("LxEdit", QStringLiteral("4"));
        fill("LyEdit", QStringLiteral("4"));
        fill("HEdit", QStringLiteral("10"));
        fill("CargaPermEdit", QStringLiteral("250"));
        fill("CargaAcidEdit", QStringLiteral("200"));
        QVERIFY(activate(entry));
        QTest::mouseClick(child<QPushButton>(entry, "CalcularBitBtn"), Qt::LeftButton);
        QTRY_VERIFY(results->isActiveWindow());
        QTest::qWait(20);
        pick(child<QComboBox>(results, "AsxpComboBox"), QStringLiteral("8.0"));
        QCOMPARE(child<QLineEdit>(results, "AsxpbEdit")->text(), QStringLiteral("20Ø8.0c20"));

        const QString pdf = started->folder.filePath(QStringLiteral("relatorio.pdf"));
        QString previewTitle;
        bool hadSaveAction = false;
        QString suggested;
        QString status;
        ModalScript script;
        script.then([&](QDialog* dialog) {
            auto* preview = qobject_cast<QPrintPreviewDialog*>(dialog);
            QVERIFY(preview);
            previewTitle = preview->windowTitle();
            auto* save = preview->findChild<QAction*>(QStringLiteral("SalvarPdfAction"));
            hadSaveAction = save != nullptr;
            if (save)
                save->trigger();
            if (auto* bar = preview->findChild<QStatusBar*>(QStringLiteral("StatusBar")))
                status = bar->currentMessage();
            preview->reject();
        });
        script.then([&](QDialog* dialog) {
            auto* files = qobject_cast<QFileDialog*>(dialog);
            // Typed as the user types it into the dialog's name box.
            auto* name =
                files ? files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")) : nullptr;
            if (!name) {
                dialog->reject();
                QFAIL("the save dialog has no name box");
            }
            suggested = QFileInfo(files->selectedFiles().value(0)).fileName();
            name->setText(pdf);
            QMetaObject::invokeMethod(files, "accept");
        });
        QTest::mouseClick(results->ImprimirBitBtn, Qt::LeftButton);
        QCOMPARE(script.remaining(), 0);
        QCOMPARE(script.unexpected, QStringList());
        QCOMPARE(previewTitle, QStringLiteral("Impressão de Dados"));
        QVERIFY(hadSaveAction);
        // The slab has no name yet: "Laje.pdf" is suggested; the preview says what it wrote.
        QCOMPARE(suggested, QStringLiteral("Laje.pdf"));
        QCOMPARE(status, QStringLiteral("Arquivo gravado: relatorio.pdf"));
        QCOMPARE(started->messages->texts(), QStringList());

        // Back on the results screen, nothing recomputed.
        QVERIFY(activate(results));
        QTest::qWait(20);
        QCOMPARE(child<QLineEdit>(results, "AsxpbEdit")->text(), QStringLiteral("20Ø8.0c20"));

        if (!lajes::report::testing::pdftotextAvailable())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QString error;
        const auto words = lajes::report::testing::readPdfWords(pdf, error);
        QVERIFY2(words, qPrintable(error));
        QCOMPARE(words->pages, 1);
        QVERIFY(
            lajes::report::testing::nearestWord(*words, QStringLiteral("20Ø8.0c20"), 30.7, 167.0));
        QVERIFY(lajes::report::testing::nearestWord(*words, QStringLiteral("2,50"), 30.7, 160.6));
        QVERIFY(
            lajes::report::testing::nearestWord(*words, QStringLiteral("33Ø5.0c12"), 75.7, 167.0));
    }
};

QTEST_MAIN(PrintPreviewWiringTest)
#include "print_preview_wiring_test.moc"
