// One edit in the floor window on a 20 x 20 floor: the command pushed, the whole floor
// designed again, the plan's items and the three tables refreshed, and the plan painted.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLocale>

#include <cstdlib>

#include "floor/floor.h"
#include "ui/message_boxes.h"
#include "ui/pavimento_form.h"
#include "ui/pavimento_scene.h"

namespace lajes {
namespace {

class SilentBoxes final : public MessageBoxes {
public:
    void information(QWidget*, const QString&) override {}
    void warning(QWidget*, const QString&) override {}
    bool confirm(QWidget*, const QString&) override { return false; }
    void error(QWidget*, const QString&) override {}
    SaveAnswer askSave(QWidget*, const QString&) override { return SaveAnswer::Discard; }
};

Floor gridFloor(int columns, int rows) {
    Floor floor;
    floor.name = "Grade";
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            FloorSlab slab;
            slab.name = "L" + std::to_string(row * columns + column + 1);
            slab.x = 4.0 * column;
            slab.y = 4.0 * row;
            slab.Lx = 4.0;
            slab.Ly = 4.0;
            slab.h = 10.0;
            slab.g = 250.0;
            slab.q = 200.0;
            floor.slabs.push_back(slab);
        }
    }
    return floor;
}

void BM_FloorWindowEdit20x20(benchmark::State& state) {
    SilentBoxes boxes;
    Settings settings;
    TPavimentoForm window(settings, boxes);
    window.resize(1366, 768);
    window.show();
    window.apply(gridFloor(20, 20));
    window.view()->fitFloor();
    QCoreApplication::processEvents();
    bool thicker = false;
    for (auto _ : state) {
        Floor after = window.floor();
        thicker = !thicker;
        after.slabs[210].h = thicker ? 11.0 : 10.0;
        window.edit(FloorEditKind::ChangeSlab, QStringLiteral("h de L211"), std::move(after));
        window.view()->viewport()->repaint();
    }
    if (window.results().slabs.size() != 400 || window.results().inputError)
        state.SkipWithError("the floor was not designed");
}
BENCHMARK(BM_FloorWindowEdit20x20)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace lajes

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
