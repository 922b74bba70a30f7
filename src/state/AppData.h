#pragma once

#include "display/ResultViewType.h"
#include "engine/AngleType.h"
#include "engine/Bcd.h"
#include "engine/VariableDictionary.h"
#include "state/ExpressionHistory.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace kalvio {

class TIniFile;

// The calculator's stores that are saved with the settings. They belong to the calculator; the
// settings only fill and save them in place. A null store is neither emptied, loaded nor saved.
struct TAppDataLists {
    std::vector<TExpressionHistory>* ExpressionHistorys = nullptr; // oldest first
    TVariableDictionary* VariableDictionary = nullptr;
    std::vector<std::u16string>* ExpressionRecord = nullptr; // the saved expressions
};

// Everything the calculator remembers between runs, and the settings file that holds it.
//
// A new object holds what a first start reads from a missing file, so a calculator run without a
// settings file starts from the same state. The stores are passed to each call rather than kept,
// so no pointer outlives its owner. Reading never stops part-way: a value that cannot be read
// takes its default, and a stored count never reads more entries than the file holds.
struct TAppData {
    std::int32_t Left = -1;
    std::int32_t Top = -1;
    std::int32_t Width = -1; // 0 or less: no geometry stored
    std::int32_t Height = -1;
    std::u16string InputExpressionText;
    bool IsHistoryRecord = false;
    std::int32_t HistoryCount = 30;
    bool IsVariableRecord = true;
    bool IsRealTimeCalc = false;
    bool IsBigDecimal = false;
    std::int32_t SignificantDigits = 10;
    std::int32_t BcdSignificantDigits = 15;
    double VarM = 0;
    double Ans = 0;
    double PreAns = 0;
    TBcd BcdVarM{};
    TBcd BcdAns{};
    TBcd BcdPreAns{};
    bool IsCalc = false; // the field held a calculated expression at exit
    TResultViewType ViewMode = vtNormal;
    std::int32_t RoundDecimal = 0; // digits of vtFix and vtSci
    std::int32_t Eng = 0;          // engineering shift of vtEng
    TAngleType AngleMode = atDeg;
    bool IsTopMost = false;
    bool Transparency = false;
    std::int32_t TransparencyValue = 0;
    bool IsDigitGroupingSeparator = false;
    std::u16string CustomBtnTitle;
    std::u16string CustomBtnExpression;
    bool IsVariablePanel = true;
    bool IsFunctionPanel = true;
    bool IsNumberPanel = true;
    bool IsHistoryListForm = false;
    std::int32_t HistoryListFormLeft = 0;
    std::int32_t HistoryListFormTop = 0;
    std::int32_t HistoryListFormWidth = 0;
    std::int32_t HistoryListFormHeight = 0;
    bool IsVariableListForm = false;
    std::int32_t VariableListFormLeft = 0;
    std::int32_t VariableListFormTop = 0;
    std::int32_t VariableListFormWidth = 0;
    std::int32_t VariableListFormHeight = 0;
    bool IsExpressionListForm = false;
    std::int32_t ExpressionListFormLeft = 0;
    std::int32_t ExpressionListFormTop = 0;
    std::int32_t ExpressionListFormWidth = 0;
    std::int32_t ExpressionListFormHeight = 0;
    std::int32_t WindowScaleNumber = 0;

    // Loads the file into the fields and the given stores; a missing file gives every default.
    // Raises EIniFileError, before changing anything, when the file exists but cannot be read.
    void Read(const std::filesystem::path& fileName, const TAppDataLists& lists);
    // Stores the fields and the given stores into the file, keeping whatever else it holds.
    // Creates the folder; replaces the file atomically; keeps a damaged file as fileName.bak.
    // Raises EIniFileError when the file cannot be read or written.
    void Write(const std::filesystem::path& fileName, const TAppDataLists& lists) const;
    // The reset: deletes the file, then every field takes its default and the stores are emptied.
    void Clear(const std::filesystem::path& fileName, const TAppDataLists& lists);

private:
    void ReadHistory(const TIniFile& file, std::vector<TExpressionHistory>& history);
    void ReadVariables(const TIniFile& file, TVariableDictionary* dictionary);
    void ReadPanels(const TIniFile& file);
    void WriteHistory(TIniFile& file, const std::vector<TExpressionHistory>& history) const;
    void WriteVariables(TIniFile& file, const TVariableDictionary* dictionary) const;
    void WritePanels(TIniFile& file) const;
};

} // namespace kalvio
