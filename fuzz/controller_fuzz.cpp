// The calculator driven as a user would: typed characters, keys without a character, keypad keys
// and commands, menu actions, panel double-clicks and Enters, in any order, with the real-time
// evaluation's background work and deliveries interleaved at any point. After every step the
// field, the display and the registers must be in a state the window can show.
#include "FuzzSupport.h"
#include "calculator/Calculator.h"
#include "calculator/MemoryCalculatorEvents.h"
#include "calculator/MemoryExpressionField.h"
#include "calculator/MemoryResultDisplay.h"
#include "calculator/TaskExecutor.h"
#include "calculator/VirtualKey.h"
#include "engine/Bcd.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <utility>

namespace kalvio {
namespace {

constexpr int MaxSteps = 96;
constexpr std::size_t MaxTypedUnits = 48;

// Background work and deliveries wait in queues until the input says when they run, so that
// every interleaving is reachable and each run is reproducible.
class TDeferredExecutor : public TTaskExecutor {
public:
    void RunInBackground(std::function<void()> work) override { FWork.push_back(std::move(work)); }
    void PostToOwner(std::function<void()> delivery) override {
        FDeliveries.push_back(std::move(delivery));
    }
    void RunOldestWork() { RunOldest(FWork); }
    void DeliverOldest() { RunOldest(FDeliveries); }
    void RunEverything() {
        while (!FWork.empty() || !FDeliveries.empty()) {
            RunOldestWork();
            DeliverOldest();
        }
    }

private:
    static void RunOldest(std::deque<std::function<void()>>& queue) {
        if (queue.empty()) {
            return;
        }
        const std::function<void()> task = std::move(queue.front());
        queue.pop_front();
        task();
    }

    std::deque<std::function<void()>> FWork;
    std::deque<std::function<void()>> FDeliveries;
};

struct TSession {
    TMemoryExpressionField Field;
    TMemoryResultDisplay Display;
    TMemoryCalculatorEvents Events;
    TDeferredExecutor Executor;
    TCalculator Calculator{Field, Display, Events, Executor};

    TSession() {
        Field.OnChange = [this] { Calculator.ExpressionEditChangeTracking(); };
    }

