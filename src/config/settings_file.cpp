#include "config/settings_file.h"

#include <array>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#include <utility>

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

private:
    void skipLineEnd() {
        if (pos_ < bytes_.size() && bytes_[pos_] == '\r')
            ++pos_;
        if (pos_ < bytes_.size() && bytes_[pos_] == '\n')
            ++pos_;
    }

    std::string bytes_;
    std::size_t pos_ = 0;
};

// The whole file, or the text of the I/O error that stopped the reading.
std::optional<std::string> readWholeFile(const std::filesystem::path& file, std::string& bytes) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return ioErrorText(errno);
    std::array<char, 4096> buffer{};
    for (;;) {
        const ssize_t got = ::read(fd, buffer.data(), buffer.size());
        if (got < 0) {
            if (errno == EINTR)
                continue;
            const int errorNumber = errno;
            ::close(fd);
            return ioErrorText(errorNumber);
        }
        if (got == 0)
            break;
        bytes.append(buffer.data(), static_cast<std::size_t>(got));
    }
    ::close(fd);
    return std::nullopt;
}

bool isColourNumber(const std::string& text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

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
    if (!std::filesystem::exists(file, ec))
        return load;

    std::string bytes;
    if (const auto error = readWholeFile(file, bytes)) {
        load.error = *error;
        return load;
    }
    return settingsFromText(std::move(bytes));
}

SettingsLoad settingsFromText(std::string bytes) {
    SettingsLoad load;
    Settings& s = load.settings;
    ConfigReader reader(std::move(bytes));

    // A short file or a colour line that is not a colour number keeps the default: an empty
    // colour would make an unreadable drawing later.
    for (std::string* colour :
         {&s.textLayerColour, &s.slabLayerColour, &s.posBarLayerColour, &s.negBarLayerColour}) {
        const auto text = reader.line();
        if (text && isColourNumber(*text))
            *colour = *text;
    }
    if (const auto scale = reader.line())
        s.drawingScale = *scale;

    // A missing number keeps its default (a cover silently read as 0 would change every
    // design); a token that is not a number stops the reading there.
    for (double* number : {&s.wallWidth, &s.cover, &s.phiInfinity}) {
        const auto text = reader.token();
        if (!text)
            break;
        const auto value = parseReal(*text);
        if (!value) {
            load.error = "Invalid numeric input";
            break;
        }
        *number = *value;
        reader.skipRestOfLine();
    }

    const ScaleChoice scale = scaleFactorFor(s.drawingScale);
    s.drawingScale = scale.scale;
    s.scaleFactor = scale.factor;
    return load;
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
