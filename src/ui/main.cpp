#include "ui/main/ProgramEntry.h"

int main(int argc, char* argv[]) {
    return kalvio::RunProgram(argc, argv);
}
