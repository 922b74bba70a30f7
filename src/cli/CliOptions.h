#pragma once

#include "engine/AngleType.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kalvio {

// What the command line asked for. Unset values keep what the settings (or a first start) give.
struct TCliOptions {
    bool IsBigDecimal = false;
    std::optional<TAngleType> AngleMode;
    std::optional<int> SignificantDigits;
    std::optional<int> BcdSignificantDigits;
    std::optional<std::string> SettingsFile;
    std::vector<std::string> Expressions;
    bool IsHelp = false;
    bool IsVersion = false;
    // Set by the program entry from the terminal state, not by arguments.
    bool IsInteractive = false; // show the field as a prompt before each line
    bool IsLineFlushed = false; // flush after every answer
};

// Parses the arguments after the program name. Options may stand anywhere before "--"; an
// argument starting with a single "-" is an expression ("-5+3"), not an option. Returns false
// with a one-line message in `error` for a usage error.
bool ParseCliArguments(const std::vector<std::string_view>& arguments, TCliOptions& options,
                       std::string& error);

// The text of --help.
std::string CliUsageText();

} // namespace kalvio
