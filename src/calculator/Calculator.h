#pragma once

#include "calculator/CalculatorEvents.h"
#include "calculator/CalculatorRegisters.h"
#include "calculator/DualValue.h"
#include "calculator/ExpressionField.h"
#include "calculator/RealTimeCalculation.h"
#include "calculator/ResultDisplay.h"
#include "calculator/TaskExecutor.h"
#include "calculator/TypedCommand.h"
#include "calculator/VirtualKey.h"
#include "display/ResultViewType.h"
#include "engine/AngleType.h"
#include "engine/ExpressionKey.h"
#include "engine/VariableDictionary.h"
#include "state/AppData.h"
#include "state/ExpressionHistory.h"

#include <cstdint>
#include <deque>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kalvio {

class TCalculatorExpression;
class TBcdCalculatorExpression;

// The calculator without a window: it owns the whole calculator state (registers in both number
// forms, variables, history, saved expressions, modes, CALC mode, settings) and carries out every
// operation of the main window. It reaches the screen only through the expression field, the
// result display and the event interface, all on the owner (UI) thread; the real-time evaluation
// runs on the injected executor's workers from a snapshot.
class TCalculator {
public:
    TCalculator(TExpressionField& field, TResultDisplay& display, TCalculatorEvents& events,
                TTaskExecutor& executor);
    TCalculator(const TCalculator&) = delete;
    TCalculator& operator=(const TCalculator&) = delete;
    ~TCalculator();

    // Calculation flow. Calculate is Enter: false when the text was refused or its evaluation
    // failed (the error word is then on show).
    bool Calculate(bool AddHistory);
    // The field holds NAME = expression; false when the name is refused, the name is empty or
    // the right side does not convert.
    bool AssignVariable(bool AddHistory, bool IsOverwrite, const std::u16string& Comment);
    void MarkCalculated();
    void PlaceCaret(bool SelectAll, int Position);

    // Start and end. RestoreState reads the settings file and applies it; SaveState copies the
    // calculator's state into AppData and writes the file (the window first puts its own
    // geometry and panel state into AppData).
    void RestoreState();
    void ApplyHistoryLimit();
    void SaveState();
    // The calculator's part of the window's first showing: RestoreState, then ApplyHistoryLimit.
    void Start();
    TAppData& AppData() { return FAppData; }
    // The settings file RestoreState reads and SaveState writes.
    const std::filesystem::path& SettingsFile() const { return FSettingsFile; }
    void SetSettingsFile(std::filesystem::path File) { FSettingsFile = std::move(File); }

    // Keys from the keypads.
    void PushKey(TExpressionKey Key);
    void PushOperatorKey(TExpressionKey Key);
    void PushCommandKey(TCommandKey Key);
    void InsertKeyText(const std::u16string& Text);
    void AllClear();
    void AllClearKey();
    void DeleteKey();
    void SetShift(bool Value);
    void RefreshFunctionKeys();

    // Keyboard. ExpressionEditKeyDown runs before the field applies the key (KeyChar 0 for keys
    // without a character) and returns true when it swallowed the key; FormKeyDown runs for keys
    // the field did not swallow.
    bool ExpressionEditKeyDown(std::uint16_t Key, char16_t KeyChar);
    void FormKeyDown(std::uint16_t Key);
    void ExpressionEditMouseDown();

    // Double-clicks in the panels. Index -1 recalls `Text` instead of a history entry.
    void RecallHistoryEntry(int Index, const std::u16string& Text);
    void InsertVariableName(const std::u16string& Text);
    void RecallExpressionRecord(const std::u16string& Text);

    // Typed commands ("@HEX", "@FIX3", "@CALC:A*B", ...); false when refused.
    bool ExecuteTypedCommand();

