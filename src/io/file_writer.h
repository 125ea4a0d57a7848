#pragma once

// The one way the program writes a file (Quenvor.cfg, drawings, reports and every later
// file), so that a failure or an interruption never leaves a truncated file in place of a
// good one and never replaces what is not an ordinary file:
//
// - a regular file, or a name that does not exist yet, is written to a temporary file in the
//   same folder (".lajes-XXXXXX.tmp", short enough for any file name the folder allows)
//   that is renamed over the target only when it is complete and flushed; a replaced file
//   keeps its permissions, a new one is 0644;
// - a symbolic link is followed and the file it names is replaced that way; the link stays;
// - a write-protected file is refused ("acesso negado"), also for root;
// - a character device, a FIFO or a socket is written in place, without a temporary file
//   (so /dev/null discards and a pipe's reader gets the bytes);
// - a directory, a block device and anything else is refused.
//
// The windows save only ordinary files (WriteTarget::regularFile): a device, a FIFO or a
// socket there is refused (`Não foi possível gravar "fila.csv": não é um arquivo comum.`), so that
// a save never waits for a reader that does not come; lajes-cli --output keeps writing to pipes and
// devices.
//
// A temporary file is removed when the writer fails, when it is destroyed uncommitted, and
// when the process is ended by SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGUSR1 or SIGALRM while it
// exists. SIGXFSZ (the file-size
// limit) is ignored while the program writes, so the write fails with EFBIG and is reported
// like any other I/O error.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "io/file_messages.h"

namespace lajes {

enum class WriteTarget {
    anything,    // a regular file, or a device, FIFO or socket written in place
    regularFile, // a regular file (or a new name) only
};

class FileWriter {
public:
    // Opens the output for `target` following the rules above. Returns the writer, or the
    // error text to show the user when nothing can be written; nothing is touched then.
    // Every error text is writeFailureMessage (io/file_messages.h) of `target`:
    // `Não foi possível gravar "a.dxf": acesso negado.`
    static std::variant<FileWriter, std::string> open(const std::filesystem::path& target,
                                                      WriteTarget accepted = WriteTarget::anything);

    FileWriter(FileWriter&& other) noexcept;
    FileWriter& operator=(FileWriter&& other) noexcept;
    FileWriter(const FileWriter&) = delete;
    FileWriter& operator=(const FileWriter&) = delete;
    ~FileWriter(); // an uncommitted writer removes its temporary file

    // Returns the error text, or nothing when all of `bytes` were written. After a failure
    // the writer is spent: the temporary file is gone and later calls fail.
    std::optional<std::string> append(std::string_view bytes);

    // Flushes the bytes and makes them the target's content (the rename, for a regular
    // file). Returns the error text, or nothing on success. Called once.
    std::optional<std::string> commit();

private:
    FileWriter() = default;
    std::optional<std::string> failWith(int errorNumber);
    void discard();

    std::filesystem::path target_;
    std::filesystem::path shown_; // the name the user chose, which the messages quote
    std::string temporary_;       // empty when written in place, and once renamed or removed
    int fd_ = -1;
    int slot_ = -1; // entry in the list of temporaries removed on a fatal signal
};

// Writes the whole of `bytes` as the content of `target` through a FileWriter. Returns the
// error text to show the user, or nothing on success; on failure `target` is unchanged.
std::optional<std::string> writeFile(const std::filesystem::path& target, std::string_view bytes,
                                     WriteTarget accepted = WriteTarget::anything);

} // namespace lajes
