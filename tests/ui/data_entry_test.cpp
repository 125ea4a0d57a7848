// The data-entry screen and its two dialogs, driven as a user drives them, under a comma and
// a point locale.

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include "analysis/slab_design_data.h"
#include "ui/concreto_form.h"
#include "ui/dados_add_form.h"
#include "ui/inserir_dados_form.h"
#include "ui/laje_nervurada_form.h"
#include "ui/resultados_form.h"
#include "ui/support_case_picture.h"
#include "ui_test_support.h"

using namespace lajes;
using namespace lajes::test;

class DataEntryTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<StartedApplication> started;
    TInserirDadosForm* screen = nullptr;

    template <typename T = QLineEdit> T* child(const char* name) const {
        T* widget = screen->findChild<T*>(QString::fromLatin1(name));
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }
    QLineEdit* edit(const char* name) const { return child<QLineEdit>(name); }
    // The text a user types for `number` under the current locale ("2.5" or "2,5").
    static QString local(QString number) {
        return number.replace(QLatin1Char('.'), QLocale().decimalPoint());
    }
    // Types `text` into a box and leaves it for the pre-dimensioning button, which does
    // nothing on receiving the focus. A null text leaves the box untouched (absent).
    void fill(const char* name, const QString& text) {
        if (text.isNull())
            return;
        QLineEdit* box = edit(name);
        box->setFocus(Qt::OtherFocusReason);
        box->clear();
        QTest::keyClicks(box, text);
        child<QPushButton>("LajeBitBtn")->setFocus(Qt::OtherFocusReason);
    }
    void clickPicture(int supportCase) {
        auto* picture =
            screen->findChild<SupportCasePicture*>(QStringLiteral("Laje%1Image").arg(supportCase));
        QTest::mouseClick(picture, Qt::LeftButton);
    }
    void calculate() { QTest::mouseClick(child<QPushButton>("CalcularBitBtn"), Qt::LeftButton); }
    // A dialog step: types into a box (by clicking it first) and presses a button.
    static void typeInto(QDialog* dialog, const char* name, const QString& text) {
        auto* box = dialog->findChild<QLineEdit*>(QString::fromLatin1(name));
        QTest::mouseClick(box, Qt::LeftButton);
        QTest::keyClicks(box, text);
    }
    static void press(QDialog* dialog, const char* name) {
        QTest::mouseClick(dialog->findChild<QPushButton*>(QString::fromLatin1(name)),
                          Qt::LeftButton);
    }

