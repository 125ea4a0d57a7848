// The settings dialog, opened from the data-entry screen's "Con&figurações" as a user opens it.

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "config/settings.h"
#include "ui/concreto_form.h"
#include "ui/config_form.h"
#include "ui/inserir_dados_form.h"
#include "ui_test_support.h"

using namespace lajes;
using namespace lajes::test;

namespace {

QLineEdit* box(QDialog* dialog, const char* name) {
    auto* edit = dialog->findChild<QLineEdit*>(QString::fromLatin1(name));
    if (!edit)
        qFatal("no box %s", name);
    return edit;
}

void retype(QDialog* dialog, const char* name, const QString& text) {
    QLineEdit* edit = box(dialog, name);
    QTest::mouseClick(edit, Qt::LeftButton);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

void press(QDialog* dialog, const char* name) {
    QTest::mouseClick(dialog->findChild<QPushButton*>(QString::fromLatin1(name)), Qt::LeftButton);
}

void clickSwatch(QDialog* dialog, int shape, Qt::MouseButton button = Qt::LeftButton) {
    QWidget* swatch = dialog->findChild<QWidget*>(QStringLiteral("Shape%1").arg(shape));
    if (!swatch)
        qFatal("no swatch %d", shape);
    QTest::mouseClick(swatch, button);
}

QString local(QString number) {
    return number.replace(QLatin1Char('.'), QLocale().decimalPoint());
}

} // namespace

class ConfigFormTest : public QObject {
    Q_OBJECT

    std::unique_ptr<StartedApplication> started;

    Settings& settings() { return started->app->settings(); }
    void openDialog() {
        started->app->dataEntry()->findChild<QAction*>("ConfiguraeseDesenho1")->trigger();
    }
    QStringList boxTexts(QDialog* dialog) {
        QStringList texts;
        for (const char* name : {"TextoEdit", "lajeEdit", "FerrposEdit", "FerrnegEdit",
                                 "ParedeEdit", "CobEdit", "FiInfinitoEdit"})
            texts << box(dialog, name)->text();
        texts << dialog->findChild<QComboBox*>("EscComboBox")->currentText();
        return texts;
    }

private slots:
    void init() {
        QLocale::setDefault(commaLocale());
        started = std::make_unique<StartedApplication>();
        started->app->mainWindow()->CalcularLajes->trigger();
        QVERIFY(activate(started->app->dataEntry()));
    }
    void cleanup() {
        started.reset();
        QLocale::setDefault(QLocale::c());
    }

    void filledFromTheLoadedSettings_data() {
        addLocaleColumn();
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("comma") << commaLocale()
                               << QStringList{"4", "1", "2", "2", "15,00", "1,00", "2,00", "1:50"};
        QTest::newRow("point") << QLocale::c()
                               << QStringList{"4", "1", "2", "2", "15.00", "1.00", "2.00", "1:50"};
    }
    void filledFromTheLoadedSettings() {
        QFETCH(QLocale, locale);
        QLocale::setDefault(locale);
        // A fresh start under this locale, so that the boxes are filled with its separator.
        started = std::make_unique<StartedApplication>();
        QDialog* dialog = started->app->configDialog();
        QTEST(boxTexts(dialog), "texts");
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Configurações"));
        for (const char* name : {"Edit4", "Edit3", "Edit2", "Edit1"})
            QVERIFY(box(dialog, name)->isReadOnly());
        QCOMPARE(box(dialog, "Edit1")->text(), QStringLiteral("Ferr-neg"));
    }

