#include "ui/keypads/KeypadStyle.h"

#include <QStringList>
#include <cmath>

namespace kalvio {

namespace {

struct TStyleLook {
    const char* Name;
    const char* Background;
    const char* PressedBackground;
    const char* Border;
    const char* Text;
};

// Digits are light, operators a cool tint, clearing keys warm; the function keys are dark, and a
// lit latch (shift, hyp) takes a bright colour that stands out from every other key.
constexpr TStyleLook StyleLooks[] = {
    {"CalcBtnStyle", "#fbfbfc", "#d9dce2", "#b9bec8", "#1f232b"},
    {"CalcBtn2Style", "#e4ecf7", "#c3d1e6", "#a9b8cf", "#1f2d44"},
    {"AcBtnStyle", "#e8743b", "#c85d28", "#c4602f", "#ffffff"},
    {"KeyBtnStyle", "#3d4450", "#2a2f37", "#2b3039", "#f3f5f8"},
    {"Power2BtnStyle", "#3d4450", "#2a2f37", "#2b3039", "#f3f5f8"},
    {"Power3BtnStyle", "#3d4450", "#2a2f37", "#2b3039", "#f3f5f8"},
    {"PowerReciprocalBtnStyle", "#3d4450", "#2a2f37", "#2b3039", "#f3f5f8"},
    {"TrigInvBtnStyle", "#3d4450", "#2a2f37", "#2b3039", "#ffc457"},
    {"TrigInvHypBtnStyle", "#3d4450", "#2a2f37", "#2b3039", "#7fe3d4"},
    {"InvBtnStyle", "#3d4450", "#2a2f37", "#2b3039", "#ffc457"},
    {"InvBtnPushStyle", "#ffb627", "#e09a10", "#c98a0c", "#1f232b"},
    {"HypBtnStyle", "#2fc2ad", "#22a393", "#1f9284", "#10211f"},
};

QString Rule(const TStyleLook& look, int radius, int border) {
    const QString selector = QStringLiteral("QPushButton[styleName=\"%1\"]").arg(look.Name);
    return QStringLiteral("%1 { background-color: %2; color: %3; border: %4px solid %5; "
                          "border-radius: %6px; padding: 0px; }\n"
                          "%1:pressed { background-color: %7; }\n")
        .arg(selector, look.Background, look.Text)
        .arg(border)
        .arg(look.Border)
        .arg(radius)
        .arg(look.PressedBackground);
}

} // namespace

QString KeypadStyleSheet(double scale) {
    const int radius = std::max(3, static_cast<int>(std::lround(3 * scale)));
    const int border = std::max(1, static_cast<int>(std::lround(scale)));
    QStringList rules;
    for (const TStyleLook& look : StyleLooks) {
        rules << Rule(look, radius, border);
    }
    return rules.join(QString());
}

QString RaisedTextOfStyle(const QString& styleName) {
    if (styleName == QLatin1String("Power2BtnStyle")) {
        return QStringLiteral("2");
    }
    if (styleName == QLatin1String("Power3BtnStyle")) {
        return QStringLiteral("3");
    }
    if (styleName == QLatin1String("PowerReciprocalBtnStyle") ||
        styleName == QLatin1String("TrigInvBtnStyle") ||
        styleName == QLatin1String("TrigInvHypBtnStyle")) {
        return QStringLiteral("-1");
    }
    return QString();
}

} // namespace kalvio
