#include "dxf/slab_drawing.h"

#include <functional>
#include <gtest/gtest.h>

#include <algorithm>

#include "../row_name.h"
#include "dxf_test_support.h"

namespace lajes {
namespace {

using testing_dxf::Entity;
using testing_dxf::EntityCollector;
using testing_dxf::workedResults;
using testing_dxf::workedSlab;

constexpr double tolerance = 1e-9; // drawing units

std::vector<Entity> draw(const SlabDesignData& slab, const SlabResults& results,
                         const Settings& settings = Settings{}, std::string_view name = "L1",
                         char separator = '.') {
    EntityCollector collector;
    drawSlab(collector, slab, results, settings, name, separator);
    return collector.entities;
}

std::string letters(const std::vector<Entity>& entities) {
    std::string result;
    for (const Entity& entity : entities)
        result += entity.letter();
    return result;
}

Entity text(double x, double y, DxfTextHeight height, bool rotated, std::string value) {
    Entity entity;
    entity.isText = true;
    entity.x1 = x;
    entity.y1 = y;
    entity.height = height;
    entity.rotated = rotated;
    entity.text = std::move(value);
    return entity;
}

Entity line(DxfLayer layer, double x1, double y1, double x2, double y2) {
    Entity entity;
    entity.layer = layer;
    entity.x1 = x1;
    entity.y1 = y1;
    entity.x2 = x2;
    entity.y2 = y2;
    return entity;
}

void expectEntity(const Entity& actual, const Entity& expected, std::size_t index) {
    SCOPED_TRACE("entity " + std::to_string(index + 1));
    EXPECT_EQ(actual.letter(), expected.letter());
    EXPECT_NEAR(actual.x1, expected.x1, tolerance);
    EXPECT_NEAR(actual.y1, expected.y1, tolerance);
    if (expected.isText) {
        EXPECT_EQ(actual.height, expected.height);
        EXPECT_EQ(actual.rotated, expected.rotated);
        EXPECT_EQ(actual.text, expected.text);
    } else {
        EXPECT_NEAR(actual.x2, expected.x2, tolerance);
        EXPECT_NEAR(actual.y2, expected.y2, tolerance);
    }
}

// The worked example as the hand calculation gives it: k = 2/3 m, t = 1/12 m, e = 0.14 m,
// v = 0.08 m, a = 0.50 m, Lbx = 4.13 m, Lby = 5.13 m, Ln = 1.66 m, P(X) = 20 X + 10.
TEST(SlabDrawingTest, WorkedExampleGivesEveryEntityInOrder) {
    const auto N = DxfTextHeight::Name;
    const auto S = DxfTextHeight::Label;
    const auto L = DxfLayer::Laje;
    const auto Pos = DxfLayer::FerrPos;
    const auto Neg = DxfLayer::FerrNeg;
    const std::vector<Entity> expected{
        text(10, 140, N, false, "L1"),
        text(10, 135, S, false, "Esc.: 1:50"),
        text(50, 60, N, false, "L1"),
        text(44, 54, S, false, "h = 10.00"),
        line(L, 11.5, 11.5, 88.5, 11.5),
        line(L, 88.5, 11.5, 88.5, 108.5),
        line(L, 88.5, 108.5, 11.5, 108.5),
        line(L, 11.5, 108.5, 11.5, 11.5),
        line(L, 8.5, 8.5, 91.5, 8.5),
        line(L, 91.5, 8.5, 91.5, 111.5),
        line(L, 91.5, 111.5, 8.5, 111.5),
        line(L, 8.5, 111.5, 8.5, 8.5),
        line(Pos, 8.7, 25, 91.3, 25),
        line(Pos, 25, 8.7, 25, 111.3),
        text(125.0 / 3, 27, S, false, "31\u00D86.3c16 - 413"),
        text(23, 125.0 / 3, S, true, "25\u00D86.3c16 - 513"),
        line(Neg, -10, 95, 20, 95),
        line(Neg, 0, 90, 30, 90),
        line(Neg, -10, 95, -10, 93.4),
        line(Neg, 20, 95, 20, 93.4),
        line(Neg, 0, 90, 0, 88.4),
        line(Neg, 30, 90, 30, 88.4),
        text(-15, 97, S, false, "41\u00D88.0c12 - 166"),
        text(10.0 / 3, 91, S, false, "150"),
        text(21, 92.4, S, false, "8"),
        line(Neg, 75, 130, 75, 100),
        line(Neg, 70, 120, 70, 90),
        line(Neg, 75, 130, 76.6, 130),
        line(Neg, 75, 100, 76.6, 100),
        line(Neg, 70, 120, 71.6, 120),
        line(Neg, 70, 90, 71.6, 90),
        text(68, 85, S, true, "33\u00D86.3c12 - 166"),
        text(72.6, 121, S, true, "8"),
        text(74, 310.0 / 3, S, true, "150"),
    };
    const std::vector<Entity> actual = draw(workedSlab(), workedResults());
    ASSERT_EQ(letters(actual), letters(expected));
    for (std::size_t i = 0; i < expected.size(); ++i)
        expectEntity(actual[i], expected[i], i);
}

// Which top bars a direction gets.
enum class Top { none, staggered, straight };

struct SupportCaseRow {
    const char* name;
    int supportCase;
    bool ribbed;
    bool xnText; // the x top description is filled
    bool ynText;
    Top x;
    Top y;
    const char* letters; // T text, L Laje, P Ferr-Pos, N Ferr-Neg
};

void PrintTo(const SupportCaseRow& row, std::ostream* os) {
    *os << row.name;
}

class SupportCaseTest : public testing::TestWithParam<SupportCaseRow> {};

// Ribbed rows have 2 bottom bars per rib in x and 3 in y; the geometry is the worked
// example's, so each kind of top bar has a known first line.
TEST_P(SupportCaseTest, DrawsTheTopBarsOfItsFixedEdges) {
    const SupportCaseRow& row = GetParam();
    SlabDesignData slab = workedSlab();
    slab.SupportCase = row.supportCase;
    slab.Ribbed = row.ribbed;
    SlabResults results = workedResults();
    results.barsPerRibX = 2;
    results.barsPerRibY = 3;
    if (!row.xnText)
        results.bar(BarDirection::xn).text.clear();
    if (!row.ynText)
        results.bar(BarDirection::yn).text.clear();

    const std::vector<Entity> entities = draw(slab, results);
    ASSERT_EQ(letters(entities), row.letters);

    const int bottomLines = row.ribbed ? 5 : 2;
    std::size_t at = 12 + static_cast<std::size_t>(bottomLines) + 2; // after the labels
    switch (row.x) {
    case Top::staggered:
        expectEntity(entities[at], line(DxfLayer::FerrNeg, -10, 95, 20, 95), at);
        expectEntity(entities[at + 6],
                     text(-15, 97, DxfTextHeight::Label, false, "41\u00D88.0c12 - 166"), at + 6);
        at += 9;
        break;
    case Top::straight: {
        // Across the slab at y1, label ten steps right of the y bundle, length Lbx.
        const double labelX = 10 + 20 * (2.0 / 3 + ((row.ribbed ? 3 : 1) + 10) / 12.0);
        expectEntity(entities[at], line(DxfLayer::FerrNeg, 8.7, 95, 91.3, 95), at);
        expectEntity(entities[at + 1],
                     text(labelX, 97, DxfTextHeight::Label, false, "41\u00D88.0c12 - 413"), at + 1);
        at += 2;
        break;
    }
    case Top::none:
        break;
    }
    switch (row.y) {
    case Top::staggered:
        expectEntity(entities[at], line(DxfLayer::FerrNeg, 75, 130, 75, 100), at);
        expectEntity(entities[at + 6],
                     text(68, 85, DxfTextHeight::Label, true, "33\u00D86.3c12 - 166"), at + 6);
        break;
    case Top::straight: {
        const double labelY = 10 + 20 * (2.0 / 3 + ((row.ribbed ? 2 : 1) + 10) / 12.0);
        expectEntity(entities[at], line(DxfLayer::FerrNeg, 75, 8.7, 75, 111.3), at);
        expectEntity(entities[at + 1],
                     text(73, labelY, DxfTextHeight::Label, true, "33\u00D86.3c12 - 513"), at + 1);
        break;
    }
    case Top::none:
        break;
    }
}

#define SOLID_BOTTOM "PPTT"
#define RIBBED_BOTTOM "PPPPPTT"
#define STAGGERED "NNNNNNTTT"
#define STRAIGHT "NT"

INSTANTIATE_TEST_SUITE_P(
    Rows, SupportCaseTest,
    testing::Values(
        // A solid slab has top descriptions exactly where its case has fixed edges.
        SupportCaseRow{"SolidCase1", 1, false, false, false, Top::none, Top::none,
                       "TTTTLLLLLLLL" SOLID_BOTTOM},
        SupportCaseRow{"SolidCase2", 2, false, true, false, Top::staggered, Top::none,
                       "TTTTLLLLLLLL" SOLID_BOTTOM STAGGERED},
        SupportCaseRow{"SolidCase3", 3, false, true, true, Top::staggered, Top::staggered,
                       "TTTTLLLLLLLL" SOLID_BOTTOM STAGGERED STAGGERED},
        SupportCaseRow{"SolidCase4", 4, false, true, false, Top::staggered, Top::none,
                       "TTTTLLLLLLLL" SOLID_BOTTOM STAGGERED},
        SupportCaseRow{"SolidCase5", 5, false, true, true, Top::staggered, Top::staggered,
                       "TTTTLLLLLLLL" SOLID_BOTTOM STAGGERED STAGGERED},
        SupportCaseRow{"SolidCase6", 6, false, true, true, Top::staggered, Top::staggered,
                       "TTTTLLLLLLLL" SOLID_BOTTOM STAGGERED STAGGERED},
        // A ribbed slab always has its fixed top descriptions.
        SupportCaseRow{"RibbedCase1", 1, true, true, true, Top::straight, Top::straight,
                       "TTTTLLLLLLLL" RIBBED_BOTTOM STRAIGHT STRAIGHT},
        SupportCaseRow{"RibbedCase2", 2, true, true, true, Top::staggered, Top::straight,
                       "TTTTLLLLLLLL" RIBBED_BOTTOM STAGGERED STRAIGHT},
        SupportCaseRow{"RibbedCase3", 3, true, true, true, Top::staggered, Top::staggered,
                       "TTTTLLLLLLLL" RIBBED_BOTTOM STAGGERED STAGGERED},
        SupportCaseRow{"RibbedCase4", 4, true, true, true, Top::staggered, Top::straight,
                       "TTTTLLLLLLLL" RIBBED_BOTTOM STAGGERED STRAIGHT},
        SupportCaseRow{"RibbedCase5", 5, true, true, true, Top::staggered, Top::staggered,
                       "TTTTLLLLLLLL" RIBBED_BOTTOM STAGGERED STAGGERED},
        SupportCaseRow{"RibbedCase6", 6, true, true, true, Top::staggered, Top::staggered,
                       "TTTTLLLLLLLL" RIBBED_BOTTOM STAGGERED STAGGERED},
        // An empty top description suppresses its whole group, whatever the case.
        SupportCaseRow{"SolidCase3WithoutXTop", 3, false, false, true, Top::none, Top::staggered,
                       "TTTTLLLLLLLL" SOLID_BOTTOM STAGGERED},
        SupportCaseRow{"SolidCase6WithoutYTop", 6, false, true, false, Top::staggered, Top::none,
                       "TTTTLLLLLLLL" SOLID_BOTTOM STAGGERED},
        SupportCaseRow{"RibbedCase1WithoutTops", 1, true, false, false, Top::none, Top::none,
                       "TTTTLLLLLLLL" RIBBED_BOTTOM},
        SupportCaseRow{"SolidCase1WithTopsDrawsThemStraight", 1, false, true, true, Top::straight,
                       Top::straight, "TTTTLLLLLLLL" SOLID_BOTTOM STRAIGHT STRAIGHT}),
    testing_rows::RowName{});

#undef SOLID_BOTTOM
#undef RIBBED_BOTTOM
#undef STAGGERED
#undef STRAIGHT

struct LegRow {
    const char* name;
    double h;     // cm
    double cover; // cm
    char separator;
    const char* leg;
};

void PrintTo(const LegRow& row, std::ostream* os) {
    *os << row.name;
}

class LegTextTest : public testing::TestWithParam<LegRow> {};

TEST_P(LegTextTest, WritesTheLegInBothTopGroups) {
    SlabDesignData slab = workedSlab();
    slab.h = GetParam().h;
    Settings settings;
    settings.cover = GetParam().cover;
    const std::vector<Entity> entities =
        draw(slab, workedResults(), settings, "L1", GetParam().separator);
    ASSERT_EQ(entities.size(), 34u);
    EXPECT_EQ(entities[24].text, GetParam().leg); // x group: label, straight length, leg
    EXPECT_EQ(entities[32].text, GetParam().leg); // y group: label, leg, straight length
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LegTextTest,
    testing::Values(LegRow{"LegNinePoint95RoundsToTen", 11.95, 1, '.', "10"},
                    LegRow{"LegNinePoint05RoundsToNine", 11.05, 1, '.', "9"},
                    LegRow{"LegNinePoint2KeepsOneDecimal", 11.2, 1, '.', "9.2"},
                    LegRow{"LegNinePoint2WithComma", 11.2, 1, ',', "9,2"},
                    LegRow{"Leg8", 10, 1, '.', "8"},
                    LegRow{"Leg8ComputedAsSevenPoint999", 10.2, 1.1, ',', "8"},
                    LegRow{"LegNinePoint1ComputedAsNinePoint0999IsALowerBound", 11.1, 1, '.',
                           "9.1"},
                    LegRow{"LegNinePoint9IsAnUpperBound", 11.9, 1, '.', "9.9"}),
    testing_rows::RowName{});

struct AdjacentSpanRow {
    const char* name;
    double adjacentSpan;        // m
    double firstBarStartX;      // P(-2a)
    const char* straightLength; // 3a, cm
    const char* xLabel;         // with Ln = 3a + 2v
};

void PrintTo(const AdjacentSpanRow& row, std::ostream* os) {
    *os << row.name;
}

class AdjacentSpanTest : public testing::TestWithParam<AdjacentSpanRow> {};

TEST_P(AdjacentSpanTest, RoundsTheTopBarUnitToFiveCentimetres) {
    SlabDesignData slab = workedSlab();
    slab.AdjacentSpan = GetParam().adjacentSpan;
    const std::vector<Entity> entities = draw(slab, workedResults());
    ASSERT_EQ(entities.size(), 34u);
    EXPECT_NEAR(entities[16].x1, GetParam().firstBarStartX, tolerance);
    EXPECT_EQ(entities[22].text, GetParam().xLabel);
    EXPECT_EQ(entities[23].text, GetParam().straightLength);
    EXPECT_EQ(entities[33].text, GetParam().straightLength);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, AdjacentSpanTest,
    testing::Values(AdjacentSpanRow{"Exactly4m", 4.0, -10, "150", "41\u00D88.0c12 - 166"},
                    AdjacentSpanRow{"ExcessOfAThousandthStepIsDropped", 4.0004, -10, "150",
                                    "41\u00D88.0c12 - 166"},
                    AdjacentSpanRow{"ExcessOfAQuarterStepRoundsUp", 4.01, -12, "165",
                                    "41\u00D88.0c12 - 181"},
                    AdjacentSpanRow{"FourPointOne", 4.10, -12, "165", "41\u00D88.0c12 - 181"},
                    AdjacentSpanRow{"WholeSteps", 3.2, -6, "120", "41\u00D88.0c12 - 136"}),
    testing_rows::RowName{});

struct TextRow {
    const char* name;
    std::function<void(SlabDesignData&, SlabResults&, Settings&)> change;
    std::string slabName;
    char separator;
    std::size_t index; // entity
    double x, y;
    const char* text;
};

void PrintTo(const TextRow& row, std::ostream* os) {
    *os << row.name;
}

class TextPlacementTest : public testing::TestWithParam<TextRow> {};

TEST_P(TextPlacementTest, PlacesAndComposesTheText) {
    SlabDesignData slab = workedSlab();
    SlabResults results = workedResults();
    Settings settings;
    GetParam().change(slab, results, settings);
    const std::vector<Entity> entities =
        draw(slab, results, settings, GetParam().slabName, GetParam().separator);
    ASSERT_LT(GetParam().index, entities.size());
    const Entity& entity = entities[GetParam().index];
    ASSERT_TRUE(entity.isText);
    EXPECT_NEAR(entity.x1, GetParam().x, tolerance);
    EXPECT_NEAR(entity.y1, GetParam().y, tolerance);
    EXPECT_EQ(entity.text, GetParam().text);
}

void scale75(SlabDesignData&, SlabResults&, Settings& settings) {
    settings.drawingScale = "1:75";
    settings.scaleFactor = 1000.0 / 75;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TextPlacementTest,
    testing::Values(
        TextRow{"ThicknessWithComma", [](auto&, auto&, auto&) {}, "L1", ',', 3, 44, 54,
                "h = 10,00"},
        TextRow{"ThicknessTwelveAndAHalf", [](SlabDesignData& s, auto&, auto&) { s.h = 12.5; },
                "L1", '.', 3, 44, 54, "h = 12.50"},
        TextRow{"EmptyNameStillWritesTheTitle", [](auto&, auto&, auto&) {}, "", '.', 0, 10, 140,
                ""},
        TextRow{"EmptyNameStillWritesTheCentreName", [](auto&, auto&, auto&) {}, "", '.', 2, 50, 60,
                ""},
        TextRow{"ScaleOneTo75Title", scale75, "L1", '.', 0, 10, 5 * 1000.0 / 75 + 40, "L1"},
        TextRow{"ScaleOneTo75TopLabelLeftOfTheOrigin", scale75, "L1", '.', 22,
                -0.25 * 1000.0 / 75 - 10, 4.25 * 1000.0 / 75 + 12, "41\u00D88.0c12 - 166"},
        TextRow{"EmptyBottomDescriptionStillLabelled",
                [](auto&, SlabResults& r, auto&) { r.bar(BarDirection::xp).text.clear(); }, "L1",
                '.', 14, 125.0 / 3, 27, " - 413"},
        TextRow{"SquareSlabUsesLyOverSix", [](SlabDesignData& s, auto&, auto&) { s.Ly = 4.0; },
                "L1", '.', 15, 23, 125.0 / 3, "25\u00D86.3c16 - 413"},
        TextRow{"WideSlabUsesTheSmallerSpan",
                [](SlabDesignData& s, auto&, auto&) {
                    s.Lx = 5.0;
                    s.Ly = 4.0;
                },
                "L1", '.', 31, 10 + 20 * (5 - 1.0) - 2, 10 + 20 * (4 - 0.25) - 20,
                "33\u00D86.3c12 - 166"},
        // Ribbed, nX = 0: no x bar, the labels use nX = 0 in their positions.
        TextRow{"RibbedWithoutXBarsLabelsXAtTheBase",
                [](SlabDesignData& s, SlabResults& r, auto&) {
                    s.Ribbed = true;
                    s.SupportCase = 1;
                    r.barsPerRibX = 0;
                    r.barsPerRibY = 2;
                },
                "L1", '.', 14, 10 + 20 * (2.0 / 3 + 12.0 / 12), 10 + 20 * (2.0 / 3) + 2,
                "31\u00D86.3c16 - 413"},
        TextRow{"RibbedWithoutYBarsPutsTheXLabelTenStepsFromTheBase",
                [](SlabDesignData& s, SlabResults& r, auto&) {
                    s.Ribbed = true;
                    s.SupportCase = 1;
                    r.barsPerRibX = 3;
                    r.barsPerRibY = 0;
                },
                "L1", '.', 15, 10 + 20 * (2.0 / 3 + 10.0 / 12), 10 + 20 * (2.0 / 3 + 3.0 / 12) + 2,
                "31\u00D86.3c16 - 413"}),
    testing_rows::RowName{});

TEST(SlabDrawingTest, SolidSlabDrawsOneBarPerDirectionWhateverItsCounts) {
    SlabResults results = workedResults();
    results.bar(BarDirection::xp).count = 31;
    results.barsPerRibX = 4;
    results.barsPerRibY = 5;
    const std::vector<Entity> entities = draw(workedSlab(), results);
    ASSERT_EQ(letters(entities).substr(12, 4), "PPTT");
    expectEntity(entities[12], line(DxfLayer::FerrPos, 8.7, 25, 91.3, 25), 12);
}

TEST(SlabDrawingTest, RibbedBottomBarsStepByKOverEight) {
    SlabDesignData slab = workedSlab();
    slab.Ribbed = true;
    slab.SupportCase = 1;
    SlabResults results = workedResults();
    results.barsPerRibX = 2;
    results.barsPerRibY = 3;
    const std::vector<Entity> entities = draw(slab, results);
    ASSERT_EQ(letters(entities).substr(12, 7), "PPPPPTT");
    const double t = 20.0 / 12; // drawing units
    expectEntity(entities[12], line(DxfLayer::FerrPos, 8.7, 25, 91.3, 25), 12);
    expectEntity(entities[13], line(DxfLayer::FerrPos, 8.7, 25 + t, 91.3, 25 + t), 13);
    expectEntity(entities[16], line(DxfLayer::FerrPos, 25 + 2 * t, 8.7, 25 + 2 * t, 111.3), 16);
    // x label: ten steps right of the 3-bar y bundle, 2 units above the second x bar.
    expectEntity(entities[17],
                 text(10 + 20 * (2.0 / 3 + 13.0 / 12), 25 + t + 2, DxfTextHeight::Label, false,
                      "31\u00D86.3c16 - 413"),
                 17);
}

TEST(SlabDrawingTest, RibbedSlabWithNoBarsInEitherDirectionStillLabelsBoth) {
    SlabDesignData slab = workedSlab();
    slab.Ribbed = true;
    slab.SupportCase = 1;
    SlabResults results = workedResults();
    results.barsPerRibX = 0;
    results.barsPerRibY = -1;
    EXPECT_EQ(letters(draw(slab, results)), "TTTTLLLLLLLLTTNTNT");
}

// A billion bars per rib (bw = 1e9 once made a 28 GB drawing) draw no more bars than the
// span holds t apart: 52 across the 5 m span and 40 across the 4 m one.
TEST(SlabDrawingTest, RibbedBarsNeverMoreThanTheSpanHolds) {
    SlabDesignData slab = workedSlab();
    slab.Ribbed = true;
    slab.SupportCase = 1;
    SlabResults results = workedResults();
    results.barsPerRibX = 1000000000;
    results.barsPerRibY = 1000000000;
    const std::string drawn = letters(draw(slab, results));
    EXPECT_EQ(std::count(drawn.begin(), drawn.end(), 'P'), 52 + 40);
}

} // namespace
} // namespace lajes
