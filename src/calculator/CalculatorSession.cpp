#include "calculator/CalculatorSession.h"

namespace kalvio {
namespace {

bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

} // namespace

TCalculatorSession::TCalculatorSession() : Calculator(Field, Display, Events, Executor) {
    // Every change of the text is reported, typed or set by the program, as the window's field
    // does.
    Field.OnChange = [this] { Calculator.ExpressionEditChangeTracking(); };
}

void TCalculatorSession::Type(std::u16string_view text) {
    // Without change notifications the characters the key handler lets through can go into the
    // field together; they are the same edit.
    const bool isBatched = !Field.OnChange;
    std::size_t pendingStart = 0;
    std::size_t pendingLength = 0;
    const auto flush = [&] {
        if (pendingLength > 0) {
            Field.TypeText(text.substr(pendingStart, pendingLength));
            pendingLength = 0;
        }
    };
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t units =
            IsHighSurrogate(text[i]) && i + 1 < text.size() ? std::size_t{2} : std::size_t{1};
        // The handler may change the field (a first operator after a result gives "ANS"), so
        // it sees the field with everything typed before.
        if (!isBatched || Calculator.IsCalc()) {
            flush();
        }
        if (!Calculator.ExpressionEditKeyDown(0, text[i])) {
            if (pendingLength == 0) {
                pendingStart = i;
            }
            pendingLength += units;
            if (!isBatched) {
                flush();
            }
        } else {
            flush();
        }
        i += units;
    }
    flush();
}

void TCalculatorSession::PressKey(std::uint16_t key) {
    if (Calculator.ExpressionEditKeyDown(key, 0) || Field.ApplyKey(key)) {
        return;
    }
    Calculator.FormKeyDown(key);
}

std::u16string TCalculatorSession::Enter(std::u16string_view text) {
    Type(text);
    PressKey(vkReturn);
    return Display.ShownText();
}

} // namespace kalvio
