#include "cli/CliRunner.h"

#include <iostream>
#include <string_view>
#include <unistd.h>
#include <vector>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    return kalvio::CliMain(arguments, std::cin, std::cout, std::cerr, isatty(STDIN_FILENO) == 1,
                           isatty(STDOUT_FILENO) == 1);
}
