#include "cli/CliRunner.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace kalvio {
namespace {

struct TCliResult {
    int Status;
    std::string Out;
    std::string Err;
};

TCliResult RunInProcess(std::vector<std::string_view> arguments, const std::string& input = {}) {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = CliMain(arguments, in, out, err, false, false);
    return {status, out.str(), err.str()};
}

// A settings file in a fresh folder, removed afterwards.
class CliSettingsFile : public ::testing::Test {
protected:
    void SetUp() override {
        Folder = std::filesystem::temp_directory_path() /
                 ("kalvio-cli-test-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(Folder);
        std::filesystem::create_directories(Folder);
        Path = (Folder / "Kalvio.ini").string();
    }
    void TearDown() override { std::filesystem::remove_all(Folder); }

    std::filesystem::path Folder;
    std::string Path;
};

TEST(CliRunner, ArgumentsAreTypedOneAfterAnother) {
    // A first operator continues from the result; an empty input is Enter on the same text.
    const TCliResult result = RunInProcess({"1+2", "*4", "5", "ANS+PREANS", "-3", ""});
    EXPECT_EQ(result.Status, 0);
    EXPECT_EQ(result.Out, "3\n12\n5\n17\n14\n11\n");
    EXPECT_EQ(result.Err, "");
}

TEST(CliRunner, StandardInputLinesWithRegistersVariablesAndErrors) {
    const TCliResult result = RunInProcess({}, "2\r\n"
                                               "R = 3\n"
                                               "π*R^2\n"
                                               "\n"
                                               "GT\n"
                                               "1/0\n"
                                               "\n"
                                               "+1\n"
                                               "@FIX2\n"
                                               "M = 4\n"
                                               "M*MCOUNT\n");
    EXPECT_EQ(result.Status, 0);
    EXPECT_EQ(result.Out, "2\n3\n28.27433388\n28.27433388\n61.54866776\nInfinity error\n"
                          "Infinity error\n62.54866776\n63.55\n4.00\n4.00\n");
}

TEST(CliRunner, AFailedTextStaysInTheFieldToBeContinued) {
    EXPECT_EQ(RunInProcess({"1/", "2", "@X"}).Out, "Syntax error\n0.5\nMode Error\n");
}

TEST(CliRunner, CalcModeQuestionsTakeTheTypedAnswers) {
    const TCliResult result =
        RunInProcess({}, "@CALC:2*R^2\n3\nignored while the result is shown\n-1\n");
    EXPECT_EQ(result.Out, "0\n18\n18\n2\n");
}

TEST(CliRunner, OptionsSetModesAndDigits) {
    EXPECT_EQ(RunInProcess({"--bcd", "1/3*3", "0.1+0.2"}).Out, "0.9999999999\n0.3\n");
    EXPECT_EQ(RunInProcess({"1/3*3"}).Out, "1\n");
    EXPECT_EQ(RunInProcess({"--angle", "rad", "sin(π/2)"}).Out, "1\n");
    EXPECT_EQ(RunInProcess({"--angle=grad", "cos 200"}).Out, "-1\n");
    EXPECT_EQ(RunInProcess({"--digits", "4", "2/3"}).Out, "0.6667\n");
    EXPECT_EQ(RunInProcess({"--bcd", "--bcd-digits", "30", "2/3"}).Out, "0.6666666666\n");
    EXPECT_EQ(RunInProcess({"--bcd", "--bcd-digits", "4", "123456"}).Out, "1.235E5\n");
}

TEST(CliRunner, Utf8InAndOut) {
    const TCliResult result = RunInProcess({}, "変数 = ５\n変数＊２\n@dms\n１．５\n");
    EXPECT_EQ(result.Out, "5\n10\n10°0′0″\n1°30′0″\n");
}

TEST(CliRunner, UsageErrorsGiveStatusTwoAndOneLine) {
    for (const auto& arguments : std::vector<std::vector<std::string_view>>{
             {"--nope"}, {"--digits", "20"}, {"--angle", "x", "1"}, {"--settings"}}) {
        const TCliResult result = RunInProcess(arguments, "1\n");
        EXPECT_EQ(result.Status, 2);
        EXPECT_EQ(result.Out, "");
        ASSERT_FALSE(result.Err.empty());
        EXPECT_EQ(result.Err.find('\n'), result.Err.size() - 1);
    }
}

TEST(CliRunner, HelpAndVersion) {
    const TCliResult help = RunInProcess({"--help"});
    EXPECT_EQ(help.Status, 0);
    EXPECT_NE(help.Out.find("Usage: kalvio-cli"), std::string::npos);
    const TCliResult version = RunInProcess({"--version"});
    EXPECT_EQ(version.Out, "kalvio-cli " KALVIO_TEST_VERSION "\n");
}

TEST_F(CliSettingsFile, StateSurvivesBetweenRuns) {
    EXPECT_EQ(RunInProcess({"--settings", Path, "--bcd", "A = 1/3", "@FIX2", "M = 7"}).Out,
              "0.3333333333\n0.33\n7.00\n");
    ASSERT_TRUE(std::filesystem::exists(Path));
    // Decimal mode, the variable, the memory and the display mode with its digits come back.
    EXPECT_EQ(RunInProcess({"--settings", Path, "A*3", "M", "@NORM"}).Out, "1.00\n7.00\n7\n");
}

TEST_F(CliSettingsFile, TheStoredHistoryLimitHolds) {
    { std::ofstream(Path, std::ios::binary) << "[Expression]\r\nHistory=1\r\nCount=2\r\n"; }
    EXPECT_EQ(RunInProcess({"--settings", Path, "1", "2", "3"}).Status, 0);
    std::ifstream file(Path, std::ios::binary);
    const std::string text(std::istreambuf_iterator<char>(file), {});
    EXPECT_NE(text.find("RecordCount=2"), std::string::npos);
    EXPECT_NE(text.find("Expression=3"), std::string::npos);
    EXPECT_EQ(text.find("Expression=1"), std::string::npos);
}

TEST_F(CliSettingsFile, WithoutTheOptionNothingIsReadOrWritten) {
    RunInProcess({"--settings", Path, "--digits", "3", "A = 2"});
    const std::string before = [&] {
        std::ifstream file(Path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }();
    EXPECT_EQ(RunInProcess({"1/3", "A"}).Out, "0.3333333333\nSyntax error\n");
    std::ifstream file(Path, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(file), {}), before);
}

TEST_F(CliSettingsFile, AnUnwritableSettingsFileFailsWithStatusOne) {
    const std::string path = (Folder / "is-a-folder").string();
    std::filesystem::create_directories(path);
    const TCliResult result = RunInProcess({"--settings", path, "1"});
    EXPECT_EQ(result.Status, 1);
    EXPECT_NE(result.Err.find("settings"), std::string::npos);
}

} // namespace
} // namespace kalvio
