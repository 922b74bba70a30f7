#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string_view>

namespace kalvio {

// No folder for the user's settings can be found (no home folder in the environment).
class ESettingsPathError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The value of an environment variable; nullopt when it is unset.
using TEnvironmentLookup =
    std::function<std::optional<std::filesystem::path>(std::string_view name)>;

std::optional<std::filesystem::path> ProcessEnvironment(std::string_view name);

// The user's configuration folder: %APPDATA% on Windows; elsewhere $XDG_CONFIG_HOME when it is an
// absolute path, else $HOME/.config. An empty variable counts as unset.
std::filesystem::path UserConfigFolder(const TEnvironmentLookup& environment = ProcessEnvironment);

// <configuration folder>/Orvelle/Kalvio/Kalvio.ini
std::filesystem::path
DefaultSettingsPath(const TEnvironmentLookup& environment = ProcessEnvironment);

// The file given with --settings, or else the default one.
std::filesystem::path SettingsPath(const std::optional<std::filesystem::path>& overrideFile,
                                   const TEnvironmentLookup& environment = ProcessEnvironment);

} // namespace kalvio
