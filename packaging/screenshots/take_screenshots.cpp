// Pictures of the windows for the README, taken from the running program as a user meets it:
// lajes_screenshots <folder>. Run it under a window manager on a virtual display of the
// README's size, under the comma locale:
//   LANG=pt_BR.UTF-8 xvfb-run -a -s "-screen 0 1366x768x24"
//       sh -c 'openbox & sleep 1; lajes_screenshots docs/screenshots'
// Each picture is the whole screen, frames included, once the window in question is up.

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>

#include "config/settings_file.h"
#include "report/qt_portuguese.h"
#include "ui/ajuda_form.h"
#include "ui/artwork.h"
#include "ui/concreto_form.h"
#include "ui/decimal_box.h"
#include "ui/glyphs.h"
#include "ui/help_sobre_form.h"
#include "ui/inserir_dados_form.h"
#include "ui/lajes_application.h"
#include "ui/message_boxes.h"
#include "ui/pavimento_form.h"
#include "ui/resultados_form.h"
#include "ui/tabela_aco_form.h"
#include "ui/verificacao_form.h"

namespace {

QDir folder;
bool ok = true;

void settle(int ms = 600) {
    QTest::qWait(ms);
}

void shoot(const char* name) {
    settle();
    const QString path = folder.filePath(QString::fromLatin1(name));
    if (!QGuiApplication::primaryScreen()->grabWindow(0).save(path)) {
        std::fprintf(stderr, "lajes_screenshots: cannot write %s\n", qPrintable(path));
        ok = false;
        return;
    }
    std::printf("%s\n", qPrintable(path));
}

// Runs `inside` once the next modal dialog is up, then closes it.
void whenDialogShows(std::function<void(QDialog*)> inside) {
    QTimer::singleShot(1200, [inside] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            std::fprintf(stderr, "lajes_screenshots: no dialog came up\n");
            ok = false;
            return;
        }
        inside(dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
}

void type(QWidget* window, const char* name, const QString& text) {
    auto* box = window->findChild<QLineEdit*>(QString::fromLatin1(name));
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
    QTest::keyClicks(box, text);
    // Left for the pre-dimensioning button, which does nothing on receiving the focus.
    window->findChild<QPushButton*>(QStringLiteral("LajeBitBtn"))->setFocus(Qt::TabFocusReason);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lajes"));
    lajes::installQtPortuguese(app);
    QApplication::setWindowIcon(lajes::applicationIcon());
    QApplication::setQuitOnLastWindowClosed(false);
    // The splash screen's pictures: the title art at the window's 392 x 173 and at twice that
    // for screens with two device pixels to the pixel.
    if (argc == 4 && std::strcmp(argv[1], "--splash-picture") == 0) {
        const int scale = std::atoi(argv[3]);
        if (scale < 1 || scale > 4)
            return 2;
        QImage picture(392 * scale, 173 * scale, QImage::Format_RGB32);
        picture.setDevicePixelRatio(scale);
        QPainter painter(&picture);
        lajes::paintTitleArt(painter, QRectF(0, 0, 392, 173), true);
        painter.end();
        picture.setDevicePixelRatio(1.0);
        return picture.save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
    }
    if (argc != 2) {
        std::fprintf(stderr,
                     "usage: lajes_screenshots <folder> | --splash-picture <file.png> <1|2>\n");
        return 2;
    }
    folder = QDir(QString::fromLocal8Bit(argv[1]));
    if (!folder.exists() && !QDir().mkpath(folder.path()))
        return 1;
    // The settings of a first run, whatever the working folder holds.
    const QString config = QDir::temp().filePath(QStringLiteral("lajes-screenshots.cfg"));
    QFile::remove(config);

    // The splash screen, grabbed while the start-up shows it.
    QTimer::singleShot(0, [] {
        if (QWidget* splash = QApplication::activeModalWidget()) {
            splash->repaint();
            const QString path = folder.filePath(QStringLiteral("abertura.png"));
            ok = QGuiApplication::primaryScreen()->grabWindow(0).save(path) && ok;
            std::printf("%s\n", qPrintable(path));
        }
    });
    lajes::LajesApplication lajesApp(std::make_unique<lajes::QtMessageBoxes>(),
                                     config.toStdString());
    lajesApp.start();
    lajes::TConcretoForm* main = lajesApp.mainWindow();
    shoot("principal.png");

    whenDialogShows([](QDialog*) { shoot("sobre.png"); });
    main->A1->trigger();

    main->Contedo1->trigger();
    shoot("ajuda.png");
    lajesApp.help()->close();

    // The worked example: case 1, 4 m x 4 m, h 10 cm, g 250, q 200.
    main->CalcularLajes->trigger();
    lajes::TInserirDadosForm* entry = lajesApp.dataEntry();
    settle();
    type(entry, "LxEdit", QStringLiteral("4"));
    type(entry, "LyEdit", QStringLiteral("4"));
    entry->findChild<QPushButton*>(QStringLiteral("LajeBitBtn"))->click();
    type(entry, "HEdit", QStringLiteral("10"));
    type(entry, "CargaPermEdit", QStringLiteral("250"));
    type(entry, "CargaAcidEdit", QStringLiteral("200"));
    shoot("entrada.png");

    entry->findChild<QPushButton*>(QStringLiteral("CalcularBitBtn"))->click();
    lajes::TResultadosForm* results = lajesApp.resultsScreen();
    settle(1200);
    shoot("resultados.png");

    // The steel table of the same slab, beside the results screen.
    results->TabelaAcoBitBtn->click();
    shoot("tabela_aco.png");
    results->tabelaAcoForm()->hide();
    results->activateWindow();
    settle();

    // The verification of the same slab against NBR 6118:2014, default parameters.
    results->NBR6118BitBtn->click();
    shoot("verificacao.png");
    if (lajesApp.verification())
        lajesApp.verification()->hide();
    results->activateWindow();
    settle();

    whenDialogShows([](QDialog*) { shoot("relatorio.png"); });
    results->ImprimirBitBtn->click();
    settle();

    // The drawing's name prompt, then Qt's own file dialog.
    whenDialogShows([](QDialog* prompt) {
        auto* name = prompt->findChild<QLineEdit*>();
        if (name)
            QTest::keyClicks(name, QStringLiteral("L1"));
        whenDialogShows([](QDialog*) { shoot("arquivo.png"); });
        prompt->accept();
    });
    results->DXFBitBtn->click();
    settle();

    // The slab was never saved: "Descartar" in the question before it is discarded.
    whenDialogShows([](QDialog* question) {
        for (QAbstractButton* button : question->findChildren<QAbstractButton*>())
            if (button->text().remove(QLatin1Char('&')) == QStringLiteral("Descartar")) {
                button->click();
                return;
            }
    });
    results->SairBitBtn->click();
    settle();

    // The worked floor (L1, L2 and L3) in the floor window.
    if (lajesApp.openFloorFile(QStringLiteral(LAJES_EXAMPLES_DIR "/pavimento-tipo.pavimento"))) {
        shoot("pavimento.png");
        lajesApp.floorWindow()->close();
    } else {
        ok = false;
    }
    main->close();
    QFile::remove(config);
    return ok ? 0 : 1;
}
