#include "ui/program.h"

int main(int argc, char* argv[]) {
    return lajes::runProgram(argc, argv);
}
