#include "slabfile/slab_file.h"

#include "io/file_messages.h"

#include "../row_name.h"

#include <gtest/gtest.h>

#include <chrono>
#include <clocale>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

#include <sys/stat.h>
#include <unistd.h>

namespace lajes {
namespace {

namespace fs = std::filesystem;

std::string bytesOf(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void writeBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary);
    file << bytes;
}

SlabRequest read(const fs::path& path) {
    auto outcome = readSlabFile(path, Settings{});
    if (const auto* message = std::get_if<std::string>(&outcome)) {
        ADD_FAILURE() << *message;
        return {};
    }
    return std::get<SlabRequest>(outcome);
}

class ScratchFolder : public testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("lajes-slabfile-" + std::to_string(::getpid()) + "-" +
                   testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override {
        fs::permissions(folder_, fs::perms::all, fs::perm_options::add);
        fs::remove_all(folder_);
    }
    fs::path folder_;
};

// The three example files, written by hand, are exactly what the writer writes for the slab
// each holds: the key order, the indentation and the number forms.
struct ExampleCase {
    const char* name;
    const char* file;
};

class ExampleFileTest : public testing::TestWithParam<ExampleCase> {};

TEST_P(ExampleFileTest, WriterReproducesTheExampleByteForByte) {
    const fs::path path = fs::path(LAJES_EXAMPLES_DIR) / GetParam().file;
    const std::string original = bytesOf(path);
    ASSERT_FALSE(original.empty());
    EXPECT_EQ(slabFileText(read(path)), original);
}

INSTANTIATE_TEST_SUITE_P(Examples, ExampleFileTest,
                         testing::Values(ExampleCase{"SolidCase1", "L1-macica.laje"},
                                         ExampleCase{"Ribbed", "L2-nervurada.laje"},
                                         ExampleCase{"Case3WithTopBarPick", "L3-caso3.laje"}),
                         testing_rows::RowName{});

struct NumberCase {
    const char* name;
    double value;
    const char* text;
};

class NumberFormTest : public testing::TestWithParam<NumberCase> {};

// Shortest text that reads back to the very same double, with "." also under a comma locale.
TEST_P(NumberFormTest, ShortestTextReadsBackToTheSameDouble) {
    const NumberCase& row = GetParam();
    const char* previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous ? previous : "C";
    const bool comma = std::setlocale(LC_ALL, "pt_BR.UTF-8") != nullptr;
    SlabRequest request;
    request.typed.Lx = row.value;
    request.slab.a = row.value;
    request.settings.cover = row.value;
    const std::string text = slabFileText(request);
    std::setlocale(LC_ALL, saved.c_str());
    if (!comma)
        ADD_FAILURE() << "the pt_BR.UTF-8 locale is not installed";

    EXPECT_NE(text.find(std::string("\"Lx\": ") + row.text + ",\n"), std::string::npos) << text;
    EXPECT_NE(text.find(std::string("\"cover\": ") + row.text + ","), std::string::npos) << text;
    const auto back = parseSlabRequestText(text, Settings{});
    ASSERT_TRUE(std::holds_alternative<SlabRequest>(back)) << std::get<std::string>(back);
    const SlabRequest& again = std::get<SlabRequest>(back);
    EXPECT_EQ(again.typed.Lx, row.value);
    EXPECT_EQ(again.slab.a, row.value);
    EXPECT_EQ(again.settings.cover, row.value);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, NumberFormTest,
    testing::Values(NumberCase{"Whole", 4.0, "4"}, NumberCase{"Tenths", 2.5, "2.5"},
                    NumberCase{"WallWidth", 0.15, "0.15"},
                    NumberCase{"TypedBeyondTheBox", 4.123, "4.123"},
                    NumberCase{"SumOfTenths", 0.1 + 0.2, "0.30000000000000004"},
                    NumberCase{"Small", 1e-7, "1e-07"},
                    NumberCase{"Third", 1.0 / 3.0, "0.3333333333333333"}),
    testing_rows::RowName{});

TEST(SlabFileTextTest, EmptyBoxesAndTheNameReadBackAsTheyWere) {
    SlabRequest request;
    request.typed.Lx = 4.0;
    request.typed.q = 0.0; // a box left as 0,00
    request.name = "L7 \"térreo\"\\\n";
    request.nbr6118 = {Aggressiveness::III, SlabUse::veiculosLeves, 0.6, 2.5, Aggregate::basalto};
    const std::string text = slabFileText(request);
    EXPECT_NE(text.find("\"Ly\": null,"), std::string::npos);
    EXPECT_NE(text.find("\"q\": 0,"), std::string::npos);
    const auto back = parseSlabRequestText(text, Settings{});
    ASSERT_TRUE(std::holds_alternative<SlabRequest>(back)) << std::get<std::string>(back);
    const SlabRequest& again = std::get<SlabRequest>(back);
    EXPECT_EQ(again.typed.Lx, 4.0);
    EXPECT_FALSE(again.typed.Ly);
    EXPECT_FALSE(again.typed.h);
    EXPECT_FALSE(again.typed.g);
    EXPECT_EQ(again.typed.q, 0.0);
    EXPECT_EQ(again.name, request.name);
    EXPECT_TRUE(again.nbr6118 == request.nbr6118);
}

TEST(SlabFileTextTest, NameAsLongAsTheBoxHoldsReadsBackWhole) {
    SlabRequest request;
    request.name = std::string(maxSlabNameLength - 1, 'n') + "\u00e9"; // 32,767 characters
    const auto back = parseSlabRequestText(slabFileText(request), Settings{});
    ASSERT_TRUE(std::holds_alternative<SlabRequest>(back)) << std::get<std::string>(back);
    EXPECT_EQ(std::get<SlabRequest>(back).name, request.name);
}

TEST_F(ScratchFolder, SavingReplacesTheFileAndLeavesNoTemporaryFile) {
    const fs::path path = folder_ / "L7.laje";
    writeBytes(path, "old");
    SlabRequest request;
    request.slab.SupportCase = 2;
    ASSERT_FALSE(writeSlabFile(path, request));
    EXPECT_EQ(bytesOf(path), slabFileText(request));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

// A file the program cannot take: one message naming the file and the reason, and the file
// on disk exactly as it was.
struct BadFileCase {
    const char* name;
    std::function<fs::path(const fs::path& folder)> make;
    std::string message;
};

fs::path fileWith(const fs::path& folder, const std::string& bytes) {
    const fs::path path = folder / "L7.laje";
    writeBytes(path, bytes);
    return path;
}

std::string example(const char* name) {
    return bytesOf(fs::path(LAJES_EXAMPLES_DIR) / name);
}

std::string exampleWith(const std::string& from, const std::string& to) {
    std::string text = example("L1-macica.laje");
    const auto at = text.find(from);
    if (at == std::string::npos) {
        ADD_FAILURE() << from;
    } else {
        text.replace(at, from.size(), to);
    }
    return text;
}

class BadFileTest : public ScratchFolder, public testing::WithParamInterface<BadFileCase> {};

TEST_P(BadFileTest, GivesItsMessageAndLeavesTheFileAsItWas) {
    const BadFileCase& row = GetParam();
    const fs::path path = row.make(folder_);
    if (path.empty())
        GTEST_SKIP() << "the superuser reads every file";
    struct stat before {};
    const bool existed = ::stat(path.c_str(), &before) == 0;
    // /proc files have no size and fail to read: compared by their times only.
    const bool readable =
        fs::is_regular_file(path) && (before.st_mode & S_IRUSR) && before.st_size > 0;
    const std::string bytes = readable ? bytesOf(path) : std::string();

    const auto outcome = readSlabFile(path, Settings{});
    ASSERT_TRUE(std::holds_alternative<std::string>(outcome));
    EXPECT_EQ(std::get<std::string>(outcome), row.message);

    struct stat after {};
    ASSERT_EQ(::stat(path.c_str(), &after) == 0, existed);
    if (!existed)
        return;
    EXPECT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
    EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
    EXPECT_EQ(after.st_size, before.st_size);
    if (readable) {
        EXPECT_EQ(bytesOf(path), bytes);
    }
}

INSTANTIATE_TEST_SUITE_P(
    BadFiles, BadFileTest,
    testing::Values(
        BadFileCase{"Folder",
                    [](const fs::path& folder) {
                        fs::create_directory(folder / "L7.laje");
                        return folder / "L7.laje";
                    },
                    "Não foi possível abrir \"L7.laje\":\nNão é um arquivo comum (é uma pasta, "
                    "um dispositivo ou um canal)."},
        BadFileCase{"Pipe",
                    [](const fs::path& folder) {
                        ::mkfifo((folder / "L7.laje").c_str(), 0600);
                        return folder / "L7.laje";
                    },
                    "Não foi possível abrir \"L7.laje\":\nNão é um arquivo comum (é uma pasta, "
                    "um dispositivo ou um canal)."},
        BadFileCase{"Missing", [](const fs::path& folder) { return folder / "L7.laje"; },
                    "Não foi possível abrir \"L7.laje\":\nO arquivo não existe."},
        BadFileCase{"LargerThanOneMebibyte",
                    [](const fs::path& folder) {
                        return fileWith(folder, std::string(1024 * 1024 - 1, ' ') + "{}");
                    },
                    "Não foi possível abrir \"L7.laje\":\nO arquivo tem mais de 1 MiB: não é um "
                    "arquivo de laje."},
        BadFileCase{"Unreadable",
                    [](const fs::path& folder) {
                        const fs::path path = fileWith(folder, example("L1-macica.laje"));
                        ::chmod(path.c_str(), 0);
                        return ::geteuid() == 0 ? fs::path() : path;
                    },
                    "Não foi possível abrir \"L7.laje\":\nO acesso ao arquivo foi negado."},
        // A read that fails after the file opened, also for the superuser: the memory of
        // this process, whose first page is not mapped.
        BadFileCase{"ReadError", [](const fs::path&) { return fs::path("/proc/self/mem"); },
                    "Não foi possível abrir \"mem\":\nO arquivo não pôde ser lido (erro de E/S "
                    "5 (" +
                        systemReason(EIO) + "))."},
        // 200 KB of brackets in a key: refused before anything walks it.
        BadFileCase{"NestedDeeperThan64",
                    [](const fs::path& folder) {
                        return fileWith(folder,
                                        "{\"nbr6118\": {\"use\": " + std::string(100000, '[') +
                                            std::string(100000, ']') + "}}");
                    },
                    "Não foi possível abrir \"L7.laje\":\nJSON inválido: mais de 64 níveis de "
                    "objetos e listas um dentro do outro, na posição 83."},
        BadFileCase{"Empty", [](const fs::path& folder) { return fileWith(folder, ""); },
                    "Não foi possível abrir \"L7.laje\":\nO arquivo está vazio."},
        BadFileCase{"Truncated",
                    [](const fs::path& folder) {
                        return fileWith(folder, example("L3-caso3.laje").substr(0, 300));
                    },
                    "Não foi possível abrir \"L7.laje\":\nO arquivo está incompleto: o texto "
                    "JSON termina antes do fim."},
        BadFileCase{"NotJson",
                    [](const fs::path& folder) {
                        return fileWith(folder, "{\n  \"Lx\": 4,\n  Ly = 5\n}\n");
                    },
                    "Não foi possível abrir \"L7.laje\":\nO conteúdo não é JSON (erro na linha "
                    "3, coluna 3)."},
        BadFileCase{"NewerVersion",
                    [](const fs::path& folder) {
                        return fileWith(folder, exampleWith("\"version\": 1,",
                                                            "\"version\": 2,\n  \"novo\": 1,"));
                    },
                    "Este arquivo foi gravado por uma versão mais nova do programa."},
        BadFileCase{"OtherFormat",
                    [](const fs::path& folder) {
                        return fileWith(folder, exampleWith("\"lajes\"", "\"vigas\""));
                    },
                    "Não foi possível abrir \"L7.laje\":\n\"format\" deve ser \"lajes\""},
        BadFileCase{"UnknownKey",
                    [](const fs::path& folder) {
                        return fileWith(folder, exampleWith("\"Ly\"", "\"Lz\""));
                    },
                    "Não foi possível abrir \"L7.laje\":\nchave desconhecida \"Lz\""},
        BadFileCase{"WrongType",
                    [](const fs::path& folder) {
                        return fileWith(folder, exampleWith("\"h\": 10", "\"h\": \"10\""));
                    },
                    "Não foi possível abrir \"L7.laje\":\n\"h\" deve ser um número"},
        BadFileCase{"NegativeNumber",
                    [](const fs::path& folder) {
                        return fileWith(folder, exampleWith("\"q\": 200", "\"q\": -200"));
                    },
                    "Não foi possível abrir \"L7.laje\":\n\"q\" não pode ser negativo"},
        // One character more than the window's name box holds; characters above U+FFFF
        // count twice there.
        BadFileCase{"NameLongerThanTheBoxAllows",
                    [](const fs::path& folder) {
                        return fileWith(
                            folder, exampleWith("\"L1\"", "\"" + std::string(32768, 'n') + "\""));
                    },
                    "Não foi possível abrir \"L7.laje\":\n\"name\" tem mais de 32767 caracteres"},
        BadFileCase{"NameOfCharactersAboveTheBasicPlane",
                    [](const fs::path& folder) {
                        std::string name;
                        for (int i = 0; i < 16384; ++i)
                            name += "\U0001D400";
                        return fileWith(folder, exampleWith("\"L1\"", "\"" + name + "\""));
                    },
                    "Não foi possível abrir \"L7.laje\":\n\"name\" tem mais de 32767 caracteres"}),
    testing_rows::RowName{});

// Reading grows in proportion to the input: four times the "choices" take about four times
// as long, well below the sixteen times of a quadratic reading (400,000 took 28 s). The best
// of three runs of each size, and the margin up to ten times, keep a busy machine from
// deciding.
TEST(LongChoicesTest, ReadInLinearTime) {
    const auto slabWith = [](std::size_t count) {
        std::string text = R"({"SupportCase":1,"Lx":4,"Ly":4,"h":10,"g":250,"q":200,"choices":[)";
        for (std::size_t i = 0; i < count; ++i)
            text += i == 0 ? R"({"direction":"xp","diameter":"8.0"})"
                           : R"(,{"direction":"yp","spacing":12})";
        return text + "]}";
    };
    const auto secondsToRead = [](const std::string& text, std::size_t count) {
        double best = 1e9;
        for (int run = 0; run < 3; ++run) {
            const auto start = std::chrono::steady_clock::now();
            const auto request = parseSlabRequestText(text, Settings{});
            const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
            EXPECT_EQ(std::get<SlabRequest>(request).choices.size(), count);
            best = std::min(best, took.count());
        }
        return best;
    };
    constexpr std::size_t count = 30000;
    const double single = secondsToRead(slabWith(count), count);
    const double fourfold = secondsToRead(slabWith(4 * count), 4 * count);
    EXPECT_LT(fourfold, 10.0 * single)
        << count << " choices: " << single << " s; four times as many: " << fourfold << " s";
}

} // namespace
} // namespace lajes
