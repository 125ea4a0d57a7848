// Start-up, the main window's menu, the about box, the help and the end of the program.

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>

#include "ui/abertura_form.h"
#include "ui/ajuda_form.h"
#include "ui/concreto_form.h"
#include "ui/config_form.h"
#include "ui/dados_add_form.h"
#include "ui/decimal_box.h"
#include "ui/help_sobre_form.h"
#include "ui/inserir_dados_form.h"
#include "ui/laje_nervurada_form.h"
#include "ui/message_boxes.h"
#include "ui/nome_laje_form.h"
#include "ui/resultados_form.h"
#include "ui/tabela_aco_form.h"
#include "ui_test_support.h"

using namespace lajes;
using namespace lajes::test;

namespace {

const QByteArray defaultConfiguration("4\r\n1\r\n2\r\n2\r\n1:50\r\n"
                                      " 1.50000000000000E-0001\r\n"
                                      " 1.00000000000000E+0000\r\n"
                                      " 2.00000000000000E+0000\r\n"
                                      "EOF\r\n");

// The letter after a single "&" of a caption, lower case; none for a caption without one.
QChar mnemonicOf(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('&'))
            continue;
        if (text.at(i + 1) == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return text.at(i + 1).toLower();
    }
    return {};
}

// The captions that answer Alt+letter in `window`: its menu bar's titles and its own buttons
// and labelled boxes (not those of a menu, nor of a window inside it).
QStringList windowCaptions(QWidget* window) {
    QStringList captions;
    if (auto* main = qobject_cast<QMainWindow*>(window))
        for (QAction* action : main->menuBar()->actions())
            if (action->isVisible())
                captions << action->text();
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->window() != window)
            continue;
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            captions << button->text();
        else if (auto* label = qobject_cast<QLabel*>(widget); label && label->buddy())
            captions << label->text();
    }
    return captions;
}

