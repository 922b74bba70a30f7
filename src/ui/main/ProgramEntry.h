#pragma once

namespace kalvio {

// The program entry of the window: options, the application object, the main window, the event
// loop. Returns the exit status (2 for a usage error).
int RunProgram(int argc, char* argv[]);

} // namespace kalvio
