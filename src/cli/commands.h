#pragma once

#include <iosfwd>

namespace lajes::cli {

// Runs lajes-cli with its arguments; returns the exit status: 0 the slab is Ready, 1 the
// design was refused, 2 a usage, input, read or write error. For batch: 0 every line was
// read and answered, 1 some lines were Invalid, 2 reading or writing failed. When `in` is
// std::cin, standard input is read through its descriptor.
int runCommandLine(int argc, char** argv, std::istream& in, std::ostream& out, std::ostream& err);

} // namespace lajes::cli
