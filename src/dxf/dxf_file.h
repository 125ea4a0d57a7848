#pragma once

// The ASCII DXF file of the slab drawing: a fixed HEADER and TABLES part, TEXT and LINE
// entities, the closing lines. Every byte is fixed so that the same slab gives the same file:
// each line ends in CR LF (the "EOF" line too), group-code lines are written as literals
// (three characters in HEADER and TABLES, " 0"/" 2" and "1" in ENTITIES), reals in the
// 23-character form of formatFixedReal, texts in Windows-1252.

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "config/settings.h"
#include "io/file_writer.h"

namespace lajes {

// The layers that hold lines. The bottom-bar lines name their layer "Ferr-Pos" while the
// layer table defines "Ferr-pos": DXF readers match layer names without regard to case.
// "Texto" holds the lines of the steel table beside its texts.
enum class DxfLayer { Laje, FerrPos, FerrNeg, Texto };

// Text heights in drawing units (paper mm), not scaled: 5.0 for the slab name, 2.5 for the
// labels.
enum class DxfTextHeight { Name, Label };

// What a drawing writes into a DXF file: texts on layer "Texto" and lines. DxfFile writes
// them to disk; tests collect them.
class DxfEntityWriter {
public:
    virtual ~DxfEntityWriter() = default;

    // (x, y): drawing units, the left end of the text's base line. `rotated` turns the text
    // by 90 degrees so that it reads from bottom to top. `text` is UTF-8.
    virtual void writeText(double x, double y, DxfTextHeight height, bool rotated,
                           std::string_view text) = 0;
    virtual void writeLine(DxfLayer layer, double x1, double y1, double x2, double y2) = 0;

protected:
    DxfEntityWriter() = default;
    DxfEntityWriter(const DxfEntityWriter&) = default;
    DxfEntityWriter& operator=(const DxfEntityWriter&) = default;
};

// Where the bytes of a DXF file go, in the order they are produced.
class DxfOutput {
public:
    virtual ~DxfOutput() = default;

    // Returns the error text to show the user, or nothing when the bytes were written.
    virtual std::optional<std::string> append(std::string_view bytes) = 0;

    // Called once, after "EOF": the written bytes become the file. An output destroyed
    // without a successful commit leaves no trace of itself.
    virtual std::optional<std::string> commit() = 0;

protected:
    DxfOutput() = default;
    DxfOutput(const DxfOutput&) = default;
    DxfOutput& operator=(const DxfOutput&) = default;
};

// The drawing's file through the program's one writer (io/file_writer.h): a regular file is
// replaced only when it is complete, a device or pipe is written in place, a write-protected
// file or a directory is refused. Returns the output, or the error text when the file cannot
// be created.
std::variant<std::unique_ptr<DxfOutput>, std::string>
openReplacingFile(const std::filesystem::path& target,
                  WriteTarget accepted = WriteTarget::anything);

// UTF-8 to Windows-1252, one byte per character: "Ø" becomes 0xD8, "€" 0x80. A character
// without a Windows-1252 byte, and each byte of a malformed sequence, becomes "?". CR and
// LF also become "?", because a line break inside a value would split the group-code/value
// pairs of the file.
std::string toWindows1252(std::string_view utf8);

// The writer of one drawing file. Calls go in this order: create (or the constructor that
// takes an output), writeHeaderAndTables, any writeText and writeLine, finish.
//
// The first failure ends the export: the partly written temporary file is removed at once,
// later calls write nothing, and finish() returns that failure's text. An existing file at
// the target path is then unchanged.
class DxfFile final : public DxfEntityWriter {
public:
    DxfFile() = default;
    explicit DxfFile(std::unique_ptr<DxfOutput> output);

    // Opens the file that will replace `path` (no question is asked here). Returns the error
    std::optional<std::string> create(const std::filesystem::path& path,
                                      WriteTarget accepted = WriteTarget::anything);
    std::optional<std::string> create(const std::filesystem::path& path);

    // The 168 fixed lines: HEADER, TABLES and the opening of ENTITIES, with $LTSCALE and the
    // four layer colours from `settings`.
    void writeHeaderAndTables(const Settings& settings);

    void writeText(double x, double y, DxfTextHeight height, bool rotated,
                   std::string_view text) override;
    void writeLine(DxfLayer layer, double x1, double y1, double x2, double y2) override;

    // Writes the closing lines (" 0", "ENDSEC", " 0", "EOF") and makes the file. Returns the
    // first failure of the whole export, or nothing when the file is complete.
    std::optional<std::string> finish();

    const std::optional<std::string>& error() const { return error_; }

private:
    void pair(std::string_view code, std::string_view value);
    void fail(std::string message);

    std::unique_ptr<DxfOutput> output_;
    std::optional<std::string> error_;
    bool finished_ = false;
};

} // namespace lajes
