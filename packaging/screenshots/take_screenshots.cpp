// Pictures of the splash screen, the main window, the about box and the steel table for the
// README, taken from the real window classes: lajes_screenshots <folder>. Run it under
// xvfb-run (or offscreen).

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QPixmap>
#include <QTimer>

#include <cstdio>

#include "analysis/calculate.h"
#include "design/results_driver.h"
#include "ui/abertura_form.h"
#include "ui/concreto_form.h"
#include "ui/glyphs.h"
#include "ui/help_sobre_form.h"
#include "ui/message_boxes.h"
#include "ui/tabela_aco_form.h"

namespace {

bool save(QWidget& window, const QDir& folder, const char* name) {
    window.show();
    // Two rounds of events: the first lays the window out, the second paints it.
    QApplication::processEvents();
    QApplication::processEvents();
    const QString path = folder.filePath(QString::fromLatin1(name));
    if (!window.grab().save(path)) {
        std::fprintf(stderr, "lajes_screenshots: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setWindowIcon(lajes::applicationIcon());
    if (argc != 2) {
        std::fprintf(stderr, "usage: lajes_screenshots <folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.exists() && !QDir().mkpath(folder.path()))
        return 1;

    lajes::TConcretoForm mainWindow;
    mainWindow.resize(1000, 620);
    bool ok = save(mainWindow, folder, "principal.png");

    // Shown, the splash screen would start the creation of the other windows; a grab of the
    // hidden window paints the same picture.
    lajes::TAberturaForm splash(nullptr, &mainWindow);
    splash.ensurePolished();
    const QString splashPath = folder.filePath(QStringLiteral("abertura.png"));
    ok = splash.grab().save(splashPath) && ok;
    std::printf("%s\n", qPrintable(splashPath));

    lajes::THelpSobreForm about(&mainWindow);
    ok = save(about, folder, "sobre.png") && ok;
    about.hide();

    // The steel table of the case-6 slab: 4 m x 5 m, h 12 cm, g 100, q 300 kg/m², adjacent
    // span 4.5 m, the default settings.
    lajes::SlabDesignData slab;
    slab.SupportCase = 6;
    lajes::SlabResults results;
    lajes::PreDimensioning preDimensioning;
    const lajes::Settings settings;
    lajes::ResultsScreen screen;
    lajes::calculateSlab({4.0, 5.0, 12.0, 100.0, 300.0}, slab, results, preDimensioning, settings,
                         [] { return std::optional<double>(4.5); });
    const bool designed = !lajes::computeResults(slab, results, settings, screen,
                                                 QLocale().decimalPoint().at(0).toLatin1())
                               .closeScreen;
    lajes::QtMessageBoxes messages;
    lajes::TTabelaAcoForm table(slab, results, settings, messages, nullptr, &mainWindow);
    table.refresh(designed);
    table.adjustSize();
    ok = save(table, folder, "tabela_aco.png") && ok;
    table.hide();
    mainWindow.hide();
    return ok ? 0 : 1;
}