private slots:
    void init() {
        QLocale::setDefault(commaLocale());
        started = std::make_unique<StartedApplication>();
        started->app->mainWindow()->CalcularLajes->trigger();
        screen = started->app->dataEntry();
        QVERIFY(activate(screen));
    }
    void cleanup() {
        started.reset();
        QLocale::setDefault(QLocale::c());
    }

    void typingFollowsTheLocaleSeparator_data() {
        addLocaleColumn();
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("whileTyping");
        QTest::addColumn<QString>("afterLeaving");
        QTest::addColumn<double>("stored");
        QTest::newRow("comma locale, point typed") << commaLocale() << "2.5"
                                                   << "2,5"
                                                   << "2,50" << 2.5;
        QTest::newRow("comma locale, comma typed") << commaLocale() << "2,5"
                                                   << "2,5"
                                                   << "2,50" << 2.5;
        QTest::newRow("point locale, comma typed") << QLocale::c() << "2,5"
                                                   << "2.5"
                                                   << "2.50" << 2.5;
        QTest::newRow("point locale, point typed") << QLocale::c() << "2.5"
                                                   << "2.5"
                                                   << "2.50" << 2.5;
        QTest::newRow("letters and minus dropped") << commaLocale() << "-4a b"
                                                   << "4"
                                                   << "4,00" << 4.0;
        QTest::newRow("whole number") << QLocale::c() << "4"
                                      << "4"
                                      << "4.00" << 4.0;
    }
    void typingFollowsTheLocaleSeparator() {
        QFETCH(QLocale, locale);
        QFETCH(QString, typed);
        QLocale::setDefault(locale);
        QLineEdit* lx = edit("LxEdit");
        lx->setFocus(Qt::OtherFocusReason);
        QTest::keyClicks(lx, typed);
        QTEST(lx->text(), "whileTyping");
        QTest::keyClick(lx, Qt::Key_Tab);
        QCOMPARE(screen->focusWidget(), edit("LyEdit"));
        QTEST(lx->text(), "afterLeaving");
        QTEST(started->app->slab().Lx, "stored");
    }

    void everyNumberBoxRefusesLettersAndMinus_data() {
        QTest::addColumn<QString>("box");
        for (const char* name :
             {"LxEdit", "LyEdit", "HEdit", "CargaPermEdit", "CargaAcidEdit", "ConcretoComboBox"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void everyNumberBoxRefusesLettersAndMinus() {
        QFETCH(QString, box);
        QWidget* widget = screen->findChild<QWidget*>(box);
        auto* combo = qobject_cast<QComboBox*>(widget);
        QLineEdit* line = combo ? combo->lineEdit() : qobject_cast<QLineEdit*>(widget);
        line->clear();
        line->setFocus(Qt::OtherFocusReason);
        QTest::keyClicks(line, QStringLiteral("x-+e E/ "));
        QCOMPARE(line->text(), QString());
        QTest::keyClicks(line, QStringLiteral("9"));
        QTest::keyClick(line, Qt::Key_Backspace);
        QCOMPARE(line->text(), QString());
    }

    void pastedTextPassesTheSameFilter_data() {
        addLocaleColumn();
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("expected");
        QTest::newRow("letters") << commaLocale() << "abc"
                                 << "7";
        QTest::newRow("negative number") << commaLocale() << "-3,5"
                                         << "7";
        QTest::newRow("number with exponent") << QLocale::c() << "1e3"
                                              << "7";
        QTest::newRow("number with a blank") << QLocale::c() << "1 000"
                                             << "7";
        QTest::newRow("point becomes comma") << commaLocale() << "3.25"
                                             << "73,25";
        QTest::newRow("comma becomes point") << QLocale::c() << "3,25"
                                             << "73.25";
    }
    void pastedTextPassesTheSameFilter() {
        QFETCH(QLocale, locale);
        QFETCH(QString, clipboard);
        QLocale::setDefault(locale);
        QLineEdit* q = edit("CargaAcidEdit");
        q->setFocus(Qt::OtherFocusReason);
        QTest::keyClicks(q, QStringLiteral("7"));
        QApplication::clipboard()->setText(clipboard);
        QCOMPARE(QApplication::clipboard()->text(), clipboard);
        QTest::keyClick(q, Qt::Key_V, Qt::ControlModifier);
        QTEST(q->text(), "expected");
        QTest::keyClick(q, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(q->text().contains(QLatin1Char('e')) || q->text().contains(QLatin1Char('-')) ||
                     q->text().contains(QLatin1Char(' ')) || q->text().contains(QLatin1Char('a')),
                 false);
        QCOMPARE(q->contextMenuPolicy(), Qt::PreventContextMenu);
    }

    void droppedOrInsertedTextIsFilteredToo() {
        QLineEdit* h = edit("HEdit");
        h->insert(QStringLiteral("12"));
        h->insert(QStringLiteral("x"));
        h->insert(QStringLiteral("-1"));
        QCOMPARE(h->text(), QStringLiteral("12"));
    }

    void steelGradeCannotBeTyped() {
        auto* steel = child<QComboBox>("AcoComboBox");
        steel->setFocus(Qt::OtherFocusReason);
        QTest::keyClicks(steel, QStringLiteral("CA-25"));
        QCOMPARE(steel->currentText(), QStringLiteral("CA-50A"));
        QCOMPARE(steel->count(), 7);
        QVERIFY(!steel->isEditable());
    }

    void emptyLxBecomesZeroAndTheFirstCheckFails_data() {
        addLocaleColumn();
        QTest::addColumn<QString>("zero");
        QTest::newRow("comma") << commaLocale() << "0,00";
        QTest::newRow("point") << QLocale::c() << "0.00";
    }
    void emptyLxBecomesZeroAndTheFirstCheckFails() {
        QFETCH(QLocale, locale);
        QLocale::setDefault(locale);
        edit("LxEdit")->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(edit("LxEdit"), Qt::Key_Tab);
        QTEST(edit("LxEdit")->text(), "zero");
        fill("LyEdit", "4");
        fill("HEdit", "10");
        fill("CargaPermEdit", "500");
        calculate();
        QCOMPARE(started->messages->texts(), QStringList{"Valor do Lx\ndeve ser maior que zero!"});
        QCOMPARE(started->messages->shown.front().kind, ShownMessage::Information);
        QCOMPARE(QApplication::focusWidget(), edit("LxEdit"));
    }

    // What a number box shows is what is used: a text that is no number is refused in
    // Portuguese, the box shows its previous value again and keeps the focus.
    void malformedNumberIsRefusedAndTheBoxShowsThePreviousValue_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("refused");
        QTest::addColumn<QString>("previous");
        QTest::newRow("Lx 4x,5.2") << "LxEdit"
                                   << "4x,5.2"
                                   << "4,5,2"
                                   << "4,00";
        QTest::newRow("Ly 4,,5") << "LyEdit"
                                 << "4,,5"
                                 << "4,,5"
                                 << "4,00";
        QTest::newRow("q separator alone") << "CargaAcidEdit"
                                           << ","
                                           << ","
                                           << "4,00";
    }
    void malformedNumberIsRefusedAndTheBoxShowsThePreviousValue() {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, refused);
        QFETCH(QString, previous);
        QLineEdit* edit = child<QLineEdit>(qPrintable(box));
        fill(qPrintable(box), QStringLiteral("4"));
        QCOMPARE(started->messages->texts(), QStringList());
        edit->setFocus(Qt::OtherFocusReason);
        edit->clear();
        QTest::keyClicks(edit, typed);
        QCOMPARE(edit->text(), refused);
        QTest::keyClick(edit, Qt::Key_Tab);
        QCOMPARE(started->messages->texts(),
                 QStringList{QStringLiteral("'%1' não é um número válido.").arg(refused)});
        QCOMPARE(started->messages->shown.front().kind, ShownMessage::Error);
        QCOMPARE(edit->text(), previous);
        QCOMPARE(QApplication::focusWidget(), edit);
        // "&Calcular Laje" by its key (the focus stays in the box) refuses it the same way and
        // stops there.
        edit->clear();
        QTest::keyClicks(edit, typed);
        started->messages->shown.clear();
        screen->CalcularBitBtnClick();
        QCOMPARE(started->messages->texts(),
                 QStringList{QStringLiteral("'%1' não é um número válido.").arg(refused)});
        QCOMPARE(edit->text(), previous);
        QVERIFY(!started->app->resultsScreen()->isVisible());
    }

    void concreteBoxIsStoredButNotReformatted() {
        auto* concrete = child<QComboBox>("ConcretoComboBox");
        QCOMPARE(concrete->currentText(), QStringLiteral("20"));
        concrete->setFocus(Qt::OtherFocusReason);
        concrete->lineEdit()->selectAll();
        QTest::keyClicks(concrete->lineEdit(), QStringLiteral("27.5"));
        QTest::keyClick(concrete, Qt::Key_Tab);
        QCOMPARE(concrete->currentText(), QStringLiteral("27,5"));
        QCOMPARE(started->app->slab().fck, 27.5);
    }

    void calculateRejectsWithMessageAndFocus_data() {
        addLocaleColumn();
        QTest::addColumn<int>("supportCase");
        QTest::addColumn<QString>("Lx");
        QTest::addColumn<QString>("Ly");
        QTest::addColumn<QString>("h");
        QTest::addColumn<QString>("g");
        QTest::addColumn<QString>("q");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        const QString absent;
        QTest::newRow("Lx absent") << commaLocale() << 1 << absent << "4"
                                   << "10"
                                   << "500"
                                   << "200"
                                   << "Valor do Lx\ndeve ser maior que zero!"
                                   << "LxEdit";
        QTest::newRow("Ly zero") << QLocale::c() << 1 << "4"
                                 << "0"
                                 << "10"
                                 << "500"
                                 << "200"
                                 << "Valor do Ly\ndeve ser maior que zero!"
                                 << "LyEdit";
        QTest::newRow("h absent") << commaLocale() << 1 << "4"
                                  << "5" << absent << "500"
                                  << "200"
                                  << "Valor da Espessura da Laje\ndeve ser maior que zero!"
                                  << "HEdit";
        QTest::newRow("both loads zero")
            << QLocale::c() << 1 << "4"
            << "5"
            << "10"
            << "0"
            << "0"
            << "Valor da Carga Permanente\nou Acidental deve ser maior que zero!"
            << "CargaPermEdit";
        QTest::newRow("both loads absent")
            << commaLocale() << 1 << "4"
            << "5"
            << "10" << absent << absent
            << "Valor da Carga Permanente\nou Acidental deve ser maior que zero!"
            << "CargaPermEdit";
        QTest::newRow("case 1, Lx 5 > Ly 4 after the loads pass")
            << commaLocale() << 1 << "5"
            << "4"
            << "10"
            << "500"
            << "200"
            << "Valor de Lx deve ser menor que Ly!"
            << "LxEdit";
        QTest::newRow("case 6, Lx 5 > Ly 4") << QLocale::c() << 6 << "5"
                                             << "4"
                                             << "10"
                                             << "500"
                                             << "200"
                                             << "Valor de Lx deve ser menor que Ly!"
                                             << "LxEdit";
        QTest::newRow("moment above Mk max keeps the focus") << commaLocale() << 1 << "8"
                                                             << "8"
                                                             << "8"
                                                             << "2000"
                                                             << "1000"
                                                             << "Momento Mx é maior que Mkmáx !"
                                                             << "CalcularBitBtn";
    }
    void calculateRejectsWithMessageAndFocus() {
        QFETCH(QLocale, locale);
        QFETCH(int, supportCase);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        QLocale::setDefault(locale);
        clickPicture(supportCase);
        QFETCH(QString, Lx);
        fill("LxEdit", local(Lx));
        QFETCH(QString, Ly);
        fill("LyEdit", local(Ly));
        QFETCH(QString, h);
        fill("HEdit", local(h));
        QFETCH(QString, g);
        fill("CargaPermEdit", local(g));
        QFETCH(QString, q);
        fill("CargaAcidEdit", local(q));
        QSignalSpy results(screen, &TInserirDadosForm::showResults);
        ModalScript dialogs;
        calculate();
        QCOMPARE(started->messages->texts(), QStringList{message});
        QCOMPARE(started->messages->shown.front().kind, ShownMessage::Information);
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        QCOMPARE(results.count(), 0);
        QCOMPARE(dialogs.shownDialogs, QStringList());
    }

    void onlyLiveLoadGivenCalculatesWithZeroPermanentLoad() {
        fill("LxEdit", "4");
        fill("LyEdit", "4");
        fill("HEdit", "10");
        fill("CargaAcidEdit", "200");
        QSignalSpy results(screen, &TInserirDadosForm::showResults);
        calculate();
        QCOMPARE(started->messages->texts(), QStringList());
        QCOMPARE(results.count(), 1);
        QCOMPARE(edit("CargaPermEdit")->text(), QString());
        // g is the self-weight alone: 0.10 m x 2500 kg/m³.
        QCOMPARE(permanentLoad(started->app->slab()), 250.0);
        // The analysis ran, so the suggestions of a 4 x 4 slab are shown.
        QCOMPARE(edit("LajeNBREdit")->text(), QStringLiteral("10,67"));
        QCOMPARE(edit("LajeREBAEdit")->text(), QStringLiteral("11,67"));
    }

    void supportCaseDecidesTheAdditionalDataDialog_data() {
        addLocaleColumn();
        QTest::addColumn<int>("supportCase");
        QTest::addColumn<QString>("Lx");
        QTest::addColumn<QString>("Ly");
        QTest::addColumn<int>("dialogs");
        QTest::newRow("case 1, Lx 4 Ly 5: no dialog") << commaLocale() << 1 << "4"
                                                      << "5" << 0;
        QTest::newRow("case 2, Lx 5 Ly 4 goes on") << commaLocale() << 2 << "5"
                                                   << "4" << 1;
        QTest::newRow("case 4, Lx 6 Ly 4 goes on") << QLocale::c() << 4 << "6"
                                                   << "4" << 1;
        QTest::newRow("case 5") << QLocale::c() << 5 << "4"
                                << "4" << 1;
    }
    void supportCaseDecidesTheAdditionalDataDialog() {
        QFETCH(QLocale, locale);
        QFETCH(int, supportCase);
        QFETCH(QString, Lx);
        QFETCH(QString, Ly);
        QFETCH(int, dialogs);
        QLocale::setDefault(locale);
        clickPicture(supportCase);
        fill("LxEdit", Lx);
        fill("LyEdit", Ly);
        fill("HEdit", "12");
        fill("CargaPermEdit", "300");
        fill("CargaAcidEdit", "200");
        QSignalSpy results(screen, &TInserirDadosForm::showResults);
        ModalScript script;
        for (int run = 0; run < 2; ++run) {
            if (dialogs)
                script.then([](QDialog* dialog) {
                    typeInto(dialog, "MaiorVaodosMenoresEdit", QStringLiteral("3"));
                    press(dialog, "CalcularBitBtn");
                });
            calculate();
        }
        QCOMPARE(started->messages->texts(), QStringList());
        QCOMPARE(results.count(), 2);
        QCOMPARE(script.shownDialogs.size(), 2 * dialogs);
        QCOMPARE(script.unexpected, QStringList());
        QCOMPARE(script.remaining(), 0);
    }

    void additionalDataLoopReshowsUntilNonZeroOrCancel() {
        clickPicture(3);
        fill("LxEdit", "4");
        fill("LyEdit", "5");
        fill("HEdit", "12");
        fill("CargaPermEdit", "300");
        fill("CargaAcidEdit", "200");
        QSignalSpy results(screen, &TInserirDadosForm::showResults);
        ModalScript script;
        QStringList seen;
        auto remember = [&seen](QDialog* dialog) {
            seen << dialog->findChild<QLineEdit*>("MaiorVaodosMenoresEdit")->text();
        };
        // First calculation: OK on an empty box reopens with 0,00; Cancel ends silently.
        script.then([&](QDialog* dialog) {
            remember(dialog);
            QCOMPARE(QApplication::focusWidget()->objectName(),
                     QStringLiteral("MaiorVaodosMenoresEdit"));
            press(dialog, "CalcularBitBtn");
        });
        script.then([&](QDialog* dialog) {
            remember(dialog);
            press(dialog, "SairBitBtn");
        });
        calculate();
        QCOMPARE(results.count(), 0);
        QCOMPARE(started->messages->texts(), QStringList());
        // Second: the dialog holds 0,00; a value typed and confirmed with Enter counts.
        script.then([&](QDialog* dialog) {
            remember(dialog);
            auto* box = dialog->findChild<QLineEdit*>("MaiorVaodosMenoresEdit");
            box->selectAll();
            QTest::keyClicks(box, QStringLiteral("3.5"));
            QTest::keyClick(box, Qt::Key_Return);
        });
        calculate();
        QCOMPARE(results.count(), 1);
        QCOMPARE(started->app->slab().AdjacentSpan, 3.5);
        // Third: the value given last time is offered again; Escape cancels.
        script.then([&](QDialog* dialog) {
            remember(dialog);
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        calculate();
        QCOMPARE(results.count(), 1);
        QCOMPARE(seen, (QStringList{"", "0,00", "0,00", "3,50"}));
        QCOMPARE(script.unexpected, QStringList());
    }

    // A dialog reopened for incomplete data comes back exactly where it was, also after the
    // user moved it; the next loop starts centred again.
    void reshownDialogComesBackWhereItWas_data() {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("ok");
        QTest::addColumn<QString>("cancel");
        QTest::newRow("ribbed slab, empty") << "LajeNervuradaForm"
                                            << "CalcularBitBtn"
                                            << "SairBitBtn";
        QTest::newRow("additional data, empty") << "DadosAddForm"
                                                << "CalcularBitBtn"
                                                << "SairBitBtn";
        QTest::newRow("settings, cover cleared") << "ConfigForm"
                                                 << "OkBitBtn"
                                                 << "CancelBitBtn";
    }
    void reshownDialogComesBackWhereItWas() {
        QFETCH(QString, dialog);
        QFETCH(QString, ok);
        QFETCH(QString, cancel);
        auto open = [&] {
            if (dialog == QStringLiteral("LajeNervuradaForm")) {
                QTest::mouseClick(child<QCheckBox>("LajeNervuradaCheckBox"), Qt::LeftButton);
            } else if (dialog == QStringLiteral("DadosAddForm")) {
                clickPicture(2);
                fill("LxEdit", "4");
                fill("LyEdit", "5");
                fill("HEdit", "12");
                fill("CargaPermEdit", "300");
                fill("CargaAcidEdit", "200");
                calculate();
            } else {
                screen->findChild<QAction*>(QStringLiteral("ConfiguraeseDesenho1"))->trigger();
            }
        };
        auto incompleteOk = [&](QDialog* shown) {
            if (dialog == QStringLiteral("ConfigForm")) {
                auto* cover = shown->findChild<QLineEdit*>(QStringLiteral("CobEdit"));
                QTest::mouseClick(cover, Qt::LeftButton);
                cover->selectAll();
                QTest::keyClick(cover, Qt::Key_Backspace);
            }
            QTest::mouseClick(shown->findChild<QPushButton*>(ok), Qt::LeftButton);
        };
        ModalScript script;
        QPoint centred;
        QPoint moved;
        QList<QPoint> seen;
        script.then([&](QDialog* shown) {
            centred = shown->pos();
            shown->move(centred + QPoint(37, 23)); // dragged by the user
            moved = shown->pos();
            incompleteOk(shown);
        });
        for (int again = 0; again < 2; ++again)
            script.then([&](QDialog* shown) {
                seen << shown->pos();
                incompleteOk(shown);
            });
        script.then([&](QDialog* shown) {
            seen << shown->pos();
            QTest::mouseClick(shown->findChild<QPushButton*>(cancel), Qt::LeftButton);
        });
        open();
        script.then([&](QDialog* shown) {
            seen << shown->pos();
            QTest::mouseClick(shown->findChild<QPushButton*>(cancel), Qt::LeftButton);
        });
        open();
        QCOMPARE(script.remaining(), 0);
        QCOMPARE(script.unexpected, QStringList());
        QVERIFY(moved != centred);
        QCOMPARE(seen, (QList<QPoint>{moved, moved, moved, centred}));
    }

    void ribbedDialogLoop_data() {
        addLocaleColumn();
        QTest::addColumn<bool>("visitBf");
        QTest::addColumn<QString>("bfOnReopen");
        QTest::newRow("bf visited, comma") << commaLocale() << true << "0,00";
        QTest::newRow("bf visited, point") << QLocale::c() << true << "0.00";
        QTest::newRow("bf never visited") << commaLocale() << false << "";
    }
    void ribbedDialogLoop() {
        QFETCH(QLocale, locale);
        QFETCH(bool, visitBf);
        QLocale::setDefault(locale);
        ModalScript script;
        QString bfOnReopen;
        script.then([&](QDialog* dialog) {
            QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("AEdit"));
            typeInto(dialog, "AEdit", "40");
            typeInto(dialog, "BWEdit", "10");
            typeInto(dialog, "HBEdit", "20");
            if (visitBf)
                typeInto(dialog, "BFEdit", "");
            press(dialog, "CalcularBitBtn");
        });
        script.then([&](QDialog* dialog) {
            bfOnReopen = dialog->findChild<QLineEdit*>("BFEdit")->text();
            press(dialog, "SairBitBtn");
        });
        QTest::mouseClick(child<QCheckBox>("LajeNervuradaCheckBox"), Qt::LeftButton);
        QTEST(bfOnReopen, "bfOnReopen");
        QVERIFY(!child<QCheckBox>("LajeNervuradaCheckBox")->isChecked());
        QVERIFY(!started->app->slab().Ribbed);
        QCOMPARE(QApplication::focusWidget(), edit("LxEdit"));
        QCOMPARE(script.remaining(), 0);
        QCOMPARE(started->messages->texts(), QStringList());
    }

    void ribbedDialogAcceptsEmptyBlockDensityAsZero() {
        ModalScript script;
        script.then([&](QDialog* dialog) {
            typeInto(dialog, "AEdit", "40");
            typeInto(dialog, "BWEdit", "10");
            typeInto(dialog, "HBEdit", "20");
            typeInto(dialog, "BFEdit", "5");
            press(dialog, "CalcularBitBtn");
        });
        QTest::mouseClick(child<QCheckBox>("LajeNervuradaCheckBox"), Qt::LeftButton);
        QCOMPARE(script.shownDialogs, QStringList{"LajeNervuradaForm"});
        auto* dialog = started->app->ribbedDialog();
        QCOMPARE(dialog->findChild<QLineEdit*>("BlocoInerteEdit")->text(), QStringLiteral("0,00"));
        const SlabDesignData& slab = started->app->slab();
        QVERIFY(slab.Ribbed);
        QCOMPARE(slab.a, 40.0);
        QCOMPARE(slab.bw, 10.0);
        QCOMPARE(slab.hb, 20.0);
        QCOMPARE(slab.bf, 5.0);
        QCOMPARE(slab.BlockDensity, 0.0);
        QCOMPARE(QApplication::focusWidget(), edit("LxEdit"));
    }

    void ribbedOptionAndPictureFourExcludeEachOther() {
        clickPicture(4);
        QVERIFY(child<QRadioButton>("RadioButton4")->isChecked());
        QCOMPARE(started->app->slab().SupportCase, 4);
        ModalScript script;
        script.then([&](QDialog* dialog) {
            for (const char* name : {"AEdit", "BWEdit", "HBEdit", "BFEdit"})
                typeInto(dialog, name, "7");
            press(dialog, "CalcularBitBtn");
        });
        QTest::mouseClick(child<QCheckBox>("LajeNervuradaCheckBox"), Qt::LeftButton);
        QVERIFY(child<QRadioButton>("RadioButton1")->isChecked());
        QCOMPARE(started->app->slab().SupportCase, 1);
        QVERIFY(started->app->slab().Ribbed);
        // Clicking the number on picture 4 counts as clicking the picture.
        auto* number = screen->findChild<QWidget*>("Laje4Label");
        QTest::mouseClick(number, Qt::LeftButton);
        QVERIFY(child<QRadioButton>("RadioButton4")->isChecked());
        QVERIFY(!child<QCheckBox>("LajeNervuradaCheckBox")->isChecked());
        QVERIFY(!started->app->slab().Ribbed);
        // Selecting case 1 directly leaves the ribbed option alone.
        child<QRadioButton>("RadioButton1")->setChecked(true);
        QVERIFY(!child<QCheckBox>("LajeNervuradaCheckBox")->isChecked());
        QCOMPARE(script.unexpected, QStringList());
    }

    void changesAreMarked() {
        QSignalSpy changed(screen, &TInserirDadosForm::inputsChanged);
        QTest::mouseClick(child<QRadioButton>("RadioButton3"), Qt::LeftButton);
        QCOMPARE(changed.count(), 0); // a radio button alone is not a change
        clickPicture(2);
        QCOMPARE(changed.count(), 1);
        fill("LxEdit", "4");
        QVERIFY(changed.count() > 1);
        const int afterLx = changed.count();
        child<QComboBox>("AcoComboBox")->setCurrentText("CA-60B");
        QCOMPARE(changed.count(), afterLx + 1);
        QCOMPARE(started->app->slab().SteelGrade, std::string("CA-60B"));
        // The main window's "&Calcular Lajes" marks the inputs as changed as well.
        started->app->mainWindow()->CalcularLajes->trigger();
        QCOMPARE(changed.count(), afterLx + 2);
    }

    void preDimensioningShowsSuggestions_data() {
        addLocaleColumn();
        QTest::addColumn<int>("supportCase");
        QTest::addColumn<QString>("grade");
        QTest::addColumn<QString>("Lx");
        QTest::addColumn<QString>("Ly");
        QTest::addColumn<QString>("trigger");
        QTest::addColumn<QString>("dNBR");
        QTest::addColumn<QString>("hREBA");
        QTest::newRow("case 1, 4 x 5, CA-50A, button") << commaLocale() << 1 << "CA-50A"
                                                       << "4"
                                                       << "5"
                                                       << "button"
                                                       << "11,43"
                                                       << "11,67";
        QTest::newRow("case 1, 2 x 5 one-way, CA-25, Tab into h") << QLocale::c() << 1 << "CA-25"
                                                                  << "2"
                                                                  << "5"
                                                                  << "tab"
                                                                  << "5.71"
                                                                  << "6.67";
        QTest::newRow("case 4, 6 x 4, CA-60A, click into h") << commaLocale() << 4 << "CA-60A"
                                                             << "6"
                                                             << "4"
                                                             << "click"
                                                             << "12,90"
                                                             << "15,56";
    }
    void preDimensioningShowsSuggestions() {
        QFETCH(QLocale, locale);
        QFETCH(int, supportCase);
        QFETCH(QString, grade);
        QFETCH(QString, trigger);
        QLocale::setDefault(locale);
        clickPicture(supportCase);
        child<QComboBox>("AcoComboBox")->setCurrentText(grade);
        QFETCH(QString, Lx);
        fill("LxEdit", Lx);
        QFETCH(QString, Ly);
        fill("LyEdit", Ly);
        if (trigger == "button") {
            QTest::mouseClick(child<QPushButton>("LajeBitBtn"), Qt::LeftButton);
        } else if (trigger == "tab") {
            child<QPushButton>("LajeBitBtn")->setFocus(Qt::OtherFocusReason);
            QTest::keyClick(child<QPushButton>("LajeBitBtn"), Qt::Key_Tab);
        } else {
            QTest::mouseClick(edit("HEdit"), Qt::LeftButton);
        }
        QCOMPARE(started->messages->texts(), QStringList());
        QTEST(edit("LajeNBREdit")->text(), "dNBR");
        QTEST(edit("LajeREBAEdit")->text(), "hREBA");
        QCOMPARE(QApplication::focusWidget(), edit("HEdit"));
    }

    void preDimensioningRefusesBadSpans_data() {
        QTest::addColumn<int>("supportCase");
        QTest::addColumn<QString>("Lx");
        QTest::addColumn<QString>("Ly");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::newRow("Lx absent") << 1 << QString() << "5"
                                   << "Valor do Lx\ndeve ser maior que zero!"
                                   << "LxEdit";
        QTest::newRow("Ly absent")
            << 1 << "4" << QString() << "Valor do Ly\ndeve ser maior que zero!"
            << "LyEdit";
        QTest::newRow("case 6, 5 x 4") << 6 << "5"
                                       << "4"
                                       << "Valor de Lx deve ser menor que Ly!"
                                       << "LxEdit";
    }
    void preDimensioningRefusesBadSpans() {
        QFETCH(int, supportCase);
        QFETCH(QString, Lx);
        QFETCH(QString, Ly);
        clickPicture(supportCase);
        // A successful run first, whose suggestions must survive the failure.
        fill("LxEdit", "4");
        fill("LyEdit", "5");
        QTest::mouseClick(child<QPushButton>("LajeBitBtn"), Qt::LeftButton);
        const QString before = edit("LajeNBREdit")->text();
        QVERIFY(!before.isEmpty() || supportCase == 6);
        edit("LxEdit")->clear();
        edit("LyEdit")->clear();
        if (!Lx.isNull())
            fill("LxEdit", Lx);
        if (!Ly.isNull())
            fill("LyEdit", Ly);
        started->messages->shown.clear();
        // Clicking into the thickness box runs the action; the failure sends the focus back.
        QTest::mouseClick(edit("HEdit"), Qt::LeftButton);
        QFETCH(QString, message);
        QCOMPARE(started->messages->texts(), QStringList{message});
        QTEST(QApplication::focusWidget()->objectName(), "focus");
        QCOMPARE(edit("LajeNBREdit")->text(), before);
    }

    void closingResetsTheInputs() {
        auto* concrete = child<QComboBox>("ConcretoComboBox");
        concrete->setFocus(Qt::OtherFocusReason);
        concrete->lineEdit()->selectAll();
        QTest::keyClicks(concrete->lineEdit(), "30");
        clickPicture(2);
        child<QComboBox>("AcoComboBox")->setCurrentText("CA-25");
        fill("LxEdit", "4");
        fill("LyEdit", "5");
        QTest::mouseClick(child<QPushButton>("LajeBitBtn"), Qt::LeftButton);
        fill("HEdit", "10");
        fill("CargaPermEdit", "300");
        fill("CargaAcidEdit", "200");
        QCOMPARE(started->app->slab().fck, 30.0);
        // The dialogs keep their values across the closing.
        ModalScript script;
        script.then([&](QDialog* dialog) {
            typeInto(dialog, "MaiorVaodosMenoresEdit", "3");
            press(dialog, "CalcularBitBtn");
        });
        calculate();
        // Never saved: asked first, and discarded.
        started->messages->saveAnswers = {SaveAnswer::Discard};
        QTest::mouseClick(child<QPushButton>("SairBitBtn"), Qt::LeftButton);
        QVERIFY(!screen->isVisible());
        QVERIFY(child<QRadioButton>("RadioButton1")->isChecked());
        QVERIFY(!child<QCheckBox>("LajeNervuradaCheckBox")->isChecked());
        QCOMPARE(concrete->currentText(), QStringLiteral("20"));
        QCOMPARE(child<QComboBox>("AcoComboBox")->currentText(), QStringLiteral("CA-50A"));
        for (const char* name : {"LxEdit", "LyEdit", "LajeNBREdit", "LajeREBAEdit", "HEdit",
                                 "CargaPermEdit", "CargaAcidEdit"})
            QVERIFY2(edit(name)->text().isEmpty(), name);
        QCOMPARE(screen->focusWidget(), child<QRadioButton>("RadioButton1"));
        QCOMPARE(started->messages->texts(), QStringList{"Salvar as alterações da laje?"});
        started->messages->shown.clear();

        // Reopened: a calculation uses fck 20 although 30 had been typed.
        started->app->mainWindow()->CalcularLajes->trigger();
        QVERIFY(activate(screen));
        fill("LxEdit", "4");
        fill("LyEdit", "5");
        fill("HEdit", "10");
        fill("CargaPermEdit", "300");
        calculate();
        QCOMPARE(started->messages->texts(), QStringList());
        QCOMPARE(started->app->slab().fck, 20.0);
        QCOMPARE(started->app->slab().SteelGrade, std::string("CA-50A"));
        QCOMPARE(started->app->additionalDialog()
                     ->findChild<QLineEdit*>("MaiorVaodosMenoresEdit")
                     ->text(),
                 QStringLiteral("3,00"));
    }

    void tabOrderFollowsTheScreen() {
        QStringList expected{"RadioButton1",  "RadioButton2", "RadioButton3",  "RadioButton4",
                             "RadioButton5",  "RadioButton6", "LxEdit",        "LyEdit",
                             "LajeBitBtn",    "HEdit",        "CargaPermEdit", "CargaAcidEdit",
                             "CalcularBitBtn"};
        QWidget* widget = child<QWidget>("RadioButton1");
        QStringList chain;
        for (int i = 0; i < expected.size(); ++i) {
            chain << widget->objectName();
            widget = widget->nextInFocusChain();
            while (widget->focusPolicy() == Qt::NoFocus || !widget->isVisibleTo(screen) ||
                   widget->objectName().isEmpty())
                widget = widget->nextInFocusChain();
        }
        QCOMPARE(chain, expected);
        QVERIFY(!(edit("LajeNBREdit")->focusPolicy() & Qt::TabFocus));
        QVERIFY(!(edit("LajeREBAEdit")->focusPolicy() & Qt::TabFocus));
        QVERIFY(edit("LajeNBREdit")->isReadOnly());
    }
};

QTEST_MAIN(DataEntryTest)
#include "data_entry_test.moc"
