#include "state/AppData.h"

#include "state/IniFile.h"

#include <algorithm>
#include <string_view>
#include <system_error>

namespace kalvio {
namespace {

namespace fs = std::filesystem;

std::u16string NumberedName(std::u16string_view prefix, std::size_t index) {
    std::u16string name(prefix);
    const std::string digits = std::to_string(index);
    name.append(digits.begin(), digits.end());
    return name;
}

// A stored count is trusted only as far as the file backs it: never beyond what the file holds
// (a damaged count cannot make reading hang or exhaust memory) and never past the last entry
// present. A gap between entries still reads as an entry of defaults.
template <typename TEntryExists>
std::size_t EntriesToRead(std::int32_t storedCount, std::size_t available, TEntryExists exists) {
    std::size_t count = storedCount <= 0 ? 0 : std::min(std::size_t(storedCount), available);
    while (count > 0 && !exists(count - 1)) {
        --count;
    }
    return count;
}

// An enumerated mode outside its range is as unreadable as a malformed number.
template <typename TEnum>
TEnum ReadEnum(const TIniFile& file, std::u16string_view section, std::u16string_view key,
               TEnum defaultValue, TEnum lastValue) {
    const std::int32_t value = file.ReadInteger(section, key, defaultValue);
    return value >= 0 && value <= lastValue ? static_cast<TEnum>(value) : defaultValue;
}

TExpressionHistory ReadHistoryEntry(const TIniFile& file, std::u16string_view section) {
    TExpressionHistory entry;
    entry.ExpressionText = file.ReadString(section, u"Expression", u"");
    entry.Value = file.ReadFloat(section, u"Value", 0);
    entry.Ans = file.ReadFloat(section, u"Ans", 0);
    entry.PreAns = file.ReadFloat(section, u"PreAns", 0);
    entry.VarM = file.ReadFloat(section, u"M", 0);
    entry.BcdValue = file.ReadBcd(section, u"BcdValue", TBcd{});
    entry.BcdAns = file.ReadBcd(section, u"BcdAns", TBcd{});
    entry.BcdPreAns = file.ReadBcd(section, u"BcdPreAns", TBcd{});
    entry.BcdVarM = file.ReadBcd(section, u"BcdM", TBcd{});
    entry.AngleMode = ReadEnum(file, section, u"AngleMode", atDeg, atGrad);
    entry.ViewMode = ReadEnum(file, section, u"ViewMode", vtNormal, vtNotView);
    return entry;
}

void WriteHistoryEntry(TIniFile& file, std::u16string_view section,
                       const TExpressionHistory& entry) {
    file.WriteString(section, u"Expression", entry.ExpressionText);
    file.WriteFloat(section, u"Value", entry.Value);
    file.WriteFloat(section, u"Ans", entry.Ans);
    file.WriteFloat(section, u"PreAns", entry.PreAns);
    file.WriteFloat(section, u"M", entry.VarM);
    file.WriteBcd(section, u"BcdValue", entry.BcdValue);
    file.WriteBcd(section, u"BcdAns", entry.BcdAns);
    file.WriteBcd(section, u"BcdPreAns", entry.BcdPreAns);
    file.WriteBcd(section, u"BcdM", entry.BcdVarM);
    file.WriteInteger(section, u"AngleMode", entry.AngleMode);
    file.WriteInteger(section, u"ViewMode", entry.ViewMode);
}

struct TPanelGeometry {
    bool& IsOpen;
    std::int32_t& Left;
    std::int32_t& Top;
    std::int32_t& Width;
    std::int32_t& Height;
};

void ReadPanelGeometry(const TIniFile& file, std::u16string_view section,
                       const TPanelGeometry& panel) {
    panel.IsOpen = file.ReadBool(section, u"Form", false);
    panel.Left = file.ReadInteger(section, u"FormLeft", 0);
    panel.Top = file.ReadInteger(section, u"FormTop", 0);
    panel.Width = file.ReadInteger(section, u"FormWidth", 0);
    panel.Height = file.ReadInteger(section, u"FormHeight", 0);
}

void WritePanelGeometry(TIniFile& file, std::u16string_view section, bool isOpen, std::int32_t left,
                        std::int32_t top, std::int32_t width, std::int32_t height) {
    file.WriteBool(section, u"Form", isOpen);
    file.WriteInteger(section, u"FormLeft", left);
    file.WriteInteger(section, u"FormTop", top);
    file.WriteInteger(section, u"FormWidth", width);
    file.WriteInteger(section, u"FormHeight", height);
}

void CreateFolderOf(const fs::path& fileName) {
    const fs::path folder = fileName.parent_path();
    std::error_code error;
    if (!folder.empty() && !fs::is_directory(folder, error)) {
        fs::create_directories(folder, error);
        if (error) {
            throw EIniFileError("Cannot create the folder", folder, error.message());
        }
    }
}

// What could not be understood is dropped on save, so the original is kept beside it. A hard
// link keeps it without copying, however large it is: the save then puts a new file in its
// place. A copy serves where no link can be made, and for a symbolic link, whose target the save
// rewrites.
void KeepBackupOf(const fs::path& fileName) {
    fs::path backup = fileName;
    backup += ".bak";
    std::error_code error;
    if (!fs::is_symlink(fileName, error)) {
        fs::remove(backup, error);
        fs::create_hard_link(fileName, backup, error);
        if (!error) {
            return;
        }
    }
    fs::copy_file(fileName, backup, fs::copy_options::overwrite_existing, error);
    if (error) {
        throw EIniFileError("Cannot keep a backup of", fileName, error.message());
    }
}

} // namespace

void TAppData::Read(const std::filesystem::path& fileName, const TAppDataLists& lists) {
    const TIniFile file = TIniFile::LoadFromFile(fileName);

    Left = file.ReadInteger(u"Position", u"Left", -1);
    Top = file.ReadInteger(u"Position", u"Top", -1);
    Width = file.ReadInteger(u"Position", u"Width", -1);
    Height = file.ReadInteger(u"Position", u"Height", -1);
    IsRealTimeCalc = file.ReadBool(u"Realtime", u"Calc", false);
    IsBigDecimal = file.ReadBool(u"BigDecimal", u"Mode", false);
    SignificantDigits = file.ReadInteger(u"Display", u"SignificantDigits", 10);
    BcdSignificantDigits = file.ReadInteger(u"Display", u"BcdSignificantDigits", 15);

    if (lists.ExpressionHistorys) {
        ReadHistory(file, *lists.ExpressionHistorys);
    }
    ReadVariables(file, lists.VariableDictionary);
    if (lists.ExpressionRecord) {
        const std::size_t count = EntriesToRead(
            file.ReadInteger(u"ExpressionRecord", u"Count", 0), file.KeyCount(u"ExpressionRecord"),
            [&](std::size_t i) {
                return file.ValueExists(u"ExpressionRecord", NumberedName(u"Expression", i));
            });
        lists.ExpressionRecord->clear();
        for (std::size_t i = 0; i < count; ++i) {
            lists.ExpressionRecord->push_back(
                file.ReadString(u"ExpressionRecord", NumberedName(u"Expression", i), u""));
        }
    }

    Ans = file.ReadFloat(u"Variable", u"Ans", 0);
    PreAns = file.ReadFloat(u"Variable", u"PreAns", 0);
    BcdAns = file.ReadBcd(u"Variable", u"BcdAns", TBcd{});
    BcdPreAns = file.ReadBcd(u"Variable", u"BcdPreAns", TBcd{});
    IsCalc = file.ReadBool(u"Mode", u"Calc", false);
    ViewMode = ReadEnum(file, u"Mode", u"View", vtNormal, vtNotView);
    RoundDecimal = file.ReadInteger(u"Mode", u"RoundDecimal", 0);
    Eng = file.ReadInteger(u"Mode", u"Eng", 0);
    AngleMode = ReadEnum(file, u"Mode", u"Angle", atDeg, atGrad);
    IsTopMost = file.ReadBool(u"Mode", u"TopMost", false);
    Transparency = file.ReadBool(u"Mode", u"Transparency", false);
    TransparencyValue = file.ReadInteger(u"Mode", u"TransparencyValue", 0);
    IsDigitGroupingSeparator = file.ReadBool(u"Mode", u"DigitGroupingSeparator", false);
    CustomBtnTitle = file.ReadString(u"CustomButton", u"Title", u"");
    CustomBtnExpression = file.ReadString(u"CustomButton", u"Expression", u"");
    IsVariablePanel = file.ReadBool(u"Mode", u"VariablePanel", true);
    IsFunctionPanel = file.ReadBool(u"Mode", u"FunctionPanel", true);
    IsNumberPanel = file.ReadBool(u"Mode", u"NumberPanel", true);
    ReadPanels(file);
    WindowScaleNumber = file.ReadInteger(u"Panel", u"WindowScaleNumber", 0);
}

void TAppData::ReadHistory(const TIniFile& file, std::vector<TExpressionHistory>& history) {
    InputExpressionText = file.ReadString(u"Expression", u"Text", u"");
    IsHistoryRecord = file.ReadBool(u"Expression", u"History", false);
    HistoryCount = file.ReadInteger(u"Expression", u"Count", 30);
    history.clear();
    if (!IsHistoryRecord) {
        return;
    }
    const std::size_t count = EntriesToRead(
        file.ReadInteger(u"Expression", u"RecordCount", 0), file.SectionCount(),
        [&](std::size_t i) { return file.SectionExists(NumberedName(u"Expression", i)); });
    history.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        history.push_back(ReadHistoryEntry(file, NumberedName(u"Expression", i)));
    }
}

