// The results screen driven through the real data-entry screen: the worked example, the bar
// picks, the recalculation decision on each activation, and the buttons.

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <qpa/qwindowsysteminterface.h>

#include "../design/worked_example_screen.h"
#include "analysis/slab_design_data.h"
#include "design/bars.h"
#include "design/results_screen.h"
#include "design/shear.h"
#include "report/report_page.h"
#include "report/report_pdf.h"
#include "ui/concreto_form.h"
#include "ui/inserir_dados_form.h"
#include "ui/resultados_form.h"
#include "ui/tabela_aco_form.h"
#include "ui_test_support.h"

using namespace lajes;
using namespace lajes::test;

class ResultadosFormTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<StartedApplication> started;
    TInserirDadosForm* entry = nullptr;
    TResultadosForm* results = nullptr;

    template <typename T = QLineEdit> T* child(QWidget* window, const QString& name) const {
        T* widget = window->findChild<T*>(name);
        if (!widget)
            qFatal("no control %s", qPrintable(name));
        return widget;
    }
    QString shown(const char* box) const {
        return child<QLineEdit>(results, QString::fromLatin1(box))->text();
    }
    QComboBox* list(const char* name) const {
        return child<QComboBox>(results, QString::fromLatin1(name));
    }
    static QStringList items(const QComboBox* box) {
        QStringList texts;
        for (int i = 0; i < box->count(); ++i)
            texts << box->itemText(i);
        return texts;
    }
    QStringList messages() const { return started->messages->texts(); }

    // Types into a data-entry box and leaves it, as a user does.
    void fill(const char* name, const QString& text) {
        QVERIFY(activate(entry));
        auto* box = child<QLineEdit>(entry, QString::fromLatin1(name));
        box->setFocus(Qt::OtherFocusReason);
        box->selectAll();
        QTest::keyClicks(box, text);
        child<QPushButton>(entry, QStringLiteral("LajeBitBtn"))->setFocus(Qt::OtherFocusReason);
    }
    void enterSlab(const QString& Lx, const QString& Ly, const QString& h, const QString& g,
                   const QString& q) {
        fill("LxEdit", Lx);
        fill("LyEdit", Ly);
        fill("HEdit", h);
        fill("CargaPermEdit", g);
        fill("CargaAcidEdit", q);
    }
    // "&Calcular Laje", then the results screen's activation runs from the event loop.
    void calculate() {
        QVERIFY(activate(entry));
        QTest::mouseClick(child<QPushButton>(entry, QStringLiteral("CalcularBitBtn")),
                          Qt::LeftButton);
        QTRY_VERIFY(results->isActiveWindow());
        QTest::qWait(20);
    }
    // Case 1, Lx = Ly = 4, h = 10, g 250 typed (500 with the self-weight), q = 200.
    void calculateWorkedExample(const QString& Ly = QStringLiteral("4")) {
        enterSlab(QStringLiteral("4"), Ly, QStringLiteral("10"), QStringLiteral("250"),
                  QStringLiteral("200"));
        calculate();
    }
    // Ribbed, 4 x 4, h = 25, a = 40, bw as given, hb = 20, bf = 5, blocks 450 kgf/m³.
    void calculateRibbed(const QString& bw) {
        ModalScript script;
        script.then([bw](QDialog* dialog) {
            for (const auto& [name, text] :
                 {std::pair{"AEdit", QStringLiteral("40")}, std::pair{"BWEdit", bw},
                  std::pair{"HBEdit", QStringLiteral("20")},
                  std::pair{"BFEdit", QStringLiteral("5")},
                  std::pair{"BlocoInerteEdit", QStringLiteral("450")}}) {
                auto* box = dialog->findChild<QLineEdit*>(QString::fromLatin1(name));
                QTest::mouseClick(box, Qt::LeftButton);
                QTest::keyClicks(box, text);
            }
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("CalcularBitBtn")),
                              Qt::LeftButton);
        });
        QVERIFY(activate(entry));
        QTest::mouseClick(child<QCheckBox>(entry, QStringLiteral("LajeNervuradaCheckBox")),
                          Qt::LeftButton);
        QCOMPARE(script.remaining(), 0);
        QVERIFY(started->app->slab().Ribbed);
        enterSlab(QStringLiteral("4"), QStringLiteral("4"), QStringLiteral("25"),
                  QStringLiteral("100"), QStringLiteral("300"));
        calculate();
    }
    // A pick as the user makes it: the list opens, the entry is highlighted, Enter takes it.
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
    // The user switches to another program and back, as the platform reports it: with or
    // without a change of the application's state ahead of the focus.
    void leaveForAnotherProgramAndBack(bool stateFirst) {
        if (stateFirst)
            QWindowSystemInterface::handleApplicationStateChanged(Qt::ApplicationInactive);
        QWindowSystemInterface::handleWindowActivated(nullptr);
        QWindowSystemInterface::flushWindowSystemEvents();
        QCOMPARE(QGuiApplication::applicationState(), Qt::ApplicationInactive);
        QVERIFY(!results->isActiveWindow());
        QTest::qWait(20);
        if (stateFirst)
            QWindowSystemInterface::handleApplicationStateChanged(Qt::ApplicationActive);
        QWindowSystemInterface::handleWindowActivated(results->windowHandle());
        QWindowSystemInterface::flushWindowSystemEvents();
        QCOMPARE(QGuiApplication::applicationState(), Qt::ApplicationActive);
        QTRY_VERIFY(results->isActiveWindow());
        QTest::qWait(20);
    }
    // Leaves the results screen through "&Retornar".
    void returnToEntry() {
        QTest::mouseClick(results->RetornarBitBtn, Qt::LeftButton);
        QVERIFY(!results->isVisible());
    }

