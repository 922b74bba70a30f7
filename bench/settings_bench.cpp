#include "state/AppData.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <random>
#include <string>

namespace {

namespace fs = std::filesystem;
using namespace kalvio;

std::u16string Numbered(std::u16string_view prefix, int i) {
    std::u16string text(prefix);
    const std::string digits = std::to_string(i);
    text.append(digits.begin(), digits.end());
    return text;
}

// A settings file with 1,000 history entries and 1,000 variables in a fresh folder.
class TLargeSettingsFile {
public:
    TLargeSettingsFile() {
        std::random_device source;
        FFolder = fs::temp_directory_path() / ("kalvio-bench-" + std::to_string(source()));
        fs::create_directories(FFolder);
        TAppData data;
        data.IsHistoryRecord = true;
        data.HistoryCount = 1000;
        std::vector<TExpressionHistory> history(1000);
        TVariableDictionary variables;
        for (int i = 0; i < 1000; ++i) {
            const double value = (i + 1) / 7.0;
            history[i].ExpressionText = Numbered(u"(1+2)*sin(30)/", i + 1);
            history[i].Value = value;
            history[i].Ans = value * 3;
            history[i].BcdValue = DoubleToBcd(value);
            history[i].BcdAns = DoubleToBcd(value * 3);
            variables.AddOrSetValue(Numbered(u"VAR", i), value, DoubleToBcd(value), true,
                                    u"コメント");
        }
        std::vector<std::u16string> records;
        data.Write(FileName(), {&history, &variables, &records});
    }
    TLargeSettingsFile(const TLargeSettingsFile&) = delete;
    TLargeSettingsFile& operator=(const TLargeSettingsFile&) = delete;
    ~TLargeSettingsFile() {
        std::error_code ignored;
        fs::remove_all(FFolder, ignored);
    }
    fs::path FileName() const { return FFolder / "Kalvio.ini"; }

private:
    fs::path FFolder;
};

void BM_SettingsReadAndWrite(benchmark::State& state) {
    const TLargeSettingsFile file;
    std::vector<TExpressionHistory> history;
    TVariableDictionary variables;
    std::vector<std::u16string> records;
    const TAppDataLists lists{&history, &variables, &records};
    for (auto _ : state) {
        TAppData data;
        data.Read(file.FileName(), lists);
        data.Write(file.FileName(), lists);
    }
    state.counters["entries"] = static_cast<double>(history.size() + variables.Count());
}
BENCHMARK(BM_SettingsReadAndWrite)->Unit(benchmark::kMillisecond);

void BM_SettingsRead(benchmark::State& state) {
    const TLargeSettingsFile file;
    std::vector<TExpressionHistory> history;
    TVariableDictionary variables;
    std::vector<std::u16string> records;
    for (auto _ : state) {
        TAppData data;
        data.Read(file.FileName(), {&history, &variables, &records});
    }
}
BENCHMARK(BM_SettingsRead)->Unit(benchmark::kMillisecond);

} // namespace