    // As the window's field: the key handler first, then the field.
    void Type(const std::u16string& text) {
        for (const char16_t unit : text) {
            if (!Calculator.ExpressionEditKeyDown(0, unit)) {
                Field.TypeText(std::u16string(1, unit));
            }
        }
    }
    void PressKey(std::uint16_t key) {
        if (Calculator.ExpressionEditKeyDown(key, 0) || Field.ApplyKey(key)) {
            return;
        }
        Calculator.FormKeyDown(key);
    }
};

const std::array<std::uint16_t, 10> VirtualKeys = {vkBack, vkReturn, vkEscape, vkEnd,  vkHome,
                                                   vkLeft, vkUp,     vkRight,  vkDown, vkDelete};

void RunModeAction(TSession& session, TFuzzInput& input) {
    TCalculator& calculator = session.Calculator;
    const std::uint8_t argument = input.TakeByte();
    switch (input.TakeIndex(14)) {
    case 0:
        calculator.AngleActionExecute(static_cast<TAngleType>(argument % 3));
        break;
    case 1:
        calculator.NormalActionExecute();
        break;
    case 2:
        calculator.FixActionExecute(argument % 12 - 1);
        break;
    case 3:
        calculator.SciActionExecute(argument % 12 - 1);
        break;
    case 4:
        calculator.DigitGroupingSeparatorActionExecute();
        break;
    case 5:
        calculator.BigDecimalActionExecute();
        break;
    case 6:
        calculator.MPlusActionExecute();
        break;
    case 7:
        calculator.MMinusActionExecute();
        break;
    case 8:
        calculator.ClearMemory();
        break;
    case 9:
        calculator.CopyActionExecute();
        break;
    case 10:
        calculator.AddExpressionRecord();
        break;
    case 11:
        calculator.SetSignificantDigits(argument % 20);
        break;
    case 12:
        calculator.SetBcdSignificantDigits(argument % 40);
        break;
    default:
        calculator.AppData().HistoryCount = argument % 8 - 1;
        calculator.AppData().IsRealTimeCalc = (argument & 0x80) != 0;
        calculator.ApplySettings();
        break;
    }
}

void RunPanelAction(TSession& session, TFuzzInput& input) {
    TCalculator& calculator = session.Calculator;
    const std::size_t index = input.TakeByte();
    switch (input.TakeIndex(5)) {
    case 0:
        calculator.RecallHistoryEntry(static_cast<int>(index % 10) - 1,
                                      input.TakeText16(MaxTypedUnits));
        break;
    case 1: {
        const auto& names = calculator.VariableDictionary().NameList();
        calculator.InsertVariableName(names.empty() ? u"A" : names[index % names.size()]);
        break;
    }
    case 2: {
        const auto& records = calculator.ExpressionRecordList();
        calculator.RecallExpressionRecord(records.empty() ? u"1+1"
                                                          : records[index % records.size()]);
        break;
    }
    case 3: {
        const std::u16string name = input.TakeText16(8);
        const std::u16string expression = input.TakeText16(MaxTypedUnits);
        calculator.RegisterConstant(name, expression, u"constant");
        break;
    }
    default:
        calculator.ExpressionEditMouseDown();
        session.Field.Select(static_cast<int>(index % 16), static_cast<int>(input.TakeIndex(16)));
        break;
    }
}

void RunStep(TSession& session, TFuzzInput& input) {
    TCalculator& calculator = session.Calculator;
    switch (input.TakeIndex(12)) {
    case 0:
    case 1:
    case 2:
        session.Type(input.TakeText16(MaxTypedUnits));
        break;
    case 3:
        session.PressKey(vkReturn);
        break;
    case 4:
        session.PressKey(VirtualKeys[input.TakeIndex(VirtualKeys.size())]);
        break;
    case 5:
        calculator.PushKey(static_cast<TExpressionKey>(input.TakeIndex(ekExressionKeyEnd + 1)));
        break;
    case 6:
        calculator.PushOperatorKey(
            static_cast<TExpressionKey>(input.TakeIndex(ekExressionKeyEnd + 1)));
        break;
    case 7:
        calculator.PushCommandKey(static_cast<TCommandKey>(input.TakeIndex(ckCalc + 1)));
        break;
    case 8:
        RunModeAction(session, input);
        break;
    case 9:
        RunPanelAction(session, input);
        break;
    case 10:
        session.Executor.RunOldestWork();
        break;
    default:
        session.Executor.DeliverOldest();
        break;
    }
}

bool IsShowable(const TDualValue& value) {
    return !std::isnan(value.Value);
}

void RequireConsistent(TSession& session) {
    const TMemoryExpressionField& field = session.Field;
    const int length = static_cast<int>(field.Text().size());
    FuzzRequire(field.CaretPosition() >= 0 && field.CaretPosition() <= length,
                "the caret stays inside the field");
    FuzzRequire(field.SelectionStart() >= 0 && field.SelectionLength() >= 0 &&
                    field.SelectionStart() + field.SelectionLength() <= length,
                "the selection stays inside the field");
    session.Display.ShownText();
    const TCalculatorRegisters& registers = session.Calculator.Registers();
    FuzzRequire(IsShowable(registers.Ans) && IsShowable(registers.PreAns) &&
                    IsShowable(registers.VarM) && IsShowable(registers.VarGT),
                "no register holds a NaN");
    FuzzRequire(session.Calculator.ExpressionHistorys().size() <=
                    static_cast<std::size_t>(std::max(session.Calculator.HistoryCount(), 0)),
                "the history keeps to its limit");
}

} // namespace
} // namespace kalvio

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kalvio;
    TFuzzInput input(data, size);
    TSession session;
    for (int step = 0; step < MaxSteps && !input.AtEnd(); ++step) {
        RunStep(session, input);
        RequireConsistent(session);
    }
    session.Executor.RunEverything();
    RequireConsistent(session);
    return 0;
}
