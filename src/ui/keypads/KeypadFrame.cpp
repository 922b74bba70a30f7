#include "ui/keypads/KeypadFrame.h"

#include <cmath>

namespace kalvio {

namespace {

constexpr int CellLeft = 8;
constexpr int CellTop = 8;
constexpr int CellStepX = 64;
constexpr int CellStepY = 40;
constexpr int KeyWidth = 57;
constexpr int KeyHeight = 33;

} // namespace

TKeypadFrame::TKeypadFrame(QWidget* parent) : QWidget(parent) {
    SetScale(1.0);
}

TKeypadButton* TKeypadFrame::AddButton(const QString& objectName, int row, int column,
                                       int columnSpan, int fontSize) {
    const QRect cell(CellLeft + (column - 1) * CellStepX, CellTop + (row - 1) * CellStepY,
                     KeyWidth + (columnSpan - 1) * CellStepX, KeyHeight);
    auto* button = new TKeypadButton(objectName, cell, fontSize, this);
    button->ApplyScale(FScale);
    FButtons.push_back(button);
    return button;
}

void TKeypadFrame::SetScale(double scale) {
    if (scale == FScale && !FButtons.empty()) {
        return;
    }
    FScale = scale;
    setFixedSize(static_cast<int>(std::lrint(DesignWidth * scale)),
                 static_cast<int>(std::lrint(DesignHeight * scale)));
    for (TKeypadButton* button : FButtons) {
        button->ApplyScale(scale);
    }
}

TKeypadButton* TKeypadFrame::FindButton(const QString& objectName) const {
    for (TKeypadButton* button : FButtons) {
        if (button->objectName() == objectName) {
            return button;
        }
    }
    return nullptr;
}

} // namespace kalvio