void TAppData::ReadVariables(const TIniFile& file, TVariableDictionary* dictionary) {
    IsVariableRecord = file.ReadBool(u"Variable", u"Record", true);
    if (dictionary) {
        dictionary->Clear();
    }
    if (!IsVariableRecord) {
        return;
    }
    VarM = file.ReadFloat(u"Variable", u"M", 0);
    BcdVarM = file.ReadBcd(u"Variable", u"BcdM", TBcd{});
    if (!dictionary) {
        return;
    }
    const std::size_t count = EntriesToRead(
        file.ReadInteger(u"Variable", u"Count", 0), file.SectionCount(),
        [&](std::size_t i) { return file.SectionExists(NumberedName(u"Variable", i)); });
    for (std::size_t i = 0; i < count; ++i) {
        const std::u16string section = NumberedName(u"Variable", i);
        const std::u16string name = file.ReadString(section, u"Name", u"");
        // A missing or nameless section cannot be a variable: no assignment makes one.
        if (name.empty()) {
            continue;
        }
        dictionary->AddOrSetValue(
            name, file.ReadFloat(section, u"Value", 0), file.ReadBcd(section, u"BcdValue", TBcd{}),
            file.ReadBool(section, u"Override", true), file.ReadString(section, u"Comment", u""));
    }
}

