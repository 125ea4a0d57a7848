#include "io/file_reader.h"

#include <array>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "io/file_messages.h"

namespace lajes {

std::optional<std::string> readRegularFile(const std::filesystem::path& file,
                                           std::uintmax_t maxBytes, std::string& bytes) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return readFailureMessage(file, errno);
    const auto failWith = [fd, &file](int errorNumber) {
        ::close(fd);
        return readFailureMessage(file, errorNumber);
    };
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        return failWith(errno);
    if (S_ISDIR(info.st_mode))
        return failWith(EISDIR);
    if (!S_ISREG(info.st_mode)) {
        ::close(fd);
        return readFailureMessage(file, notRegularFileReason);
    }
    if (static_cast<std::uintmax_t>(info.st_size) > maxBytes)
        return failWith(EFBIG);
    const std::size_t start = bytes.size();
    std::array<char, 4096> buffer{};
    for (;;) {
        const ssize_t got = ::read(fd, buffer.data(), buffer.size());
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return failWith(errno);
        }
        if (got == 0)
            break;
        bytes.append(buffer.data(), static_cast<std::size_t>(got));
        if (bytes.size() - start > maxBytes) // grew while it was read
            return failWith(EFBIG);
    }
    ::close(fd);
    return std::nullopt;
}

} // namespace lajes
