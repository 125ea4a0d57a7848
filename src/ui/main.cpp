#include <QAction>
#include <QApplication>
#include <QTimer>

#include <cstdio>

#include <memory>

#include "config/settings_file.h"
#include "ui/concreto_form.h"
#include "ui/glyphs.h"
#include "ui/lajes_application.h"
#include "ui/message_boxes.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lajes"));
    // The program's own settings (recent files): ~/.config/Lajes/Lajes.conf.
    QApplication::setOrganizationName(QStringLiteral("Lajes"));
    // One optional argument: a slab file to open once the program is up.
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 2) {
        std::fputs("Uso: lajes [ARQUIVO.laje]\n", stderr);
        return 2;
    }
    // Every window and dialog carries the program's icon; the desktop entry is lajes.desktop.
    QApplication::setWindowIcon(lajes::applicationIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("lajes"));
    QApplication::setQuitOnLastWindowClosed(false);

    lajes::LajesApplication lajesApp(std::make_unique<lajes::QtMessageBoxes>(),
                                     lajes::configFileName);
    lajesApp.start();
    if (arguments.size() == 2)
        lajesApp.openSlabFile(arguments.at(1));

    // For the start-up test only: leave through "&Saída" as soon as the main window is up.
    if (qEnvironmentVariableIntValue("LAJES_TEST_QUIT_AFTER_SHOWN") == 1)
        QTimer::singleShot(0, lajesApp.mainWindow(),
                           [&lajesApp] { lajesApp.mainWindow()->Saida->trigger(); });

    return QApplication::exec();
}
