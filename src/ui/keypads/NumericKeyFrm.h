#pragma once

#include "engine/ExpressionKey.h"
#include "ui/keypads/KeypadFrame.h"

namespace kalvio {

struct TNumericKeyEntry;

// The numeric keypad: digits, point, ANS, DEL, AC, the four operators and "＝", built from its
// key table. A press becomes one signal to the calculator; the only state kept is the shift
// latch, which turns ANS into PreAns.
class TNumericKeyFrame : public TKeypadFrame {
    Q_OBJECT

public:
    explicit TNumericKeyFrame(QWidget* parent);

    void SetIsPushShiftBtn(bool isPushShiftBtn) { FIsPushShiftBtn = isPushShiftBtn; }
    bool IsPushShiftBtn() const { return FIsPushShiftBtn; }
    // Sets the captions of the table.
    void SetButton();

signals:
    void KeyPushed(kalvio::TExpressionKey key);
    void OperatorKeyPushed(kalvio::TExpressionKey key);
    void CommandKeyPushed(kalvio::TCommandKey key);

private:
    void Press(const TNumericKeyEntry& entry);

    bool FIsPushShiftBtn = false;
};

} // namespace kalvio
