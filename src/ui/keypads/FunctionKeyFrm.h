#pragma once

#include "ui/keypads/FunctionKeyTable.h"
#include "ui/keypads/KeypadFrame.h"

namespace kalvio {

// The scientific keypad: twenty keys whose meaning depends on the SHIFT and hyp latches, each
// key with four layers. A press inserts the key of the layer in force or sends a keypad command;
// the keys are relabelled when the calculator asks (SetButton), not by the latches themselves.
class TFunctionKeyFrame : public TKeypadFrame {
    Q_OBJECT

public:
    explicit TFunctionKeyFrame(QWidget* parent);

    // Number is 1 to 20.
    TExpressionKey GetButtonKind(int number) const { return FLayers.Normal[number - 1]; }
    TExpressionKey GetShiftButtonKind(int number) const { return FLayers.Shift[number - 1]; }
    TExpressionKey GetHypButtonKind(int number) const { return FLayers.Hyp[number - 1]; }
    TExpressionKey GetShiftHypButtonKind(int number) const { return FLayers.ShiftHyp[number - 1]; }
    void SetLayers(const TFunctionKeyLayers& layers) { FLayers = layers; }

    bool IsShiftBtn() const { return FIsShiftBtn; }
    bool IsHypBtn() const { return FIsHypBtn; }
    // The key of the layer in force at `number`.
    TExpressionKey KeyInForce(int number) const;
    // Relabels the twenty keys from the layer in force.
    void SetButton();

signals:
    void KeyPushed(kalvio::TExpressionKey key);
    void CommandKeyPushed(kalvio::TCommandKey key);

private:
    void Press(int number);

    TFunctionKeyLayers FLayers;
    bool FIsShiftBtn = false;
    bool FIsHypBtn = false;
};

} // namespace kalvio
