#include "cli/CliOptions.h"

#include <gtest/gtest.h>

namespace kalvio {
namespace {

bool Parse(std::vector<std::string_view> arguments, TCliOptions& options, std::string& error) {
    return ParseCliArguments(arguments, options, error);
}

TEST(CliOptions, ReadsEveryOptionInBothForms) {
    TCliOptions options;
    std::string error;
    ASSERT_TRUE(Parse({"--bcd", "--angle", "rad", "--digits=12", "--bcd-digits", "30", "--settings",
                       "k.ini", "1+2", "-5+3", "--", "--bcd"},
                      options, error))
        << error;
    EXPECT_TRUE(options.IsBigDecimal);
    EXPECT_EQ(options.AngleMode, atRad);
    EXPECT_EQ(options.SignificantDigits, 12);
    EXPECT_EQ(options.BcdSignificantDigits, 30);
    EXPECT_EQ(options.SettingsFile, "k.ini");
    EXPECT_EQ(options.Expressions, (std::vector<std::string>{"1+2", "-5+3", "--bcd"}));
    EXPECT_FALSE(options.IsHelp);
}

TEST(CliOptions, UsageErrorsNameTheProblem) {
    const std::vector<std::vector<std::string_view>> bad = {
        {"--frobnicate"}, {"--angle", "turns"}, {"--digits", "1"}, {"--digits", "16"},
        {"--digits=x"},   {"--bcd-digits=31"},  {"--settings"},    {"--settings="},
        {"--angle"},      {"--bcd=1"},
    };
    for (const auto& arguments : bad) {
        TCliOptions options;
        std::string error;
        EXPECT_FALSE(Parse(arguments, options, error)) << arguments.front();
        EXPECT_FALSE(error.empty());
        EXPECT_EQ(error.find('\n'), std::string::npos);
    }
}

TEST(CliOptions, HelpAndVersion) {
    TCliOptions options;
    std::string error;
    ASSERT_TRUE(Parse({"-h", "--version"}, options, error));
    EXPECT_TRUE(options.IsHelp);
    EXPECT_TRUE(options.IsVersion);
}

} // namespace
} // namespace kalvio
