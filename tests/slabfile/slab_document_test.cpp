#include "slabfile/slab_document.h"

#include "../row_name.h"

#include <gtest/gtest.h>

#include <functional>

namespace lajes {
namespace {

struct TitleCase {
    const char* name;
    std::function<void(SlabDocument&)> history;
    const char* caption;
    const char* title;
    bool asks;
};

class SlabDocumentTest : public testing::TestWithParam<TitleCase> {};

TEST_P(SlabDocumentTest, TitleAndQuestionFollowTheFile) {
    SlabDocument document;
    GetParam().history(document);
    EXPECT_EQ(document.title(GetParam().caption), GetParam().title);
    EXPECT_EQ(document.mustAskBeforeDiscarding(), GetParam().asks);
}

INSTANTIATE_TEST_SUITE_P(
    Histories, SlabDocumentTest,
    testing::Values(TitleCase{"NeverAFileKeepsTheCaption", [](SlabDocument& d) { d.changed(); },
                              "Cálculo de Lajes", "Cálculo de Lajes", false},
                    TitleCase{"OpenedAndUnchanged",
                              [](SlabDocument& d) { d.opened("/tmp/obra/L7.laje"); },
                              "Cálculo de Lajes", "Cálculo de Lajes — L7.laje", false},
                    TitleCase{"ChangedSinceOpening",
                              [](SlabDocument& d) {
                                  d.opened("/tmp/obra/L7.laje");
                                  d.changed();
                              },
                              "Cálculo de Lajes", "Cálculo de Lajes — L7.laje *", true},
                    TitleCase{"ResultsCaptionLosesItsTrailingBlank",
                              [](SlabDocument& d) {
                                  d.changed();
                                  d.saved("L8.laje");
                                  d.changed();
                              },
                              "Resultado do Cálculo de Lajes ",
                              "Resultado do Cálculo de Lajes — L8.laje *", true},
                    TitleCase{"SavedAgain",
                              [](SlabDocument& d) {
                                  d.opened("L7.laje");
                                  d.changed();
                                  d.saved("L9.laje");
                              },
                              "Cálculo de Lajes", "Cálculo de Lajes — L9.laje", false},
                    TitleCase{"ClosedAfterChanges",
                              [](SlabDocument& d) {
                                  d.opened("L7.laje");
                                  d.changed();
                                  d.closed();
                              },
                              "Resultado do Cálculo de Lajes ", "Resultado do Cálculo de Lajes ",
                              false}),
    testing_rows::RowName{});

TEST(SlabDocumentQuestionsTest, NameTheFileAndTheFileSettings) {
    SlabDocument document;
    document.opened("/home/eng/L7.laje");
    EXPECT_EQ(document.saveQuestion(), "Salvar as alterações de L7.laje?");

    Settings fromFile;
    fromFile.wallWidth = 0.2;
    fromFile.cover = 2.5;
    fromFile.phiInfinity = 2.0;
    const struct {
        DocumentKind kind;
        const char* question;
    } questions[] = {
        {DocumentKind::Slab,
         "Esta laje foi calculada com outras configurações (parede 20,00 cm, cobrimento "
         "2,50 cm, φ∞ 2,00). Usar as configurações do arquivo?"},
        {DocumentKind::Floor,
         "Este pavimento foi calculado com outras configurações (parede 20,00 cm, cobrimento "
         "2,50 cm, φ∞ 2,00). Usar as configurações do arquivo?"},
    };
    for (const auto& row : questions)
        EXPECT_EQ(settingsQuestion(fromFile, ',', row.kind), row.question);
    EXPECT_FALSE(sameDesignSettings(fromFile, Settings{}));
    fromFile.wallWidth = 0.15;
    fromFile.cover = 1.0;
    fromFile.textLayerColour = "7"; // not a setting of the design
    EXPECT_TRUE(sameDesignSettings(fromFile, Settings{}));
}

TEST(RecentFilesTest, NewestFirstWithoutRepeatsAtMostFour) {
    std::vector<std::string> list;
    for (const char* path : {"a.laje", "b.laje", "c.laje", "a.laje", "d.laje", "e.laje"})
        list = withRecentFile(list, path);
    EXPECT_EQ(list, (std::vector<std::string>{"e.laje", "d.laje", "a.laje", "c.laje"}));
}

} // namespace
} // namespace lajes
