#include "ui/keypads/ButtonStyle.h"

#include <QHash>

namespace kalvio {

namespace {

struct TStyleRow {
    const char* Name;
    const char* Face;
    const char* PressedFace;
    const char* Border;
    const char* Text;
    const char* RaisedText;
};

// Digits are light, operators a cool tint, clearing keys warm; the function keys are dark, the
// inverse keys of the shift layer carry the shift key's amber, and a lit latch (shift, hyp) takes
// a bright face that stands out from every other key.
constexpr TStyleRow StyleRows[] = {
    {"CalcBtnStyle", "#fbfbfc", "#d9dce2", "#b9bec8", "#1f232b", ""},
    {"CalcBtn2Style", "#e4ecf7", "#c3d1e6", "#a9b8cf", "#1f2d44", ""},
    {"AcBtnStyle", "#e8743b", "#c85d28", "#c4602f", "#ffffff", ""},
    {"KeyBtnStyle", "#3d4450", "#2a2f37", "#2b3039", "#f3f5f8", ""},
    {"Power2BtnStyle", "#3d4450", "#2a2f37", "#2b3039", "#f3f5f8", "2"},
    {"Power3BtnStyle", "#3d4450", "#2a2f37", "#2b3039", "#f3f5f8", "3"},
    {"PowerReciprocalBtnStyle", "#3d4450", "#2a2f37", "#2b3039", "#f3f5f8", "-1"},
    {"TrigInvBtnStyle", "#3d4450", "#2a2f37", "#2b3039", "#ffc457", "-1"},
    {"TrigInvHypBtnStyle", "#3d4450", "#2a2f37", "#2b3039", "#7fe3d4", "-1"},
    {"InvBtnStyle", "#3d4450", "#2a2f37", "#2b3039", "#ffc457", ""},
    {"InvBtnPushStyle", "#ffb627", "#e09a10", "#c98a0c", "#1f232b", ""},
    {"HypBtnStyle", "#2fc2ad", "#22a393", "#1f9284", "#10211f", ""},
    {"TopBarBtnStyle", "#f7f8fa", "#d9dce2", "#b9bec8", "#1f232b", ""},
};

QHash<QString, TButtonStyle> BuildStyleBook() {
    QHash<QString, TButtonStyle> book;
    for (const TStyleRow& row : StyleRows) {
        book.insert(QString::fromLatin1(row.Name),
                    TButtonStyle{QColor(QLatin1String(row.Face)),
                                 QColor(QLatin1String(row.PressedFace)),
                                 QColor(QLatin1String(row.Border)), QColor(QLatin1String(row.Text)),
                                 QString::fromLatin1(row.RaisedText)});
    }
    return book;
}

} // namespace

const TButtonStyle& ButtonStyle(const QString& styleName) {
    static const QHash<QString, TButtonStyle> Book = BuildStyleBook();
    const auto found = Book.constFind(styleName);
    return found != Book.constEnd() ? *found : *Book.constFind(QStringLiteral("KeyBtnStyle"));
}

} // namespace kalvio
