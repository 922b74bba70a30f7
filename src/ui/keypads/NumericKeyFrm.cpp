#include "ui/keypads/NumericKeyFrm.h"

#include "ui/keypads/NumericKeyTable.h"

namespace kalvio {

TNumericKeyFrame::TNumericKeyFrame(QWidget* parent) : TKeypadFrame(parent) {
    setObjectName(QStringLiteral("NumericKeyFrame"));
    for (const TNumericKeyEntry& entry : NumericKeyTable()) {
        TKeypadButton* button = AddButton(QString::fromLatin1(entry.Name), entry.Row, entry.Column,
                                          entry.ColumnSpan, entry.FontSize);
        button->SetStyleName(QString::fromLatin1(entry.StyleName));
        connect(button, &QPushButton::clicked, this, [this, &entry] { Press(entry); });
    }
}

void TNumericKeyFrame::SetButton() {
    for (const TNumericKeyEntry& entry : NumericKeyTable()) {
        if (TKeypadButton* button = FindButton(QString::fromLatin1(entry.Name))) {
            button->setText(QString::fromUtf16(entry.Caption));
        }
    }
}

void TNumericKeyFrame::Press(const TNumericKeyEntry& entry) {
    switch (entry.Press) {
    case npKey:
        emit KeyPushed(entry.Key);
        break;
    case npOperator:
        emit OperatorKeyPushed(entry.Key);
        break;
    case npCommand:
        emit CommandKeyPushed(entry.Command);
        break;
    case npAns:
        emit KeyPushed(FIsPushShiftBtn ? ekPreAns : ekAns);
        break;
    }
}

} // namespace kalvio
