// The verification window driven through the real screens: opened from the results screen,
// following its bar picks and its own parameters, printed, and closed with the screen.

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTest>

#include "report/verification_print.h"
#include "ui/concreto_form.h"
#include "ui/inserir_dados_form.h"
#include "ui/placement.h"
#include "ui/resultados_form.h"
#include "ui/verificacao_form.h"
#include "ui_test_support.h"

using namespace lajes;
using namespace lajes::test;

class VerificacaoFormTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<StartedApplication> started;
    TInserirDadosForm* entry = nullptr;
    TResultadosForm* results = nullptr;

    void fill(const char* name, const QString& text) {
        QVERIFY(activate(entry));
        auto* box = entry->findChild<QLineEdit*>(QString::fromLatin1(name));
        QVERIFY(box);
        box->setFocus(Qt::OtherFocusReason);
        box->selectAll();
        QTest::keyClicks(box, text);
        entry->findChild<QPushButton*>(QStringLiteral("LajeBitBtn"))
            ->setFocus(Qt::OtherFocusReason);
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
    // The row of a check: its five cells as shown.
    static QStringList row(const TVerificacaoForm* form, const QString& check) {
        const QTableWidget* table = form->VerificacoesTable;
        for (int r = 0; r < table->rowCount(); ++r) {
            if (table->item(r, 0)->text() != check)
                continue;
            QStringList cells;
            for (int c = 0; c < table->columnCount(); ++c)
                cells << table->item(r, c)->text();
            return cells;
        }
        return {};
    }
    static QColor situationColour(const TVerificacaoForm* form, int r) {
        return form->VerificacoesTable->item(r, 4)->foreground().color();
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

    void followsTheResultsScreenAndItsParametersAndPrints() {
        // The worked slab: case 1, 4 m x 4 m, h = 10, g 250 typed, q = 200, cover 1 cm.
        fill("LxEdit", QStringLiteral("4"));
        fill("LyEdit", QStringLiteral("4"));
        fill("HEdit", QStringLiteral("10"));
        fill("CargaPermEdit", QStringLiteral("250"));
        fill("CargaAcidEdit", QStringLiteral("200"));
        QVERIFY(activate(entry));
        QTest::mouseClick(entry->findChild<QPushButton*>(QStringLiteral("CalcularBitBtn")),
                          Qt::LeftButton);
        QTRY_VERIFY(results->isActiveWindow());
        QTest::qWait(20);

        QTest::mouseClick(results->NBR6118BitBtn, Qt::LeftButton);
        TVerificacaoForm* form = started->app->verification();
        QVERIFY(form && form->isVisible());
        // A window of the results screen, placed beside it or centred over it.
        QCOMPARE(form->parentWidget(), results);
        QCOMPARE(form->frameGeometry().topLeft(),
                 besideOrCentred(form->frameGeometry().size(), results->frameGeometry(),
                                 results->screen()->availableGeometry())
                     .topLeft());
        QCOMPARE(form->windowTitle(), QStringLiteral("Verificação segundo a NBR 6118:2014"));
        QCOMPARE(form->VerificacoesTable->rowCount(), 15);
        QCOMPARE(row(form, QStringLiteral("Cobrimento nominal")),
                 (QStringList{"Cobrimento nominal", "7.4.7.6, Tabela 7.2", "≥ 2,50 cm", "1,00 cm",
                              "✘ Não atende"}));
        QCOMPARE(situationColour(form, 1), QColor(190, 0, 0));
        QCOMPARE(row(form, QStringLiteral("Flecha total")),
                 (QStringList{"Flecha total", "17.3.2.1, Tabela 13.3", "≤ 1,60 cm", "0,71 cm",
                              "✔ Atende"}));
        QCOMPARE(situationColour(form, 13), QColor(0, 120, 0));
        QCOMPARE(form->ResumoLabel->text(), QStringLiteral("2 verificações não atendidas"));

        // A bar pick on the results screen: 8.0 mm at 20 cm (2.50 cm²/m) in x.
        QVERIFY(activate(results));
        pick(results->AsxpComboBox, QStringLiteral("8.0"));
        QCOMPARE(row(form, QStringLiteral("Armadura de flexão (Asx+)")).value(3),
                 QStringLiteral("2,50 cm²/m"));
        QCOMPARE(row(form, QStringLiteral("Diâmetro máximo (Asx+)")).value(3),
                 QStringLiteral("8,00 mm"));

        // Over to the window and back: the screen does not recompute, the pick stays.
        QVERIFY(activate(form));
        QVERIFY(activate(results));
        QTest::qWait(20);
        QCOMPARE(results->AsxpComboBox->currentText(), QStringLiteral("8.0"));
        QCOMPARE(started->messages->texts(), QStringList());

        // Class I: C20 and 2.0 cm; loaded at 80 months: no creep.
        QVERIFY(activate(form));
        pick(form->AgressividadeComboBox, form->AgressividadeComboBox->itemText(0));
        QCOMPARE(row(form, QStringLiteral("Cobrimento nominal")).value(2),
                 QStringLiteral("≥ 2,00 cm"));
        QCOMPARE(row(form, QStringLiteral("Classe do concreto")).value(4),
                 QStringLiteral("✔ Atende"));
        QCOMPARE(form->ResumoLabel->text(), QStringLiteral("1 verificação não atendida"));
        QCOMPARE(started->app->nbr6118().aggressiveness, Aggressiveness::I);
        form->IdadeEdit->setFocus(Qt::OtherFocusReason);
        form->IdadeEdit->selectAll();
        QTest::keyClicks(form->IdadeEdit, QStringLiteral("80"));
        form->ImprimirBitBtn->setFocus(Qt::OtherFocusReason);
        QCOMPARE(form->IdadeEdit->text(), QStringLiteral("80,00"));
        QCOMPARE(started->app->nbr6118().loadingAgeMonths, 80.0);
        QCOMPARE(row(form, QStringLiteral("Flecha total")).value(3), QStringLiteral("0,31 cm"));

        // "Imprimir…": the maximised preview of the page, with PDF saving.
        ModalScript script;
        bool maximised = false, savesPdf = false;
        script.then([&](QDialog* dialog) {
            maximised = dialog->windowState() & Qt::WindowMaximized;
            savesPdf = dialog->findChild<QAction*>(QStringLiteral("SalvarPdfAction"));
            QVERIFY(qobject_cast<QPrintPreviewDialog*>(dialog));
            dialog->reject();
        });
        QTest::mouseClick(form->ImprimirBitBtn, Qt::LeftButton);
        QCOMPARE(script.remaining(), 0);
        QVERIFY(maximised);
        QVERIFY(savesPdf);

        // The page as a PDF: one A4 page.
        const QByteArray pdf = report::verificationPdfBytes(report::verificationSheet(
            form->verification(), started->app->slab(), started->app->settings(), ','));
        QVERIFY(pdf.startsWith("%PDF"));
        QCOMPARE(
            pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "), 1);

        // Escape closes it; the button shows it again.
        QVERIFY(activate(form));
        QTest::keyClick(form, Qt::Key_Escape);
        QVERIFY(!form->isVisible());
        QTest::mouseClick(results->NBR6118BitBtn, Qt::LeftButton);
        QVERIFY(form->isVisible());

        // The window goes with the results screen.
        QVERIFY(activate(results));
        QTest::mouseClick(results->RetornarBitBtn, Qt::LeftButton);
        QVERIFY(!form->isVisible());
    }
};

QTEST_MAIN(VerificacaoFormTest)
#include "verificacao_form_test.moc"
