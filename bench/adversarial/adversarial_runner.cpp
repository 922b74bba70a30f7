// Runs the adversarial input suite and times every input.
//
// Expressions (expressions.txt): each case is typed into a fresh calculator, in double and in
// decimal mode, after its setup inputs, and Enter is timed. Settings files (settings/*.ini and
// three generated 100 MB files): each is read and written by the settings object, which is
// timed, then read again; nothing readable may be lost, and a damaged file must survive as the
// backup. The calculator's own start and end (RestoreState, SaveState) are timed as well.
//
// Exit status 1 when an input fails a check, throws, or takes longer than the budget.
#include "calculator/CalculatorSession.h"
#include "engine/Bcd.h"
#include "engine/DoubleText.h"
#include "state/AppData.h"
#include "state/IniFile.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace kalvio {
namespace {

namespace fs = std::filesystem;
using TClock = std::chrono::steady_clock;

struct TOptions {
    fs::path InputFolder = KALVIO_ADVERSARIAL_DIR;
    double BudgetMs = 50;
    int Repeat = 3;
    bool IsHugeFiles = true;
};

struct TResult {
    std::string Name;
    double Milliseconds = 0;
    std::string Failure; // empty when every check passed
};

// UTF-8 as written by the generator, where a surrogate may also stand alone in its three-byte
// form; anything else that is malformed becomes U+FFFD.
std::u16string DecodeInput(std::string_view bytes) {
    std::u16string text;
    std::size_t index = 0;
    while (index < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[index]);
        const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        if (lead >= 0x80 && (lead < 0xC0 || index + length > bytes.size())) {
            text.push_back(u'\uFFFD');
            ++index;
            continue;
        }
        char32_t codePoint = length == 1 ? lead : lead & (0x7F >> length);
        for (int part = 1; part < length; ++part) {
            codePoint = (codePoint << 6) | (static_cast<unsigned char>(bytes[index + part]) & 0x3F);
        }
        if (codePoint >= 0x10000) {
            codePoint -= 0x10000;
            text.push_back(static_cast<char16_t>(0xD800 + (codePoint >> 10)));
            text.push_back(static_cast<char16_t>(0xDC00 + (codePoint & 0x3FF)));
        } else {
            text.push_back(static_cast<char16_t>(codePoint));
        }
        index += static_cast<std::size_t>(length);
    }
    return text;
}

std::vector<std::u16string> SplitAtTabs(const std::u16string& line) {
    std::vector<std::u16string> parts(1);
    for (const char16_t unit : line) {
        if (unit == u'\t') {
            parts.emplace_back();
        } else {
            parts.back().push_back(unit);
        }
    }
    return parts;
}

std::string Abbreviated(const std::string& line) {
    return line.size() <= 48
               ? line
               : line.substr(0, 40) + "... (" + std::to_string(line.size()) + " bytes)";
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double MillisecondsSince(TClock::time_point start) {
    return std::chrono::duration<double, std::milli>(TClock::now() - start).count();
}

// Runs `timed` Repeat times and keeps the median; a thrown exception is a failure.
TResult Measure(const std::string& name, int repeat,
                const std::function<std::string(double&)>& timed) {
    TResult result{name, 0, {}};
    std::vector<double> times;
    for (int run = 0; run < repeat && result.Failure.empty(); ++run) {
        double milliseconds = 0;
        try {
            result.Failure = timed(milliseconds);
        } catch (const std::exception& error) {
            result.Failure = std::string("threw: ") + error.what();
        }
        times.push_back(milliseconds);
    }
    result.Milliseconds = Median(times);
    return result;
}

std::vector<TResult> RunExpressions(const TOptions& options) {
    std::ifstream in(options.InputFolder / "expressions.txt", std::ios::binary);
    std::vector<TResult> results;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line.starts_with('#')) {
            continue;
        }
        const std::vector<std::u16string> parts = SplitAtTabs(DecodeInput(line));
        for (const bool isBigDecimal : {false, true}) {
            const std::string name = (isBigDecimal ? "bcd    " : "double ") + Abbreviated(line);
            results.push_back(Measure(name, options.Repeat, [&](double& milliseconds) {
                TCalculatorSession session;
                if (isBigDecimal) {
                    session.Calculator.BigDecimalActionExecute();
                }
                for (std::size_t setup = 0; setup + 1 < parts.size(); ++setup) {
                    session.Enter(parts[setup]);
                }
                const TClock::time_point start = TClock::now();
                const std::u16string shown = session.Enter(parts.back());
                milliseconds = MillisecondsSince(start);
                return shown.empty() ? std::string("nothing shown") : std::string();
            }));
        }
    }
    return results;
}

