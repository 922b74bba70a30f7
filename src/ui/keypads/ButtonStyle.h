#pragma once

#include <QColor>
#include <QString>

namespace kalvio {

// The look of a named button style: face, pressed face, border and text colours, and the text
// the style draws raised after the caption ("2", "3", "-1" or empty).
struct TButtonStyle {
    QColor Face;
    QColor PressedFace;
    QColor Border;
    QColor Text;
    QString RaisedText;
};

// Our style sheet: every button style of the window by name ("CalcBtnStyle", "CalcBtn2Style",
// "AcBtnStyle", "KeyBtnStyle", "InvBtnStyle", "InvBtnPushStyle", "HypBtnStyle", the power and
// inverse-trig styles, and "TopBarBtnStyle"). An unknown name gives the "KeyBtnStyle" look.
// The buttons paint themselves from it: Qt's style sheets cost more at start than the whole
// window may take.
const TButtonStyle& ButtonStyle(const QString& styleName);

} // namespace kalvio
