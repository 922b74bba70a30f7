#include "ui/keypads/NumericKeyTable.h"

namespace kalvio {

namespace {

constexpr const char* Digit = "CalcBtnStyle";
constexpr const char* Operator = "CalcBtn2Style";
constexpr const char* Clear = "AcBtnStyle";

// The operator keys send the sign keys: they insert the same text as ekAdd / ekSub.
constexpr TNumericKeyEntry Keys[] = {
    {"Digit0Btn", u"0", 4, 1, 1, Digit, 20, npKey, ek0, ckEnter},
    {"Digit1Btn", u"1", 3, 1, 1, Digit, 20, npKey, ek1, ckEnter},
    {"Digit2Btn", u"2", 3, 2, 1, Digit, 20, npKey, ek2, ckEnter},
    {"Digit3Btn", u"3", 3, 3, 1, Digit, 20, npKey, ek3, ckEnter},
    {"Digit4Btn", u"4", 2, 1, 1, Digit, 20, npKey, ek4, ckEnter},
    {"Digit5Btn", u"5", 2, 2, 1, Digit, 20, npKey, ek5, ckEnter},
    {"Digit6Btn", u"6", 2, 3, 1, Digit, 20, npKey, ek6, ckEnter},
    {"Digit7Btn", u"7", 1, 1, 1, Digit, 20, npKey, ek7, ckEnter},
    {"Digit8Btn", u"8", 1, 2, 1, Digit, 20, npKey, ek8, ckEnter},
    {"Digit9Btn", u"9", 1, 3, 1, Digit, 20, npKey, ek9, ckEnter},
    {"DotBtn", u".", 4, 2, 1, Digit, 20, npKey, ekDot, ckEnter},
    {"AnsBtn", u"ANS", 4, 3, 1, Digit, 15, npAns, ekAns, ckEnter},
    {"DelBtn", u"DEL", 1, 4, 1, Clear, 16, npCommand, ekNil, ckDel},
    {"ACBtn", u"AC", 1, 5, 1, Clear, 16, npCommand, ekNil, ckAC},
    {"MultiplyBtn", u"\u00D7", 2, 4, 1, Operator, 22, npOperator, ekMulti, ckEnter},
    {"dividBtn", u"\u00F7", 2, 5, 1, Operator, 22, npOperator, ekDiv, ckEnter},
    {"PlusBtn", u"\uFF0B", 3, 4, 1, Operator, 22, npOperator, ekPlus, ckEnter},
    {"MinusBtn", u"\uFF0D", 3, 5, 1, Operator, 22, npOperator, ekMinus, ckEnter},
    {"EnterBtn", u"\uFF1D", 4, 4, 2, Digit, 28, npCommand, ekNil, ckEnter},
};

} // namespace

std::span<const TNumericKeyEntry> NumericKeyTable() {
    return Keys;
}

} // namespace kalvio