std::string ReadBytes(const fs::path& fileName) {
    std::ifstream in(fileName, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The file is on disk before the clock starts, as a settings file is at start-up: otherwise the
// settings' own flush to disk would wait for these bytes too.
void WriteBytes(const fs::path& fileName, std::string_view bytes) {
    std::ofstream(fileName, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    ::sync();
}

// Everything the settings object reads, doubles to the 15 digits they are stored with.
class TFingerprint {
public:
    template <typename T> TFingerprint& operator<<(const T& value) {
        FText << value << '\n';
        return *this;
    }
    TFingerprint& operator<<(double value) { return *this << FloatToGeneralText(value, 15); }
    TFingerprint& operator<<(const TBcd& value) { return *this << BcdToStr(value); }
    TFingerprint& operator<<(const std::u16string& text) {
        for (const char16_t unit : text) {
            FText << static_cast<unsigned>(unit) << ' ';
        }
        FText << '\n';
        return *this;
    }
    std::string Text() const { return FText.str(); }

private:
    std::ostringstream FText;
};

struct TLoadedSettings {
    TAppData Data;
    std::vector<TExpressionHistory> History;
    TVariableDictionary Variables;
    std::vector<std::u16string> Records;

    TAppDataLists Lists() { return {&History, &Variables, &Records}; }

    std::string Fingerprint() const {
        TFingerprint print;
        const TAppData& d = Data;
        print << d.Left << d.Top << d.Width << d.Height << d.InputExpressionText
              << d.IsHistoryRecord << d.HistoryCount << d.IsVariableRecord << d.IsRealTimeCalc
              << d.IsBigDecimal << d.SignificantDigits << d.BcdSignificantDigits << d.VarM << d.Ans
              << d.PreAns << d.BcdVarM << d.BcdAns << d.BcdPreAns << d.IsCalc << int(d.ViewMode)
              << d.RoundDecimal << d.Eng << int(d.AngleMode) << d.IsTopMost << d.Transparency
              << d.TransparencyValue << d.IsDigitGroupingSeparator << d.CustomBtnTitle
              << d.CustomBtnExpression << d.IsVariablePanel << d.IsFunctionPanel << d.IsNumberPanel
              << d.IsHistoryListForm << d.HistoryListFormLeft << d.HistoryListFormTop
              << d.HistoryListFormWidth << d.HistoryListFormHeight << d.IsVariableListForm
              << d.VariableListFormLeft << d.VariableListFormTop << d.VariableListFormWidth
              << d.VariableListFormHeight << d.IsExpressionListForm << d.ExpressionListFormLeft
              << d.ExpressionListFormTop << d.ExpressionListFormWidth << d.ExpressionListFormHeight
              << d.WindowScaleNumber;
        for (const TExpressionHistory& entry : History) {
            print << entry.ExpressionText << entry.Value << entry.Ans << entry.PreAns << entry.VarM
                  << entry.BcdValue << entry.BcdAns << entry.BcdPreAns << entry.BcdVarM
                  << int(entry.AngleMode) << int(entry.ViewMode);
        }
        for (const std::u16string& name : Variables.NameList()) {
            const std::int32_t number = Variables.GetNumberItems(name);
            const TVariableStatus& status = Variables.GetStatusItems(name);
            print << name << Variables.GetValueItems(number) << Variables.GetBcdValueItems(number)
                  << status.IsOverwrite << status.Comment;
        }
        for (const std::u16string& record : Records) {
            print << record;
        }
        return print.Text();
    }
};

struct TSettingsInput {
    std::string Name;
    std::string Bytes;
};

std::vector<TSettingsInput> CommittedSettingsFiles(const TOptions& options) {
    std::vector<TSettingsInput> inputs;
    for (const auto& entry : fs::directory_iterator(options.InputFolder / "settings")) {
        inputs.push_back({entry.path().filename().string(), ReadBytes(entry.path())});
    }
    std::sort(inputs.begin(), inputs.end(),
              [](const TSettingsInput& a, const TSettingsInput& b) { return a.Name < b.Name; });
    return inputs;
}

constexpr std::size_t HugeSize = 100 * 1000 * 1000;

// A history far longer than any limit, each entry backed by its section.
std::string ManyEntriesFile() {
    std::string bytes = "\xEF\xBB\xBF[Expression]\r\nHistory=1\r\nRecordCount=2147483647\r\n\r\n";
    for (std::size_t index = 0; bytes.size() < HugeSize; ++index) {
        const std::string number = std::to_string(index);
        bytes += "[Expression" + number + "]\r\nExpression=" + number + "*2\r\nValue=" + number +
                 "\r\nBcdValue=" + number + "\r\n\r\n";
    }
    return bytes;
}

std::string OneLineFile() {
    std::string bytes = "\xEF\xBB\xBF[Expression]\r\nText=";
    bytes.append(HugeSize - bytes.size(), '1');
    return bytes;
}

std::string GarbageFile() {
    std::mt19937 random(20240611);
    std::string bytes(HugeSize, '\0');
    for (char& byte : bytes) {
        byte = static_cast<char>(random() & 0xFF);
    }
    return bytes;
}

// Read and Write timed; then the written file must give back what was read, and a damaged file
// must be kept byte for byte as the backup.
TResult RunSettingsFile(const TOptions& options, const fs::path& folder,
                        const TSettingsInput& input) {
    const fs::path fileName = folder / "Kalvio.ini";
    fs::path backup = fileName;
    backup += ".bak";
    WriteBytes(fileName, input.Bytes);
    const bool isDamaged = TIniFile::LoadFromFile(fileName).IsDamaged();
    return Measure("settings " + input.Name, options.Repeat, [&](double& milliseconds) {
        std::error_code ignored;
        fs::remove(backup, ignored);
        WriteBytes(fileName, input.Bytes);
        TLoadedSettings first;
        const TClock::time_point start = TClock::now();
        first.Data.Read(fileName, first.Lists());
        first.Data.Write(fileName, first.Lists());
        milliseconds = MillisecondsSince(start);
        TLoadedSettings second;
        second.Data.Read(fileName, second.Lists());
        if (first.Fingerprint() != second.Fingerprint()) {
            return std::string("lost data that was read");
        }
        if (isDamaged && ReadBytes(backup) != input.Bytes) {
            return std::string("no exact backup of the damaged file");
        }
        return std::string();
    });
}

// The calculator's start (read and apply the file) and end (write it).
TResult RunCalculatorStart(const TOptions& options, const fs::path& folder,
                           const TSettingsInput& input) {
    const fs::path fileName = folder / "Kalvio.ini";
    fs::path backup = fileName;
    backup += ".bak";
    return Measure("start and end with " + input.Name, options.Repeat, [&](double& milliseconds) {
        std::error_code ignored;
        fs::remove(backup, ignored);
        WriteBytes(fileName, input.Bytes);
        TCalculatorSession session;
        session.Calculator.SetSettingsFile(fileName);
        const TClock::time_point start = TClock::now();
        session.Calculator.RestoreState();
        session.Calculator.SaveState();
        milliseconds = MillisecondsSince(start);
        return std::string();
    });
}

std::vector<TResult> RunSettings(const TOptions& options) {
    const fs::path folder =
        fs::temp_directory_path() / ("kalvio-adversarial-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    std::vector<TSettingsInput> inputs = CommittedSettingsFiles(options);
    if (options.IsHugeFiles) {
        inputs.push_back({"generated 100 MB history", ManyEntriesFile()});
        inputs.push_back({"generated 100 MB line", OneLineFile()});
        inputs.push_back({"generated 100 MB random bytes", GarbageFile()});
    }
    std::vector<TResult> results;
    for (const TSettingsInput& input : inputs) {
        results.push_back(RunSettingsFile(options, folder, input));
        results.push_back(RunCalculatorStart(options, folder, input));
    }
    std::error_code ignored;
    fs::remove_all(folder, ignored);
    return results;
}

bool ParseOptions(int argc, char** argv, TOptions& options) {
    for (int index = 1; index < argc; ++index) {
        const std::string_view argument = argv[index];
        if (argument == "--no-huge-files") {
            options.IsHugeFiles = false;
        } else if (argument == "--budget-ms" && index + 1 < argc) {
            options.BudgetMs = std::stod(argv[++index]);
        } else if (argument == "--repeat" && index + 1 < argc) {
            options.Repeat = std::max(1, std::stoi(argv[++index]));
        } else if (argument == "--inputs" && index + 1 < argc) {
            options.InputFolder = argv[++index];
        } else {
            std::cerr << "usage: adversarial_runner [--inputs FOLDER] [--budget-ms MS] "
                         "[--repeat N] [--no-huge-files]\n";
            return false;
        }
    }
    return true;
}

int Report(const TOptions& options, std::vector<TResult> results) {
    std::sort(results.begin(), results.end(),
              [](const TResult& a, const TResult& b) { return a.Milliseconds > b.Milliseconds; });
    int failures = 0;
    for (const TResult& result : results) {
        if (!result.Failure.empty()) {
            ++failures;
            std::printf("FAILED  %s: %s\n", result.Name.c_str(), result.Failure.c_str());
        } else if (result.Milliseconds > options.BudgetMs) {
            ++failures;
            std::printf("SLOW    %9.3f ms  %s\n", result.Milliseconds, result.Name.c_str());
        }
    }
    std::printf("Slowest inputs (median of %d runs):\n", options.Repeat);
    for (std::size_t index = 0; index < std::min<std::size_t>(10, results.size()); ++index) {
        std::printf("  %9.3f ms  %s\n", results[index].Milliseconds, results[index].Name.c_str());
    }
    std::printf("%zu inputs, %d over the %.0f ms budget or failed\n", results.size(), failures,
                options.BudgetMs);
    return failures == 0 ? 0 : 1;
}

} // namespace
} // namespace kalvio

int main(int argc, char** argv) {
    using namespace kalvio;
    TOptions options;
    if (!ParseOptions(argc, argv, options)) {
        return 2;
    }
    std::vector<TResult> results = RunExpressions(options);
    std::vector<TResult> settings = RunSettings(options);
    results.insert(results.end(), settings.begin(), settings.end());
    return Report(options, std::move(results));
}
