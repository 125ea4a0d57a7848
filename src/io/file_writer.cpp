#include "io/file_writer.h"

#include "io/file_messages.h"

#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <utility>

namespace lajes {

namespace {

// The temporary files that exist at this moment, for the signal handler. This is the one
// piece of process-wide state of the writer, and it has to be: a signal knows nothing else.
// Fixed slots of plain bytes, because the handler may only read memory and call unlink.
constexpr int temporarySlots = 16;
constexpr std::size_t temporaryPathBytes = 4096;
struct TemporarySlot {
    std::atomic<bool> used{false};
    std::atomic<bool> ready{false};
    std::array<char, temporaryPathBytes> path{};
};
std::array<TemporarySlot, temporarySlots> temporaries;

extern "C" void removeTemporariesAndDie(int signalNumber) {
    for (TemporarySlot& slot : temporaries)
        if (slot.ready.load())
            ::unlink(slot.path.data());
    std::signal(signalNumber, SIG_DFL);
    std::raise(signalNumber);
}

// Installed once, and only over the default action: a program that handles these signals
// itself keeps its handler.
void installSignalHandlers() {
    static std::once_flag once;
    std::call_once(once, [] {
        for (int signalNumber : {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGUSR1, SIGALRM}) {
            struct sigaction current {};
            if (::sigaction(signalNumber, nullptr, &current) == 0 &&
                current.sa_handler == SIG_DFL) {
                struct sigaction handler {};
                handler.sa_handler = removeTemporariesAndDie;
                sigemptyset(&handler.sa_mask);
                ::sigaction(signalNumber, &handler, nullptr);
            }
        }
        struct sigaction current {};
        if (::sigaction(SIGXFSZ, nullptr, &current) == 0 && current.sa_handler == SIG_DFL)
            std::signal(SIGXFSZ, SIG_IGN);
    });
}

int registerTemporary(const std::string& path) {
    if (path.size() >= temporaryPathBytes)
        return -1;
    for (int i = 0; i < temporarySlots; ++i) {
        TemporarySlot& slot = temporaries[static_cast<std::size_t>(i)];
        bool expected = false;
        if (slot.used.compare_exchange_strong(expected, true)) {
            std::memcpy(slot.path.data(), path.c_str(), path.size() + 1);
            slot.ready.store(true);
            return i;
        }
    }
    return -1; // more writers at once than slots: that file is only removed by the writer
}

void unregisterTemporary(int index) {
    if (index < 0)
        return;
    TemporarySlot& slot = temporaries[static_cast<std::size_t>(index)];
    slot.ready.store(false);
    slot.used.store(false);
}

// Opens a socket's path as a stream connection, the way a program writes into it.
int connectSocket(const std::filesystem::path& target) {
    sockaddr_un address{};
    const std::string& name = target.native();
    if (name.size() >= sizeof address.sun_path) {
        errno = ENAMETOOLONG;
        return -1;
    }
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, name.c_str(), name.size() + 1);
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        const int errorNumber = errno;
        ::close(fd);
        errno = errorNumber;
        return -1;
    }
    return fd;
}

} // namespace

namespace {

// The reason given when the folder refuses the temporary file although the target itself may
// be writable: replacing a file means making a new one beside it.
std::string folderRefusesNewFilesReason(const std::filesystem::path& folder) {
    const std::filesystem::path absolute = std::filesystem::absolute(folder).lexically_normal();
    std::string name = absolute.has_filename() ? absolute.filename().string()
                                               : absolute.parent_path().filename().string();
    if (name.empty())
        name = absolute.string();
    return "a pasta " + fileNameInMessage(name) + " não aceita arquivos novos";
}

} // namespace

