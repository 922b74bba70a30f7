#include "ui/keypads/NumericKeyFrm.h"

#include "ui/keypads/NumericKeyTable.h"

namespace kalvio {

TNumericKeyFrame::TNumericKeyFrame(QWidget* parent) : TKeypadFrame(parent) {
    setObjectName(QStringLiteral("NumericKeyFrame"));
    for (const TNumericKeySpec& spec : NumericKeyTable()) {
        TKeypadButton* button = AddButton(QString::fromLatin1(spec.Name), spec.Row, spec.Column,
                                          spec.ColumnSpan, spec.FontSize);
        button->SetStyleName(QString::fromLatin1(spec.StyleName));
        connect(button, &QPushButton::clicked, this, [this, &spec] { Press(spec); });
    }
}

void TNumericKeyFrame::SetButton() {
    for (const TNumericKeySpec& spec : NumericKeyTable()) {
        if (TKeypadButton* button = FindButton(QString::fromLatin1(spec.Name))) {
            button->setText(QString::fromUtf16(spec.Caption));
        }
    }
}

void TNumericKeyFrame::Press(const TNumericKeySpec& spec) {
    switch (spec.Press) {
    case npKey:
        emit KeyPushed(spec.Key);
        break;
    case npOperator:
        emit OperatorKeyPushed(spec.Key);
        break;
    case npCommand:
        emit CommandKeyPushed(spec.Command);
        break;
    case npAns:
        emit KeyPushed(FIsPushShiftBtn ? ekPreAns : ekAns);
        break;
    }
}

} // namespace kalvio