    // Memory and mode actions.
    void MActionExecute() { PushKey(ekVarM); }
    void MPlusActionExecute();
    void MMinusActionExecute();
    void SetMemory(const TDualValue& Value);
    void ClearMemory();
    std::u16string FormatMemoryValue(double Value) const;
    void RefreshVariablePanel();
    void ApplyDisplayMode(bool Recalc);
    void UpdateAngleButton();
    void UpdateResultModeButton();
    void AngleActionExecute(TAngleType Angle);
    void NormalActionExecute();
    void FixActionExecute(int Decimals);
    void SciActionExecute(int Digits);
    void DigitGroupingSeparatorActionExecute();
    void BigDecimalActionExecute();
    // The text Copy puts on the clipboard: the result as the display shows it.
    std::u16string CopyActionExecute();

    // The field's text changed (typed or set by the program).
    void ExpressionEditChangeTracking();

    // CALC mode.
    bool StartVarCalcMode(const std::u16string& Expression);
    bool StepVarCalcMode(bool AddHistory, bool& Handled);

    // What the window does after its dialogs: the settings dialog has written its values into
    // AppData; a constant is registered protected, exact in decimal form; the field text is
    // saved as an expression record.
    void ApplySettings();
    // The display digits of double and decimal mode (the settings' values, 2-15 and 2-30).
    void SetSignificantDigits(int Digits);
    void SetBcdSignificantDigits(int Digits);
    bool RegisterConstant(const std::u16string& Name, const std::u16string& Expression,
                          const std::u16string& Comment);
    void AddExpressionRecord();

    // The panels' edits of the stores; each tells its panel to rebuild. History indices count
    // from the oldest entry; indices outside the store are ignored.
    void DeleteHistoryEntries(const std::vector<int>& Indices);
    void ClearHistory();
    void SwapHistoryEntries(int First, int Second);
    // Removes the variable whether or not it is protected.
    void DeleteVariable(const std::u16string& Name);
    // Removes every variable that assignments may overwrite; protected ones stay.
    void ClearOverwritableVariables();
    void MoveVariable(int From, int To);
    void DeleteExpressionRecord(int Index);
    void ClearExpressionRecords();
    void MoveExpressionRecord(int From, int To);

    // The state, for panels, front ends and tests.
    const TCalculatorRegisters& Registers() const { return FRegisters; }
    TVariableDictionary& VariableDictionary() { return FVariableDictionary; }
    // The history, oldest first; a bounded queue, so recording drops the oldest entry cheaply.
    std::deque<TExpressionHistory>& ExpressionHistorys() { return FExpressionHistorys; }
    std::vector<std::u16string>& ExpressionRecordList() { return FExpressionRecordList; }
    int ExpressionHistoryIndex() const { return FExpressionHistoryIndex; }
    int HistoryCount() const { return FHistoryCount; }
    bool IsCalc() const { return FIsCalc; }
    bool IsBigDecimal() const { return FIsBigDecimal; }
    TAngleType AngleMode() const { return FAngleMode; }
    TResultViewType DigitDisplayMode() const { return FDigitDisplayMode; }
    int RoundDecimal() const { return FRoundDecimal; }
    int Eng() const { return FEng; }
    bool IsDigitGroupingSeparator() const { return FIsDigitGroupingSeparator; }
    int SignificantDigits() const { return FSignificantDigits; }
    int BcdSignificantDigits() const { return FBcdSignificantDigits; }
    bool IsRealTimeCalc() const { return FIsRealTimeCalc; }
    bool IsPushShiftBtn() const { return FIsPushShiftBtn; }
    bool IsVarCalcMode() const { return FIsVarCalcMode; }
    bool VarCalcing() const { return FVarCalcing; }
    bool IsVarCalcModeSubstitute() const { return FIsVarCalcModeSubstitute; }
    int CalcModeVarIndex() const { return FCalcModeVarIndex; }
    const std::vector<std::u16string>& CalcModeVariableList() const {
        return FCalcModeVariableList;
    }
    const std::u16string& CalcModeExpressionText() const { return FCalcModeExpressionText; }

private:
    // How an assignment ended, beyond what AssignVariable reports.
    enum TAssignOutcome : std::uint8_t { aoRefused, aoNothingToStore, aoFailed, aoStored };