private slots:
    void init() {
        QLocale::setDefault(commaLocale());
        started = std::make_unique<StartedApplication>();
        started->app->mainWindow()->CalcularLajes->trigger();
        entry = started->app->dataEntry();
        results = started->app->resultsScreen();
        QVERIFY(results);
        QVERIFY(activate(entry));
    }
    void cleanup() {
        started.reset();
        QLocale::setDefault(QLocale::c());
    }

    void workedExampleFillsEveryBox_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        for (const auto& [box, text] : testing_slabs::workedExampleBoxes)
            QTest::newRow(std::string(box).c_str())
                << QString::fromUtf8(box.data(), qsizetype(box.size()))
                << QString::fromUtf8(text.data(), qsizetype(text.size()));
    }
    void workedExampleFillsEveryBox() {
        QFETCH(QString, box);
        calculateWorkedExample();
        QCOMPARE(messages(), QStringList());
        QTEST(child<QLineEdit>(results, box)->text(), "text");
    }

    // Every control of the screen model's tables is a widget of the window, of its kind.
    void everyScreenControlIsAWidgetOfTheWindow() {
        calculateWorkedExample();
        for (const auto& control : resultsScreenBoxes)
            QVERIFY2(results->findChild<QLineEdit*>(
                         QString::fromUtf8(control.name.data(), qsizetype(control.name.size()))),
                     control.name.data());
        for (const auto& control : resultsScreenLists)
            QVERIFY2(results->findChild<QComboBox*>(
                         QString::fromUtf8(control.name.data(), qsizetype(control.name.size()))),
                     control.name.data());
    }

    void workedExampleListsAndWindow() {
        calculateWorkedExample();
        // Typed, never saved.
        QCOMPARE(results->windowTitle(),
                 QStringLiteral("Resultado do Cálculo de Lajes — Sem título *"));
        QVERIFY(results->isMaximized());
        const QStringList diameters{"5.0", "6.3", "8.0", "10.0"};
        for (const char* name : {"AsxpComboBox", "AsypComboBox"}) {
            QCOMPARE(items(list(name)), diameters);
            QCOMPARE(list(name)->currentText(), QStringLiteral("5.0"));
            QVERIFY(list(name)->isEnabled());
        }
        // s = 12 for 5.0 mm: the spacing list offers 8 to 12 and shows the 12 in use.
        for (const char* name : {"EspAsxpComboBox", "EspAsypComboBox"}) {
            QCOMPARE(items(list(name)), (QStringList{"8", "9", "10", "11", "12"}));
            QCOMPARE(list(name)->currentText(), QStringLiteral("12"));
        }
        for (const char* name :
             {"AsxnComboBox", "AsynComboBox", "EspAsxnComboBox", "EspAsynComboBox"}) {
            QCOMPARE(list(name)->count(), 0);
            QVERIFY2(!list(name)->isEnabled(), name);
        }
        QCOMPARE(results->focusWidget(), list("AsxpComboBox"));
        QCOMPARE(started->app->results().bar(BarDirection::xp).text, std::string("33Ø5.0c12"));
    }

    void valueBoxesAreReadOnlyAndOutOfTheTabOrder() {
        calculateWorkedExample();
        const QList<QLineEdit*> boxes = results->findChildren<QLineEdit*>();
        QCOMPARE(boxes.size(), 31);
        for (QLineEdit* box : boxes) {
            QVERIFY2(box->isReadOnly(), qPrintable(box->objectName()));
            QVERIFY2(!(box->focusPolicy() & Qt::TabFocus), qPrintable(box->objectName()));
        }
        const QStringList expected{"AsxpComboBox",    "AsypComboBox",   "RetornarBitBtn",
                                   "DXFBitBtn",       "ImprimirBitBtn", "SairBitBtn",
                                   "EspAsxpComboBox", "EspAsypComboBox"};
        QStringList chain;
        QWidget* widget = list("AsxpComboBox");
        for (int i = 0; i < expected.size(); ++i) {
            chain << widget->objectName();
            QTest::keyClick(widget, Qt::Key_Tab);
            widget = QApplication::focusWidget();
        }
        // The disabled top lists of this slab are skipped by Tab.
        QCOMPARE(chain, expected);
        for (const char* name : {"AsxpComboBox", "EspAsypComboBox"})
            QCOMPARE(list(name)->contextMenuPolicy(), Qt::PreventContextMenu);
    }

    // Cracked 5 x 5 slab (g 350 typed, q 300): 55Ø6.3c9 proposed; 10.0 mm gives s = 20.
    void largerDiameterThenSmallestSpacing() {
        enterSlab(QStringLiteral("5"), QStringLiteral("5"), QStringLiteral("10"),
                  QStringLiteral("350"), QStringLiteral("300"));
        calculate();
        QCOMPARE(shown("AsxpbEdit"), QStringLiteral("55Ø6.3c9"));
        QCOMPARE(shown("FiEdit"), QStringLiteral("3,38"));
        const QString required = shown("AsxpCEdit");
        const QString final = shown("FfEdit");

        pick(list("AsxpComboBox"), QStringLiteral("10.0"));
        QCOMPARE(shown("AsxpbEdit"), QStringLiteral("25Ø10.0c20"));
        QCOMPARE(shown("AsxpEdit"), QStringLiteral("4,00"));
        QCOMPARE(list("EspAsxpComboBox")->count(), 13); // 8 to 20
        QCOMPARE(list("EspAsxpComboBox")->itemText(12), QStringLiteral("20"));
        QCOMPARE(list("EspAsxpComboBox")->currentText(), QStringLiteral("20")); // c20 in use
        QCOMPARE(shown("AsxpCEdit"), required);
        QVERIFY(shown("FiEdit") != QStringLiteral("3,38"));
        QVERIFY(shown("FfEdit") != final);
        QCOMPARE(shown("AsypbEdit"), QStringLiteral("55Ø6.3c9"));

        const QString afterDiameter = shown("FiEdit");
        pick(list("EspAsxpComboBox"), QStringLiteral("8"));
        // nearest(485 / 8) + 1 = 62 bars of 10.0 mm: 10 cm²/m.
        QCOMPARE(shown("AsxpbEdit"), QStringLiteral("62Ø10.0c8"));
        QCOMPARE(shown("AsxpEdit"), QStringLiteral("10,00"));
        QCOMPARE(list("AsxpComboBox")->currentText(), QStringLiteral("10.0"));
        QVERIFY(shown("FiEdit") != afterDiameter);
        QCOMPARE(started->app->results().bar(BarDirection::xp).text, std::string("62Ø10.0c8"));
        QCOMPARE(messages(), QStringList());
    }

    // The final deflection above the admissible one is marked on the screen only.
    void exceededDeflectionIsMarked_data() {
        QTest::addColumn<QString>("span");
        QTest::addColumn<QString>("g");
        QTest::addColumn<QString>("q");
        QTest::addColumn<bool>("exceeded");
        QTest::newRow("worked example, 0,66 of 1,33") << "4"
                                                      << "250"
                                                      << "200" << false;
        QTest::newRow("cracked 5 x 5") << "5"
                                       << "350"
                                       << "300" << true;
    }
    void exceededDeflectionIsMarked() {
        QFETCH(QString, span);
        QFETCH(QString, g);
        QFETCH(QString, q);
        QFETCH(bool, exceeded);
        enterSlab(span, span, QStringLiteral("10"), g, q);
        calculate();
        QVERIFY(results->FfMarcaLabel);
        const bool larger =
            shown("FfEdit").replace(QLatin1Char(','), QLatin1Char('.')).toDouble() >
            shown("Fadm1Edit").replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
        QCOMPARE(larger, exceeded);
        QCOMPARE(results->FfMarcaLabel->isVisible(), exceeded);
        QCOMPARE(results->FfMarcaLabel->text(), QStringLiteral("✘"));
        QCOMPARE(results->FfEdit->palette().color(QPalette::Text) == QColor(Qt::red), exceeded);
        QCOMPARE(results->FfEdit->toolTip(),
                 exceeded ? QStringLiteral("Flecha maior que a admissível") : QString());
        QVERIFY(!results->TwMarcaLabel->isVisible());
    }

    // Lx = 4, Ly = 6: column 2 counts its bars across Lx.
    void columnTwoCountsAcrossLx() {
        calculateWorkedExample(QStringLiteral("6"));
        QCOMPARE(shown("AsypbEdit"), QStringLiteral("29Ø5.0c14"));
        pick(list("EspAsypComboBox"), QStringLiteral("12"));
        // nearest((4 - 0.15) x 100 / 12) + 1 = 33.
        QCOMPARE(shown("AsypbEdit"), QStringLiteral("33Ø5.0c12"));
        QCOMPARE(shown("AsypEdit"), QStringLiteral("1,67"));
        QCOMPARE(list("EspAsypComboBox")->currentText(), QStringLiteral("12"));
        QCOMPARE(started->app->results().bar(BarDirection::yp).count, 33);
    }

    void typingIntoAListChangesNothing_data() {
        QTest::addColumn<QString>("name");
        // "9" is an entry of the spacing lists: a keyboard search would pick it.
        for (const char* name :
             {"AsxpComboBox", "AsypComboBox", "EspAsxpComboBox", "EspAsypComboBox"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void typingIntoAListChangesNothing() {
        QFETCH(QString, name);
        calculateWorkedExample();
        auto* box = child<QComboBox>(results, name);
        const QString before = box->currentText();
        box->setFocus(Qt::OtherFocusReason);
        QTest::keyClicks(box, QStringLiteral("9"));
        QTest::keyClicks(box, QStringLiteral("1"));
        QCOMPARE(box->currentText(), before);
        QCOMPARE(shown("AsxpbEdit"), QStringLiteral("33Ø5.0c12"));
        QCOMPARE(shown("AsypbEdit"), QStringLiteral("33Ø5.0c12"));
        QCOMPARE(started->app->results().bar(BarDirection::xp).spacing, 12.0);
        QCOMPARE(started->app->results().bar(BarDirection::yp).spacing, 12.0);
        // The arrow keys still pick.
        QTest::keyClick(box, box->currentIndex() + 1 < box->count() ? Qt::Key_Down : Qt::Key_Up);
        QVERIFY(box->currentText() != before);
    }

    // The report preview is modal; closing it gives the activation back with the picks.
    void printingThenClosingThePreviewKeepsThePicks() {
        calculateWorkedExample();
        pick(list("AsxpComboBox"), QStringLiteral("8.0"));
        pick(list("EspAsypComboBox"), QStringLiteral("11"));
        int previews = 0;
        results->printRequested = [&] {
            ++previews;
            QDialog preview(results);
            preview.setObjectName(QStringLiteral("preview"));
            preview.exec();
        };
        ModalScript script;
        script.then([](QDialog* preview) { QTimer::singleShot(50, preview, &QDialog::reject); });
        QTest::mouseClick(results->ImprimirBitBtn, Qt::LeftButton);
        QCOMPARE(previews, 1);
        QCOMPARE(script.shownDialogs, QStringList{"preview"});
        QVERIFY(activate(results));
        QTest::qWait(20);
        QCOMPARE(results->recalculation().returnCount(), 1);
        QVERIFY(results->recalculation().printedFlag());
        QCOMPARE(list("AsxpComboBox")->currentText(), QStringLiteral("8.0"));
        QCOMPARE(shown("AsxpbEdit"), QStringLiteral("20Ø8.0c20"));
        QCOMPARE(list("EspAsypComboBox")->currentText(), QStringLiteral("11"));
        // nearest(385 / 11) + 1 = 36.
        QCOMPARE(shown("AsypbEdit"), QStringLiteral("36Ø5.0c11"));
        QCOMPARE(messages(), QStringList());
    }

    void returningUnchangedAsksWhetherToRecompute_data() {
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QString>("description");
        QTest::newRow("No keeps the picks") << false << "20Ø8.0c20";
        QTest::newRow("Yes proposes again") << true << "33Ø5.0c12";
    }
    void returningUnchangedAsksWhetherToRecompute() {
        QFETCH(bool, yes);
        calculateWorkedExample();
        pick(list("AsxpComboBox"), QStringLiteral("8.0"));
        returnToEntry();
        QVERIFY(entry->isVisible());
        started->messages->answers.push_back(yes);
        calculate();
        QCOMPARE(messages(), QStringList{QStringLiteral("Deseja Recalcular a(s) Laje(s) ?")});
        QCOMPARE(started->messages->shown.front().kind, ShownMessage::Question);
        QTEST(shown("AsxpbEdit"), "description");
        QTEST(QString::fromStdString(started->app->results().bar(BarDirection::xp).text),
              "description");
    }

    // Coming back from another program is no activation: the picks stay and the question
    // already answered is not asked again.
    void comingBackFromAnotherProgramKeepsThePicks_data() {
        QTest::addColumn<bool>("stateFirst");
        QTest::newRow("the focus leaves the program") << false;
        QTest::newRow("the application state changes first") << true;
    }
    void comingBackFromAnotherProgramKeepsThePicks() {
        QFETCH(bool, stateFirst);
        calculateWorkedExample();
        pick(list("AsxpComboBox"), QStringLiteral("8.0"));
        leaveForAnotherProgramAndBack(stateFirst);
        QCOMPARE(shown("AsxpbEdit"), QStringLiteral("20Ø8.0c20"));
        QCOMPARE(messages(), QStringList());
        returnToEntry();
        calculate(); // answered No
        QCOMPARE(messages(), QStringList{QStringLiteral("Deseja Recalcular a(s) Laje(s) ?")});
        for (int i = 0; i < 2; ++i)
            leaveForAnotherProgramAndBack(stateFirst);
        QCOMPARE(messages().size(), 1);
        QCOMPARE(shown("AsxpbEdit"), QStringLiteral("20Ø8.0c20"));
        // Among the program's own windows it is an activation again.
        QVERIFY(activate(entry));
        QVERIFY(activate(results));
        QTRY_VERIFY(messages().size() > 1);
        QCOMPARE(messages().last(), QStringLiteral("Deseja Recalcular a(s) Laje(s) ?"));
    }

    // With the results open the user goes to the data-entry screen (another window, not
    // "&Retornar"), changes a box, and comes back: the slab is calculated again on what the
    // boxes show before anything is shown, or the refusal sends the user back to the box.
    void changedInputIsCalculatedBeforeTheResultsShow_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("Mx"); // empty: refused
        QTest::addColumn<QString>("message");
        // g = 100 + 250 self-weight; p = 950: Mx = 408.33 x 950 / 700.
        QTest::newRow("q 600") << "CargaAcidEdit"
                               << "600"
                               << "554,17"
                               << "";
        QTest::newRow("Lx above Ly") << "LxEdit"
                                     << "5"
                                     << ""
                                     << "Valor de Lx deve ser menor que Ly!";
    }
    void changedInputIsCalculatedBeforeTheResultsShow() {
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(QString, Mx);
        QFETCH(QString, message);
        enterSlab(QStringLiteral("4"), QStringLiteral("4"), QStringLiteral("10"),
                  QStringLiteral("100"), QStringLiteral("200"));
        calculate();
        QCOMPARE(shown("MxEdit"), QStringLiteral("320,83")); // p = 550
        pick(list("AsxpComboBox"), QStringLiteral("6.3"));
        const auto switchTo = [](QWidget* window) {
            QWindowSystemInterface::handleWindowActivated(window->windowHandle());
            QWindowSystemInterface::flushWindowSystemEvents();
            QTRY_VERIFY(window->isActiveWindow());
        };
        switchTo(entry);
        auto* edit = child<QLineEdit>(entry, box);
        edit->setFocus(Qt::OtherFocusReason);
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Tab);
        switchTo(results);
        QTest::qWait(20);
        if (Mx.isEmpty()) {
            QCOMPARE(messages(), QStringList{message});
            QTRY_VERIFY(!results->isVisible());
            QVERIFY(entry->isVisible());
            QCOMPARE(entry->focusWidget(), edit);
            return;
        }
        QCOMPARE(messages(), QStringList());
        QCOMPARE(shown("MxEdit"), Mx);
        QCOMPARE(shown("MyEdit"), Mx);
        QCOMPARE(shown("RxaEdit"), QStringLiteral("950,00"));
        // The pick still fits and is made again on the new steel.
        QCOMPARE(list("AsxpComboBox")->currentText(), QStringLiteral("6.3"));
        QCOMPARE(list("AsypComboBox")->currentText(), QStringLiteral("5.0"));

        // The sheet, printed to PDF, holds q = 600 beside the q = 600 moments.
        const QString pdf = started->folder.filePath(QStringLiteral("folha.pdf"));
        results->printRequested = [&] {
            const report::ReportPage page =
                report::fillReportPage(results->shown(), started->app->slab(),
                                       started->app->results(), started->app->settings(), ',');
            QVERIFY(!report::writeReportPdf(page, pdf.toStdString()));
        };
        QTest::mouseClick(results->ImprimirBitBtn, Qt::LeftButton);
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"),
                        {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        QVERIFY(pdftotext.waitForFinished(30000));
        const QString sheet = QString::fromUtf8(pdftotext.readAllStandardOutput());
        QVERIFY2(sheet.contains(QRegularExpression(QStringLiteral("Carga Acidental = +600,00"))),
                 qPrintable(sheet));
        QVERIFY2(sheet.contains(QStringLiteral("Mx = 554,17")), qPrintable(sheet));
        QVERIFY2(sheet.contains(QStringLiteral("My = 554,17")), qPrintable(sheet));
        QVERIFY2(!sheet.contains(QStringLiteral("320,83")), qPrintable(sheet));

        // Nothing changed since: "&Retornar", "&Calcular Laje" asks, and No keeps q = 600.
        returnToEntry();
        calculate();
        QCOMPARE(messages(), QStringList{QStringLiteral("Deseja Recalcular a(s) Laje(s) ?")});
        QCOMPARE(shown("MxEdit"), Mx);
    }

    void returningAfterAChangeRecomputesWithoutAsking() {
        calculateWorkedExample();
        pick(list("AsxpComboBox"), QStringLiteral("8.0"));
        returnToEntry();
        fill("CargaAcidEdit", QStringLiteral("300"));
        calculate();
        QCOMPARE(messages(), QStringList());
        // p = 800: Mx = 408.33 x 800 / 700 = 466.67 kg.m/m, and the proposal again.
        QCOMPARE(shown("MxEdit"), QStringLiteral("466,67"));
        QCOMPARE(list("AsxpComboBox")->currentText(), QStringLiteral("5.0"));
    }

    // A window of the screen's own (the drawing's name prompt) does not recompute on closing.
    void closingTheScreensOwnDialogKeepsThePicks() {
        calculateWorkedExample();
        pick(list("AsxpComboBox"), QStringLiteral("8.0"));
        ModalScript script;
        script.then([](QDialog* dialog) { dialog->reject(); });
        QTest::mouseClick(results->DXFBitBtn, Qt::LeftButton);
        QCOMPARE(script.shownDialogs, QStringList{"NomeLajeForm"});
        QVERIFY(activate(results));
        QTest::qWait(20);
        QCOMPARE(shown("AsxpbEdit"), QStringLiteral("20Ø8.0c20"));
        QCOMPARE(messages(), QStringList());
    }

    void noBarSlabShowsTheMessageAndClosesTheScreen() {
        calculateRibbed(QStringLiteral("3"));
        QCOMPARE(messages(),
                 QStringList{QString::fromUtf8(noBarMessage.data(), int(noBarMessage.size()))});
        QCOMPARE(started->messages->shown.front().kind, ShownMessage::Warning);
        QCOMPARE(shown("AsxpbEdit"), QStringLiteral("8x0Ø"));
        QCOMPARE(shown("FiEdit"), QString());
        QVERIFY(results->CloseResultTimer->isActive());
        QCOMPARE(results->CloseResultTimer->interval(), 100);
        QTRY_VERIFY(!results->isVisible());
        QVERIFY(!results->CloseResultTimer->isActive());
        QVERIFY(entry->isVisible());
    }

    void closingStopsTheCloseTimer() {
        calculateRibbed(QStringLiteral("3"));
        QVERIFY(results->CloseResultTimer->isActive());
        QTest::mouseClick(results->RetornarBitBtn, Qt::LeftButton);
        QVERIFY(!results->CloseResultTimer->isActive());
        QCOMPARE(results->recalculation().returnCount(), 2);
    }

    void ribbedSlabCountsBarsPerRib() {
        calculateRibbed(QStringLiteral("10"));
        QCOMPARE(messages(), QStringList());
        QCOMPARE(shown("AsxpbEdit"), QStringLiteral("6x6Ø6.3"));
        QCOMPARE(shown("AsypbEdit"), QStringLiteral("6x6Ø6.3"));
        QCOMPARE(shown("AsxpEdit"), QStringLiteral("3,78"));
        // Fixed top bars although there is no support moment.
        QCOMPARE(shown("AsxnbEdit"), QStringLiteral("7Ø5.0c50"));
        QCOMPARE(shown("AsynbEdit"), QStringLiteral("7Ø5.0c50"));
        for (const char* name :
             {"EspAsxpComboBox", "EspAsypComboBox", "EspAsxnComboBox", "EspAsynComboBox"})
            QVERIFY2(!list(name)->isEnabled(), name);

        pick(list("AsxpComboBox"), QStringLiteral("10.0"));
        QCOMPARE(shown("AsxpbEdit"), QStringLiteral("6x3Ø10.0"));
        QCOMPARE(shown("AsxpEdit"), QStringLiteral("4,80"));
        pick(list("AsxpComboBox"), QStringLiteral("16.0"));
        // One 16 mm bar would do; a rib gets at least two.
        QCOMPARE(shown("AsxpbEdit"), QStringLiteral("6x2Ø16.0"));
        QCOMPARE(started->app->results().barsPerRibX, 2);
        QCOMPARE(shown("AsypbEdit"), QStringLiteral("6x6Ø6.3"));
    }

    // Ribbed, h = 25 with bf = 1 and q = 2000: X below the flange and shear above the limit.
    void ownMessagesComeInOrderAndTheShearWarningReturnsWithEachPick() {
        ModalScript script;
        script.then([](QDialog* dialog) {
            for (const auto& [name, text] :
                 {std::pair{"AEdit", "40"}, std::pair{"BWEdit", "10"}, std::pair{"HBEdit", "20"},
                  std::pair{"BFEdit", "1"}, std::pair{"BlocoInerteEdit", "450"}}) {
                auto* box = dialog->findChild<QLineEdit*>(QString::fromLatin1(name));
                QTest::mouseClick(box, Qt::LeftButton);
                QTest::keyClicks(box, QString::fromLatin1(text));
            }
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("CalcularBitBtn")),
                              Qt::LeftButton);
        });
        QTest::mouseClick(child<QCheckBox>(entry, QStringLiteral("LajeNervuradaCheckBox")),
                          Qt::LeftButton);
        enterSlab(QStringLiteral("4"), QStringLiteral("4"), QStringLiteral("25"),
                  QStringLiteral("100"), QStringLiteral("2000"));
        calculate();
        const QString shear =
            QString::fromUtf8(shearWarningMessage.data(), int(shearWarningMessage.size()));
        QCOMPARE(messages(),
                 (QStringList{QStringLiteral("Linha Neutra está fora da mesa"), shear}));
        QCOMPARE(shown("TwdEdit"), QStringLiteral("689,53"));
        QVERIFY(results->TwMarcaLabel->isVisible());
        for (QLineEdit* box : {results->TwdEdit, results->TwuEdit})
            QCOMPARE(box->palette().color(QPalette::Text), QColor(Qt::red));
        pick(list("AsxpComboBox"), QStringLiteral("8.0"));
        QCOMPARE(messages().size(), 3);
        QCOMPARE(messages().last(), shear);
    }

    // The data-entry screen's close box (after the question) takes the results screen and its
    // companion windows along, as "&Sair" does.
    void closingTheDataEntryScreenClosesTheResults() {
        calculateWorkedExample();
        QTest::mouseClick(results->TabelaAcoBitBtn, Qt::LeftButton);
        QVERIFY(results->tabelaAcoForm()->isVisible());
        started->messages->saveAnswers = {SaveAnswer::Discard};
        QVERIFY(entry->close());
        QVERIFY(!results->isVisible());
        QVERIFY(!results->tabelaAcoForm()->isVisible());
        QCOMPARE(messages(), QStringList{QStringLiteral("Salvar as alterações da laje?")});
    }

    void sairClosesBothScreens() {
        calculateWorkedExample();
        started->messages->saveAnswers = {SaveAnswer::Discard};
        QTest::mouseClick(results->SairBitBtn, Qt::LeftButton);
        QCOMPARE(messages(), QStringList{QStringLiteral("Salvar as alterações da laje?")});
        QVERIFY(!results->isVisible());
        QVERIFY(!entry->isVisible());
        QVERIFY(started->app->mainWindow()->isVisible());
    }
};

QTEST_MAIN(ResultadosFormTest)
#include "resultados_form_test.moc"
