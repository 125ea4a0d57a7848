#include "config/settings_file.h"

#include <array>
#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

#include "io/file_messages.h"
#include "io/file_reader.h"
#include "io/file_writer.h"
#include "text/number_text.h"

namespace lajes {

namespace {

struct ScaleRow {
    std::string_view scale;
    double factor; // drawing units (paper mm) per metre: 1000 / N for 1:N
};

constexpr std::array<ScaleRow, 6> scaleTable{{
    {"1:10", 100.0},
    {"1:20", 50.0},
    {"1:25", 40.0},
    {"1:50", 20.0},
    {"1:75", 1000.0 / 75.0},
    {"1:100", 10.0},
}};

// Reads the file the way the configuration has always been read: five whole lines, then
// three whitespace-separated number tokens, each followed by a skip to the end of its line.
class ConfigReader {
public:
    explicit ConfigReader(std::string bytes) : bytes_(std::move(bytes)) {}

    std::optional<std::string> line() {
        if (pos_ >= bytes_.size())
            return std::nullopt;
        std::string text;
        while (pos_ < bytes_.size() && bytes_[pos_] != '\n' && bytes_[pos_] != '\r')
            text += bytes_[pos_++];
        skipLineEnd();
        return text;
    }

    // Characters of code 32 and below separate tokens; a token is at most 64 characters.
    std::optional<std::string> token() {
        while (pos_ < bytes_.size() && static_cast<unsigned char>(bytes_[pos_]) <= 32)
            ++pos_;
        tokenLine_ = lineAt(pos_);
        if (pos_ >= bytes_.size())
            return std::nullopt;
        std::string text;
        while (pos_ < bytes_.size() && static_cast<unsigned char>(bytes_[pos_]) > 32 &&
               text.size() < 64)
            text += bytes_[pos_++];
        return text;
    }

    void skipRestOfLine() {
        while (pos_ < bytes_.size() && bytes_[pos_] != '\n' && bytes_[pos_] != '\r')
            ++pos_;
        skipLineEnd();
    }

    // The line (from 1) where the last token started.
    int tokenLine() const { return tokenLine_; }

private:
    // A line ends at LF, at CR LF or at a lone CR, as line() reads them.
    int lineAt(std::size_t end) const {
        int line = 1;
        for (std::size_t i = 0; i < end && i < bytes_.size(); ++i)
            if (bytes_[i] == '\n' ||
                (bytes_[i] == '\r' && (i + 1 >= bytes_.size() || bytes_[i + 1] != '\n')))
                ++line;
        return line;
    }

    void skipLineEnd() {
        if (pos_ < bytes_.size() && bytes_[pos_] == '\r')
            ++pos_;
        if (pos_ < bytes_.size() && bytes_[pos_] == '\n')
            ++pos_;
    }

    std::string bytes_;
    std::size_t pos_ = 0;
    int tokenLine_ = 0;
};

} // namespace

ScaleChoice scaleFactorFor(std::string_view drawingScale) {
    for (const ScaleRow& row : scaleTable)
        if (row.scale == drawingScale)
            return {row.factor, std::string(row.scale)};
    return {};
}

SettingsLoad loadSettings(const std::filesystem::path& file) {
    SettingsLoad load;

    std::error_code ec;
    if (!std::filesystem::exists(file, ec) && !std::filesystem::is_symlink(file, ec))
        return load;

    std::string bytes;
    if (const auto error = readRegularFile(file, maxConfigBytes, bytes)) {
        load.error = *error;
        load.complete = false;
        return load;
    }
    return settingsFromText(std::move(bytes), file.string());
}

SettingsLoad settingsFromText(std::string bytes, std::string_view fileName) {
    SettingsLoad load;
    Settings& s = load.settings;
    ConfigReader reader(std::move(bytes));

    // A short file or a colour line that is not a colour number keeps the default: an empty
    // colour would make an unreadable drawing later.
    for (std::string* colour :
         {&s.textLayerColour, &s.slabLayerColour, &s.posBarLayerColour, &s.negBarLayerColour}) {
        const auto text = reader.line();
        if (text && isAcceptedColour(*text))
            *colour = *text;
    }
    if (const auto scale = reader.line())
        s.drawingScale = *scale;

    const auto refuse = [&](const std::string& token) {
        load.complete = false;
        if (!load.error)
            load.error = "Invalid numeric input\n" + std::string(fileName) + ", linha " +
                         std::to_string(reader.tokenLine()) + ": " + token;
    };
    // A missing number keeps its default (a cover silently read as 0 would change every
    // design); a token that is not a number stops the reading there; a number the settings
    // rule refuses keeps its default and the reading goes on.
    for (const auto& [which, number] : {std::pair{SettingNumber::wallWidth, &s.wallWidth},
                                        std::pair{SettingNumber::cover, &s.cover},
                                        std::pair{SettingNumber::phiInfinity, &s.phiInfinity}}) {
        const auto text = reader.token();
        if (!text)
            break;
        const auto value = parseReal(*text);
        if (!value) {
            refuse(*text);
            break;
        }
        if (isAcceptedSettingNumber(which, *value))
            *number = *value;
        else
            refuse(*text);
        reader.skipRestOfLine();
    }

    const ScaleChoice scale = scaleFactorFor(s.drawingScale);
    s.drawingScale = scale.scale;
    s.scaleFactor = scale.factor;
    return load;
}

bool settingsToWriteAtExit(const SettingsLoad& loaded, const Settings& current,
                           const std::filesystem::path& file) {
    if (current != loaded.settings)
        return true;
    // Nothing changed: a file saved meanwhile by another instance or by hand keeps its bytes.
    // A dangling link counts as no file; writing makes the file it names.
    std::error_code error;
    return !std::filesystem::exists(file, error) && !error;
}

std::optional<std::string> saveSettings(const Settings& settings,
                                        const std::filesystem::path& file) {
    std::string bytes;
    for (const std::string& line :
         {settings.textLayerColour, settings.slabLayerColour, settings.posBarLayerColour,
          settings.negBarLayerColour, settings.drawingScale, formatFixedReal(settings.wallWidth),
          formatFixedReal(settings.cover), formatFixedReal(settings.phiInfinity),
          std::string("EOF")}) {
        bytes += line;
        bytes += "\r\n";
    }
    return writeFile(file, bytes);
}

} // namespace lajes
