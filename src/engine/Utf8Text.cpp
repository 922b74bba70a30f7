#include "engine/Utf8Text.h"

#include <cstdint>

namespace kalvio {
namespace {

constexpr char32_t ReplacementCharacter = 0xFFFD;

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Decodes one code point at `index` and advances past it; malformed sequences (overlong forms,
// surrogates, truncation) give U+FFFD and consume one byte.
char32_t DecodeUtf8(std::string_view text, std::size_t& index) {
    const auto lead = static_cast<unsigned char>(text[index]);
    if (lead < 0x80) {
        ++index;
        return lead;
    }
    int length = 0;
    char32_t codePoint = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        codePoint = lead & 0x1F;
        minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        codePoint = lead & 0x0F;
        minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        codePoint = lead & 0x07;
        minimum = 0x10000;
    } else {
        ++index;
        return ReplacementCharacter;
    }
    if (index + static_cast<std::size_t>(length) > text.size()) {
        ++index;
        return ReplacementCharacter;
    }
    for (int i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[index + static_cast<std::size_t>(i)]);
        if (!IsContinuation(byte)) {
            ++index;
            return ReplacementCharacter;
        }
        codePoint = (codePoint << 6) | (byte & 0x3F);
    }
    if (codePoint < minimum || codePoint > 0x10FFFF ||
        (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
        ++index;
        return ReplacementCharacter;
    }
    index += static_cast<std::size_t>(length);
    return codePoint;
}

void AppendCodePoint(std::string& out, char32_t codePoint) {
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (codePoint >> 18));
        out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

} // namespace

bool AppendUtf16(std::u16string& out, std::string_view text) {
    bool isValid = true;
    const std::size_t start = out.size();
    // Never longer than the UTF-8 text: a four-byte sequence gives two units.
    out.resize(start + text.size());
    std::size_t length = start;
    std::size_t index = 0;
    while (index < text.size()) {
        const auto byte = static_cast<unsigned char>(text[index]);
        if (byte < 0x80) {
            out[length++] = byte;
            ++index;
            continue;
        }
        const std::size_t sequenceStart = index;
        const char32_t codePoint = DecodeUtf8(text, index);
        isValid = isValid && !(codePoint == ReplacementCharacter && index == sequenceStart + 1);
        if (codePoint < 0x10000) {
            out[length++] = static_cast<char16_t>(codePoint);
        } else {
            const char32_t offset = codePoint - 0x10000;
            out[length++] = static_cast<char16_t>(0xD800 + (offset >> 10));
            out[length++] = static_cast<char16_t>(0xDC00 + (offset & 0x3FF));
        }
    }
    out.resize(length);
    return isValid;
}

std::u16string Utf8ToUtf16(std::string_view text) {
    std::u16string result;
    AppendUtf16(result, text);
    return result;
}

void AppendUtf8(std::string& out, std::u16string_view text) {
    out.reserve(out.size() + text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (unit < 0x80) {
            out += static_cast<char>(unit);
            continue;
        }
        const bool isHigh = unit >= 0xD800 && unit <= 0xDBFF;
        const bool isLow = unit >= 0xDC00 && unit <= 0xDFFF;
        if (isHigh && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            const char32_t codePoint =
                0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            AppendCodePoint(out, codePoint);
            ++i;
        } else if (isHigh || isLow) {
            AppendCodePoint(out, ReplacementCharacter);
        } else {
            AppendCodePoint(out, unit);
        }
    }
}

std::string Utf16ToUtf8(std::u16string_view text) {
    std::string result;
    result.reserve(text.size());
    AppendUtf8(result, text);
    return result;
}

} // namespace kalvio
