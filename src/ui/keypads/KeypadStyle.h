#pragma once

#include <QString>

namespace kalvio {

// The look of every keypad button, as one style sheet whose rules are keyed by the button's style
// name ("CalcBtnStyle", "KeyBtnStyle", ...). `scale` is the zoom factor: corner radii and borders
// grow with the keys.
QString KeypadStyleSheet(double scale = 1.0);

// The text a style draws raised after the caption ("2", "3", "-1"), empty for the other styles.
QString RaisedTextOfStyle(const QString& styleName);

} // namespace kalvio
