#include "ui/keypads/FunctionKeyTable.h"

#include <utility>

namespace kalvio {

TFunctionKeyLayers DefaultFunctionKeyLayers() {
    TFunctionKeyLayers layers;
    layers.Normal = {ekShift, ekCalc, ekFactorial, ekLParen,     ekRParen, ekMPlus,  ekMMinus,
                     ekVarM,  ekMC,   ekPower,     ekReciprocal, ekSqrt,   ekSquare, ekLog10,
                     ekLn,    ekHyp,  ekSin,       ekCos,        ekTan,    ekPi};
    layers.Shift = layers.Normal;
    layers.Hyp = layers.Normal;
    layers.ShiftHyp = layers.Normal;

    const auto set = [](auto& layer, int number, TExpressionKey key) { layer[number - 1] = key; };
    set(layers.Shift, 13, ekCube);
    set(layers.Shift, 17, ekArcSin);
    set(layers.Shift, 18, ekArcCos);
    set(layers.Shift, 19, ekArcTan);
    set(layers.Shift, 20, ekPercent);
    set(layers.Hyp, 17, ekSinH);
    set(layers.Hyp, 18, ekCosH);
    set(layers.Hyp, 19, ekTanH);
    set(layers.ShiftHyp, 13, ekCube);
    set(layers.ShiftHyp, 17, ekArcSinH);
    set(layers.ShiftHyp, 18, ekArcCosH);
    set(layers.ShiftHyp, 19, ekArcTanH);
    set(layers.ShiftHyp, 20, ekPercent);
    return layers;
}

TFunctionKeyFace FunctionKeyFace(TExpressionKey key, bool isShiftOn, bool isHypOn) {
    switch (key) {
    case ekShift:
        return {KeyToText(key), isShiftOn ? "InvBtnPushStyle" : "InvBtnStyle"};
    case ekHyp:
        return {KeyToText(key), isHypOn ? "HypBtnStyle" : "KeyBtnStyle"};
    case ekSquare:
        return {u"X", "Power2BtnStyle"};
    case ekCube:
        return {u"X", "Power3BtnStyle"};
    case ekReciprocal:
        return {u"X", "PowerReciprocalBtnStyle"};
    case ekArcSin:
        return {u"sin", "TrigInvBtnStyle"};
    case ekArcCos:
        return {u"cos", "TrigInvBtnStyle"};
    case ekArcTan:
        return {u"tan", "TrigInvBtnStyle"};
    case ekArcSinH:
        return {u"sinh", "TrigInvHypBtnStyle"};
    case ekArcCosH:
        return {u"cosh", "TrigInvHypBtnStyle"};
    case ekArcTanH:
        return {u"tanh", "TrigInvHypBtnStyle"};
    default:
        return {KeyToText(key), "KeyBtnStyle"};
    }
}

} // namespace kalvio
