#pragma once

#include <iosfwd>

namespace lajes::cli {

// Runs lajes-cli with its arguments; returns the exit status (0 the slab is Ready, 1 the
// design was refused, 2 a usage or input error).
int runCommandLine(int argc, char** argv, std::istream& in, std::ostream& out, std::ostream& err);

} // namespace lajes::cli