// The captions sharing a mnemonic, as "a: &Arquivos / &Ajuda"; empty when none do.
QStringList collisions(const QStringList& captions) {
    QMap<QChar, QStringList> byLetter;
    for (const QString& caption : captions)
        if (const QChar letter = mnemonicOf(caption); !letter.isNull())
            byLetter[letter] << caption;
    QStringList shared;
    for (auto it = byLetter.cbegin(); it != byLetter.cend(); ++it)
        if (it.value().size() > 1)
            shared << QString(it.key()) + QStringLiteral(": ") +
                          it.value().join(QStringLiteral(" / "));
    return shared;
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class ShellTest : public QObject {
    Q_OBJECT

private slots:
    // No two entries of one menu, one menu bar or one window share a mnemonic; the original
    // entries keep their letters (Alt+A, S still ends the program).
    void noTwoEntriesShareAMnemonic() {
        StartedApplication started;
        LajesApplication& app = *started.app;
        app.mainWindow()->CalcularLajes->trigger();
        app.resultsScreen()->show(); // its controls
        app.resultsScreen()->tabelaAcoForm();
        app.resultsScreen()->verificationRequested();
        app.mainWindow()->Contedo1->trigger();
        app.floorWindow(); // built when first asked for
        int walked = 0;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (qobject_cast<QMenu*>(window))
                continue;
            ++walked;
            const QStringList shared = collisions(windowCaptions(window));
            QVERIFY2(shared.isEmpty(), qPrintable(window->objectName() + QStringLiteral(": ") +
                                                  shared.join(QStringLiteral("; "))));
            for (QMenu* menu : window->findChildren<QMenu*>()) {
                QStringList entries;
                for (QAction* action : menu->actions())
                    if (action->isVisible() && !action->isSeparator())
                        entries << action->text();
                const QStringList inMenu = collisions(entries);
                QVERIFY2(inMenu.isEmpty(), qPrintable(menu->title() + QStringLiteral(": ") +
                                                      inMenu.join(QStringLiteral("; "))));
            }
        }
        QVERIFY(walked >= 10);
        TConcretoForm* main = app.mainWindow();
        QCOMPARE(mnemonicOf(main->menuBar()->actions().first()->text()), QLatin1Char('a'));
        QCOMPARE(mnemonicOf(main->Saida->text()), QLatin1Char('s'));

        // The questions' buttons, as the real boxes show them.
        QtMessageBoxes boxes;
        QStringList buttons;
        const auto answerBox = [&] {
            QTimer::singleShot(0, [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                QVERIFY(box);
                buttons.clear();
                for (QAbstractButton* button : box->buttons())
                    buttons << button->text();
                box->reject();
            });
        };
        answerBox();
        boxes.confirm(main, QStringLiteral("Deseja Recalcular a(s) Laje(s) ?"));
        QCOMPARE(buttons.size(), 2);
        for (const QString& button : buttons)
            QVERIFY2(!mnemonicOf(button).isNull(), qPrintable(button));
        QCOMPARE(collisions(buttons), QStringList());
        answerBox();
        QCOMPARE(boxes.askSave(main, QStringLiteral("Salvar as alterações da laje?")),
                 SaveAnswer::Cancel);
        QCOMPARE(buttons.size(), 3);
        for (const QString& button : buttons)
            QVERIFY2(!mnemonicOf(button).isNull(), qPrintable(button));
        QCOMPARE(collisions(buttons), QStringList());
    }

    // Return presses the focused push button; in a number box it moves on as Tab does.
    void returnPressesTheFocusedButtonAndMovesOnInABox() {
        StartedApplication started;
        started.app->mainWindow()->CalcularLajes->trigger();
        TInserirDadosForm* entry = started.app->dataEntry();
        QVERIFY(activate(entry));
        auto* lx = entry->findChild<QLineEdit*>(QStringLiteral("LxEdit"));
        lx->setFocus(Qt::OtherFocusReason);
        QTest::keyClicks(lx, QStringLiteral("4"));
        QTest::keyClick(lx, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(),
                 entry->findChild<QLineEdit*>(QStringLiteral("LyEdit")));
        QCOMPARE(lx->text(), QStringLiteral("4") + QChar::fromLatin1(localeDecimalSeparator()) +
                                 QStringLiteral("00"));
        QCOMPARE(started.app->slab().Lx, 4.0);
        auto* sair = entry->findChild<QPushButton*>(QStringLiteral("SairBitBtn"));
        sair->setFocus(Qt::OtherFocusReason);
        started.messages->saveAnswers = {SaveAnswer::Discard};
        QTest::keyClick(sair, Qt::Key_Return);
        QVERIFY(!entry->isVisible());
    }
    void startUpCreatesEveryWindowOnceAndShowsTheMainWindowMaximised() {
        StartedApplication started;
        LajesApplication& app = *started.app;
        TConcretoForm* main = app.mainWindow();
        QVERIFY(main->isVisible());
        QVERIFY(main->windowState() & Qt::WindowMaximized);
        QCOMPARE(main->windowTitle(), QStringLiteral("Estruturas de Concreto - Cálculo de Lajes"));
        QVERIFY(!app.splash()->isVisible());
        QVERIFY(!app.splash()->Timer1.isActive());
        QCOMPARE(app.splash()->size(), QSize(392, 173));
        // Created in this order: splash, name prompt, then the splash timer's windows.
        QStringList windows;
        for (QObject* child : main->children())
            if (auto* widget = qobject_cast<QWidget*>(child); widget && widget->isWindow())
                windows << widget->objectName();
        QCOMPARE(windows, (QStringList{"AberturaForm", "NomeLajeForm", "InserirDadosForm",
                                       "ResultadosForm", "HelpSobreForm"}));
        QList<QWidget*> dialogs;
        for (QObject* child : app.dataEntry()->children())
            if (auto* widget = qobject_cast<QWidget*>(child); widget && widget->isWindow())
                dialogs << widget;
        QCOMPARE(dialogs,
                 (QList<QWidget*>{app.ribbedDialog(), app.additionalDialog(), app.configDialog()}));
        for (QWidget* hidden :
             {static_cast<QWidget*>(app.dataEntry()), static_cast<QWidget*>(app.ribbedDialog()),
              static_cast<QWidget*>(app.aboutBox()), static_cast<QWidget*>(app.additionalDialog()),
              static_cast<QWidget*>(app.configDialog()), static_cast<QWidget*>(app.namePrompt())})
            QVERIFY2(!hidden->isVisible(), qPrintable(hidden->objectName()));
        QCOMPARE(started.messages->texts(), QStringList());
        // Nothing is written before the program ends.
        QVERIFY(!QFile::exists(started.configPath()));
        // The screens build their controls when first shown; closing them before is harmless.
        app.dataEntry()->close();
        app.resultsScreen()->close();
        QCOMPARE(app.slab().SteelGrade, std::string("CA-50A"));
        QCOMPARE(app.slab().SupportCase, 1);
    }

    void menuHoldsItsItemsAndShortcut() {
        StartedApplication started;
        TConcretoForm* main = started.app->mainWindow();
        QStringList titles;
        for (QAction* action : main->menuBar()->actions())
            titles << action->text();
        QCOMPARE(titles,
                 (QStringList{"&Arquivos", "&Calcular Lajes", "Calcular &Pavimento", "A&juda"}));
        QCOMPARE(main->Saida->text(), QStringLiteral("&Saída"));
        QCOMPARE(main->Contedo1->text(), QStringLiteral("&Conteúdo"));
        QCOMPARE(main->A1->text(), QStringLiteral("&Sobre"));
        QCOMPARE(main->CalcularLajes->shortcut(), QKeySequence(QStringLiteral("Ctrl+I")));
        QCOMPARE(main->CalcularLajes->statusTip(), QStringLiteral("Ctrl+I — Calcular Lajes"));
        QCOMPARE(main->CalcularPavimento->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+P")));
    }

    void ctrlIOpensTheSameDataEntryScreenWithItsContents() {
        StartedApplication started;
        TConcretoForm* main = started.app->mainWindow();
        QVERIFY(activate(main));
        QTest::keyClick(main, Qt::Key_I, Qt::ControlModifier);
        TInserirDadosForm* screen = started.app->dataEntry();
        QVERIFY(screen->isVisible());
        QVERIFY(screen->windowState() & Qt::WindowMaximized);
        QCOMPARE(screen->windowTitle(), QStringLiteral("Cálculo de Lajes"));
        QVERIFY(activate(screen));
        auto* lx = screen->findChild<QLineEdit*>("LxEdit");
        lx->setFocus(Qt::OtherFocusReason);
        QTest::keyClicks(lx, "3");
        QVERIFY(activate(main));
        QTest::keyClick(main, Qt::Key_I, Qt::ControlModifier);
        QCOMPARE(started.app->dataEntry(), screen);
        QCOMPARE(lx->text(), QStringLiteral("3"));
    }

    void aboutBoxKeepsTheFocusOnOk() {
        StartedApplication started;
        ModalScript script;
        QWidget* focusAtShow = nullptr;
        QWidget* focusAfterTextClicked = nullptr;
        QString text;
        script.then([&](QDialog* about) {
            focusAtShow = QApplication::focusWidget();
            auto* memo = about->findChild<QPlainTextEdit*>();
            text = memo->toPlainText();
            memo->setFocus(Qt::MouseFocusReason);
            focusAfterTextClicked = QApplication::focusWidget();
            QVERIFY(memo->isReadOnly());
            QTest::mouseClick(about->findChild<QPushButton*>("OkBitBtn"), Qt::LeftButton);
        });
        started.app->mainWindow()->A1->trigger();
        QCOMPARE(script.shownDialogs, QStringList{"HelpSobreForm"});
        auto* ok = started.app->aboutBox()->findChild<QPushButton*>("OkBitBtn");
        QCOMPARE(focusAtShow, ok);
        QCOMPARE(focusAfterTextClicked, ok);
        QVERIFY(!started.app->aboutBox()->isVisible());
        QVERIFY(text.contains(QStringLiteral("Cálculo de Lajes")));
        QVERIFY(text.contains(QStringLiteral("Versão 2.0.0")));
        QVERIFY(started.app->aboutBox()->windowFlags() & Qt::Tool);
    }

    void helpShowsTheProgramsOwnPages_data() {
        QTest::addColumn<QString>("topic");
        for (const char* topic : {"Casos de apoio", "Laje Nervurada", "Pré-Dimensionamento",
                                  "Resultados", "Bitolas", "Impressão", "DXF", "Configurações"})
            QTest::newRow(topic) << QString::fromUtf8(topic);
    }
    void helpShowsTheProgramsOwnPages() {
        QFETCH(QString, topic);
        StartedApplication started;
        started.app->mainWindow()->Contedo1->trigger();
        TAjudaForm* help = started.app->help();
        QVERIFY(help && help->isVisible());
        QVERIFY(help->browser()->toPlainText().contains(topic, Qt::CaseInsensitive));
        // Centred on the main window, narrower than it, the text clear of the edges.
        const QRect main = started.app->mainWindow()->geometry();
        QVERIFY((help->geometry().center() - main.center()).manhattanLength() <= 2);
        QVERIFY(help->width() < main.width());
        QVERIFY(help->browser()->document()->documentMargin() >= 12);
        help->move(0, 0);
        help->close();
        started.app->mainWindow()->Contedo1->trigger();
        QCOMPARE(started.app->help(), help);
        QVERIFY(help->isVisible());
        QVERIFY((help->geometry().center() - main.center()).manhattanLength() <= 2);
        // Escape closes it.
        QVERIFY(activate(help));
        QTest::keyClick(help->browser(), Qt::Key_Escape);
        QVERIFY(!help->isVisible());
    }

    void closingTheMainWindowWritesTheSettings_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<bool>("dataEntryOpen");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("no file, defaults") << QByteArray() << false << defaultConfiguration;
        QTest::newRow("data-entry screen still open")
            << QByteArray() << true << defaultConfiguration;
        // Nothing changed in the run: a file that exists keeps its bytes (another instance or
        // the user may have saved it meanwhile).
        QTest::newRow("existing file unchanged in the run keeps its bytes")
            << QByteArray("3\r\n6\r\n1\r\n5\r\n1:30\r\n0.2\r\n2.5\r\n1.5\r\nEOF\r\n") << false
            << QByteArray("3\r\n6\r\n1\r\n5\r\n1:30\r\n0.2\r\n2.5\r\n1.5\r\nEOF\r\n");
    }
    void closingTheMainWindowWritesTheSettings() {
        QFETCH(QByteArray, before);
        QFETCH(bool, dataEntryOpen);
        StartedApplication started(before);
        if (dataEntryOpen)
            started.app->mainWindow()->CalcularLajes->trigger();
        started.app->mainWindow()->Saida->trigger();
        QVERIFY(!started.app->mainWindow()->isVisible());
        QTEST(readAll(started.configPath()), "after");
        QCOMPARE(started.messages->texts(), QStringList());
    }

    // A file read only in part keeps its good values at exit (here the phi infinity of line
    // 8 behind a refused cover on line 7), unless the user changed a setting in the run.
    void partlyReadSettingsAreWrittenAtExitOnlyAfterAChange_data() {
        QTest::addColumn<bool>("changed");
        QTest::newRow("nothing changed") << false;
        QTest::newRow("cover changed") << true;
    }
    void partlyReadSettingsAreWrittenAtExitOnlyAfterAChange() {
        QFETCH(bool, changed);
        const QByteArray before("4\r\n1\r\n2\r\n2\r\n1:50\r\n0.15\r\n-5\r\n3.5\r\nEOF\r\n");
        StartedApplication started(before);
        QCOMPARE(started.messages->texts().size(), 1);
        QCOMPARE(started.app->settings().phiInfinity, 3.5);
        if (changed)
            started.app->settings().cover = 2.5;
        started.app->mainWindow()->Saida->trigger();
        const QByteArray after = readAll(started.configPath());
        if (changed)
            QVERIFY(after.contains("\r\n 2.50000000000000E+0000\r\n 3.50000000000000E+0000\r\n"));
        else
            QCOMPARE(after, before);
    }

    void unreadableSettingsAreReportedAndTheProgramGoesOn() {
        StartedApplication started(QByteArray("4\r\n1\r\n2\r\n2\r\n1:50\r\nlargura\r\n"));
        QCOMPARE(started.messages->texts(),
                 QStringList{QString("Invalid numeric input\n") + started.configPath() +
                             ", linha 6: largura"});
        QCOMPARE(started.messages->shown.front().kind, ShownMessage::Error);
        QVERIFY(started.app->mainWindow()->isVisible());
        QVERIFY(started.app->configDialog() != nullptr);
    }

    void settingsThatCannotBeWrittenAreReportedAndTheProgramStillEnds() {
        StartedApplication started;
        // A folder in the way of the file: it cannot be replaced by a file.
        QVERIFY(QDir(started.folder.path()).mkpath(QStringLiteral("Quenvor.cfg/occupied")));
        started.app->settings().cover = 2.5; // a change, so that the file is written at exit
        started.app->mainWindow()->close();
        QVERIFY(!started.app->mainWindow()->isVisible());
        QCOMPARE(started.messages->shown.size(), std::size_t{1});
        QCOMPARE(started.messages->shown.front().kind, ShownMessage::Error);
    }
};

QTEST_MAIN(ShellTest)
#include "shell_test.moc"
