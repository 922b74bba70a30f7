#pragma once

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <random>
#include <string>
#include <string_view>

namespace kalvio {

// A fresh empty folder for each test, removed afterwards.
class TemporaryFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device source;
        FFolder = std::filesystem::temp_directory_path() /
                  ("kalvio-state-" + std::to_string(source()) + std::to_string(source()));
        std::filesystem::create_directories(FFolder);
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(FFolder, ignored);
    }
    const std::filesystem::path& Folder() const { return FFolder; }

private:
    std::filesystem::path FFolder;
};

inline std::string ReadBytes(const std::filesystem::path& fileName) {
    std::ifstream in(fileName, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::filesystem::path& fileName, std::string_view bytes) {
    std::ofstream(fileName, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

} // namespace kalvio
