#include "dxf/schedule_drawing.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "dxf/dxf_export.h"
#include "dxf/slab_drawing.h"
#include "dxf_test_support.h"

namespace lajes {
namespace {

namespace fs = std::filesystem;
using testing_dxf::Entity;
using testing_dxf::EntityCollector;
using testing_dxf::workedSlab;

// The bars of the worked drawing's descriptions: 31Ø6.3c16, 25Ø6.3c16, 41Ø8.0c12 over the
// one fixed x edge of case 3, 33Ø6.3c12 over its one fixed y edge.
SlabResults workedBars() {
    SlabResults results = testing_dxf::workedResults();
    const std::pair<double, int> bars[] = {{6.3, 31}, {6.3, 25}, {8.0, 41}, {6.3, 33}};
    for (BarDirection direction : allBarDirections) {
        BarChoice& bar = results.bar(direction);
        bar.diameter = bars[static_cast<int>(direction)].first;
        bar.count = bars[static_cast<int>(direction)].second;
    }
    return results;
}

// The entities the table adds after the drawing.
std::vector<Entity> scheduleEntities(const SlabDesignData& slab, const SlabResults& results,
                                     const SteelSchedule& schedule) {
    EntityCollector drawing;
    drawSlab(drawing, slab, results, Settings{}, "L1", ',');
    EntityCollector both;
    drawSlab(both, slab, results, Settings{}, "L1", ',');
    drawSteelSchedule(both, slab, results, Settings{}, schedule, ',');
    return {both.entities.begin() + static_cast<std::ptrdiff_t>(drawing.entities.size()),
            both.entities.end()};
}

struct PlacedText {
    double x, y;
    bool rotated;
    const char* text;
};

// The worked example's labels (x at (41.67, 27), y at (23, 41.67) rotated, top x at
// (-15, 97), top y at (68, 85) rotated) get their marks 4 units above or to the left; the
// table starts at X = P(4.075) + 10 = 101.5 and its title stands below Y = P(5.075) = 111.5,
// with 5-unit rows from Y = 103.5 and the columns at 101.5, 119.5, 135.5, 151.5, 187.5, 221.5.
// Lengths: 31 x 4.13 = 128.03 m, 25 x 5.13 = 128.25, 41 x 1.66 = 68.06, 33 x 1.66 = 54.78;
// masses at 0.245 and 0.395 kg/m.
TEST(ScheduleDrawingTest, WorkedExampleMarksTheLabelsAndDrawsTheTableBesideTheSlab) {
    const SlabDesignData slab = workedSlab();
    const SlabResults results = workedBars();
    const std::optional<SteelSchedule> schedule = steelSchedule(slab, results, Settings{});
    ASSERT_TRUE(schedule);
    const std::vector<Entity> entities = scheduleEntities(slab, results, *schedule);

    std::vector<Entity> texts;
    std::vector<Entity> lines;
    for (const Entity& entity : entities)
        (entity.isText ? texts : lines).push_back(entity);

    const double x0 = 101.5, c1 = 119.5, c2 = 135.5, c3 = 151.5, c4 = 187.5, c5 = 221.5;
    const auto row = [](int n) { return 103.5 - 5.0 * n + 1.25; }; // base line of row n
    const std::vector<PlacedText> expected{
        {41.0 + 2.0 / 3, 31, false, "N1"},
        {19, 41.0 + 2.0 / 3, true, "N2"},
        {-15, 101, false, "N3"},
        {64, 85, true, "N4"},
        {x0, 106.5, false, "TABELA DE AÇO"},
        {x0 + 1.5, row(1), false, "Posição"},
        {c1 + 1.5, row(1), false, "Ø (mm)"},
        {c2 + 1.5, row(1), false, "Quant."},
        {c3 + 1.5, row(1), false, "Compr. unit. (cm)"},
        {c4 + 1.5, row(1), false, "Compr. total (m)"},
        {c5 + 1.5, row(1), false, "Massa (kg)"},
        {x0 + 1.5, row(2), false, "N1"},
        {c1 + 1.5, row(2), false, "6,3"},
        {c2 + 1.5, row(2), false, "31"},
        {c3 + 1.5, row(2), false, "413"},
        {c4 + 1.5, row(2), false, "128,03"},
        {c5 + 1.5, row(2), false, "31,37"},
        {x0 + 1.5, row(3), false, "N2"},
        {c1 + 1.5, row(3), false, "6,3"},
        {c2 + 1.5, row(3), false, "25"},
        {c3 + 1.5, row(3), false, "513"},
        {c4 + 1.5, row(3), false, "128,25"},
        {c5 + 1.5, row(3), false, "31,42"},
        {x0 + 1.5, row(4), false, "N3"},
        {c1 + 1.5, row(4), false, "8,0"},
        {c2 + 1.5, row(4), false, "41"},
        {c3 + 1.5, row(4), false, "166"},
        {c4 + 1.5, row(4), false, "68,06"},
        {c5 + 1.5, row(4), false, "26,88"},
        {x0 + 1.5, row(5), false, "N4"},
        {c1 + 1.5, row(5), false, "6,3"},
        {c2 + 1.5, row(5), false, "33"},
        {c3 + 1.5, row(5), false, "166"},
        {c4 + 1.5, row(5), false, "54,78"},
        {c5 + 1.5, row(5), false, "13,42"},
        {x0 + 1.5, row(6), false, "RESUMO"},
        {c1 + 1.5, row(7), false, "6,3"},
        {c4 + 1.5, row(7), false, "311,06"},
        {c5 + 1.5, row(7), false, "76,21"},
        {c1 + 1.5, row(8), false, "8,0"},
        {c4 + 1.5, row(8), false, "68,06"},
        {c5 + 1.5, row(8), false, "26,88"},
        {x0 + 1.5, row(9), false, "TOTAL"},
        {c5 + 1.5, row(9), false, "103,09"},
        {x0 + 1.5, row(10), false, "TOTAL + 10%"},
        {c5 + 1.5, row(10), false, "113,40"},
    };
    ASSERT_EQ(texts.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(expected[i].text);
        EXPECT_EQ(texts[i].text, expected[i].text);
        EXPECT_NEAR(texts[i].x1, expected[i].x, 1e-9);
        EXPECT_NEAR(texts[i].y1, expected[i].y, 1e-9);
        EXPECT_EQ(texts[i].rotated, expected[i].rotated);
        const bool title = i == 4;
        EXPECT_EQ(texts[i].height, title ? DxfTextHeight::Name : DxfTextHeight::Label);
    }

    // Grid on "Texto": 10 rows, so 11 rules across; the two sides; the five inner column
    // lines broken at "RESUMO", and all but the last broken again at the totals.
    std::vector<double> rules;
    int verticals = 0;
    for (const Entity& line : lines) {
        EXPECT_EQ(line.layer, DxfLayer::Texto);
        if (line.y1 == line.y2) {
            EXPECT_NEAR(line.x1, x0, 1e-9);
            EXPECT_NEAR(line.x2, 245.5, 1e-9);
            rules.push_back(line.y1);
        } else {
            ++verticals;
        }
    }
    ASSERT_EQ(rules.size(), 11u);
    for (std::size_t i = 0; i < rules.size(); ++i)
        EXPECT_NEAR(rules[i], 103.5 - 5.0 * static_cast<double>(i), 1e-9);
    EXPECT_EQ(verticals, 2 + 4 * 2 + 2);
}

// A file without the table is the detailing drawing byte for byte; the table only adds
// entities after the drawing's last one.
TEST(ScheduleDrawingTest, FileWithTheTableIsTheDrawingFollowedByTheTable) {
    const fs::path folder =
        fs::temp_directory_path() / ("lajes-schedule-" + std::to_string(getpid()));
    fs::create_directories(folder);
    const SlabDesignData slab = workedSlab();
    const SlabResults results = workedBars();
    const auto schedule = steelSchedule(slab, results, Settings{});
    ASSERT_TRUE(schedule);
    ASSERT_FALSE(exportDrawing(folder / "plain.dxf", "L1", slab, results, Settings{}, '.'));
    ASSERT_FALSE(
        exportDrawing(folder / "table.dxf", "L1", slab, results, Settings{}, '.', &*schedule));
    const std::string plain = testing_dxf::readBytes(folder / "plain.dxf");
    const std::string table = testing_dxf::readBytes(folder / "table.dxf");
    fs::remove_all(folder);

    EXPECT_EQ(plain, testing_dxf::readBytes(testing_dxf::goldenFolder() / "case3_solid.dxf"));
    const std::string closing = " 0\r\nENDSEC\r\n 0\r\nEOF\r\n";
    ASSERT_EQ(plain.substr(plain.size() - closing.size()), closing);
    const std::string drawing = plain.substr(0, plain.size() - closing.size());
    EXPECT_EQ(table.substr(0, drawing.size()), drawing);
    EXPECT_EQ(table.substr(table.size() - closing.size()), closing);
    // "TABELA DE AÇO" in Windows-1252.
    EXPECT_NE(table.find("1\r\nTABELA DE A\xC7O\r\n", drawing.size()), std::string::npos);
}

} // namespace
} // namespace lajes
