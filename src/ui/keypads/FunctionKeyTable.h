#pragma once

#include "engine/ExpressionKey.h"

#include <array>
#include <string>

namespace kalvio {

inline constexpr int FunctionKeyCount = 20;

// The four layers of the function keypad, indexed by key number - 1.
struct TFunctionKeyLayers {
    std::array<TExpressionKey, FunctionKeyCount> Normal{};
    std::array<TExpressionKey, FunctionKeyCount> Shift{};
    std::array<TExpressionKey, FunctionKeyCount> Hyp{};
    std::array<TExpressionKey, FunctionKeyCount> ShiftHyp{};
};

// The layers as the calculator fills them at start: the normal layer, copied into the three
// others, then the keys that differ under shift, hyp and both.
TFunctionKeyLayers DefaultFunctionKeyLayers();

// How a key looks on the keypad: its caption and its style name.
struct TFunctionKeyFace {
    std::u16string Caption;
    const char* StyleName;
};

// The face of `key` with the latches as given: the latches light SHIFT and hyp, the power and
// inverse keys show a short caption that their style completes with a raised text.
TFunctionKeyFace FunctionKeyFace(TExpressionKey key, bool isShiftOn, bool isHypOn);

} // namespace kalvio