void TAppData::ReadPanels(const TIniFile& file) {
    ReadPanelGeometry(file, u"History",
                      {IsHistoryListForm, HistoryListFormLeft, HistoryListFormTop,
                       HistoryListFormWidth, HistoryListFormHeight});
    ReadPanelGeometry(file, u"Variable",
                      {IsVariableListForm, VariableListFormLeft, VariableListFormTop,
                       VariableListFormWidth, VariableListFormHeight});
    ReadPanelGeometry(file, u"ExpressionRecord",
                      {IsExpressionListForm, ExpressionListFormLeft, ExpressionListFormTop,
                       ExpressionListFormWidth, ExpressionListFormHeight});
}

void TAppData::Write(const std::filesystem::path& fileName, const TAppDataLists& lists) const {
    CreateFolderOf(fileName);
    TIniFile file = TIniFile::LoadFromFile(fileName);
    if (file.IsDamaged()) {
        KeepBackupOf(fileName);
    }

    file.WriteInteger(u"Position", u"Left", Left);
    file.WriteInteger(u"Position", u"Top", Top);
    file.WriteInteger(u"Position", u"Width", Width);
    file.WriteInteger(u"Position", u"Height", Height);
    file.WriteBool(u"Realtime", u"Calc", IsRealTimeCalc);
    file.WriteBool(u"BigDecimal", u"Mode", IsBigDecimal);
    file.WriteInteger(u"Display", u"SignificantDigits", SignificantDigits);
    file.WriteInteger(u"Display", u"BcdSignificantDigits", BcdSignificantDigits);

    if (lists.ExpressionHistorys) {
        WriteHistory(file, *lists.ExpressionHistorys);
    }
    WriteVariables(file, lists.VariableDictionary);
    if (lists.ExpressionRecord) {
        const std::vector<std::u16string>& records = *lists.ExpressionRecord;
        file.WriteInteger(u"ExpressionRecord", u"Count", static_cast<std::int32_t>(records.size()));
        for (std::size_t i = 0; i < records.size(); ++i) {
            file.WriteString(u"ExpressionRecord", NumberedName(u"Expression", i), records[i]);
        }
    }

    file.WriteFloat(u"Variable", u"Ans", Ans);
    file.WriteFloat(u"Variable", u"PreAns", PreAns);
    file.WriteBcd(u"Variable", u"BcdAns", BcdAns);
    file.WriteBcd(u"Variable", u"BcdPreAns", BcdPreAns);
    file.WriteBool(u"Mode", u"Calc", IsCalc);
    file.WriteInteger(u"Mode", u"View", ViewMode);
    file.WriteInteger(u"Mode", u"RoundDecimal", RoundDecimal);
    file.WriteInteger(u"Mode", u"Eng", Eng);
    file.WriteInteger(u"Mode", u"Angle", AngleMode);
    file.WriteBool(u"Mode", u"TopMost", IsTopMost);
    file.WriteBool(u"Mode", u"Transparency", Transparency);
    file.WriteInteger(u"Mode", u"TransparencyValue", TransparencyValue);
    file.WriteBool(u"Mode", u"DigitGroupingSeparator", IsDigitGroupingSeparator);
    file.WriteString(u"CustomButton", u"Title", CustomBtnTitle);
    file.WriteString(u"CustomButton", u"Expression", CustomBtnExpression);
    file.WriteBool(u"Mode", u"VariablePanel", IsVariablePanel);
    file.WriteBool(u"Mode", u"FunctionPanel", IsFunctionPanel);
    file.WriteBool(u"Mode", u"NumberPanel", IsNumberPanel);
    WritePanels(file);
    file.WriteInteger(u"Panel", u"WindowScaleNumber", WindowScaleNumber);

    file.SaveToFile(fileName);
}

