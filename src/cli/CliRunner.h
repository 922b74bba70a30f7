#pragma once

#include "cli/CliOptions.h"

#include <iosfwd>
#include <string_view>
#include <vector>

namespace kalvio {

// Types each input (each expression of the options, or else each line of `in`) into the
// calculator's expression field as a keyboard would, presses Enter and writes one line per Enter:
// what the result display shows. Returns the exit status: 0, or 1 when the settings file could
// not be read or written.
int RunCli(const TCliOptions& options, std::istream& in, std::ostream& out, std::ostream& err);

// The whole program behind main: parses the arguments (a usage error gives status 2 and one line
// on `err`), then --help, --version or RunCli.
int CliMain(const std::vector<std::string_view>& arguments, std::istream& in, std::ostream& out,
            std::ostream& err, bool isInputTerminal, bool isOutputTerminal);

} // namespace kalvio
