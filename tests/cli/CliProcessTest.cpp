#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct TProcessResult {
    int Status;
    std::string Out;
    std::string Err;
};

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// Runs the built program through the shell with `input` on its standard input.
TProcessResult RunProgram(const std::string& arguments, const std::string& input = {}) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("kalvio-cli-process-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    { std::ofstream(folder / "in", std::ios::binary) << input; }
    const std::string command = std::string("'") + KALVIO_CLI_PATH + "' " + arguments + " < '" +
                                (folder / "in").string() + "' > '" + (folder / "out").string() +
                                "' 2> '" + (folder / "err").string() + "'";
    const int raw = std::system(command.c_str());
    TProcessResult result{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadFile(folder / "out"),
                          ReadFile(folder / "err")};
    std::filesystem::remove_all(folder);
    return result;
}

TEST(CliProcess, AnswersArgumentsAndStandardInput) {
    const TProcessResult arguments = RunProgram("'2+3*4' '*2' -- -5");
    EXPECT_EQ(arguments.Status, 0);
    EXPECT_EQ(arguments.Out, "14\n28\n23\n");
    const TProcessResult lines = RunProgram("--bcd", "1/3\nANS*3\n\n");
    EXPECT_EQ(lines.Status, 0);
    EXPECT_EQ(lines.Out, "0.3333333333\n0.9999999999\n2.9999999997\n");
}

TEST(CliProcess, UsageErrorExitsWithTwo) {
    const TProcessResult result = RunProgram("--bcd-digits 99 1");
    EXPECT_EQ(result.Status, 2);
    EXPECT_EQ(result.Out, "");
    EXPECT_NE(result.Err.find("--bcd-digits"), std::string::npos);
}

TEST(CliProcess, SettingsRoundTrip) {
    const std::filesystem::path settings = std::filesystem::temp_directory_path() /
                                           ("kalvio-cli-settings-" + std::to_string(getpid())) /
                                           "Kalvio.ini";
    std::filesystem::remove_all(settings.parent_path());
    const std::string option = "--settings '" + settings.string() + "'";
    EXPECT_EQ(RunProgram(option + " --angle rad 'W = 2'").Status, 0);
    EXPECT_EQ(RunProgram(option + " 'W*π/W' 'cos ANS'").Out, "3.141592654\n-1\n");
    std::filesystem::remove_all(settings.parent_path());
}

} // namespace
