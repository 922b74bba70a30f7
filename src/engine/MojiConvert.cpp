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

std::u16string NormalizeOperatorChars(std::u16string text) {
    for (char16_t& ch : text) {
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
    return text;
}

std::u16string ToHalfWidthUpper(std::u16string_view text) {
    // Sized for the common case of one unit per unit; only a voiced kana grows the text.
    std::u16string result(text.size(), u'\0');
    std::size_t out = 0;
    for (char16_t ch : text) {
        if (ch < 0x80) {
            result[out++] = ToUpperAscii(ch);
        } else if (ch >= FullWidthAsciiFirst && ch <= FullWidthAsciiLast) {
            result[out++] = ToUpperAscii(static_cast<char16_t>(ch - FullWidthAsciiOffset));
        } else if (ch == IdeographicSpace) {
            result[out++] = u' ';
        } else if (const THalfWidthKana* kana = FindHalfWidthKana(ch)) {
            result[out++] = kana->Half;
            if (kana->Mark != 0) {
                result.resize(result.size() + 1);
                result[out++] = kana->Mark;
            }
        } else {
            result[out++] = ch;
        }
    }
    return result;
}

} // namespace kalvio