    void cancelRestoresEveryBoxAndValue_data() {
        addLocaleColumn();
        QTest::newRow("comma") << commaLocale();
        QTest::newRow("point") << QLocale::c();
    }
    void cancelRestoresEveryBoxAndValue() {
        QFETCH(QLocale, locale);
        QLocale::setDefault(locale);
        started = std::make_unique<StartedApplication>();
        QVERIFY(activate(started->app->dataEntry()));
        const Settings before = settings();
        QDialog* dialog = started->app->configDialog();
        const QStringList textsBefore = boxTexts(dialog);
        ModalScript script;
        Settings during;
        script.then([&](QDialog* shown) {
            QCOMPARE(QApplication::focusWidget(), box(shown, "TextoEdit"));
            retype(shown, "TextoEdit", "9");
            clickSwatch(shown, 12); // "Laje" row, colour 5
            clickSwatch(shown, 17); // "Ferr-pos" row, colour 3
            retype(shown, "FerrnegEdit", "250");
            auto* scale = shown->findChild<QComboBox*>("EscComboBox");
            scale->setCurrentText("1:100");
            retype(shown, "ParedeEdit", local("30"));
            retype(shown, "CobEdit", local("2.5"));
            retype(shown, "FiInfinitoEdit", local("3.1"));
            QTest::mouseClick(scale, Qt::LeftButton); // leaves the phi box
            during = settings();
            press(shown, "CancelBitBtn");
        });
        openDialog();
        QCOMPARE(script.remaining(), 0);
        // While the dialog was open every change had taken effect.
        QCOMPARE(during.slabLayerColour, std::string("5"));
        QCOMPARE(during.posBarLayerColour, std::string("3"));
        QCOMPARE(during.wallWidth, 0.30);
        QCOMPARE(during.cover, 2.5);
        QCOMPARE(during.phiInfinity, 3.1);
        QCOMPARE(during.drawingScale, std::string("1:100"));
        QCOMPARE(during.scaleFactor, 10.0);
        // Cancel put everything back.
        QCOMPARE(boxTexts(dialog), textsBefore);
        const Settings& after = settings();
        QCOMPARE(after.textLayerColour, before.textLayerColour);
        QCOMPARE(after.slabLayerColour, before.slabLayerColour);
        QCOMPARE(after.posBarLayerColour, before.posBarLayerColour);
        QCOMPARE(after.negBarLayerColour, before.negBarLayerColour);
        QCOMPARE(after.drawingScale, before.drawingScale);
        QCOMPARE(after.scaleFactor, before.scaleFactor);
        QCOMPARE(after.wallWidth, before.wallWidth);
        QCOMPARE(after.cover, before.cover);
        QCOMPARE(after.phiInfinity, before.phiInfinity);
        QCOMPARE(started->messages->texts(), QStringList());
    }

    void clearedCoverReopensUntilCancelled() {
        ModalScript script;
        QString coverOnReopen;
        double coverWhileOpen = -1;
        script.then([&](QDialog* shown) {
            retype(shown, "CobEdit", "");
            press(shown, "OkBitBtn");
        });
        script.then([&](QDialog* shown) {
            coverOnReopen = box(shown, "CobEdit")->text();
            coverWhileOpen = settings().cover;
            QTest::keyClick(shown, Qt::Key_Escape);
        });
        openDialog();
        QCOMPARE(script.remaining(), 0);
        QCOMPARE(script.unexpected, QStringList());
        QCOMPARE(coverOnReopen, QStringLiteral("0,00"));
        QCOMPARE(coverWhileOpen, 0.0);
        QCOMPARE(settings().cover, 1.0);
        QCOMPARE(box(started->app->configDialog(), "CobEdit")->text(), QStringLiteral("1,00"));
    }

    void emptyColourBoxReopensAndTypedColoursAreTakenEvenThen() {
        ModalScript script;
        script.then([&](QDialog* shown) {
            retype(shown, "TextoEdit", "7");
            retype(shown, "lajeEdit", "");
            press(shown, "OkBitBtn");
        });
        script.then([&](QDialog* shown) {
            retype(shown, "lajeEdit", "3");
            retype(shown, "ParedeEdit", "");
            press(shown, "OkBitBtn");
        });
        std::string textColourWhileReopened;
        script.then([&](QDialog* shown) {
            // The colours were complete at the last OK, so they were taken although the wall
            // width kept the dialog open.
            textColourWhileReopened = settings().textLayerColour;
            retype(shown, "ParedeEdit", "20");
            QTest::keyClick(box(shown, "ParedeEdit"), Qt::Key_Return);
        });
        openDialog();
        QCOMPARE(script.remaining(), 0);
        QCOMPARE(textColourWhileReopened, std::string("7"));
        QCOMPARE(settings().textLayerColour, std::string("7"));
        QCOMPARE(settings().slabLayerColour, std::string("3"));
        // Confirmed with Enter while the box had the focus: the value still counts.
        QCOMPARE(settings().wallWidth, 0.20);
        QVERIFY(!started->app->configDialog()->isVisible());
    }

    void swatchSetsTheRowColourAtOnce_data() {
        QTest::addColumn<int>("shape");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<QString>("boxName");
        QTest::addColumn<QString>("colour");
        QTest::newRow("fifth swatch of Ferr-neg") << 26 << Qt::LeftButton << "FerrnegEdit"
                                                  << "5";
        QTest::newRow("first swatch of Texto") << 1 << Qt::LeftButton << "TextoEdit"
                                               << "1";
        QTest::newRow("right button, white of Laje") << 14 << Qt::RightButton << "lajeEdit"
                                                     << "7";
        QTest::newRow("third of Ferr-pos") << 17 << Qt::MiddleButton << "FerrposEdit"
                                           << "3";
    }
    void swatchSetsTheRowColourAtOnce() {
        QFETCH(int, shape);
        QFETCH(Qt::MouseButton, button);
        QFETCH(QString, boxName);
        QFETCH(QString, colour);
        ModalScript script;
        QString shownAtOnce;
        script.then([&](QDialog* shown) {
            clickSwatch(shown, shape, button);
            shownAtOnce = shown->findChild<QLineEdit*>(boxName)->text();
            press(shown, "OkBitBtn");
        });
        openDialog();
        QCOMPARE(shownAtOnce, colour);
        const Settings& s = settings();
        const std::string held = boxName == "TextoEdit"     ? s.textLayerColour
                                 : boxName == "lajeEdit"    ? s.slabLayerColour
                                 : boxName == "FerrposEdit" ? s.posBarLayerColour
                                                            : s.negBarLayerColour;
        QCOMPARE(QString::fromStdString(held), colour);
    }

