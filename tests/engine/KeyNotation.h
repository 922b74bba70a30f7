#pragma once

#include "engine/ExpressionKey.h"

#include <map>
#include <sstream>
#include <stdexcept>
#include <string>

namespace kalvio::testing {

// Key lists written as space-separated tokens, for tests that need keys no text produces:
// "<->" and "<+>" are the signs, "@1" and "@2" the priority multiplications, "deg" the
// sexagesimal separator, "root" the root operator; a run of digits gives one key per digit.
inline TExpressionKeyList Keys(const std::string& notation) {
    static const std::map<std::string, TExpressionKey> named = {
        {"+", ekAdd},
        {"-", ekSub},
        {"<+>", ekPlus},
        {"<->", ekMinus},
        {"*", ekMulti},
        {"/", ekDiv},
        {"DIV", ekQuotient},
        {"MOD", ekMod},
        {"@1", ekMultiPriority1},
        {"@2", ekMultiPriority2},
        {"^", ekPower},
        {"sq", ekSquare},
        {"cu", ekCube},
        {"^-1", ekReciprocal},
        {"!", ekFactorial},
        {"%", ekPercent},
        {"(", ekLParen},
        {")", ekRParen},
        {",", ekComma},
        {"deg", ekDms},
        {"root", ekPowerRoot},
        {"END", ekEnd},
        {"E", ekE},
        {"A", ekHexA},
        {"B", ekHexB},
        {"C", ekHexC},
        {"D", ekHexD},
        {"hexE", ekHexE},
        {"F", ekHexF},
        {"sin", ekSin},
        {"cos", ekCos},
        {"tan", ekTan},
        {"sqrt", ekSqrt},
        {"logxy", ekLogXY},
        {"logn", ekLogN},
        {"roundoff", ekRoundOff},
        {"hex", ekHex},
        {"bin", ekBin},
        {"var", ekVariable},
        {"pi", ekPi},
        {"ans", ekAns},
        {"preans", ekPreAns},
        {"M", ekVarM},
        {"X", ekVarX},
        {"Y", ekVarY},
        {"GT", ekVarGT},
        {"MCOUNT", ekVarMCount},
        {"GTCOUNT", ekVarGTCount},
        {"Pol", ekPol},
        {"Rec", ekRec},
        {"?", ekQuestion},
        {"StoA", ekStoA},
    };
    TExpressionKeyList keys;
    std::istringstream tokens(notation);
    std::string token;
    while (tokens >> token) {
        if (auto found = named.find(token); found != named.end()) {
            keys.push_back(found->second);
            continue;
        }
        for (char ch : token) {
            if (ch >= '0' && ch <= '9') {
                keys.push_back(static_cast<TExpressionKey>(ek0 + (ch - '0')));
            } else if (ch == '.') {
                keys.push_back(ekDot);
            } else {
                throw std::invalid_argument("unknown key notation: " + token);
            }
        }
    }
    return keys;
}

} // namespace kalvio::testing
