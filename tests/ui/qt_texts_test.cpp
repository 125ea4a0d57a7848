// Qt's own dialogs speak Portuguese whatever the locale: the file dialog, the print dialog and
// the print preview, with the translations the program loads at start-up.

#include <QAbstractButton>
#include <QAction>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTest>

#include <memory>

#include "report/qt_portuguese.h"

namespace {

// Every caption, button text, tool tip and column heading of a dialog.
QStringList textsOf(QWidget* dialog) {
    QStringList texts;
    for (auto* label : dialog->findChildren<QLabel*>())
        texts << label->text();
    for (auto* button : dialog->findChildren<QAbstractButton*>())
        texts << button->text() << button->toolTip();
    for (auto* action : dialog->findChildren<QAction*>())
        texts << action->text() << action->toolTip();
    for (auto* header : dialog->findChildren<QHeaderView*>())
        for (int column = 0; header->model() && column < header->model()->columnCount(); ++column)
            texts << header->model()->headerData(column, Qt::Horizontal).toString();
    return texts;
}

std::unique_ptr<QWidget> makeDialog(const QString& kind, QPrinter& printer) {
    if (kind == QStringLiteral("file")) {
        auto dialog = std::make_unique<QFileDialog>(nullptr, QStringLiteral("Salvar"));
        dialog->setOption(QFileDialog::DontUseNativeDialog);
        dialog->setAcceptMode(QFileDialog::AcceptSave);
        return dialog;
    }
    if (kind == QStringLiteral("print"))
        return std::make_unique<QPrintDialog>(&printer);
    return std::make_unique<QPrintPreviewDialog>(&printer);
}

} // namespace

class QtTextsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // The user's locale does not matter: English here.
        QLocale::setDefault(QLocale::c());
        QVERIFY(lajes::installQtPortuguese(*qApp));
    }

    void dialogsSpeakPortuguese_data() {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("portuguese");
        QTest::newRow("file: folder") << "file"
                                      << "Look in:"
                                      << "Procurar em:";
        QTest::newRow("file: name") << "file"
                                    << "File &name:"
                                    << "&Nome do arquivo:";
        QTest::newRow("file: cancel") << "file"
                                      << "Cancel"
                                      << "Cancelar";
        QTest::newRow("file: name column") << "file"
                                           << "Name"
                                           << "Nome";
        QTest::newRow("print: print") << "print"
                                      << "&Print"
                                      << "&Imprimir";
        QTest::newRow("print: options") << "print"
                                        << "&Options >>"
                                        << "&Opções >>";
        QTest::newRow("preview: zoom out") << "preview"
                                           << "Zoom out"
                                           << "Reduzir";
        QTest::newRow("preview: print") << "preview"
                                        << "Print"
                                        << "Imprimir";
    }
    void dialogsSpeakPortuguese() {
        QFETCH(QString, dialog);
        QFETCH(QString, english);
        QFETCH(QString, portuguese);
        QPrinter printer;
        const std::unique_ptr<QWidget> shown = makeDialog(dialog, printer);
        shown->show();
        const QStringList texts = textsOf(shown.get());
        const QString all = texts.join(QLatin1String(" | "));
        QVERIFY2(texts.contains(portuguese), qPrintable(all));
        QVERIFY2(!texts.contains(english), qPrintable(all));
    }
};

QTEST_MAIN(QtTextsTest)
#include "qt_texts_test.moc"
