#include "ui/main/MainActions.h"

namespace kalvio {

namespace {

constexpr TActionEntry Actions[] = {
    {"MAction", u"M", "", false, 0},
    {"MPlusAction", u"M+", "Ctrl+M", false, 0},
    {"MMinusAction", u"M-", "Shift+Ctrl+M", false, 0},
    {"MCLAction", u"MC", "Shift+Ctrl+Alt+M", false, 0},
    {"DegAction", u"Deg", "", false, 0},
    {"RadAction", u"Rad", "", false, 0},
    {"GradAction", u"Grad", "", false, 0},
    {"NormalAction", u"Norm", "", false, 0},
    {"Fix0Action", u"0", "", false, 0},
    {"Fix1Action", u"1", "", false, 1},
    {"Fix2Action", u"2", "", false, 2},
    {"Fix3Action", u"3", "", false, 3},
    {"Fix4Action", u"4", "", false, 4},
    {"Fix5Action", u"5", "", false, 5},
    {"Fix6Action", u"6", "", false, 6},
    {"Fix7Action", u"7", "", false, 7},
    {"Fix8Action", u"8", "", false, 8},
    {"Fix9Action", u"9", "", false, 9},
    {"Sci2Action", u"2", "", false, 2},
    {"Sci3Action", u"3", "", false, 3},
    {"Sci4Action", u"4", "", false, 4},
    {"Sci5Action", u"5", "", false, 5},
    {"Sci6Action", u"6", "", false, 6},
    {"Sci7Action", u"7", "", false, 7},
    {"Sci8Action", u"8", "", false, 8},
    {"Sci9Action", u"9", "", false, 9},
    {"DigitGroupingSeparatorAction", u"\u6841\u533A\u5207\u308A", "", true, 0},
    {"BigDecimalAction", u"\u591A\u500D\u9577\u30E2\u30FC\u30C9", "Shift+Ctrl+F11", true, 0},
    {"CopyAction", u"Copy", "Shift+Ctrl+C", false, 0},
    {"TopMostAction", u"\u6700\u524D\u9762\u306B\u8868\u793A", "", true, 0},
    {"FunctinPanelKeyAction", u"\u95A2\u6570\u30D1\u30CD\u30EB\u8868\u793A", "F5", true, 0},
    {"NumberPanelKeyAction", u"\u6570\u5B57\u30D1\u30CD\u30EB\u8868\u793A", "F6", true, 0},
    {"HistoryListFormAction", u"\u5C65\u6B74\u30A6\u30A4\u30F3\u30C9\u30A6", "F9", true, 0},
    {"VariablePanelAction", u"\u5909\u6570\u30A6\u30A4\u30F3\u30C9\u30A6", "F10", true, 0},
    {"ExpressionRecordFormAction", u"\u5F0F\u30A6\u30A4\u30F3\u30C9\u30A6", "F11", true, 0},
    {"AddExpressionRecordAction", u"\u5F0F\u767B\u9332", "Ctrl+S", false, 0},
    {"PhysicalConstantsAction", u"\u5B9A\u6570\u767B\u9332", "", false, 0},
    {"ZoomInWindowAction", u"\u62E1\u5927", "Ctrl+Up", false, 0},
    {"ZoomOutWindowAction", u"\u7E2E\u5C0F", "Ctrl+Down", false, 0},
    {"ZoomOriginalWindowAction", u"\u5143\u30B5\u30A4\u30BA", "Ctrl+0", false, 0},
    {"HomePageAction", u"Kalvio \u30DB\u30FC\u30E0\u30DA\u30FC\u30B8(&H)", "", false, 0},
    {"AboutAction", u"\u30D0\u30FC\u30B8\u30E7\u30F3\u60C5\u5831", "", false, 0},
    {"SettingAction", u"\u8A2D\u5B9A", "Shift+Ctrl+F12", false, 0},
    {"WindowPosBottomAction", u"\u80CC\u9762\u306B\u79FB\u52D5", "Ctrl+B", false, 0},
};

// BigDecimalAction stands in the menu but its entry is hidden; its shortcut works.
constexpr const char* MainMenu[] = {
    "TopMostAction",
    "FunctinPanelKeyAction",
    "NumberPanelKeyAction",
    nullptr,
    "HistoryListFormAction",
    "VariablePanelAction",
    "ExpressionRecordFormAction",
    nullptr,
    "AddExpressionRecordAction",
    "PhysicalConstantsAction",
    "BigDecimalAction",
    nullptr,
    "ZoomInWindowAction",
    "ZoomOutWindowAction",
    "ZoomOriginalWindowAction",
    nullptr,
    "HomePageAction",
    nullptr,
    "AboutAction",
};

} // namespace

std::span<const TActionEntry> MainActionTable() {
    return Actions;
}

std::span<const char* const> MainMenuLayout() {
    return MainMenu;
}

} // namespace kalvio
