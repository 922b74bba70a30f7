#pragma once

#include <functional>

namespace kalvio {

class TMainForm;

// The program entry of the window: options, the application object, the main window, the event
// loop. Returns the exit status (2 for a usage error). `onShown` runs right after the window is
// shown (the start-up measurement hooks in there).
int RunProgram(int argc, char* argv[], const std::function<void(TMainForm&)>& onShown = {});

} // namespace kalvio
