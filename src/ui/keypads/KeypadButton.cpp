#include "ui/keypads/KeypadButton.h"

#include <cmath>

namespace kalvio {

TKeypadButton::TKeypadButton(const QString& objectName, QRect designGeometry, int designFontSize,
                             QWidget* parent)
    : TStyledButton(objectName, QStringLiteral("KeyBtnStyle"), parent),
      FDesignGeometry(designGeometry), FDesignFontSize(designFontSize) {}

void TKeypadButton::ApplyScale(double scale) {
    const auto scaled = [scale](int value) { return static_cast<int>(std::lround(value * scale)); };
    setGeometry(scaled(FDesignGeometry.x()), scaled(FDesignGeometry.y()),
                scaled(FDesignGeometry.width()), scaled(FDesignGeometry.height()));
    QFont keyFont = font();
    keyFont.setPixelSize(std::max(1, scaled(FDesignFontSize)));
    setFont(keyFont);
    SetOutlineScale(scale);
}

} // namespace kalvio
