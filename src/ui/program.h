#pragma once

// The desktop program from its first line to its last: the check for a graphical display, the
// Qt application with its name, icon and Portuguese texts, the start-up sequence and the
// event loop. main() is this and nothing else; a test build of the start-up runs the same.

#include <functional>

namespace lajes {

class LajesApplication;

// Printed, alone, when no graphical display can be opened; the program then ends with 1.
inline constexpr const char* noDisplayMessage =
    "lajes: nenhuma tela gráfica foi encontrada; o programa precisa de uma sessão gráfica "
    "(DISPLAY ou WAYLAND_DISPLAY).";

// Runs the program; `started` (if any) runs once the main window is shown, before the event
// loop. Returns the exit status.
int runProgram(int argc, char* argv[], const std::function<void(LajesApplication&)>& started = {});

} // namespace lajes