std::variant<FileWriter, std::string> FileWriter::open(const std::filesystem::path& chosen,
                                                       WriteTarget accepted) {
    installSignalHandlers();
    FileWriter writer;
    writer.shown_ = chosen;
    const auto failure = [&chosen](int errorNumber) {
        return writeFailureMessage(chosen, errorNumber);
    };

    // A link is followed to the file it names, so that the file is replaced and the link
    // stays; a dangling link makes the file it points to.
    std::filesystem::path target = chosen;
    for (int hops = 0;; ++hops) {
        std::error_code error;
        if (!std::filesystem::is_symlink(target, error))
            break;
        if (hops == 40) // the kernel's own bound on a chain of links
            return failure(ELOOP);
        std::filesystem::path linked = std::filesystem::read_symlink(target, error);
        if (error)
            return failure(error.value());
        target = linked.is_absolute() ? linked : target.parent_path() / linked;
    }
    writer.target_ = target;

    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (!exists && errno != ENOENT)
        return failure(errno);

    if (exists && !S_ISREG(existing.st_mode)) {
        // Replacing it by the rename would not wait, but a name that is not a file is never
        // what the user meant to overwrite.
        if (accepted == WriteTarget::regularFile && !S_ISDIR(existing.st_mode))
            return writeFailureMessage(chosen, notRegularFileReason);
        int fd = -1;
        if (S_ISCHR(existing.st_mode) || S_ISFIFO(existing.st_mode))
            fd = ::open(target.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
        else if (S_ISSOCK(existing.st_mode))
            fd = connectSocket(target);
        else
            errno = S_ISDIR(existing.st_mode) ? EISDIR : EPERM; // a block device is never ours
        if (fd < 0)
            return failure(errno);
        writer.fd_ = fd;
        return writer;
    }

    // Renaming would replace a write-protected file that opening for writing refuses; the
    // mode bits are checked too, because access() lets root write anything.
    if (exists && (existing.st_mode & 0222) == 0)
        return failure(EACCES);
    if (exists && ::access(target.c_str(), W_OK) != 0)
        return failure(errno);

    const std::filesystem::path folder =
        target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    // In the target's folder, so that the rename never crosses file systems.
    std::string temporary = (folder / ".lajes-XXXXXX.tmp").string();
    const int fd = ::mkostemps(temporary.data(), 4, O_CLOEXEC);
    if (fd < 0) {
        // The file itself may be writable: it is the folder that takes no new name.
        if (errno == EACCES || errno == EPERM || errno == EROFS)
            return writeFailureMessage(chosen, folderRefusesNewFilesReason(folder));
        return failure(errno);
    }
    writer.fd_ = fd;
    writer.temporary_ = std::move(temporary);
    writer.slot_ = registerTemporary(writer.temporary_);
    // mkstemp creates the file 0600; a replaced file keeps its permissions and, where the
    // process may, its owner; a new one is 0644 like the configuration file.
    if (exists) {
        ::fchmod(fd, existing.st_mode & 07777);
        if (::fchown(fd, existing.st_uid, existing.st_gid) != 0) {
            // Only root may give a file away; anyone else keeps the file as their own.
        }
    } else {
        ::fchmod(fd, 0644);
    }
    return writer;
}

FileWriter::FileWriter(FileWriter&& other) noexcept
    : target_(std::move(other.target_)), shown_(std::move(other.shown_)),
      temporary_(std::exchange(other.temporary_, {})), fd_(std::exchange(other.fd_, -1)),
      slot_(std::exchange(other.slot_, -1)) {}

FileWriter& FileWriter::operator=(FileWriter&& other) noexcept {
    if (this != &other) {
        discard();
        target_ = std::move(other.target_);
        shown_ = std::move(other.shown_);
        temporary_ = std::exchange(other.temporary_, {});
        fd_ = std::exchange(other.fd_, -1);
        slot_ = std::exchange(other.slot_, -1);
    }
    return *this;
}

FileWriter::~FileWriter() {
    discard();
}

std::optional<std::string> FileWriter::append(std::string_view bytes) {
    if (fd_ < 0)
        return writeFailureMessage(shown_, EBADF);
    const char* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd_, data, left);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return failWith(errno);
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    return std::nullopt;
}

std::optional<std::string> FileWriter::commit() {
    if (fd_ < 0)
        return writeFailureMessage(shown_, EBADF);
    // A device, pipe or socket has nothing to flush to a disk (fsync fails with EINVAL).
    if (!temporary_.empty() && ::fsync(fd_) != 0)
        return failWith(errno);
    if (::close(std::exchange(fd_, -1)) != 0)
        return failWith(errno);
    if (temporary_.empty())
        return std::nullopt;
    if (::rename(temporary_.c_str(), target_.c_str()) != 0)
        return failWith(errno);
    temporary_.clear();
    unregisterTemporary(std::exchange(slot_, -1));
    return std::nullopt;
}

std::optional<std::string> FileWriter::failWith(int errorNumber) {
    discard();
    return writeFailureMessage(shown_, errorNumber);
}

void FileWriter::discard() {
    if (fd_ >= 0)
        ::close(std::exchange(fd_, -1));
    if (!temporary_.empty()) {
        ::unlink(temporary_.c_str());
        temporary_.clear();
    }
    unregisterTemporary(std::exchange(slot_, -1));
}

std::optional<std::string> writeFile(const std::filesystem::path& target, std::string_view bytes,
                                     WriteTarget accepted) {
    auto opened = FileWriter::open(target, accepted);
    if (auto* message = std::get_if<std::string>(&opened))
        return std::move(*message);
    FileWriter& writer = std::get<FileWriter>(opened);
    if (auto message = writer.append(bytes))
        return message;
    return writer.commit();
}

} // namespace lajes
