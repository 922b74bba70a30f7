#include "state/SettingsPath.h"

#include <gtest/gtest.h>
#include <map>
#include <string>

namespace kalvio {
namespace {

namespace fs = std::filesystem;

TEnvironmentLookup Environment(std::map<std::string, std::string> variables) {
    return [variables = std::move(variables)](std::string_view name) -> std::optional<fs::path> {
        const auto found = variables.find(std::string(name));
        if (found == variables.end()) {
            return std::nullopt;
        }
        return fs::path(found->second);
    };
}

#ifndef _WIN32
TEST(SettingsPath, FollowsTheXdgConfigurationFolder) {
    struct TCase {
        std::map<std::string, std::string> Variables;
        fs::path Expected;
    };
    const TCase cases[] = {
        {{{"XDG_CONFIG_HOME", "/xdg"}, {"HOME", "/home/u"}}, "/xdg/Orvelle/Kalvio/Kalvio.ini"},
        {{{"HOME", "/home/u"}}, "/home/u/.config/Orvelle/Kalvio/Kalvio.ini"},
        {{{"XDG_CONFIG_HOME", ""}, {"HOME", "/home/u"}},
         "/home/u/.config/Orvelle/Kalvio/Kalvio.ini"},
        {{{"XDG_CONFIG_HOME", "relative"}, {"HOME", "/home/u"}},
         "/home/u/.config/Orvelle/Kalvio/Kalvio.ini"},
    };
    for (const TCase& test : cases) {
        EXPECT_EQ(DefaultSettingsPath(Environment(test.Variables)), test.Expected);
    }
}

TEST(SettingsPath, WithoutAHomeThereIsNoDefault) {
    EXPECT_THROW(DefaultSettingsPath(Environment({})), ESettingsPathError);
    EXPECT_THROW(DefaultSettingsPath(Environment({{"HOME", ""}})), ESettingsPathError);
}
#endif

TEST(SettingsPath, AGivenFileOverridesTheDefault) {
    EXPECT_EQ(SettingsPath(fs::path("my.ini"), Environment({})), fs::path("my.ini"));
    EXPECT_EQ(
        SettingsPath(std::nullopt, Environment({{"HOME", "/h"}, {"APPDATA", "/h"}})).filename(),
        "Kalvio.ini");
}

} // namespace
} // namespace kalvio
