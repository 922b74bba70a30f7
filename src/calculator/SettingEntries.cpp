#include "calculator/SettingEntries.h"

#include <limits>

namespace kalvio {
namespace {

constexpr std::int64_t IntegerLimit = std::numeric_limits<std::int32_t>::max();

std::optional<int> DigitValue(char16_t ch, int base) {
    int value = base;
    if (ch >= u'0' && ch <= u'9') {
        value = ch - u'0';
    } else if (ch >= u'a' && ch <= u'f') {
        value = ch - u'a' + 10;
    } else if (ch >= u'A' && ch <= u'F') {
        value = ch - u'A' + 10;
    }
    if (value >= base) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::u16string> DigitsMessage(const std::u16string& Text, int Highest,
                                            const std::u16string& RangeMessage) {
    const std::optional<std::int32_t> digits = StrToInt(Text);
    if (!digits) {
        return u"表示桁数が正しくありません";
    }
    if (*digits < 2 || *digits > Highest) {
        return RangeMessage;
    }
    return std::nullopt;
}

} // namespace

std::optional<std::int32_t> StrToInt(std::u16string_view Text) {
    while (!Text.empty() && Text.front() == u' ') {
        Text.remove_prefix(1);
    }
    bool isNegative = false;
    if (!Text.empty() && (Text.front() == u'+' || Text.front() == u'-')) {
        isNegative = Text.front() == u'-';
        Text.remove_prefix(1);
    }
    int base = 10;
    if (!Text.empty() && Text.front() == u'$') {
        base = 16;
        Text.remove_prefix(1);
    }
    if (Text.empty()) {
        return std::nullopt;
    }
    std::int64_t magnitude = 0;
    for (const char16_t ch : Text) {
        const std::optional<int> digit = DigitValue(ch, base);
        if (!digit) {
            return std::nullopt;
        }
        magnitude = magnitude * base + *digit;
        if (magnitude > IntegerLimit + 1) {
            return std::nullopt;
        }
    }
    const std::int64_t value = isNegative ? -magnitude : magnitude;
    if (value > IntegerLimit || value < -IntegerLimit - 1) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

std::vector<std::u16string> CheckSettingEntries(const TSettingEntries& Entries) {
    std::vector<std::u16string> messages;
    // A negative count would leave the history trimming nothing sensible to keep.
    const std::optional<std::int32_t> historyCount = StrToInt(Entries.HistoryCount);
    if (!historyCount || *historyCount < 0) {
        messages.emplace_back(u"計算式履歴数が正しくありません");
    }
    if (auto message =
            DigitsMessage(Entries.SignificantDigits, 15, u"表示桁数は15桁以下にしてください")) {
        messages.push_back(*message);
    }
    if (auto message =
            DigitsMessage(Entries.BcdSignificantDigits, 30, u"表示桁数は30桁以下にしてください")) {
        messages.push_back(*message);
    }
    return messages;
}

} // namespace kalvio
