#include "io/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace lajes {

std::string ioErrorText(int errorNumber) {
    switch (errorNumber) {
    case EACCES:
    case EPERM:
    case EROFS:
        return "File access denied";
    case ENOSPC:
    case EDQUOT:
        return "Disk full";
    default:
        return "I/O error " + std::to_string(errorNumber);
    }
}

std::optional<std::string> writeFileAtomically(const std::filesystem::path& target,
                                               std::string_view bytes) {
    const std::filesystem::path folder =
        target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    // A hidden sibling of the target, so the final rename never crosses file systems.
    std::string hiddenName = ".";
    hiddenName.append(target.filename().string()).append(".XXXXXX");
    std::string pattern = (folder / hiddenName).string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0)
        return ioErrorText(errno);

    auto fail = [&](int errorNumber) -> std::optional<std::string> {
        ::close(fd);
        ::unlink(pattern.c_str());
        return ioErrorText(errorNumber);
    };

    const char* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return fail(errno);
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    if (::fsync(fd) != 0)
        return fail(errno);
    // mkstemp creates the file 0600; a replaced file keeps its permissions, a new one is 0644.
    struct stat existing {};
    ::fchmod(fd, ::stat(target.c_str(), &existing) == 0 ? (existing.st_mode & 07777) : 0644);
    if (::close(fd) != 0) {
        const int errorNumber = errno;
        ::unlink(pattern.c_str());
        return ioErrorText(errorNumber);
    }
    if (::rename(pattern.c_str(), target.c_str()) != 0) {
        const int errorNumber = errno;
        ::unlink(pattern.c_str());
        return ioErrorText(errorNumber);
    }
    return std::nullopt;
}

} // namespace lajes
