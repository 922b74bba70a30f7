#include "calculator/Calculator.h"

#include "calculator/EvaluatorRegisters.h"
#include "engine/BaseExpression.h"
#include "engine/BcdCalculatorExpression.h"
#include "engine/CalculatorExpression.h"
#include "engine/DoubleText.h"
#include "engine/ExpressionTextConvert.h"
#include "engine/MojiConvert.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <exception>
#include <iterator>
#include <string_view>

namespace kalvio {
namespace {

constexpr std::u16string_view SyntaxErrorWord = u"Syntax error";
constexpr std::u16string_view ModeErrorWord = u"Mode Error";

std::u16string_view ErrorWord(TExpressionErrorNumber errorNumber) {
    switch (errorNumber) {
    case enSyntaxError:
        return SyntaxErrorWord;
    case enInfinityError:
        return u"Infinity error";
    case enNanError:
        return u"Domain error";
    default:
        return u"Error";
    }
}

// Counters wrap like the 32-bit integers they are, without signed overflow.
void Increment(std::int32_t& counter) {
    counter = static_cast<std::int32_t>(static_cast<std::uint32_t>(counter) + 1U);
}

bool IsBlankOrControl(char16_t ch) {
    return ch <= u' ';
}

std::u16string Trim(std::u16string_view text) {
    while (!text.empty() && IsBlankOrControl(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlankOrControl(text.back())) {
        text.remove_suffix(1);
    }
    return std::u16string(text);
}

// The functions whose keypad key opens their parenthesis.
bool OpensParenthesis(TExpressionKey key) {
    return (key >= ekSin && key <= ekArcTanH) || key == ekLog10 || key == ekLn;
}

bool IsOperatorCharacter(char16_t ch) {
    return ch == u'*' || ch == u'+' || ch == u'-' || ch == u'/' || ch == u'^';
}

std::u16string AngleCaption(TAngleType angle) {
    switch (angle) {
    case atRad:
        return u"Rad";
    case atGrad:
        return u"Grad";
    default:
        return u"Deg";
    }
}

std::u16string IntegerText(int value) {
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

} // namespace

TCalculator::TCalculator(TExpressionField& field, TResultDisplay& display,
                         TCalculatorEvents& events, TTaskExecutor& executor)
    : FField(field), FDisplay(display), FEvents(events),
      FRealTimeCalculation(executor, [this](const TDualValue& value) { ShowValue(value); }) {}

TCalculator::~TCalculator() = default;

// Calculation flow.

bool TCalculator::Calculate(bool AddHistory) {
    const TQuietField quiet(*this);
    // No real-time value asked for before this Enter may show after it, a CALC step included.
    FRealTimeCalculation.CancelPending();
    bool result = true;
    if (FIsVarCalcMode) {
        bool handled = false;
        result = StepVarCalcMode(AddHistory, handled);
        if (handled) {
            return result;
        }
    }
    const std::u16string text = ToHalfWidthUpper(FField.Text());
    if (!text.empty() && text.front() == u'@') {
        return ExecuteTypedCommand();
    }
    if (text.find(u'=') != std::u16string::npos) {
        if (!AssignVariable(AddHistory, true, {})) {
            ShowError(SyntaxErrorWord);
            MarkCalculated();
            return false;
        }
        return true;
    }
    if (!EvaluateExpression(text, AddHistory)) {
        result = false;
    }
    return result;
}

bool TCalculator::EvaluateExpression(const std::u16string& Text, bool AddHistory) {
    TExpressionTextConvert converter(FVariableDictionary);
    if (!converter.Convert(Text)) {
        ShowError(SyntaxErrorWord);
        MarkCalculated();
        return false;
    }
    bool isEvaluated = true;
    try {
        if (FIsBigDecimal) {
            EvaluateBcd(converter.KeyList(), AddHistory);
        } else {
            EvaluateDouble(converter.KeyList(), AddHistory);
        }
    } catch (const EExpressionError& error) {
        ShowError(ErrorWord(error.ErrorNumber()));
        isEvaluated = false;
    } catch (const std::exception&) {
        ShowError(u"Error");
        isEvaluated = false;
    }
    MarkCalculated();
    return isEvaluated;
}

void TCalculator::EvaluateDouble(const TExpressionKeyList& KeyList, bool AddHistory) {
    TCalculatorExpression evaluator;
    evaluator.SetKeyList(KeyList);
    evaluator.SetVariableDictionary(FVariableDictionary);
    PrepareEvaluator(evaluator);
    const double value = evaluator.Calc();
    FinishEvaluation(KeyList, TDualValue::FromDouble(value), TakeEvaluatorState(evaluator),
                     AddHistory);
}

void TCalculator::EvaluateBcd(const TExpressionKeyList& KeyList, bool AddHistory) {
    TBcdCalculatorExpression evaluator;
    evaluator.SetKeyList(KeyList);
    evaluator.SetVariableDictionary(FVariableDictionary);
    PrepareEvaluator(evaluator, KeyList);
    const TBcd value = evaluator.Calc();
    FinishEvaluation(KeyList, TDualValue::FromBcd(value), TakeEvaluatorState(evaluator),
                     AddHistory);
}

void TCalculator::FinishEvaluation(const TExpressionKeyList& KeyList, const TDualValue& Result,
                                   const TCalculatorRegisters& EvaluatorState, bool AddHistory) {
    FRegisters.Ans = Result;
    if (!FVarCalcing) {
        FRegisters.PreAns = EvaluatorState.Ans;
        FRegisters.VarM = EvaluatorState.VarM;
        FRegisters.VarGT = EvaluatorState.VarGT;
        FRegisters.VarX = EvaluatorState.VarX;
        FRegisters.VarY = EvaluatorState.VarY;
        FRegisters.BcdVarX = EvaluatorState.BcdVarX;
        FRegisters.BcdVarY = EvaluatorState.BcdVarY;
        FRegisters.VarMCount = EvaluatorState.VarMCount;
        FRegisters.VarGTCount = EvaluatorState.VarGTCount;
        ShowValue(Result);
        PlaceCaret(true, FieldLength());
        // The expression GT alone shows the total without adding it to itself.
        if (!(KeyList.size() == 1 && KeyList.front() == ekVarGT)) {
            FRegisters.VarGT = AddDual(FRegisters.VarGT, Result);
            Increment(FRegisters.VarGTCount);
        }
    }
    if (AddHistory) {
        AddHistoryEntry(EvaluatorState, Result);
        FEvents.HistoryChanged();
        FExpressionHistoryIndex = static_cast<int>(FExpressionHistorys.size()) - 1;
        if (!FExpressionHistorys.empty()) {
            FEvents.HistoryRowSelected(static_cast<int>(FExpressionHistorys.size()) -
                                       FExpressionHistoryIndex - 1);
        }
    }
}

void TCalculator::PrepareEvaluator(TCalculatorExpression& Evaluator) const {
    LoadRegisters(Evaluator, FRegisters, FAngleMode);
}

void TCalculator::PrepareEvaluator(TBcdCalculatorExpression& Evaluator,
                                   const TExpressionKeyList& KeyList) const {
    LoadRegisters(Evaluator, FRegisters, KeyList, FVariableDictionary);
}

TCalculatorRegisters TCalculator::TakeEvaluatorState(const TCalculatorExpression& Evaluator) const {
    return ReadRegisters(Evaluator, FRegisters);
}

TCalculatorRegisters
TCalculator::TakeEvaluatorState(const TBcdCalculatorExpression& Evaluator) const {
    return ReadRegisters(Evaluator, FRegisters);
}

void TCalculator::AddHistoryEntry(const TCalculatorRegisters& EvaluatorState,
                                  const TDualValue& Value) {
    TExpressionHistory entry;
    entry.ExpressionText = FField.Text();
    entry.Ans = EvaluatorState.Ans.Value;
    entry.BcdAns = EvaluatorState.Ans.BcdValue;
    entry.VarM = EvaluatorState.VarM.Value;
    entry.BcdVarM = EvaluatorState.VarM.BcdValue;
    entry.VarGT = EvaluatorState.VarGT.Value;
    entry.BcdVarGT = EvaluatorState.VarGT.BcdValue;
    entry.AngleMode = FAngleMode;
    entry.ViewMode = FDisplay.ViewMode();
    entry.DigitNumber = FDisplay.DigitNumber();
    entry.IsGroupingSeparator = FDisplay.IsGroupingSeparator();
    entry.Value = Value.Value;
    entry.BcdValue = Value.BcdValue;
    FExpressionHistorys.push_back(std::move(entry));
    if (static_cast<std::int64_t>(FExpressionHistorys.size()) > FHistoryCount) {
        FExpressionHistorys.pop_front();
    }
    FExpressionHistoryIndex = static_cast<int>(FExpressionHistorys.size()) - 1;
}

bool TCalculator::AssignVariable(bool AddHistory, bool IsOverwrite, const std::u16string& Comment) {
    return AssignVariableOutcome(AddHistory, IsOverwrite, Comment) != aoRefused;
}

TCalculator::TAssignOutcome TCalculator::AssignVariableOutcome(bool AddHistory, bool IsOverwrite,
                                                               const std::u16string& Comment) {
    const std::u16string text = ToHalfWidthUpper(FField.Text());
    const std::size_t firstEquals = text.find(u'=');
    const std::u16string name = Trim(std::u16string_view(text).substr(0, firstEquals));
    if (name != u"M" && IsRefusedVariableName(name)) {
        MarkCalculated();
        return aoRefused;
    }
    if (name.empty()) {
        return aoRefused;
    }
    std::u16string right;
    if (firstEquals != std::u16string::npos) {
        right = text.substr(firstEquals + 1);
        right = right.substr(0, right.find(u'='));
    }
    if (right.empty()) {
        return aoNothingToStore;
    }
    if (right.front() == u' ') {
        right.erase(0, 1);
    }
    if (FIsRedisplay) {
        // Shown again, an assignment shows what it stored instead of computing and storing anew.
        right = name;
    }
    if (TExpressionTextConvert check(FVariableDictionary); !check.Convert(right)) {
        ShowError(SyntaxErrorWord);
        MarkCalculated();
        return aoRefused;
    }

    const std::u16string saved = FField.Text();
    FVarSubstituting = true;
    SetFieldText(right);
    const bool isCalculated = Calculate(AddHistory);
    if (isCalculated && !FIsRedisplay) {
        if (name == u"M") {
            SetMemory(FRegisters.Ans);
            Increment(FRegisters.VarMCount);
            if (right == u"0") {
                FRegisters.VarMCount = 0;
                HideMemoryButton();
            }
        } else {
            FVariableDictionary.AddOrSetValue(name, FRegisters.Ans.Value, FRegisters.Ans.BcdValue,
                                              IsOverwrite, Comment);
        }
        RefreshVariablePanel();
        if (AddHistory && !FExpressionHistorys.empty()) {
            // The history shows the whole assignment, not only its right side.
            FExpressionHistorys.back().ExpressionText = saved;
            FEvents.HistoryChanged();
        }
    }
    FVarSubstituting = false;
    SetFieldText(saved);
    if (!FIsVarCalcMode) {
        PlaceCaret(true, static_cast<int>(saved.size()));
    }
    return isCalculated ? aoStored : aoFailed;
}

bool TCalculator::IsRefusedVariableName(const std::u16string& Name) const {
    if (FindKeyword(Name) || Name == u"DIV" || Name == u"MOD") {
        return true;
    }
    return FVariableDictionary.ContainsKey(Name) &&
           !FVariableDictionary.GetStatusItems(Name).IsOverwrite;
}

void TCalculator::MarkCalculated() {
    FIsCalc = true;
    RefreshVariablePanel();
}

void TCalculator::PlaceCaret(bool SelectAll, int Position) {
    if (SelectAll) {
        FField.SelectAll();
    } else {
        FField.SetCaret(Position);
    }
}

// Keys and commands.

void TCalculator::PushKey(TExpressionKey Key) {
    const int position = FField.CaretPosition();
    std::u16string text = KeyToText(Key);
    if (OpensParenthesis(Key)) {
        text += u'(';
    }
    InsertKeyText(text);
    FIsCalc = false;
    FField.SetFocus();
    PlaceCaret(false, position + static_cast<int>(text.size()));
}

void TCalculator::InsertKeyText(const std::u16string& Text) {
    const std::u16string current = FField.Text();
    const auto caret = static_cast<std::size_t>(FField.CaretPosition());
    if (FIsVarCalcMode) {
        SetFieldText(current + Text);
    } else if (FIsCalc) {
        SetFieldText(Text);
    } else if (caret >= current.size()) {
        SetFieldText(current + Text);
    } else {
        SetFieldText(current.substr(0, caret) + Text + current.substr(caret));
    }
}

void TCalculator::PushOperatorKey(TExpressionKey Key) {
    if (FIsCalc) {
        SetFieldText(u"ANS");
        PlaceCaret(false, FieldLength());
    }
    FIsCalc = false;
    PushKey(Key);
}

void TCalculator::PushCommandKey(TCommandKey Key) {
    switch (Key) {
    case ckEnter:
        Calculate(true);
        break;
    case ckAC:
        AllClearKey();
        break;
    case ckDel:
        DeleteKey();
        break;
    case ckShiftOn:
    case ckShiftOff:
        SetShift(Key == ckShiftOn);
        break;
    case ckHyp:
        RefreshFunctionKeys();
        break;
    case ckMPlus:
    case ckMMinus:
        ChangeMemory(Key == ckMPlus);
        FField.SetFocus();
        PlaceCaret(false, FField.CaretPosition());
        break;
    case ckMC:
        ClearMemory();
        break;
    case ckCalc: {
        const TQuietField quiet(*this);
        SetFieldText(u"@calc:" + FField.Text());
        ExecuteTypedCommand();
        FField.SetFocus();
        PlaceCaret(false, FieldLength());
        break;
    }
    case ckAns:
    case ckMR:
        // The keypads send ekAns, ekPreAns and ekVarM through PushKey instead.
        break;
    }
}

void TCalculator::AllClear() {
    const TQuietField quiet(*this);
    SetFieldText({});
    ShowZero();
    FIsCalc = false;
    FRegisters.VarGT = {};
    FRegisters.VarGTCount = 0;
    EndVarCalcMode();
    RefreshVariablePanel();
    FField.SetFocus();
    PlaceCaret(false, FField.CaretPosition());
}

void TCalculator::AllClearKey() {
    AllClear();
    if (FIsPushShiftBtn) {
        ClearMemory();
    }
}

void TCalculator::DeleteKey() {
    std::u16string text = FField.Text();
    int start = FField.SelectionStart();
    int length = FField.SelectionLength();
    if (length == 0) {
        const int caret = FField.CaretPosition();
        const int size = static_cast<int>(text.size());
        start = caret >= size ? caret - 1 : caret;
        length = 1;
        if (start < 0 || start >= size) {
            FField.SetFocus();
            PlaceCaret(false, FField.CaretPosition());
            return;
        }
    }
    text.erase(static_cast<std::size_t>(start), static_cast<std::size_t>(length));
    SetFieldText(text);
    FField.SetFocus();
    PlaceCaret(false, start);
}

void TCalculator::SetShift(bool Value) {
    FIsPushShiftBtn = Value;
    FEvents.ShiftChanged(Value);
    FField.SetFocus();
    PlaceCaret(false, FField.CaretPosition());
}

void TCalculator::RefreshFunctionKeys() {
    FEvents.FunctionKeysRefreshRequested();
    FField.SetFocus();
    PlaceCaret(false, FField.CaretPosition());
}

bool TCalculator::ExpressionEditKeyDown(std::uint16_t Key, char16_t KeyChar) {
    if (KeyChar != 0) {
        if (FIsCalc) {
            if (IsOperatorCharacter(KeyChar) && !FIsVarCalcMode) {
                SetFieldText(u"ANS");
                PlaceCaret(false, 3);
            }
            FIsCalc = false;
        }
        // After a CALC cycle has shown its result nothing can be typed until Enter or AC.
        return FIsVarCalcMode && !FVarCalcing && !FIsVarCalcModeSubstitute;
    }
    if (FIsCalc) {
        if (Key == vkEnd || Key == vkLeft || Key == vkHome || Key == vkRight) {
            PlaceCaret(false, Key == vkEnd || Key == vkLeft ? FieldLength() : 0);
            FIsCalc = false;
            return true;
        }
    }
    const int count = static_cast<int>(FExpressionHistorys.size());
    if (Key == vkUp) {
        if (!FIsVarCalcMode && count > 0 && FExpressionHistoryIndex > 0) {
            RecallHistoryByKey(FExpressionHistoryIndex - 1);
            return true;
        }
        return FIsVarCalcMode || FExpressionHistoryIndex == 0;
    }
    if (Key == vkDown && !FIsVarCalcMode && FExpressionHistoryIndex < count - 1) {
        RecallHistoryByKey(FExpressionHistoryIndex + 1);
        return true;
    }
    return false;
}

void TCalculator::RecallHistoryByKey(int Index) {
    const TQuietField quiet(*this);
    FExpressionHistoryIndex = Index;
    const int count = static_cast<int>(FExpressionHistorys.size());
    FEvents.HistoryRowSelected(count - Index - 1);
    SetFieldText(FExpressionHistorys[static_cast<std::size_t>(Index)].ExpressionText);
    PlaceCaret(false, FieldLength());
    FIsCalc = false;
    Calculate(false);
}

void TCalculator::FormKeyDown(std::uint16_t Key) {
    if (Key == vkReturn) {
        Calculate(true);
    } else if (Key == vkEscape) {
        AllClearKey();
    }
}

void TCalculator::ExpressionEditMouseDown() {
    FIsCalc = false;
}

void TCalculator::RecallHistoryEntry(int Index, const std::u16string& Text) {
    const TQuietField quiet(*this);
    if (Index != -1) {
        if (Index < 0 || Index >= static_cast<int>(FExpressionHistorys.size())) {
            return;
        }
        const TExpressionHistory& entry = FExpressionHistorys[static_cast<std::size_t>(Index)];
        FAngleMode = entry.AngleMode;
        UpdateAngleButton();
        FDisplay.SetIsGroupingSeparator(entry.IsGroupingSeparator);
        FDisplay.SetViewMode(entry.ViewMode);
        FDisplay.SetDigitNumber(entry.DigitNumber);
        SetFieldText(entry.ExpressionText);
    } else if (!Text.empty()) {
        SetFieldText(Text);
    } else {
        return;
    }
    Calculate(false);
    FField.SetFocus();
    PlaceCaret(true, FieldLength());
}

void TCalculator::InsertVariableName(const std::u16string& Text) {
    const int position = FField.CaretPosition();
    InsertKeyText(Text);
    FIsCalc = false;
    FField.SetFocus();
    PlaceCaret(false, position + static_cast<int>(Text.size()));
}

void TCalculator::RecallExpressionRecord(const std::u16string& Text) {
    std::u16string_view record = Text;
    if (const std::size_t first = record.find(u';'); first != std::u16string_view::npos) {
        record = record.substr(first + 1);
        record = record.substr(0, record.find(u';'));
        while (!record.empty() && IsBlankOrControl(record.front())) {
            record.remove_prefix(1);
        }
    }
    SetFieldText(std::u16string(record));
    FField.SetFocus();
    PlaceCaret(true, FieldLength());
}

// Typed commands.

bool TCalculator::ExecuteTypedCommand() {
    const TQuietField quiet(*this);
    const TTypedCommand command = ParseTypedCommand(ToHalfWidthUpper(FField.Text()));
    if (!ApplyTypedCommand(command)) {
        SetFieldText({});
        ShowError(ModeErrorWord);
        return false;
    }
    FIsCalc = false;
    if (command.Kind == tcHistoryClear || command.Kind == tcVariableClear) {
        ApplyDisplayMode(false);
    } else if (!FIsVarCalcMode) {
        ApplyDisplayMode(true);
        UpdateAngleButton();
    }
    return true;
}

// Carries out an accepted command; false when it is refused. A refused command changes nothing.
bool TCalculator::ApplyTypedCommand(const TTypedCommand& Command) {
    switch (Command.Kind) {
    case tcRefused:
        return false;
    case tcNoEffect:
        break;
    case tcNormal:
        FDigitDisplayMode = vtNormal;
        FIsDigitGroupingSeparator = false;
        FEvents.DigitGroupingChanged(false);
        FIsVarCalcMode = false;
        FEvents.CalcLabelChanged(false);
        break;
    case tcDms:
        FDigitDisplayMode = vtDms;
        break;
    case tcHex:
        FDigitDisplayMode = vtHex;
        break;
    case tcBin:
        FDigitDisplayMode = vtBin;
        break;
    case tcDeg:
        FAngleMode = atDeg;
        break;
    case tcRad:
        FAngleMode = atRad;
        break;
    case tcGrad:
        FAngleMode = atGrad;
        break;
    case tcMemoryClear:
        ClearMemory();
        break;
    case tcMemoryPlus:
    case tcMemoryMinus:
        SetMemory(Command.Kind == tcMemoryPlus ? AddDual(FRegisters.VarM, FRegisters.Ans)
                                               : SubtractDual(FRegisters.VarM, FRegisters.Ans));
        Increment(FRegisters.VarMCount);
        RefreshVariablePanel();
        break;
    case tcGrouping:
        FIsDigitGroupingSeparator = !FIsDigitGroupingSeparator;
        FEvents.DigitGroupingChanged(FIsDigitGroupingSeparator);
        break;
    case tcTopMost:
        FEvents.TopMostToggleRequested();
        break;
    case tcHistoryClear:
        for (TExpressionHistory& entry : FExpressionHistorys) {
            entry.Clear();
        }
        FEvents.HistoryChanged();
        break;
    case tcVariableClear:
        FVariableDictionary.Clear();
        RefreshVariablePanel();
        break;
    case tcCalc:
        return StartVarCalcMode(Command.CalcExpression);
    case tcFix:
        FDigitDisplayMode = vtFix;
        FRoundDecimal = Command.Number;
        break;
    case tcSci:
        FDigitDisplayMode = vtSci;
        FRoundDecimal = Command.Number;
        break;
    case tcEng:
        FDigitDisplayMode = vtEng;
        FEng = Command.Number;
        break;
    }
    return true;
}

// Memory and modes.

void TCalculator::MPlusActionExecute() {
    ChangeMemory(true);
}

void TCalculator::MMinusActionExecute() {
    ChangeMemory(false);
}

void TCalculator::ChangeMemory(bool IsPlus) {
    if (!FIsCalc) {
        // The outcome is not examined: after a failure the last good Ans is used.
        Calculate(true);
        FField.SetFocus();
        PlaceCaret(true, FieldLength());
    }
    SetMemory(IsPlus ? AddDual(FRegisters.VarM, FRegisters.Ans)
                     : SubtractDual(FRegisters.VarM, FRegisters.Ans));
    Increment(FRegisters.VarMCount);
    RefreshVariablePanel();
}

void TCalculator::SetMemory(const TDualValue& Value) {
    FRegisters.VarM = Value;
    FEvents.MemoryButtonChanged(true, u"M=" + FormatMemoryValue(Value.Value));
}

void TCalculator::ClearMemory() {
    FRegisters.VarM = {};
    FRegisters.VarMCount = 0;
    HideMemoryButton();
    RefreshVariablePanel();
    FField.SetFocus();
    PlaceCaret(false, FField.CaretPosition());
}

void TCalculator::HideMemoryButton() {
    FEvents.MemoryButtonChanged(false, u"M");
}

std::u16string TCalculator::FormatMemoryValue(double Value) const {
    int digits = FDisplay.SignificantDigits();
    if (std::fabs(Value) < 1) {
        --digits;
    }
    return FloatToGeneralText(Value, digits);
}

void TCalculator::RefreshVariablePanel() {
    FEvents.VariablesChanged();
}

void TCalculator::ApplyDisplaySettings() {
    FDisplay.SetIsGroupingSeparator(FIsDigitGroupingSeparator);
    FDisplay.SetViewMode(FDigitDisplayMode);
    FDisplay.SetDigitNumber(FRoundDecimal);
    FDisplay.SetEng(FEng);
    FDisplay.Repaint();
}

void TCalculator::ApplyDisplayMode(bool Recalc) {
    const TQuietField quiet(*this);
    ApplyDisplaySettings();
    UpdateResultModeButton();
    if (FExpressionHistorys.empty()) {
        SetFieldText({});
        ShowZero();
        return;
    }
    SetFieldText(FExpressionHistorys.back().ExpressionText);
    if (Recalc) {
        Redisplay(&FExpressionHistorys.back());
    }
    if (FField.TextLength() == 0) {
        ShowZero();
    }
}

// Shows the field's expression again, for a display-mode change or at start, without storing
// anything: the registers are put back afterwards and an assignment does not store again. With
// an entry, the expression sees the registers it was first evaluated with.
void TCalculator::Redisplay(const TExpressionHistory* Entry) {
    struct TRestoreOnExit {
        TCalculator& Calculator;
        TCalculatorRegisters Kept;
        ~TRestoreOnExit() {
            Calculator.FRegisters = Kept;
            Calculator.FIsRedisplay = false;
        }
    } restore{*this, FRegisters};
    if (Entry != nullptr) {
        FRegisters.Ans = TDualValue::FromStored(Entry->Ans, Entry->BcdAns);
        FRegisters.VarM = TDualValue::FromStored(Entry->VarM, Entry->BcdVarM);
        FRegisters.VarGT = TDualValue::FromStored(Entry->VarGT, Entry->BcdVarGT);
    }
    FIsRedisplay = true;
    Calculate(false);
}

void TCalculator::UpdateAngleButton() {
    FEvents.AngleButtonChanged(AngleCaption(FAngleMode));
}

void TCalculator::UpdateResultModeButton() {
    std::u16string caption;
    switch (FDisplay.ViewMode()) {
    case vtNormal:
        caption = u"Norm";
        break;
    case vtFix:
        caption = u"Fix" + IntegerText(FRoundDecimal);
        break;
    case vtSci:
        caption = u"Sci" + IntegerText(FRoundDecimal);
        break;
    case vtEng:
        caption = u"Eng" + IntegerText(FEng);
        break;
    case vtDms:
        caption = u"Dms";
        break;
    case vtHex:
        caption = u"Hex";
        break;
    case vtBin:
        caption = u"Bin";
        break;
    case vtNotView:
        return;
    }
    FEvents.ResultModeButtonChanged(caption);
}

void TCalculator::AngleActionExecute(TAngleType Angle) {
    FAngleMode = Angle;
    UpdateAngleButton();
    FField.SetFocus();
}

void TCalculator::NormalActionExecute() {
    FDigitDisplayMode = vtNormal;
    ApplyDisplayMode(true);
    FField.SetFocus();
}

void TCalculator::FixActionExecute(int Decimals) {
    if (Decimals < 0 || Decimals > 9) {
        return;
    }
    FDigitDisplayMode = vtFix;
    FRoundDecimal = Decimals;
    ApplyDisplayMode(true);
    FField.SetFocus();
}

void TCalculator::SciActionExecute(int Digits) {
    if (Digits < 2 || Digits > 9) {
        return;
    }
    FDigitDisplayMode = vtSci;
    FRoundDecimal = Digits;
    ApplyDisplayMode(true);
    FField.SetFocus();
}

void TCalculator::DigitGroupingSeparatorActionExecute() {
    FIsDigitGroupingSeparator = !FIsDigitGroupingSeparator;
    FEvents.DigitGroupingChanged(FIsDigitGroupingSeparator);
    ApplyDisplayMode(true);
}

void TCalculator::BigDecimalActionExecute() {
    FIsBigDecimal = !FIsBigDecimal;
    FEvents.BigDecimalModeChanged(FIsBigDecimal);
    // A shown value without a decimal form keeps showing its double.
    FDisplay.SetIsBigDecimal(FIsBigDecimal && FIsShownBcdValid);
    FDisplay.Repaint();
}

std::u16string TCalculator::CopyActionExecute() {
    std::u16string text = FDisplay.ValueText();
    FField.SetFocus();
    PlaceCaret(false, FieldLength());
    return text;
}

// Real-time calculation.

void TCalculator::ExpressionEditChangeTracking() {
    if (!FIsRealTimeCalc || FQuietFieldDepth > 0) {
        return;
    }
    FRealTimeCalculation.Request(MakeRealTimeSnapshot(FField.Text(), FRegisters, FAngleMode,
                                                      FIsBigDecimal, FVariableDictionary));
}

// CALC mode.

bool TCalculator::StartVarCalcMode(const std::u16string& Expression) {
    if (Expression.empty()) {
        return true;
    }
    FCalcModeVariableList.clear();
    TExpressionTextConvert converter(FVariableDictionary);
    converter.SetIsVarCalcMode(true);
    if (!converter.Convert(Expression)) {
        ShowError(SyntaxErrorWord);
        MarkCalculated();
        return false;
    }
    // The first occurrence of each name stays, in order; names in brackets are not asked for.
    for (const std::u16string& name : converter.CalcModeVariableList()) {
        if (name.find(u'[') == std::u16string::npos &&
            std::find(FCalcModeVariableList.begin(), FCalcModeVariableList.end(), name) ==
                FCalcModeVariableList.end()) {
            FCalcModeVariableList.push_back(name);
        }
    }
    if (FCalcModeVariableList.empty()) {
        return true;
    }
    FIsVarCalcMode = true;
    FEvents.CalcLabelChanged(true);
    FCalcModeExpressionText = Expression;
    FVarCalcing = true;
    SetFieldText(FCalcModeVariableList.front() + u" = ");
    FCalcModeVarIndex = 1;
    PlaceCaret(false, FieldLength());
    FIsVarCalcModeSubstitute = true;
    return true;
}

bool TCalculator::StepVarCalcMode(bool AddHistory, bool& Handled) {
    Handled = false;
    bool result = true;
    const int count = static_cast<int>(FCalcModeVariableList.size());
    if (FVarSubstituting || FCalcModeVarIndex > count) {
        return result;
    }
    if (FIsVarCalcModeSubstitute) {
        FIsVarCalcModeSubstitute = false;
        if (!AssignVariable(AddHistory, true, {})) {
            ShowError(SyntaxErrorWord);
            MarkCalculated();
            result = false;
        }
    }
    if (FCalcModeVarIndex < count) {
        FVarCalcing = true;
        SetFieldText(FCalcModeVariableList[static_cast<std::size_t>(FCalcModeVarIndex)] + u" = ");
        ++FCalcModeVarIndex;
        PlaceCaret(false, FieldLength());
        FIsVarCalcModeSubstitute = true;
        Handled = true;
    } else {
        FVarCalcing = false;
        std::erase_if(FCalcModeExpressionText,
                      [](char16_t ch) { return ch == u'[' || ch == u']'; });
        SetFieldText(FCalcModeExpressionText);
        FCalcModeVarIndex = 0;
        FIsVarCalcModeSubstitute = false;
    }
    return result;
}

void TCalculator::EndVarCalcMode() {
    FIsVarCalcMode = false;
    FVarCalcing = false;
    FIsVarCalcModeSubstitute = false;
    FCalcModeVarIndex = 0;
    FEvents.CalcLabelChanged(false);
}

// Display and field helpers.

void TCalculator::ShowValue(const TDualValue& Value) {
    FIsShownBcdValid = Value.IsBcdValid;
    FDisplay.SetIsBigDecimal(FIsBigDecimal && Value.IsBcdValid);
    FDisplay.ShowValue(Value.Value, Value.BcdValue);
}

void TCalculator::ShowZero() {
    ShowValue({});
}

void TCalculator::ShowError(std::u16string_view Message) {
    FDisplay.ShowError(std::u16string(Message));
}

void TCalculator::SetFieldText(const std::u16string& Text) {
    FField.SetText(Text);
}

int TCalculator::FieldLength() const {
    return FField.TextLength();
}

// Start and end, settings, constants and records.

void TCalculator::Start() {
    RestoreState();
    ApplyHistoryLimit();
}

void TCalculator::RestoreState() {
    const TQuietField quiet(*this);
    std::vector<TExpressionHistory> history;
    FAppData.Read(FSettingsFile, {&history, &FVariableDictionary, &FExpressionRecordList});
    FExpressionHistorys.assign(std::make_move_iterator(history.begin()),
                               std::make_move_iterator(history.end()));
    FIsDigitGroupingSeparator = FAppData.IsDigitGroupingSeparator;
    FEvents.DigitGroupingChanged(FIsDigitGroupingSeparator);
    FAngleMode = FAppData.AngleMode <= atGrad ? FAppData.AngleMode : atDeg;
    UpdateAngleButton();
    ApplyStoredDisplayMode();
    FIsBigDecimal = FAppData.IsBigDecimal;
    FEvents.BigDecimalModeChanged(FIsBigDecimal);
    FDisplay.SetIsBigDecimal(FIsBigDecimal);
    SetSignificantDigits(FAppData.SignificantDigits);
    SetBcdSignificantDigits(FAppData.BcdSignificantDigits);
    if (FAppData.IsHistoryRecord) {
        SetFieldText(FAppData.InputExpressionText);
        if (!FAppData.InputExpressionText.empty()) {
            PlaceCaret(false, FieldLength());
            FField.SetFocus();
            // Shown again but not recorded again; it runs with the registers as created.
            if (FAppData.IsCalc) {
                Redisplay(nullptr);
            }
        }
    }
    if (FAppData.IsVariableRecord) {
        SetMemory(TDualValue::FromStored(FAppData.VarM, FAppData.BcdVarM));
        if (FRegisters.VarM.Value == 0) {
            ClearMemory();
        }
        FRegisters.Ans = TDualValue::FromStored(FAppData.Ans, FAppData.BcdAns);
        FRegisters.PreAns = TDualValue::FromStored(FAppData.PreAns, FAppData.BcdPreAns);
        FIsCalc = FAppData.IsCalc;
        RefreshVariablePanel();
    }
    FIsRealTimeCalc = FAppData.IsRealTimeCalc;
}

// The display mode of the last run with its digit count and engineering shift; a mode or digit
// count that no command could have set gives the normal mode.
void TCalculator::ApplyStoredDisplayMode() {
    const TResultViewType mode = FAppData.ViewMode;
    const int digits = FAppData.RoundDecimal;
    const bool isValid = (mode == vtFix && digits >= 0 && digits <= 9) ||
                         (mode == vtSci && digits >= 2 && digits <= 9) ||
                         (mode != vtFix && mode != vtSci && mode <= vtBin);
    FDigitDisplayMode = isValid ? mode : vtNormal;
    FRoundDecimal = isValid ? digits : 0;
    FEng = FAppData.Eng;
    ApplyDisplaySettings();
    UpdateResultModeButton();
}

void TCalculator::ApplyHistoryLimit() {
    FHistoryCount = FAppData.HistoryCount;
    const std::int64_t excess =
        static_cast<std::int64_t>(FExpressionHistorys.size()) - std::max(FHistoryCount, 0);
    if (excess > 0) {
        FExpressionHistorys.erase(FExpressionHistorys.begin(),
                                  FExpressionHistorys.begin() + excess);
    }
    if (!FExpressionHistorys.empty()) {
        // One past the newest entry, so that the first Up recalls the newest.
        FExpressionHistoryIndex = static_cast<int>(FExpressionHistorys.size());
    }
    FEvents.HistoryChanged();
}

void TCalculator::SaveState() {
    FAppData.InputExpressionText = FField.Text();
    FAppData.VarM = FRegisters.VarM.Value;
    FAppData.Ans = FRegisters.Ans.Value;
    FAppData.PreAns = FRegisters.PreAns.Value;
    FAppData.BcdVarM = FRegisters.VarM.BcdValue;
    FAppData.BcdAns = FRegisters.Ans.BcdValue;
    FAppData.BcdPreAns = FRegisters.PreAns.BcdValue;
    FAppData.IsCalc = FIsCalc;
    FAppData.ViewMode = FDisplay.ViewMode();
    FAppData.RoundDecimal = FDisplay.DigitNumber();
    FAppData.Eng = FDisplay.Eng();
    FAppData.AngleMode = FAngleMode;
    FAppData.IsDigitGroupingSeparator = FIsDigitGroupingSeparator;
    FAppData.IsBigDecimal = FIsBigDecimal;
    FAppData.SignificantDigits = FSignificantDigits;
    FAppData.BcdSignificantDigits = FBcdSignificantDigits;
    std::vector<TExpressionHistory> history(FExpressionHistorys.begin(), FExpressionHistorys.end());
    FAppData.Write(FSettingsFile, {&history, &FVariableDictionary, &FExpressionRecordList});
}

void TCalculator::ApplySettings() {
    FIsRealTimeCalc = FAppData.IsRealTimeCalc;
    SetSignificantDigits(FAppData.SignificantDigits);
    SetBcdSignificantDigits(FAppData.BcdSignificantDigits);
    ApplyHistoryLimit();
}

void TCalculator::SetSignificantDigits(int Digits) {
    FSignificantDigits = std::clamp(Digits, 2, 15);
    FDisplay.SetSignificantDigits(FSignificantDigits);
    FDisplay.Repaint();
    FEvents.SignificantDigitsChanged();
}

void TCalculator::SetBcdSignificantDigits(int Digits) {
    FBcdSignificantDigits = std::clamp(Digits, 2, 30);
    FDisplay.SetBcdSignificantDigits(FBcdSignificantDigits);
    FDisplay.Repaint();
    FEvents.SignificantDigitsChanged();
}

bool TCalculator::RegisterConstant(const std::u16string& Name, const std::u16string& Expression,
                                   const std::u16string& Comment) {
    const TQuietField quiet(*this);
    SetFieldText(Name + u" = " + Expression);
    // Only a value that was really stored counts: a failed evaluation must not let the stale
    // Ans be stored below.
    if (AssignVariableOutcome(false, false, Comment) != aoStored) {
        return false;
    }
    if (!FIsBigDecimal) {
        // Once more in decimal arithmetic, so that the decimal form is exact.
        FIsBigDecimal = true;
        try {
            FVariableDictionary.GetStatusItems(Name).IsOverwrite = true;
            if (AssignVariableOutcome(false, true, Comment) == aoStored) {
                FVariableDictionary.AddOrSetValue(Name, FRegisters.Ans.Value,
                                                  FRegisters.Ans.BcdValue, false, Comment);
            } else {
                FVariableDictionary.GetStatusItems(Name).IsOverwrite = false;
            }
        } catch (const std::exception&) {
            // The double-mode value stays.
        }
        FIsBigDecimal = false;
        FDisplay.SetIsBigDecimal(false);
    }
    MarkCalculated();
    return true;
}

void TCalculator::AddExpressionRecord() {
    FExpressionRecordList.push_back(FField.Text());
    FEvents.ExpressionRecordsChanged(true);
}

// The panels' edits.

void TCalculator::DeleteHistoryEntries(const std::vector<int>& Indices) {
    const int count = static_cast<int>(FExpressionHistorys.size());
    std::vector<bool> isDoomed(FExpressionHistorys.size(), false);
    bool isAnyDoomed = false;
    for (const int index : Indices) {
        if (index >= 0 && index < count) {
            isDoomed[static_cast<std::size_t>(index)] = true;
            isAnyDoomed = true;
        }
    }
    if (!isAnyDoomed) {
        return;
    }
    // One pass that keeps the order of the rest, however many entries go.
    std::size_t kept = 0;
    for (std::size_t index = 0; index < FExpressionHistorys.size(); ++index) {
        if (!isDoomed[index]) {
            if (kept != index) {
                FExpressionHistorys[kept] = std::move(FExpressionHistorys[index]);
            }
            ++kept;
        }
    }
    FExpressionHistorys.resize(kept);
    KeepHistoryIndexInRange();
    FEvents.HistoryChanged();
}

void TCalculator::ClearHistory() {
    FExpressionHistorys.clear();
    KeepHistoryIndexInRange();
    FEvents.HistoryChanged();
}

void TCalculator::SwapHistoryEntries(int First, int Second) {
    const int count = static_cast<int>(FExpressionHistorys.size());
    if (First < 0 || Second < 0 || First >= count || Second >= count) {
        return;
    }
    std::swap(FExpressionHistorys[static_cast<std::size_t>(First)],
              FExpressionHistorys[static_cast<std::size_t>(Second)]);
    FEvents.HistoryChanged();
}

// Up and Down in the field recall around this index, so it must never point past the entries
// that are left (one past the newest is its resting place).
void TCalculator::KeepHistoryIndexInRange() {
    FExpressionHistoryIndex =
        std::clamp(FExpressionHistoryIndex, 0, static_cast<int>(FExpressionHistorys.size()));
}

void TCalculator::DeleteVariable(const std::u16string& Name) {
    FVariableDictionary.Remove(Name);
    RefreshVariablePanel();
}

void TCalculator::ClearOverwritableVariables() {
    const std::vector<std::u16string> names = FVariableDictionary.NameList();
    for (auto name = names.rbegin(); name != names.rend(); ++name) {
        if (FVariableDictionary.GetStatusItems(*name).IsOverwrite) {
            FVariableDictionary.Remove(*name);
        }
    }
    RefreshVariablePanel();
}

void TCalculator::MoveVariable(int From, int To) {
    const int count = FVariableDictionary.Count();
    if (From < 0 || To < 0 || From >= count || To >= count) {
        return;
    }
    FVariableDictionary.MoveName(From, To);
    RefreshVariablePanel();
}

void TCalculator::DeleteExpressionRecord(int Index) {
    if (Index < 0 || Index >= static_cast<int>(FExpressionRecordList.size())) {
        return;
    }
    FExpressionRecordList.erase(FExpressionRecordList.begin() + Index);
    FEvents.ExpressionRecordsChanged(false);
}

void TCalculator::ClearExpressionRecords() {
    FExpressionRecordList.clear();
    FEvents.ExpressionRecordsChanged(false);
}

void TCalculator::MoveExpressionRecord(int From, int To) {
    const int count = static_cast<int>(FExpressionRecordList.size());
    if (From < 0 || To < 0 || From >= count || To >= count || From == To) {
        return;
    }
    const auto first = FExpressionRecordList.begin();
    if (From < To) {
        std::rotate(first + From, first + From + 1, first + To + 1);
    } else {
        std::rotate(first + To, first + From, first + From + 1);
    }
    FEvents.ExpressionRecordsChanged(false);
}

} // namespace kalvio
