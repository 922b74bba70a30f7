// The real program entry with a probe that reports the first paint of the calculator window.
// Arguments: [--stay] and the program's own (--settings FILE).
#include "FirstPaint.h"
#include "ui/main/MainWin.h"
#include "ui/main/ProgramEntry.h"

#include <cstring>
#include <vector>

int main(int argc, char* argv[]) {
    bool stay = false;
    std::vector<char*> arguments;
    for (int index = 0; index < argc; ++index) {
        if (std::strcmp(argv[index], "--stay") == 0) {
            stay = true;
        } else {
            arguments.push_back(argv[index]);
        }
    }
    TFirstPaintProbe probe(stay);
    int count = static_cast<int>(arguments.size());
    arguments.push_back(nullptr);
    return kalvio::RunProgram(count, arguments.data(), [&probe](kalvio::TMainForm& window) {
        window.installEventFilter(&probe);
    });
}
