// The program's own start-up, built for the start-up test: once the main window is up, it
// leaves through the menu item "&Arquivos" → "&Saída", as a user does. With --print-shown-time
// it first prints the wall-clock time (ns since the epoch) at which the main window was up,
// for bench/startup_ratio.py.

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <cstring>

#include "ui/concreto_form.h"
#include "ui/lajes_application.h"
#include "ui/program.h"

int main(int argc, char* argv[]) {
    const bool printShownTime = argc > 1 && std::strcmp(argv[1], "--print-shown-time") == 0;
    if (printShownTime) { // not a slab file for the program
        for (int i = 1; i + 1 < argc; ++i)
            argv[i] = argv[i + 1];
        --argc;
    }
    return lajes::runProgram(argc, argv, [printShownTime](lajes::LajesApplication& app) {
        lajes::TConcretoForm* main = app.mainWindow();
        QTimer::singleShot(0, main, [main, printShownTime] {
            if (printShownTime)
                std::printf("%lld\n", static_cast<long long>(
                                          std::chrono::duration_cast<std::chrono::nanoseconds>(
                                              std::chrono::system_clock::now().time_since_epoch())
                                              .count()));
            for (QAction* menu : main->menuBar()->actions())
                if (menu->menu() && menu->text() == QStringLiteral("&Arquivos"))
                    for (QAction* item : menu->menu()->actions())
                        if (item->text() == QStringLiteral("&Saída"))
                            item->trigger();
        });
    });
}
