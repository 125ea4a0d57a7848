#include "ui/program.h"

#include <QApplication>
#include <QByteArray>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "config/settings_file.h"
#include "report/qt_portuguese.h"
#include "slabfile/recent_files.h"
#include "ui/glyphs.h"
#include "ui/lajes_application.h"
#include "ui/message_boxes.h"

namespace lajes {

namespace {

// Qt's messages while the platform is being opened. A failure there is fatal in Qt (it
// aborts after several English lines): the user gets one line of ours instead. Whatever Qt
// says on the way to a working platform is passed on afterwards.
QByteArray& heldStartupMessages() {
    static QByteArray held;
    return held;
}

void openingPlatform(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", noDisplayMessage);
        std::fflush(stderr);
        std::_Exit(1);
    }
    heldStartupMessages() += text.toLocal8Bit() + '\n';
}

std::unique_ptr<QApplication> openApplication(int& argc, char* argv[]) {
    const QtMessageHandler previous = qInstallMessageHandler(openingPlatform);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    std::fputs(heldStartupMessages().constData(), stderr);
    heldStartupMessages().clear();
    return application;
}

} // namespace

int runProgram(int argc, char* argv[], const std::function<void(LajesApplication&)>& started) {
    // The toolkit keeps its own settings (the file dialogs' state) under $HOME and would make a
    // missing home: the home the recent list uses stands in for a missing or unset one. Set
    // before the toolkit starts, while this is the only thread.
    const ConfigHome where = configHomeOfProcess();
    if (const auto home = homeFolder(where); home && where.home != home->native())
        ::setenv("HOME", home->c_str(), 1);
    const std::unique_ptr<QApplication> application = openApplication(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lajes"));
    // The program's own settings (recent files): ~/.config/Lajes/Lajes.conf.
    QApplication::setOrganizationName(QStringLiteral("Lajes"));
    // One optional argument: a slab or floor file to open once the program is up.
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 2) {
        std::fputs("Uso: lajes [ARQUIVO.laje]\n", stderr);
        return 2;
    }
    installQtPortuguese(*application);
    // Every window and dialog carries the program's icon; the desktop entry is lajes.desktop.
    QApplication::setWindowIcon(applicationIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("lajes"));
    QApplication::setQuitOnLastWindowClosed(false);

    LajesApplication lajesApp(std::make_unique<QtMessageBoxes>(), configFileName);
    lajesApp.start();
    // The name as the bytes given (Qt has taken its own options out of argv): a name that is
    // not UTF-8, from an old disk, opens too.
    if (arguments.size() == 2 && argc == 2)
        lajesApp.openFile(std::filesystem::path(argv[1]));
    if (started)
        started(lajesApp);
    return QApplication::exec();
}

} // namespace lajes
