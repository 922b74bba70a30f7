#pragma once

#include "ui/keypads/StyledButton.h"

#include <QRect>

namespace kalvio {

// A keypad key: a styled button whose place and font are given at design size and follow the
// keypad's zoom (ApplyScale, which also places it first).
class TKeypadButton : public TStyledButton {
    Q_OBJECT

public:
    TKeypadButton(const QString& objectName, QRect designGeometry, int designFontSize,
                  QWidget* parent);

    void ApplyScale(double scale);

private:
    QRect FDesignGeometry;
    int FDesignFontSize;
};

} // namespace kalvio
