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
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t units =
            IsHighSurrogate(text[i]) && i + 1 < text.size() ? std::size_t{2} : std::size_t{1};
        if (!Calculator.ExpressionEditKeyDown(0, text[i])) {
            Field.TypeText(std::u16string(text.substr(i, units)));
        }
        i += units - 1;
    }
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
