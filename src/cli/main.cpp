// lajes-cli: the design engine of Lajes from the command line.

#include <CLI/CLI.hpp>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>

#include "cli/commands.h"

int main(int argc, char** argv) {
    return lajes::cli::runCommandLine(argc, argv, std::cin, std::cout, std::cerr);
}
