// lajes-cli: the design engine of Lajes from the command line.

#include <clocale>
#include <fcntl.h>
#include <iostream>
#include <unistd.h>

#include "cli/commands.h"

int main(int argc, char** argv) {
    // A closed standard descriptor would be taken by the next file the tool opens, and the
    // JSON meant for standard output would land in the drawing. A read-only /dev/null in its
    // place makes every write to it fail, so a closed output is still reported as one.
    for (int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO})
        if (::fcntl(fd, F_GETFD) == -1 && ::open("/dev/null", O_RDONLY) != fd)
            return 2;
    // The system's reasons in the user's language ("É um diretório"); numbers and texts of
    // the results never depend on the locale.
    std::setlocale(LC_MESSAGES, "");
    std::setlocale(LC_CTYPE, "");
    return lajes::cli::runCommandLine(argc, argv, std::cin, std::cout, std::cerr);
}
