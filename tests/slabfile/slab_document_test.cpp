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
    testing::Values(TitleCase{"NothingTypedKeepsTheCaption", [](SlabDocument&) {},
                              "Cálculo de Lajes", "Cálculo de Lajes", false},
                    TitleCase{"TypedButNeverSavedIsUntitled", [](SlabDocument& d) { d.changed(); },
                              "Resultado do Cálculo de Lajes ",
                              "Resultado do Cálculo de Lajes — Sem título *", true},
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
    EXPECT_EQ(SlabDocument().saveQuestion(), "Salvar as alterações da laje?");

    Settings fromFile;
    fromFile.wallWidth = 0.2;
    fromFile.cover = 2.5;
    fromFile.phiInfinity = 2.0;
    // The program's own settings: wall 15 cm, cover 1 cm, φ∞ 2.
    const struct {
        DocumentKind kind;
        const char* opening;
    } questions[] = {{DocumentKind::Slab, "Esta laje foi calculada"},
                     {DocumentKind::Floor, "Este pavimento foi calculado"}};
    for (const auto& row : questions)
        EXPECT_EQ(settingsQuestion(fromFile, Settings{}, ',', row.kind),
                  std::string(row.opening) +
                      " com outras configurações.\n\nNo arquivo: parede 20,00 cm, "
                      "cobrimento 2,50 cm, φ∞ 2,00.\nNo programa: parede 15,00 cm, cobrimento "
                      "1,00 cm, φ∞ 2,00.\n\nUsar as configurações do arquivo? Com \"Sim\", as "
                      "configurações do programa passam a ser as do arquivo e ficam gravadas em "
                      "Quenvor.cfg na saída.");
    EXPECT_FALSE(sameDesignSettings(fromFile, Settings{}));
    fromFile.wallWidth = 0.15;
    fromFile.cover = 1.0;
    fromFile.textLayerColour = "7"; // not a setting of the design
    EXPECT_TRUE(sameDesignSettings(fromFile, Settings{}));
}

struct FileNameCase {
    const char* name;
    const char* slab;
    const char* extension;
    const char* file;
};

class SuggestedFileNameTest : public testing::TestWithParam<FileNameCase> {};

TEST_P(SuggestedFileNameTest, IsTheSlabsNameWithTheExtension) {
    EXPECT_EQ(suggestedFileName(GetParam().slab, GetParam().extension), GetParam().file);
}

INSTANTIATE_TEST_SUITE_P(
    Names, SuggestedFileNameTest,
    testing::Values(FileNameCase{"Plain", "L7", "dxf", "L7.dxf"},
                    FileNameCase{"Accents", "Laje da sala", "pdf", "Laje da sala.pdf"},
                    FileNameCase{"Separators", " L1/L2: térreo ", "csv", "L1_L2_ térreo.csv"},
                    FileNameCase{"Empty", "", "dxf", "Laje.dxf"}),
    testing_rows::RowName{});

TEST(SavedFileMessageTest, NamesTheFileAlone) {
    EXPECT_EQ(savedFileMessage("/home/eng/obra/L7.dxf"), "Arquivo gravado: L7.dxf");
}

TEST(RecentFilesTest, NewestFirstWithoutRepeatsAtMostFour) {
    std::vector<std::string> list;
    for (const char* path : {"a.laje", "b.laje", "c.laje", "a.laje", "d.laje", "e.laje"})
        list = withRecentFile(list, path);
    EXPECT_EQ(list, (std::vector<std::string>{"e.laje", "d.laje", "a.laje", "c.laje"}));
}

} // namespace
} // namespace lajes
