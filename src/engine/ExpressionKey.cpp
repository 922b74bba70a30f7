#include "engine/ExpressionKey.h"

#include <array>

namespace kalvio {

namespace {

constexpr std::array<std::u16string_view, ekExressionKeyEnd + 1> MakeKeyTexts() {
    std::array<std::u16string_view, ekExressionKeyEnd + 1> texts{};
    for (auto& text : texts) {
        text = u"";
    }
    texts[ekShift] = u"SHIFT";
    texts[ekCalc] = u"CALC";
    texts[ekHyp] = u"hyp";
    texts[ekMPlus] = u"M+";
    texts[ekMMinus] = u"M-";
    texts[ekMC] = u"MC";
    texts[ekPlus] = u"+";
    texts[ekMinus] = u"-";
    texts[ekEnter] = u"=";
    texts[ekQuestion] = u"?";
    texts[ekStoA] = u" \u2192 A";
    texts[ekStoB] = u" \u2192 B";
    texts[ekStoC] = u" \u2192 C";
    texts[ekStoD] = u" \u2192 D";
    texts[ekStoE] = u" \u2192 E";
    texts[ekStoF] = u" \u2192 F";
    texts[ekStoM] = u" \u2192 M";
    texts[ekStoX] = u" \u2192 X";
    texts[ekStoY] = u" \u2192 Y";
    texts[ekStoUserConst1] = u" \u2192 k1";
    texts[ekStoUserConst2] = u" \u2192 k2";
    texts[ekStoUserConst3] = u" \u2192 k3";
    texts[ekStoUserConst4] = u" \u2192 k4";
    texts[ekRParen] = u")";
    texts[ekComma] = u",";
    texts[ekPowerRoot] = u"\u221A";
    texts[ekFactorial] = u"!";
    texts[ekPercent] = u"%";
    texts[ekDms] = u"\u00B0";
    texts[ekPol] = u"Pol(";
    texts[ekRec] = u"Rec(";
    texts[ekPower] = u"^";
    texts[ekSquare] = u"\u00B2";
    texts[ekCube] = u"\u00B3";
    texts[ekReciprocal] = u"^(-1)";
    texts[ekAdd] = u"+";
    texts[ekSub] = u"-";
    texts[ekMulti] = u"\u00D7";
    texts[ekDiv] = u"\u00F7";
    texts[ekQuotient] = u"DIV";
    texts[ekMod] = u"MOD";
    texts[ek0] = u"0";
    texts[ek1] = u"1";
    texts[ek2] = u"2";
    texts[ek3] = u"3";
    texts[ek4] = u"4";
    texts[ek5] = u"5";
    texts[ek6] = u"6";
    texts[ek7] = u"7";
    texts[ek8] = u"8";
    texts[ek9] = u"9";
    texts[ekDot] = u".";
    texts[ekE] = u"E";
    texts[ekHexA] = u"A";
    texts[ekHexB] = u"B";
    texts[ekHexC] = u"C";
    texts[ekHexD] = u"D";
    texts[ekHexE] = u"E";
    texts[ekHexF] = u"F";
    texts[ekLParen] = u"(";
    texts[ekSin] = u"sin";
    texts[ekCos] = u"cos";
    texts[ekTan] = u"tan";
    texts[ekArcSin] = u"arcsin";
    texts[ekArcCos] = u"arccos";
    texts[ekArcTan] = u"arctan";
    texts[ekSinH] = u"sinh";
    texts[ekCosH] = u"cosh";
    texts[ekTanH] = u"tanh";
    texts[ekArcSinH] = u"arcsinh";
    texts[ekArcCosH] = u"arccosh";
    texts[ekArcTanH] = u"arctanh";
    texts[ekSqrt] = u"\u221A";
    texts[ekLog10] = u"log";
    texts[ekLn] = u"ln";
    texts[ekLogE] = u"loge";
    texts[ekLogN] = u"log";
    texts[ekLog2] = u"log2";
    texts[ekLogXY] = u"logxy";
    texts[ekExp10] = u"10";
    texts[ekExp] = u"e";
    texts[ekAbs] = u"abs";
    texts[ekInt] = u"int";
    texts[ekFrac] = u"frac";
    texts[ekCeil] = u"ceil";
    texts[ekFloor] = u"floor";
    texts[ekRoundOff] = u"roundoff";
    texts[ekHex] = u"hex";
    texts[ekBin] = u"bin";
    texts[ekPi] = u"\u03C0";
    texts[ekAns] = u"Ans";
    texts[ekPreAns] = u"PreAns";
    texts[ekVarM] = u"M";
    texts[ekVarX] = u"X";
    texts[ekVarY] = u"Y";
    texts[ekVarGT] = u"GT";
    texts[ekVarMCount] = u"MCount";
    texts[ekVarGTCount] = u"GTCount";
    return texts;
}

constexpr auto kKeyTexts = MakeKeyTexts();

} // namespace

std::u16string_view KeyTextView(TExpressionKey key) {
    if (key > ekExressionKeyEnd) {
        return {};
    }
    return kKeyTexts[key];
}

std::u16string KeyToText(TExpressionKey key) {
    return std::u16string(KeyTextView(key));
}

} // namespace kalvio
