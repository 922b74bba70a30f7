#include "ui/main/PasteText.h"

namespace kalvio {

namespace {

bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

std::u16string_view FirstLine(std::u16string_view text) {
    const auto end = text.find_first_of(u"\r\n");
    return end == std::u16string_view::npos ? text : text.substr(0, end);
}

std::u16string_view TrimBlanks(std::u16string_view text) {
    const auto first = text.find_first_not_of(u" \t");
    if (first == std::u16string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(u" \t");
    return text.substr(first, last - first + 1);
}

// sign? d{1,3} (",ddd")+ ("." d+)? : at least one group, every group exactly three digits.
bool IsGroupedNumber(std::u16string_view text) {
    std::size_t at = 0;
    if (at < text.size() && (text[at] == u'-' || text[at] == u'+')) {
        ++at;
    }
    std::size_t leading = 0;
    while (at < text.size() && IsDigit(text[at])) {
        ++at;
        ++leading;
    }
    if (leading < 1 || leading > 3) {
        return false;
    }
    int groups = 0;
    while (at < text.size() && text[at] == u',') {
        ++at;
        for (int digit = 0; digit < 3; ++digit, ++at) {
            if (at >= text.size() || !IsDigit(text[at])) {
                return false;
            }
        }
        ++groups;
    }
    if (groups == 0) {
        return false;
    }
    if (at < text.size() && text[at] == u'.') {
        ++at;
        const std::size_t decimalsStart = at;
        while (at < text.size() && IsDigit(text[at])) {
            ++at;
        }
        if (at == decimalsStart) {
            return false;
        }
    }
    return at == text.size();
}

} // namespace

std::u16string PastedFieldText(std::u16string_view clipboardText) {
    const std::u16string_view line = FirstLine(clipboardText);
    const std::u16string_view number = TrimBlanks(line);
    if (!IsGroupedNumber(number)) {
        return std::u16string(line);
    }
    std::u16string plain;
    for (const char16_t c : number) {
        if (c != u',') {
            plain.push_back(c);
        }
    }
    return plain;
}

} // namespace kalvio