    void numberBoxesFollowTheLocale_data() {
        addLocaleColumn();
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<double>("wallWidth");
        QTest::newRow("comma locale, 12.5 typed") << commaLocale() << "12.5"
                                                  << "12,50" << 0.125;
        QTest::newRow("point locale, 12,5 typed") << QLocale::c() << "12,5"
                                                  << "12.50" << 0.125;
        QTest::newRow("letters and minus dropped") << commaLocale() << "-1a5"
                                                   << "15,00" << 0.15;
    }
    void numberBoxesFollowTheLocale() {
        QFETCH(QLocale, locale);
        QFETCH(QString, typed);
        QLocale::setDefault(locale);
        ModalScript script;
        QString whileTyping;
        script.then([&](QDialog* shown) {
            retype(shown, "ParedeEdit", typed);
            whileTyping = box(shown, "ParedeEdit")->text();
            QTest::keyClick(box(shown, "ParedeEdit"), Qt::Key_Tab);
            press(shown, "OkBitBtn");
        });
        openDialog();
        QVERIFY(!whileTyping.contains(QLatin1Char('-')) && !whileTyping.contains(QLatin1Char('a')));
        QTEST(box(started->app->configDialog(), "ParedeEdit")->text(), "shown");
        QTEST(settings().wallWidth, "wallWidth");
    }

    void colourAndScaleBoxesRefuseTyping() {
        ModalScript script;
        script.then([&](QDialog* shown) {
            retype(shown, "TextoEdit", "1a-,.2");
            auto* scale = shown->findChild<QComboBox*>("EscComboBox");
            scale->setFocus(Qt::OtherFocusReason);
            QTest::keyClicks(scale, "1:2");
            QCOMPARE(scale->currentText(), QStringLiteral("1:50"));
            QVERIFY(!scale->isEditable());
            QCOMPARE(box(shown, "FiInfinitoEdit")->contextMenuPolicy(), Qt::PreventContextMenu);
            press(shown, "OkBitBtn");
        });
        openDialog();
        QCOMPARE(settings().textLayerColour, std::string("12"));
        QCOMPARE(settings().drawingScale, std::string("1:50"));
    }

    void onlyTheThreeNumbersMarkTheInputsChanged() {
        QSignalSpy changed(started->app->dataEntry(), &TInserirDadosForm::inputsChanged);
        ModalScript script;
        int afterScaleAndColour = -1;
        script.then([&](QDialog* shown) {
            shown->findChild<QComboBox*>("EscComboBox")->setCurrentText("1:25");
            clickSwatch(shown, 3);
            retype(shown, "lajeEdit", "6");
            afterScaleAndColour = changed.count();
            retype(shown, "CobEdit", "2");
            press(shown, "OkBitBtn");
        });
        openDialog();
        QCOMPARE(afterScaleAndColour, 0);
        QVERIFY(changed.count() > 0);
        QCOMPARE(settings().scaleFactor, 40.0);
        QCOMPARE(settings().cover, 2.0);
    }

    void malformedNumberKeepsThePreviousSetting() {
        ModalScript script;
        script.then([&](QDialog* shown) {
            retype(shown, "FiInfinitoEdit", ",,");
            press(shown, "CancelBitBtn");
        });
        openDialog();
        QCOMPARE(started->messages->texts(), QStringList{"',,' não é um número válido."});
        QCOMPARE(started->messages->shown.front().kind, ShownMessage::Error);
        QCOMPARE(settings().phiInfinity, 2.0);
    }

    void badScaleInTheFileBecomesOneToFifty() {
        started = std::make_unique<StartedApplication>(
            QByteArray("4\r\n1\r\n2\r\n2\r\n1:30\r\n 1.50000000000000E-0001\r\n"
                       " 1.00000000000000E+0000\r\n 2.00000000000000E+0000\r\nEOF\r\n"));
        QCOMPARE(started->app->configDialog()->findChild<QComboBox*>("EscComboBox")->currentText(),
                 QStringLiteral("1:50"));
        QCOMPARE(settings().drawingScale, std::string("1:50"));
        QCOMPARE(settings().scaleFactor, 20.0);
        QCOMPARE(started->messages->texts(), QStringList());
    }
};

QTEST_MAIN(ConfigFormTest)
#include "config_form_test.moc"
