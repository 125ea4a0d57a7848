#include "slabfile/recent_files.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "io/file_reader.h"
#include "io/file_writer.h"

namespace lajes {

namespace {

constexpr std::string_view recentFilesKey = "recentFiles";

std::optional<std::string> environmentValue(const char* name) {
    if (const char* value = std::getenv(name))
        return std::string(value);
    return std::nullopt;
}

bool isExistingFolder(const std::optional<std::string>& path) {
    std::error_code error;
    return path && !path->empty() && std::filesystem::path(*path).is_absolute() &&
           std::filesystem::is_directory(*path, error);
}

bool isHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    return (c | 0x20) - 'a' + 10;
}

void appendUtf8(std::string& out, unsigned codePoint) {
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

// One INI value as Qt's settings write it: texts separated by unquoted commas, each possibly
// in double quotes, with C-like escapes ("\xhhhh" and "\ooo" are UTF-16 code units); blanks
// around an unquoted text do not count; an unquoted ';' starts a comment. `isList` tells
// whether there was a comma at all.
std::vector<std::string> splitValue(std::string_view value, bool& isList) {
    std::vector<std::string> items(1);
    isList = false;
    bool quoted = false;   // inside double quotes
    bool anyQuote = false; // the current text had quotes: its blanks are its own
    std::size_t keep = 0;  // the current text's length that trailing blanks may not cut
    const auto chopBlanks = [&] {
        std::string& text = items.back();
        if (anyQuote)
            return;
        while (text.size() > keep && (text.back() == ' ' || text.back() == '\t'))
            text.pop_back();
    };
    const auto skipBlanks = [&](std::size_t& i) {
        while (i < value.size() && (value[i] == ' ' || value[i] == '\t'))
            ++i;
    };
    std::size_t i = 0;
    skipBlanks(i);
    while (i < value.size()) {
        const char c = value[i];
        if (c == '\\' && i + 1 < value.size()) {
            const char code = value[i + 1];
            i += 2;
            static constexpr std::string_view from = "abfnrtv\"?'\\";
            static constexpr std::string_view to = "\a\b\f\n\r\t\v\"?'\\";
            if (const auto at = from.find(code); at != std::string_view::npos) {
                items.back() += to[at];
            } else if (code == 'x') {
                unsigned unit = 0;
                while (i < value.size() && isHexDigit(value[i]))
                    unit = ((unit << 4) | static_cast<unsigned>(hexValue(value[i++]))) & 0xFFFF;
                appendUtf8(items.back(), unit);
            } else if (code >= '0' && code <= '7') {
                unsigned unit = static_cast<unsigned>(code - '0');
                while (i < value.size() && value[i] >= '0' && value[i] <= '7')
                    unit = ((unit << 3) | static_cast<unsigned>(value[i++] - '0')) & 0xFFFF;
                appendUtf8(items.back(), unit);
            }
            keep = items.back().size();
        } else if (c == '\\') {
            ++i;
        } else if (c == '"') {
            ++i;
            anyQuote = true;
            quoted = !quoted;
            if (!quoted)
                skipBlanks(i);
        } else if (c == ',' && !quoted) {
            chopBlanks();
            isList = true;
            items.emplace_back();
            anyQuote = false;
            keep = 0;
            ++i;
            skipBlanks(i);
        } else if (c == ';' && !quoted) {
            break;
        } else {
            items.back() += c;
            ++i;
        }
    }
    chopBlanks();
    return items;
}

// A Qt settings value that is a plain text: "@@…" stands for "@…"; any other "@…" is a
// value of another kind ("@Invalid()" for an empty list).
bool plainText(std::string& text) {
    if (text.starts_with("@@"))
        text.erase(0, 1);
    else if (text.starts_with('@'))
        return false;
    return true;
}

void appendEscaped(std::string& out, const std::string& text) {
    const bool quote = text.find_first_of(",;=") != std::string::npos || text.starts_with(' ') ||
                       text.ends_with(' ') || text.starts_with('\t') || text.ends_with('\t');
    if (quote)
        out += '"';
    bool escapeNextHexDigit = false;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        const bool hexDigitAfterEscape = escapeNextHexDigit && isHexDigit(c);
        escapeNextHexDigit = false;
        switch (c) {
        case '\\':
            out += "\\\\";
            continue;
        case '"':
            out += "\\\"";
            continue;
        case '\a':
            out += "\\a";
            continue;
        case '\b':
            out += "\\b";
            continue;
        case '\f':
            out += "\\f";
            continue;
        case '\n':
            out += "\\n";
            continue;
        case '\r':
            out += "\\r";
            continue;
        case '\t':
            out += "\\t";
            continue;
        case '\v':
            out += "\\v";
            continue;
        default:
            break;
        }
        if (byte < 0x20 || byte == 0x7F || hexDigitAfterEscape) {
            static constexpr char digits[] = "0123456789abcdef";
            out += "\\x";
            out += digits[byte >> 4];
            out += digits[byte & 0xF];
            escapeNextHexDigit = true;
        } else {
            out += c; // bytes above 0x7F as they are: UTF-8, or a name in an older encoding
        }
    }
    if (quote)
        out += '"';
}

} // namespace

