// The yardstick of the program's start-up: a bare Qt program that shows a maximised
// QMainWindow with the main window's menu bar and a label, then leaves through "&Saída" as the
// start-up probe does, after printing the wall-clock time (ns since the epoch) at which the
// window was up. bench/startup_ratio.py times both.

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include <chrono>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Estruturas de Concreto - Cálculo de Lajes"));
    QMenu* files = window.menuBar()->addMenu(QStringLiteral("&Arquivos"));
    QAction* saida = files->addAction(QStringLiteral("&Saída"));
    QAction* calcular = window.menuBar()->addAction(QStringLiteral("&Calcular Lajes"));
    calcular->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    QMenu* help = window.menuBar()->addMenu(QStringLiteral("&Ajuda"));
    help->addAction(QStringLiteral("&Conteúdo"));
    help->addAction(QStringLiteral("&Sobre"));
    window.setCentralWidget(new QLabel(QStringLiteral("Cálculo de Lajes"), &window));
    QObject::connect(saida, &QAction::triggered, &window, [&window] {
        window.close();
        QCoreApplication::quit();
    });
    window.showMaximized();
    QTimer::singleShot(0, &window, [saida] {
        std::printf("%lld\n",
                    static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(
                                               std::chrono::system_clock::now().time_since_epoch())
                                               .count()));
        std::fflush(stdout);
        saida->trigger();
    });
    return QApplication::exec();
}
