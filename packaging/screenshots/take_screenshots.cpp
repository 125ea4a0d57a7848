// Pictures of the splash screen, the main window and the about box for the README, taken from
// the real window classes: lajes_screenshots <folder>. Run it under xvfb-run (or offscreen).

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTimer>

#include <cstdio>

#include "analysis/calculate.h"
#include "design/results_driver.h"
#include "ui/abertura_form.h"
#include "ui/concreto_form.h"
#include "ui/glyphs.h"
#include "ui/decimal_box.h"
#include "ui/help_sobre_form.h"
#include "ui/message_boxes.h"
#include "ui/verificacao_form.h"

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

    // The verification of the worked slab (4 m x 4 m, h = 10 cm, cover 1 cm) with its
    // proposed bars and the default parameters.
    lajes::SlabDesignData slab;
    lajes::SlabResults results;
    lajes::PreDimensioning suggestions;
    lajes::Settings settings;
    lajes::ResultsScreen screen;
    lajes::Nbr6118Parameters parameters;
    lajes::QtMessageBoxes messages;
    lajes::calculateSlab(lajes::SlabEntries{4.0, 4.0, 10.0, 250.0, 200.0}, slab, results,
                         suggestions, settings, [] { return std::optional<double>(); });
    lajes::computeResults(slab, results, settings, screen, lajes::localeDecimalSeparator());
    lajes::TVerificacaoForm verification(slab, results, settings, parameters, messages);
    verification.showWindow();
    ok = save(verification, folder, "verificacao.png") && ok;
    verification.hide();
    mainWindow.hide();
    return ok ? 0 : 1;
}
