#include "cli/CliOptions.h"

#include <charconv>
#include <cstddef>

namespace kalvio {
namespace {

bool ParseDigits(std::string_view text, int minimum, int maximum, int& value) {
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc{} && ptr == end && value >= minimum && value <= maximum;
}

bool ParseAngle(std::string_view text, TAngleType& angle) {
    if (text == "deg") {
        angle = atDeg;
    } else if (text == "rad") {
        angle = atRad;
    } else if (text == "grad") {
        angle = atGrad;
    } else {
        return false;
    }
    return true;
}

// Applies one option that takes a value; false with `error` set when the value is bad.
bool ApplyValueOption(std::string_view name, std::string_view value, TCliOptions& options,
                      std::string& error) {
    const std::string quoted = "'" + std::string(value) + "'";
    if (name == "--angle") {
        TAngleType angle{};
        if (!ParseAngle(value, angle)) {
            error = "invalid value " + quoted + " for --angle (expected deg, rad or grad)";
            return false;
        }
        options.AngleMode = angle;
    } else if (name == "--digits") {
        int digits = 0;
        if (!ParseDigits(value, 2, 15, digits)) {
            error = "invalid value " + quoted + " for --digits (expected 2 to 15)";
            return false;
        }
        options.SignificantDigits = digits;
    } else if (name == "--bcd-digits") {
        int digits = 0;
        if (!ParseDigits(value, 2, 30, digits)) {
            error = "invalid value " + quoted + " for --bcd-digits (expected 2 to 30)";
            return false;
        }
        options.BcdSignificantDigits = digits;
    } else {
        if (value.empty()) {
            error = "empty file name for --settings";
            return false;
        }
        options.SettingsFile = std::string(value);
    }
    return true;
}

bool TakesValue(std::string_view name) {
    return name == "--angle" || name == "--digits" || name == "--bcd-digits" ||
           name == "--settings";
}

} // namespace

bool ParseCliArguments(const std::vector<std::string_view>& arguments, TCliOptions& options,
                       std::string& error) {
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (optionsEnded || argument.size() < 2 || argument[0] != '-' ||
            (argument[1] != '-' && argument != "-h")) {
            options.Expressions.emplace_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--help" || argument == "-h") {
            options.IsHelp = true;
        } else if (argument == "--version") {
            options.IsVersion = true;
        } else if (argument == "--bcd") {
            options.IsBigDecimal = true;
        } else {
            const std::size_t equals = argument.find('=');
            const std::string_view name = argument.substr(0, equals);
            if (!TakesValue(name)) {
                const bool isFlag = name == "--bcd" || name == "--help" || name == "--version";
                error = isFlag ? "option '" + std::string(name) + "' takes no value"
                               : "unknown option '" + std::string(name) + "'";
                return false;
            }
            std::string_view value;
            if (equals != std::string_view::npos) {
                value = argument.substr(equals + 1);
            } else if (i + 1 < arguments.size()) {
                value = arguments[++i];
            } else {
                error = "option '" + std::string(name) + "' needs a value";
                return false;
            }
            if (!ApplyValueOption(name, value, options, error)) {
                return false;
            }
        }
    }
    return true;
}

std::string CliUsageText() {
    return "Usage: kalvio-cli [OPTION]... [EXPR]...\n"
           "Evaluate each EXPR, or else each line of standard input, as the Kalvio calculator\n"
           "does when it is typed into its expression field and Enter is pressed; print one\n"
           "line per Enter: the result, an error word or \"Mode Error\".\n"
           "\n"
           "  --bcd              start in 64-digit decimal mode\n"
           "  --angle UNIT       angle unit: deg, rad or grad\n"
           "  --digits N         significant digits shown in double mode (2-15)\n"
           "  --bcd-digits N     significant digits shown in decimal mode (2-30)\n"
           "  --settings FILE    read FILE at start and write it at exit as the settings file\n"
           "                     (without it no settings are read or written)\n"
           "  -h, --help         show this help and exit\n"
           "      --version      show the version and exit\n"
           "  --                 treat every following argument as an expression\n"
           "\n"
           "An argument starting with a single '-' is an expression (kalvio-cli -5+3).\n"
           "Exit status: 0 after all inputs, 1 if the settings file fails, 2 for a usage error.\n";
}

} // namespace kalvio
