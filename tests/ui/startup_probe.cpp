// The program's own start-up, built for the start-up test: once the main window is up, it
// leaves through the menu item "&Arquivos" → "&Saída", as a user does.

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include "ui/concreto_form.h"
#include "ui/lajes_application.h"
#include "ui/program.h"

int main(int argc, char* argv[]) {
    return lajes::runProgram(argc, argv, [](lajes::LajesApplication& app) {
        lajes::TConcretoForm* main = app.mainWindow();
        QTimer::singleShot(0, main, [main] {
            for (QAction* menu : main->menuBar()->actions())
                if (menu->menu() && menu->text() == QStringLiteral("&Arquivos"))
                    for (QAction* item : menu->menu()->actions())
                        if (item->text() == QStringLiteral("&Saída"))
                            item->trigger();
        });
    });
}
