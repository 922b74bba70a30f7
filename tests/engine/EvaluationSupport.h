#pragma once

#include "engine/CalculatorExpression.h"
#include "engine/Expression.h"
#include "engine/ExpressionTextConvert.h"
#include "engine/VariableDictionary.h"

#include <stdexcept>
#include <string>
#include <string_view>

namespace kalvio::testing {

inline std::string Narrow(std::u16string_view text) {
    std::string narrow;
    for (char16_t ch : text) {
        narrow += ch < 0x80 ? static_cast<char>(ch) : '?';
    }
    return narrow;
}

// The keys of a typed expression, as the calculator converts it.
inline TExpressionKeyList ConvertText(std::u16string_view text,
                                      const TVariableDictionary& dictionary = {}) {
    TExpressionTextConvert converter(dictionary);
    if (!converter.Convert(text)) {
        throw std::invalid_argument("text does not convert: " + Narrow(text));
    }
    return converter.TakeKeyList();
}

inline double Evaluate(const TExpressionKeyList& keys, TAngleType angleMode = atDeg) {
    TExpression expression;
    expression.SetKeyList(keys);
    expression.SetAngleMode(angleMode);
    return expression.Calc();
}

inline double Evaluate(std::u16string_view text, TAngleType angleMode = atDeg) {
    return Evaluate(ConvertText(text), angleMode);
}

} // namespace kalvio::testing
