#include "calculator/TypedCommand.h"

#include <array>
#include <utility>

namespace kalvio {
namespace {

struct TWholeTextCommand {
    std::u16string_view Text;
    TTypedCommandKind Kind;
};

constexpr std::array<TWholeTextCommand, 15> WholeTextCommands{{
    {u"@", tcNormal},
    {u"@NORM", tcNormal},
    {u"@DMS", tcDms},
    {u"@HEX", tcHex},
    {u"@BIN", tcBin},
    {u"@DEG", tcDeg},
    {u"@RAD", tcRad},
    {u"@GRAD", tcGrad},
    {u"@MCL", tcMemoryClear},
    {u"@M+", tcMemoryPlus},
    {u"@M-", tcMemoryMinus},
    {u"@,", tcGrouping},
    {u"@TOPMOST", tcTopMost},
    {u"@HISCL", tcHistoryClear},
    {u"@VARCL", tcVariableClear},
}};

bool IsDigit(char16_t ch) {
    return ch >= u'0' && ch <= u'9';
}

// A signed decimal integer of the one or two characters after "@ENG".
bool ReadSignedInteger(std::u16string_view text, int& value) {
    bool isNegative = false;
    if (!text.empty() && (text.front() == u'-' || text.front() == u'+')) {
        isNegative = text.front() == u'-';
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return false;
    }
    int magnitude = 0;
    for (const char16_t ch : text) {
        if (!IsDigit(ch)) {
            return false;
        }
        magnitude = magnitude * 10 + (ch - u'0');
    }
    value = isNegative ? -magnitude : magnitude;
    return true;
}

TTypedCommand DigitCommand(TTypedCommandKind kind, std::u16string_view text, int minimum) {
    if (text.size() != 5 || !IsDigit(text[4]) || text[4] - u'0' < minimum) {
        return {};
    }
    return {kind, text[4] - u'0', {}};
}

// "@CALC:" and the texts of seven or more characters that are no whole-text command.
TTypedCommand LongCommand(std::u16string_view text) {
    if (!text.starts_with(u"@CALC:")) {
        return {tcNoEffect, 0, {}};
    }
    std::u16string_view expression = text.substr(6);
    expression = expression.substr(0, expression.find(u':'));
    return {tcCalc, 0, std::u16string(expression)};
}

} // namespace

TTypedCommand ParseTypedCommand(std::u16string_view text) {
    for (const auto& command : WholeTextCommands) {
        if (text == command.Text) {
            return {command.Kind, 0, {}};
        }
    }
    if (text.size() >= 7) {
        return LongCommand(text);
    }
    if (text.size() < 5) {
        return {};
    }
    const std::u16string_view name = text.substr(1, 3);
    if (name == u"FIX") {
        return DigitCommand(tcFix, text, 0);
    }
    if (name == u"SCI") {
        return DigitCommand(tcSci, text, 2);
    }
    int shift = 0;
    if (name == u"ENG" && ReadSignedInteger(text.substr(4), shift)) {
        return {tcEng, shift, {}};
    }
    return {};
}

} // namespace kalvio
