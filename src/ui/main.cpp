#include <QAction>
#include <QApplication>
#include <QTimer>

#include <memory>

#include "config/settings_file.h"
#include "ui/concreto_form.h"
#include "ui/glyphs.h"
#include "ui/lajes_application.h"
#include "ui/message_boxes.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lajes"));
    // Every window and dialog carries the program's icon; the desktop entry is lajes.desktop.
    QApplication::setWindowIcon(lajes::applicationIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("lajes"));
    QApplication::setQuitOnLastWindowClosed(false);

    lajes::LajesApplication lajesApp(std::make_unique<lajes::QtMessageBoxes>(),
                                     lajes::configFileName);
    lajesApp.start();

    // For the start-up test only: leave through "&Saída" as soon as the main window is up.
    if (qEnvironmentVariableIntValue("LAJES_TEST_QUIT_AFTER_SHOWN") == 1)
        QTimer::singleShot(0, lajesApp.mainWindow(),
                           [&lajesApp] { lajesApp.mainWindow()->Saida->trigger(); });

    return QApplication::exec();
}