ConfigHome configHomeOfProcess() {
    ConfigHome where;
    where.xdgConfigHome = environmentValue("XDG_CONFIG_HOME");
    where.home = environmentValue("HOME");
    const long suggested = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(suggested > 0 ? static_cast<std::size_t>(suggested) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found &&
        found->pw_dir)
        where.passwordHome = std::string(found->pw_dir);
    return where;
}

std::optional<std::filesystem::path> homeFolder(const ConfigHome& where) {
    if (isExistingFolder(where.home))
        return std::filesystem::path(*where.home);
    if (isExistingFolder(where.passwordHome))
        return std::filesystem::path(*where.passwordHome);
    return std::nullopt;
}

std::optional<std::filesystem::path> recentFilesFile(const ConfigHome& where) {
    std::filesystem::path configFolder;
    if (where.xdgConfigHome && std::filesystem::path(*where.xdgConfigHome).is_absolute())
        configFolder = *where.xdgConfigHome;
    else if (const auto home = homeFolder(where))
        configFolder = *home / ".config";
    else
        return std::nullopt;
    return configFolder / "Lajes" / "Lajes.conf";
}

std::vector<std::string> parseRecentFiles(std::string_view text) {
    std::vector<std::string> list;
    bool inGeneral = true; // keys before any section belong to it
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t'))
            line.remove_prefix(1);
        if (line.starts_with('[')) {
            const std::string_view section = line.substr(1, line.find(']') - 1);
            inGeneral =
                section.size() == 7 && (section[0] | 0x20) == 'g' && section.substr(1) == "eneral";
            continue;
        }
        const std::size_t equals = line.find('=');
        if (!inGeneral || equals == std::string_view::npos)
            continue;
        std::string_view key = line.substr(0, equals);
        while (!key.empty() && (key.back() == ' ' || key.back() == '\t'))
            key.remove_suffix(1);
        if (key != recentFilesKey)
            continue;
        bool isList = false;
        list.clear();
        for (std::string& item : splitValue(line.substr(equals + 1), isList))
            if (plainText(item) && !item.empty())
                list.push_back(std::move(item));
    }
    return list;
}

std::string recentFilesText(const std::vector<std::string>& list) {
    std::string text = "[General]\n";
    text += recentFilesKey;
    text += '=';
    if (list.empty())
        text += "@Invalid()";
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (i > 0)
            text += ", ";
        appendEscaped(text, list[i].starts_with('@') ? "@" + list[i] : list[i]);
    }
    text += '\n';
    return text;
}

std::vector<std::string> readRecentFiles(const std::filesystem::path& file) {
    std::string bytes;
    if (readRegularFile(file, maxRecentFilesBytes, bytes))
        return {};
    return parseRecentFiles(bytes);
}

std::optional<std::vector<std::string>>
updateRecentFiles(const std::filesystem::path& file,
                  const std::function<std::vector<std::string>(std::vector<std::string>)>& change,
                  std::chrono::milliseconds patience) {
    const std::filesystem::path folder = file.parent_path();
    // The configuration folder and ours, one level each: a missing home stays missing.
    ::mkdir(folder.parent_path().c_str(), 0700);
    ::mkdir(folder.c_str(), 0700);
    const int lock = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (lock < 0)
        return std::nullopt;
    // Another instance holds the lock for one read and one write; a holder that never lets
    // go costs this change, never the program.
    const auto giveUp = std::chrono::steady_clock::now() + patience;
    while (::flock(lock, LOCK_EX | LOCK_NB) != 0) {
        if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() > giveUp) {
            ::close(lock);
            return std::nullopt;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    std::optional<std::vector<std::string>> result;
    std::string bytes;
    const auto readError = readRegularFile(file, maxRecentFilesBytes, bytes);
    std::error_code missing;
    // A file that is there but could not be read is left as it is.
    if (!readError || !std::filesystem::exists(std::filesystem::symlink_status(file, missing))) {
        std::vector<std::string> list = change(parseRecentFiles(bytes));
        if (!writeFile(file, recentFilesText(list), WriteTarget::regularFile))
            result = std::move(list);
    }
    ::close(lock); // releases the lock
    return result;
}

} // namespace lajes
