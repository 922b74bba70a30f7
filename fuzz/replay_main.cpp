// The entry point of a fuzz target built without libFuzzer: runs the target once on every file
// named on the command line or found (recursively) in a named folder, in name order, so that a
// committed corpus is replayed as a regression test by any compiler.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> InputFiles(const fs::path& argument) {
    std::vector<fs::path> files;
    if (fs::is_directory(argument)) {
        for (const auto& entry : fs::recursive_directory_iterator(argument)) {
            if (entry.is_regular_file()) {
                files.push_back(entry.path());
            }
        }
        std::sort(files.begin(), files.end());
    } else {
        files.push_back(argument);
    }
    return files;
}

std::vector<std::uint8_t> ReadFile(const fs::path& fileName) {
    std::ifstream in(fileName, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + fileName.string());
    }
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: " << argv[0] << " FILE_OR_FOLDER...\n";
        return 2;
    }
    std::size_t count = 0;
    for (int index = 1; index < argc; ++index) {
        for (const fs::path& file : InputFiles(argv[index])) {
            const std::vector<std::uint8_t> bytes = ReadFile(file);
            LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
            ++count;
        }
    }
    std::cout << "Replayed " << count << " inputs\n";
    return count == 0 ? 1 : 0;
}
