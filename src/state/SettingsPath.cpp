#include "state/SettingsPath.h"

#include <cstdlib>
#include <string>

namespace kalvio {
namespace {

namespace fs = std::filesystem;

std::optional<fs::path> NonEmptyVariable(const TEnvironmentLookup& environment,
                                         std::string_view name) {
    std::optional<fs::path> value = environment(name);
    if (value && value->empty()) {
        return std::nullopt;
    }
    return value;
}

} // namespace

std::optional<std::filesystem::path> ProcessEnvironment(std::string_view name) {
#ifdef _WIN32
    // The wide form keeps user names outside the ANSI code page intact.
    const std::wstring wideName(name.begin(), name.end());
    const wchar_t* value = _wgetenv(wideName.c_str());
#else
    const char* value = std::getenv(std::string(name).c_str());
#endif
    if (!value) {
        return std::nullopt;
    }
    return fs::path(value);
}

std::filesystem::path UserConfigFolder(const TEnvironmentLookup& environment) {
#ifdef _WIN32
    if (std::optional<fs::path> appData = NonEmptyVariable(environment, "APPDATA")) {
        return *appData;
    }
#else
    // A relative XDG_CONFIG_HOME is invalid by the XDG rules and is ignored.
    std::optional<fs::path> configHome = NonEmptyVariable(environment, "XDG_CONFIG_HOME");
    if (configHome && configHome->is_absolute()) {
        return *configHome;
    }
    if (std::optional<fs::path> home = NonEmptyVariable(environment, "HOME")) {
        return *home / ".config";
    }
#endif
    throw ESettingsPathError("No folder for the settings file: the user's home is not set");
}

std::filesystem::path DefaultSettingsPath(const TEnvironmentLookup& environment) {
    return UserConfigFolder(environment) / "Orvelle" / "Kalvio" / "Kalvio.ini";
}

std::filesystem::path SettingsPath(const std::optional<std::filesystem::path>& overrideFile,
                                   const TEnvironmentLookup& environment) {
    return overrideFile ? *overrideFile : DefaultSettingsPath(environment);
}

} // namespace kalvio
