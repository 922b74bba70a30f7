// Arbitrary bytes as the settings file: Read, Write, Read again. Reading never fails on content,
// everything the first Read understood comes back from the written file (doubles to their 15
// stored digits), a file that could not be understood is kept byte for byte as the backup, and a
// second Write changes nothing. The INI layer alone must reach the same fixed point in memory.
#include "FuzzSupport.h"
#include "engine/Bcd.h"
#include "engine/DoubleText.h"
#include "state/AppData.h"
#include "state/IniFile.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace kalvio {
namespace {

namespace fs = std::filesystem;

// One folder per process, removed at exit; in memory where the system offers it.
class TScratchFolder {
public:
    TScratchFolder() {
        const fs::path base =
            fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        FPath = base / ("kalvio-settings-fuzz-" + std::to_string(::getpid()));
        fs::create_directories(FPath);
    }
    TScratchFolder(const TScratchFolder&) = delete;
    TScratchFolder& operator=(const TScratchFolder&) = delete;
    ~TScratchFolder() {
        std::error_code ignored;
        fs::remove_all(FPath, ignored);
    }
    const fs::path& Path() const { return FPath; }

private:
    fs::path FPath;
};

std::string ReadBytes(const fs::path& fileName) {
    std::ifstream in(fileName, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const fs::path& fileName, std::string_view bytes) {
    std::ofstream(fileName, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// What survives a write: the 15 significant digits a double is stored with.
std::u16string Stored(double value) {
    return FloatToGeneralText(value, 15);
}

bool SameBcd(const TBcd& left, const TBcd& right) {
    return BcdToStr(left) == BcdToStr(right);
}

struct TLoaded {
    TAppData Data;
    std::vector<TExpressionHistory> History;
    TVariableDictionary Variables;
    std::vector<std::u16string> Records;

    TAppDataLists Lists() { return {&History, &Variables, &Records}; }
};

void RequireSameHistory(const std::vector<TExpressionHistory>& first,
                        const std::vector<TExpressionHistory>& second) {
    FuzzRequire(first.size() == second.size(), "the history keeps its length");
    for (std::size_t i = 0; i < first.size(); ++i) {
        const TExpressionHistory& a = first[i];
        const TExpressionHistory& b = second[i];
        FuzzRequire(a.ExpressionText == b.ExpressionText, "a history text survives");
        FuzzRequire(Stored(a.Value) == Stored(b.Value) && Stored(a.Ans) == Stored(b.Ans) &&
                        Stored(a.PreAns) == Stored(b.PreAns) && Stored(a.VarM) == Stored(b.VarM),
                    "history doubles survive");
        FuzzRequire(SameBcd(a.BcdValue, b.BcdValue) && SameBcd(a.BcdAns, b.BcdAns) &&
                        SameBcd(a.BcdPreAns, b.BcdPreAns) && SameBcd(a.BcdVarM, b.BcdVarM),
                    "history decimals survive");
        FuzzRequire(a.AngleMode == b.AngleMode && a.ViewMode == b.ViewMode,
                    "history modes survive");
    }
}

void RequireSameVariables(const TVariableDictionary& first, const TVariableDictionary& second) {
    FuzzRequire(first.NameList() == second.NameList(), "the variable names survive in order");
    for (const std::u16string& name : first.NameList()) {
        const std::int32_t a = first.GetNumberItems(name);
        const std::int32_t b = second.GetNumberItems(name);
        FuzzRequire(Stored(first.GetValueItems(a)) == Stored(second.GetValueItems(b)),
                    "a variable's double survives");
        FuzzRequire(SameBcd(first.GetBcdValueItems(a), second.GetBcdValueItems(b)),
                    "a variable's decimal survives");
        FuzzRequire(first.GetStatusItems(name).IsOverwrite ==
                            second.GetStatusItems(name).IsOverwrite &&
                        first.GetStatusItems(name).Comment == second.GetStatusItems(name).Comment,
                    "a variable's status survives");
    }
}

void RequireSameData(const TAppData& a, const TAppData& b) {
    FuzzRequire(a.Left == b.Left && a.Top == b.Top && a.Width == b.Width && a.Height == b.Height,
                "the window geometry survives");
    FuzzRequire(a.InputExpressionText == b.InputExpressionText &&
                    a.CustomBtnTitle == b.CustomBtnTitle &&
                    a.CustomBtnExpression == b.CustomBtnExpression,
                "the texts survive");
    FuzzRequire(a.IsHistoryRecord == b.IsHistoryRecord && a.HistoryCount == b.HistoryCount &&
                    a.IsVariableRecord == b.IsVariableRecord &&
                    a.IsRealTimeCalc == b.IsRealTimeCalc && a.IsBigDecimal == b.IsBigDecimal &&
                    a.SignificantDigits == b.SignificantDigits &&
                    a.BcdSignificantDigits == b.BcdSignificantDigits,
                "the settings survive");
    FuzzRequire(Stored(a.VarM) == Stored(b.VarM) && Stored(a.Ans) == Stored(b.Ans) &&
                    Stored(a.PreAns) == Stored(b.PreAns),
                "the registers survive");
    FuzzRequire(SameBcd(a.BcdVarM, b.BcdVarM) && SameBcd(a.BcdAns, b.BcdAns) &&
                    SameBcd(a.BcdPreAns, b.BcdPreAns),
                "the decimal registers survive");
    FuzzRequire(
        a.IsCalc == b.IsCalc && a.ViewMode == b.ViewMode && a.RoundDecimal == b.RoundDecimal &&
            a.Eng == b.Eng && a.AngleMode == b.AngleMode && a.IsTopMost == b.IsTopMost &&
            a.Transparency == b.Transparency && a.TransparencyValue == b.TransparencyValue &&
            a.IsDigitGroupingSeparator == b.IsDigitGroupingSeparator,
        "the modes survive");
    FuzzRequire(a.IsVariablePanel == b.IsVariablePanel && a.IsFunctionPanel == b.IsFunctionPanel &&
                    a.IsNumberPanel == b.IsNumberPanel,
                "the keypads survive");
    FuzzRequire(a.IsHistoryListForm == b.IsHistoryListForm &&
                    a.HistoryListFormLeft == b.HistoryListFormLeft &&
                    a.HistoryListFormTop == b.HistoryListFormTop &&
                    a.HistoryListFormWidth == b.HistoryListFormWidth &&
                    a.HistoryListFormHeight == b.HistoryListFormHeight &&
                    a.IsVariableListForm == b.IsVariableListForm &&
                    a.VariableListFormLeft == b.VariableListFormLeft &&
                    a.VariableListFormTop == b.VariableListFormTop &&
                    a.VariableListFormWidth == b.VariableListFormWidth &&
                    a.VariableListFormHeight == b.VariableListFormHeight &&
                    a.IsExpressionListForm == b.IsExpressionListForm &&
                    a.ExpressionListFormLeft == b.ExpressionListFormLeft &&
                    a.ExpressionListFormTop == b.ExpressionListFormTop &&
                    a.ExpressionListFormWidth == b.ExpressionListFormWidth &&
                    a.ExpressionListFormHeight == b.ExpressionListFormHeight &&
                    a.WindowScaleNumber == b.WindowScaleNumber,
                "the panel windows survive");
}

void CheckIniRoundTrip(std::string_view bytes) {
    const std::string once = TIniFile::Parse(bytes).ToBytes();
    const TIniFile reparsed = TIniFile::Parse(once);
    FuzzRequire(!reparsed.IsDamaged(), "a saved INI file is never damaged");
    FuzzRequire(reparsed.ToBytes() == once, "saving a saved INI file changes nothing");
}

void CheckSettingsRoundTrip(const fs::path& folder, std::string_view bytes) {
    const fs::path fileName = folder / "Kalvio.ini";
    fs::path backup = fileName;
    backup += ".bak";
    std::error_code ignored;
    fs::remove(backup, ignored);
    WriteBytes(fileName, bytes);

    TLoaded first;
    first.Data.Read(fileName, first.Lists());
    first.Data.Write(fileName, first.Lists());
    const std::string written = ReadBytes(fileName);
    if (TIniFile::Parse(bytes).IsDamaged()) {
        FuzzRequire(ReadBytes(backup) == bytes, "a damaged file is kept as the backup");
    }

    TLoaded second;
    second.Data.Read(fileName, second.Lists());
    RequireSameData(first.Data, second.Data);
    RequireSameHistory(first.History, second.History);
    RequireSameVariables(first.Variables, second.Variables);
    FuzzRequire(first.Records == second.Records, "the saved expressions survive");

    second.Data.Write(fileName, second.Lists());
    FuzzRequire(ReadBytes(fileName) == written, "a second write changes nothing");
}

} // namespace
} // namespace kalvio

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kalvio;
    static const TScratchFolder folder;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CheckIniRoundTrip(bytes);
    CheckSettingsRoundTrip(folder.Path(), bytes);
    return 0;
}
