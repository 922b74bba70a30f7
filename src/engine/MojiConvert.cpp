#include "engine/MojiConvert.h"

#include <algorithm>

namespace kalvio {
namespace {

struct THalfWidthKana {
    char16_t Full;
    char16_t Half;
    char16_t Mark; // the separated sound mark of a voiced kana, 0 if none
};

constexpr THalfWidthKana HalfWidthKanaTable[] = {
#include "engine/HalfWidthKanaTable.inc"
};

constexpr char16_t FullWidthAsciiFirst = u'\uFF01';
constexpr char16_t FullWidthAsciiLast = u'\uFF5E';
constexpr char16_t FullWidthAsciiOffset = 0xFEE0;
constexpr char16_t IdeographicSpace = u'\u3000';

const THalfWidthKana* FindHalfWidthKana(char16_t ch) {
    if (ch < HalfWidthKanaTable[0].Full || ch > std::end(HalfWidthKanaTable)[-1].Full) {
        return nullptr;
    }
    const auto* found =
        std::lower_bound(std::begin(HalfWidthKanaTable), std::end(HalfWidthKanaTable), ch,
                         [](const THalfWidthKana& entry, char16_t c) { return entry.Full < c; });
    return (found != std::end(HalfWidthKanaTable) && found->Full == ch) ? found : nullptr;
}

char16_t ToUpperAscii(char16_t ch) {
    return (ch >= u'a' && ch <= u'z') ? static_cast<char16_t>(ch - u'a' + u'A') : ch;
}

} // namespace

std::u16string NormalizeOperatorChars(std::u16string_view text) {
    std::u16string result(text);
    for (char16_t& ch : result) {
        switch (ch) {
        case u'\u00D7': // multiplication sign
            ch = u'*';
            break;
        case u'\u00F7': // division sign
            ch = u'/';
            break;
        case u'\u30FC': // katakana prolonged sound mark
        case u'\uFF70': // its half-width form
        case u'\u2015': // horizontal bar
            ch = u'-';
            break;
        default:
            break;
        }
    }
    return result;
}

std::u16string ToHalfWidthUpper(std::u16string_view text) {
    std::u16string result;
    result.reserve(text.size());
    for (char16_t ch : text) {
        if (ch < 0x80) {
            result.push_back(ToUpperAscii(ch));
        } else if (ch >= FullWidthAsciiFirst && ch <= FullWidthAsciiLast) {
            result.push_back(ToUpperAscii(static_cast<char16_t>(ch - FullWidthAsciiOffset)));
        } else if (ch == IdeographicSpace) {
            result.push_back(u' ');
        } else if (const THalfWidthKana* kana = FindHalfWidthKana(ch)) {
            result.push_back(kana->Half);
            if (kana->Mark != 0) {
                result.push_back(kana->Mark);
            }
        } else {
            result.push_back(ch);
        }
    }
    return result;
}

} // namespace kalvio
