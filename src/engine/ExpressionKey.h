#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kalvio {

// One token of the expression language. The numeric order is part of the contract: every class
// of keys is a contiguous run bounded by marker values, and the predicates test those ranges.
enum TExpressionKey : std::uint8_t {
    // Keypad commands
    ekShift,
    ekCalc,
    ekHyp,
    ekMPlus,
    ekMMinus,
    ekMC,
    // Markers, token classes and signs
    ekExressionKeyStart,
    ekEnd,
    ekOthers,
    ekNewLine,
    ekNil,
    ekPlus,
    ekMinus,
    ekNumber,
    ekOperator1,
    ekOperator2,
    ekOperator3,
    ekOperator4,
    ekOperator5,
    ekOperator6,
    ekEnter,
    ekQuestion,
    // Store-to keys (display only)
    ekStoVarStart,
    ekStoA,
    ekStoB,
    ekStoC,
    ekStoD,
    ekStoE,
    ekStoF,
    ekStoM,
    ekStoX,
    ekStoY,
    ekStoGT,
    ekStoUserConst1,
    ekStoUserConst2,
    ekStoUserConst3,
    ekStoUserConst4,
    ekStoVarEnd,
    // Punctuation, postfix and power keys
    ekRParen,
    ekComma,
    ekPowerRoot,
    ekFactorial,
    ekPercent,
    ekDms,
    ekPol,
    ekRec,
    ekPowerStart,
    ekPower,
    ekSquare,
    ekCube,
    ekReciprocal,
    ekPowerEnd,
    // Binary operators
    ekOperatorStart,
    ekAdd,
    ekSub,
    ekMulti,
    ekDiv,
    ekQuotient,
    ekMod,
    ekMultiPriority1,
    ekMultiPriority2,
    ekMultiPriority3,
    ekMultiPriority4,
    ekOperatorEnd,
    // Number keys
    ekNumberStart,
    ek0,
    ek1,
    ek2,
    ek3,
    ek4,
    ek5,
    ek6,
    ek7,
    ek8,
    ek9,
    ekDot,
    ekE,
    ekHexA,
    ekHexB,
    ekHexC,
    ekHexD,
    ekHexE,
    ekHexF,
    ekNumberEnd,
    ekOmissionMulop,
    // Parenthesis and functions
    ekLParen,
    ekFunctionStart,
    ekSin,
    ekCos,
    ekTan,
    ekArcSin,
    ekArcCos,
    ekArcTan,
    ekSinH,
    ekCosH,
    ekTanH,
    ekArcSinH,
    ekArcCosH,
    ekArcTanH,
    ekSqrt,
    ekLog10,
    ekLn,
    ekLogE,
    ekLogN,
    ekLog2,
    ekLogXY,
    ekExp10,
    ekExp,
    ekAbs,
    ekInt,
    ekFrac,
    ekCeil,
    ekFloor,
    ekRoundOff,
    ekHex,
    ekBin,
    ekVariable,
    ekFunctionEnd,
    // Variables and constants
    ekVariableStart,
    ekPi,
    ekAns,
    ekPreAns,
    ekVarM,
    ekVarX,
    ekVarY,
    ekVarGT,
    ekVarMCount,
    ekVarGTCount,
    ekVariableEnd,
    ekExressionKeyEnd,
};

static_assert(ekExressionKeyEnd == 129, "the key values are fixed");

using TExpressionKeyList = std::vector<TExpressionKey>;

// The keypad commands sent by the keypads and carried out by the calculator.
enum TCommandKey : std::uint8_t {
    ckEnter,
    ckAC,
    ckDel,
    ckAns,
    ckShiftOn,
    ckShiftOff,
    ckHyp,
    ckMPlus,
    ckMMinus,
    ckMR,
    ckMC,
    ckCalc,
};

// The display text of a key; empty for markers, token classes and keys without a text.
std::u16string KeyToText(TExpressionKey key);
// The same text without a copy, for the parsers' inner loops.
std::u16string_view KeyTextView(TExpressionKey key);

// Inline: the parsers ask these for every key they read.
constexpr bool IsKeyInRange(TExpressionKey key, TExpressionKey first, TExpressionKey last) {
    return key >= first && key <= last;
}
constexpr bool IsNumberKey(TExpressionKey key) {
    return IsKeyInRange(key, ekNumberStart, ekNumberEnd);
}
constexpr bool IsOperatorKey(TExpressionKey key) {
    return IsKeyInRange(key, ekOperatorStart, ekOperatorEnd);
}
constexpr bool IsSignKey(TExpressionKey key) {
    return key == ekPlus || key == ekMinus;
}
constexpr bool IsFunctionKey(TExpressionKey key) {
    return IsKeyInRange(key, ekSin, ekVariable);
}
constexpr bool IsVariableKey(TExpressionKey key) {
    return IsKeyInRange(key, ekPi, ekVarGTCount);
}
constexpr bool IsFunctionOrVariableKey(TExpressionKey key) {
    return IsFunctionKey(key) || IsVariableKey(key);
}
constexpr bool IsPowerKey(TExpressionKey key) {
    return IsKeyInRange(key, ekPower, ekReciprocal);
}

} // namespace kalvio