    TAssignOutcome AssignVariableOutcome(bool AddHistory, bool IsOverwrite,
                                         const std::u16string& Comment);
    bool IsRefusedVariableName(const std::u16string& Name) const;
    bool EvaluateExpression(const std::u16string& Text, bool AddHistory);
    void EvaluateDouble(const TExpressionKeyList& KeyList, bool AddHistory);
    void EvaluateBcd(const TExpressionKeyList& KeyList, bool AddHistory);
    void Redisplay(const TExpressionHistory* Entry);
    // What follows a successful evaluation: registers, display, GT, history. The evaluator state's
    // Ans is the answer the evaluator saw (its LastValue).
    void FinishEvaluation(const TExpressionKeyList& KeyList, const TDualValue& Result,
                          const TCalculatorRegisters& EvaluatorState, bool AddHistory);
    void PrepareEvaluator(TCalculatorExpression& Evaluator) const;
    void PrepareEvaluator(TBcdCalculatorExpression& Evaluator,
                          const TExpressionKeyList& KeyList) const;
    TCalculatorRegisters TakeEvaluatorState(const TCalculatorExpression& Evaluator) const;
    TCalculatorRegisters TakeEvaluatorState(const TBcdCalculatorExpression& Evaluator) const;
    void AddHistoryEntry(const TCalculatorRegisters& EvaluatorState, const TDualValue& Value);

    bool ApplyTypedCommand(const TTypedCommand& Command);
    void RecallHistoryByKey(int Index);
    void KeepHistoryIndexInRange();
    void ChangeMemory(bool IsPlus);
    void HideMemoryButton();
    void EndVarCalcMode();
    void ShowValue(const TDualValue& Value);
    void ShowZero();
    void ShowError(std::u16string_view Message);
    void SetFieldText(const std::u16string& Text);
    int FieldLength() const;
    void ApplyDisplaySettings();
    void ApplyStoredDisplayMode();

    TExpressionField& FField;
    TResultDisplay& FDisplay;
    TCalculatorEvents& FEvents;

    TCalculatorRegisters FRegisters;
    TVariableDictionary FVariableDictionary;
    std::deque<TExpressionHistory> FExpressionHistorys;
    std::vector<std::u16string> FExpressionRecordList;
    TAppData FAppData;
    std::filesystem::path FSettingsFile;
    int FExpressionHistoryIndex = 0;
    int FHistoryCount = 30;

    bool FIsCalc = false;
    bool FIsBigDecimal = false;
    TAngleType FAngleMode = atDeg;
    bool FVarSubstituting = false;
    // Set while a shown expression is evaluated again only to redisplay it (a display-mode change,
    // the start-up recalculation): an assignment then shows its value but stores nothing again.
    bool FIsRedisplay = false;
    bool FIsRealTimeCalc = false;
    bool FIsPushShiftBtn = false;

    TResultViewType FDigitDisplayMode = vtNormal;
    int FRoundDecimal = 0;
    int FEng = 0;
    bool FIsDigitGroupingSeparator = false;
    int FSignificantDigits = 10;
    int FBcdSignificantDigits = 15;

    bool FIsVarCalcMode = false;
    std::vector<std::u16string> FCalcModeVariableList;
    int FCalcModeVarIndex = 0;
    std::u16string FCalcModeExpressionText;
    bool FVarCalcing = false;
    bool FIsVarCalcModeSubstitute = false;

    // Operations that end with a result, an error or a refreshed display change the field without
    // starting real-time evaluations, which would otherwise show after them.
    class TQuietField {
    public:
        explicit TQuietField(TCalculator& calculator) : FCalculator(calculator) {
            ++FCalculator.FQuietFieldDepth;
        }
        TQuietField(const TQuietField&) = delete;
        TQuietField& operator=(const TQuietField&) = delete;
        ~TQuietField() { --FCalculator.FQuietFieldDepth; }

    private:
        TCalculator& FCalculator;
    };
    int FQuietFieldDepth = 0;
    bool FIsShownBcdValid = true;
    TRealTimeCalculation FRealTimeCalculation;
};

} // namespace kalvio