void TAppData::WriteHistory(TIniFile& file, const std::vector<TExpressionHistory>& history) const {
    file.WriteString(u"Expression", u"Text", InputExpressionText);
    file.WriteBool(u"Expression", u"History", IsHistoryRecord);
    file.WriteInteger(u"Expression", u"Count", HistoryCount);
    // With saving off the entries of an earlier run stay in the file, unread.
    if (!IsHistoryRecord) {
        return;
    }
    file.WriteInteger(u"Expression", u"RecordCount", static_cast<std::int32_t>(history.size()));
    for (std::size_t i = 0; i < history.size(); ++i) {
        WriteHistoryEntry(file, NumberedName(u"Expression", i), history[i]);
    }
}

void TAppData::WriteVariables(TIniFile& file, const TVariableDictionary* dictionary) const {
    file.WriteBool(u"Variable", u"Record", IsVariableRecord);
    if (!IsVariableRecord) {
        return;
    }
    file.WriteFloat(u"Variable", u"M", VarM);
    file.WriteBcd(u"Variable", u"BcdM", BcdVarM);
    if (!dictionary) {
        return;
    }
    file.WriteInteger(u"Variable", u"Count", dictionary->Count());
    const std::vector<std::u16string>& names = dictionary->NameList();
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::u16string section = NumberedName(u"Variable", i);
        const std::int32_t number = dictionary->GetNumberItems(names[i]);
        const TVariableStatus& status = dictionary->GetStatusItems(names[i]);
        file.WriteString(section, u"Name", names[i]);
        file.WriteFloat(section, u"Value", dictionary->GetValueItems(number));
        file.WriteBcd(section, u"BcdValue", dictionary->GetBcdValueItems(number));
        file.WriteBool(section, u"Override", status.IsOverwrite);
        file.WriteString(section, u"Comment", status.Comment);
    }
}

void TAppData::WritePanels(TIniFile& file) const {
    WritePanelGeometry(file, u"History", IsHistoryListForm, HistoryListFormLeft, HistoryListFormTop,
                       HistoryListFormWidth, HistoryListFormHeight);
    WritePanelGeometry(file, u"Variable", IsVariableListForm, VariableListFormLeft,
                       VariableListFormTop, VariableListFormWidth, VariableListFormHeight);
    WritePanelGeometry(file, u"ExpressionRecord", IsExpressionListForm, ExpressionListFormLeft,
                       ExpressionListFormTop, ExpressionListFormWidth, ExpressionListFormHeight);
}

void TAppData::Clear(const std::filesystem::path& fileName, const TAppDataLists& lists) {
    std::error_code error;
    fs::remove(fileName, error);
    if (error) {
        throw EIniFileError("Cannot delete", fileName, error.message());
    }
    *this = TAppData{};
    Read(fileName, lists);
}

} // namespace kalvio
