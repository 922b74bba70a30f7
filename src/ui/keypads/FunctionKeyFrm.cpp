#include "ui/keypads/FunctionKeyFrm.h"

namespace kalvio {

namespace {

constexpr int FunctionKeyFontSize = 16;
constexpr int ColumnCount = 5;

QString ButtonName(int number) {
    return QStringLiteral("Button%1").arg(number);
}

} // namespace

TFunctionKeyFrame::TFunctionKeyFrame(QWidget* parent) : TKeypadFrame(parent) {
    setObjectName(QStringLiteral("FunctionKeyFrame"));
    for (int number = 1; number <= FunctionKeyCount; ++number) {
        TKeypadButton* button = AddButton(ButtonName(number), (number - 1) / ColumnCount + 1,
                                          (number - 1) % ColumnCount + 1, 1, FunctionKeyFontSize);
        button->SetStyleName(QStringLiteral("KeyBtnStyle"));
        connect(button, &QPushButton::clicked, this, [this, number] { Press(number); });
    }
}

TExpressionKey TFunctionKeyFrame::KeyInForce(int number) const {
    if (FIsShiftBtn) {
        return FIsHypBtn ? GetShiftHypButtonKind(number) : GetShiftButtonKind(number);
    }
    return FIsHypBtn ? GetHypButtonKind(number) : GetButtonKind(number);
}

void TFunctionKeyFrame::SetButton() {
    for (int number = 1; number <= FunctionKeyCount; ++number) {
        TKeypadButton* button = FindButton(ButtonName(number));
        if (button == nullptr) {
            continue;
        }
        const TFunctionKeyFace face = FunctionKeyFace(KeyInForce(number), FIsShiftBtn, FIsHypBtn);
        button->setText(QString::fromStdU16String(face.Caption));
        button->SetStyleName(QString::fromLatin1(face.StyleName));
    }
}

void TFunctionKeyFrame::Press(int number) {
    const TExpressionKey key = KeyInForce(number);
    switch (key) {
    case ekShift: {
        const bool wasOn = FIsShiftBtn;
        FIsShiftBtn = !FIsShiftBtn;
        emit CommandKeyPushed(wasOn ? ckShiftOff : ckShiftOn);
        break;
    }
    case ekCalc:
        emit CommandKeyPushed(ckCalc);
        break;
    case ekHyp:
        FIsHypBtn = !FIsHypBtn;
        emit CommandKeyPushed(ckHyp);
        break;
    case ekMPlus:
        emit CommandKeyPushed(ckMPlus);
        break;
    case ekMMinus:
        emit CommandKeyPushed(ckMMinus);
        break;
    case ekMC:
        emit CommandKeyPushed(ckMC);
        break;
    default:
        emit KeyPushed(key);
        break;
    }
}

} // namespace kalvio
