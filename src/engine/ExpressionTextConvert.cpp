#include "engine/ExpressionTextConvert.h"

#include "engine/LetterTable.h"
#include "engine/MojiConvert.h"

#include <algorithm>
#include <array>
#include <utility>

namespace kalvio {
namespace {

using TKeywordEntry = std::pair<std::u16string_view, TExpressionKey>;

// Sorted by name for binary search.
constexpr std::array<TKeywordEntry, 34> KeywordTable{{
    {u"ABS", ekAbs},
    {u"ANS", ekAns},
    {u"ARCCOS", ekArcCos},
    {u"ARCCOSH", ekArcCosH},
    {u"ARCSIN", ekArcSin},
    {u"ARCSINH", ekArcSinH},
    {u"ARCTAN", ekArcTan},
    {u"ARCTANH", ekArcTanH},
    {u"BIN", ekBin},
    {u"CEIL", ekCeil},
    {u"COS", ekCos},
    {u"COSH", ekCosH},
    {u"EXP", ekExp},
    {u"FLOOR", ekFloor},
    {u"FRAC", ekFrac},
    {u"GT", ekVarGT},
    {u"GTCOUNT", ekVarGTCount},
    {u"HEX", ekHex},
    {u"INT", ekInt},
    {u"LN", ekLn},
    {u"LOG", ekLog10},
    {u"LOGE", ekLn},
    {u"LOGXY", ekLogXY},
    {u"M", ekVarM},
    {u"MCOUNT", ekVarMCount},
    {u"PI", ekPi},
    {u"PREANS", ekPreAns},
    {u"ROUNDOFF", ekRoundOff},
    {u"SIN", ekSin},
    {u"SINH", ekSinH},
    {u"SQRT", ekSqrt},
    {u"TAN", ekTan},
    {u"TANH", ekTanH},
    {u"\u03C0", ekPi},
}};

static_assert(std::is_sorted(KeywordTable.begin(), KeywordTable.end(),
                             [](const TKeywordEntry& a, const TKeywordEntry& b) {
                                 return a.first < b.first;
                             }));

constexpr std::size_t LongestKeyword = 8;

static_assert(std::all_of(KeywordTable.begin(), KeywordTable.end(), [](const TKeywordEntry& entry) {
    return entry.first.size() <= LongestKeyword;
}));

// The key of a character that stands for itself, or ekNil.
TExpressionKey SingleCharacterKey(char16_t ch) {
    if (ch >= u'0' && ch <= u'9') {
        return static_cast<TExpressionKey>(ek0 + (ch - u'0'));
    }
    switch (ch) {
    case u'!':
        return ekFactorial;
    case u'%':
        return ekPercent;
    case u'(':
        return ekLParen;
    case u')':
        return ekRParen;
    case u'*':
        return ekMulti;
    case u'+':
        return ekAdd;
    case u',':
        return ekComma;
    case u'-':
        return ekSub;
    case u'.':
        return ekDot;
    case u'/':
        return ekDiv;
    case u'^':
        return ekPower;
    case u'\u00B2':
        return ekSquare;
    case u'\u00B3':
        return ekCube;
    case u'\u221A':
        return ekSqrt;
    default:
        return ekNil;
    }
}

// Characters that end a name; digits, ".", "%", "[", "]" and "=" do not.
bool IsWordDelimiter(char16_t ch) {
    switch (ch) {
    case u' ':
    case u'!':
    case u'(':
    case u')':
    case u'*':
    case u'+':
    case u',':
    case u'-':
    case u'/':
    case u'^':
    case u'\u00B2':
    case u'\u00B3':
    case u'\u221A':
        return true;
    default:
        return false;
    }
}

bool IsHighSurrogate(char16_t ch) {
    return ch >= 0xD800 && ch <= 0xDBFF;
}

bool IsLowSurrogate(char16_t ch) {
    return ch >= 0xDC00 && ch <= 0xDFFF;
}

TExpressionKey DigitKey(int digit) {
    return static_cast<TExpressionKey>(ek0 + digit);
}

} // namespace

std::optional<TExpressionKey> FindKeyword(std::u16string_view name) {
    if (name.size() > LongestKeyword) {
        return std::nullopt;
    }
    const auto* found = std::lower_bound(
        KeywordTable.begin(), KeywordTable.end(), name,
        [](const TKeywordEntry& entry, std::u16string_view value) { return entry.first < value; });
    if (found != KeywordTable.end() && found->first == name) {
        return found->second;
    }
    return std::nullopt;
}

bool TExpressionTextConvert::Convert(std::u16string_view expressionText) {
    FKeyList.clear();
    FCalcModeVariableList.clear();
    if (expressionText.empty() || expressionText.size() > MaxTextLength) {
        FExpressionText = expressionText;
        return false;
    }
    // The same as normalising the operators first: the half-width mapping creates none of the
    // characters NormalizeOperatorChars replaces except U+FF70, which it replaces too.
    FExpressionText = NormalizeOperatorChars(ToHalfWidthUpper(expressionText));
    if (ConvertKeys()) {
        FErrorIndex = 0;
        ExpressionIndex = 0;
        return true;
    }
    FErrorIndex = static_cast<int>(ExpressionIndex);
    return false;
}

bool TExpressionTextConvert::ConvertKeys() {
    ExpressionIndex = 0;
    FKeyList.reserve(FExpressionText.size());
    while (ExpressionIndex < FExpressionText.size()) {
        const char16_t ch = FExpressionText[ExpressionIndex];
        std::size_t length = 0;
        if (ch == u' ') {
            ++ExpressionIndex;
        } else if (const TExpressionKey key = SingleCharacterKey(ch); key != ekNil) {
            AddKey(key);
        } else if (IsLetter(CodePointAt(ExpressionIndex, length))) {
            if (!ReadWord()) {
                // A lone E that names nothing is the exponent of a number.
                if (ch != u'E') {
                    return false;
                }
                AddKey(ekE);
            }
        } else if (ch == u'[') {
            if (!ReadWord()) {
                return false;
            }
        } else {
            return false;
        }
    }
    return true;
}

// A key for a single character; one space after it belongs to it.
void TExpressionTextConvert::AddKey(TExpressionKey key) {
    FKeyList.push_back(key);
    ++ExpressionIndex;
    if (ExpressionIndex < FExpressionText.size() && FExpressionText[ExpressionIndex] == u' ') {
        ++ExpressionIndex;
    }
}

// Keywords are matched on their letters only (SIN30 is SIN and 30); any other name takes in
// digits and other non-delimiters too (X2 is one name), so DIV and MOD need spaces or "(" after.
bool TExpressionTextConvert::ReadWord() {
    const std::size_t start = ExpressionIndex;
    std::size_t length = 0;
    CodePointAt(ExpressionIndex, length);
    ExpressionIndex += length;
    SkipLetters();
    if (FIsVarCalcMode && ExpressionIndex < FExpressionText.size() &&
        FExpressionText[ExpressionIndex] == u']') {
        ++ExpressionIndex;
    }
    const std::u16string_view text(FExpressionText);
    if (const std::optional<TExpressionKey> keyword =
            FindKeyword(text.substr(start, ExpressionIndex - start))) {
        FKeyList.push_back(*keyword);
        if (*keyword == ekHex) {
            ReadHexDigits();
        }
        return true;
    }

    SkipNameCharacters();
    const std::u16string_view word = text.substr(start, ExpressionIndex - start);
    if (word == u"DIV") {
        FKeyList.push_back(ekQuotient);
        return true;
    }
    if (word == u"MOD") {
        FKeyList.push_back(ekMod);
        return true;
    }
    if (FIsVarCalcMode) {
        FCalcModeVariableList.emplace_back(word);
        return true;
    }
    if (FVariableDictionary != nullptr) {
        if (const std::optional<std::int32_t> number = FVariableDictionary->FindNumber(word)) {
            AddVariableKeys(*number);
            return true;
        }
    }
    ExpressionIndex = start;
    return false;
}

// After HEX: digits and A-F (and "(" and spaces) up to the first other character.
void TExpressionTextConvert::ReadHexDigits() {
    while (ExpressionIndex < FExpressionText.size()) {
        const char16_t ch = FExpressionText[ExpressionIndex];
        if (ch == u' ') {
            ++ExpressionIndex;
            continue;
        }
        if (ch == u'(') {
            FKeyList.push_back(ekLParen);
        } else if (ch >= u'0' && ch <= u'9') {
            FKeyList.push_back(DigitKey(ch - u'0'));
        } else if (ch >= u'A' && ch <= u'F') {
            FKeyList.push_back(static_cast<TExpressionKey>(ekHexA + (ch - u'A')));
        } else {
            return;
        }
        ++ExpressionIndex;
    }
}

void TExpressionTextConvert::AddVariableKeys(std::int32_t number) {
    FKeyList.push_back(ekVariable);
    FKeyList.push_back(ekLParen);
    const std::string digits = std::to_string(number);
    for (char digit : digits) {
        FKeyList.push_back(DigitKey(digit - '0'));
    }
    FKeyList.push_back(ekRParen);
}

// The code point at index; a surrogate pair counts as one, a lone surrogate as itself.
char32_t TExpressionTextConvert::CodePointAt(std::size_t index, std::size_t& length) const {
    const char16_t ch = FExpressionText[index];
    if (IsHighSurrogate(ch) && index + 1 < FExpressionText.size() &&
        IsLowSurrogate(FExpressionText[index + 1])) {
        length = 2;
        return 0x10000 + ((static_cast<char32_t>(ch) - 0xD800) << 10) +
               (static_cast<char32_t>(FExpressionText[index + 1]) - 0xDC00);
    }
    length = 1;
    return ch;
}

void TExpressionTextConvert::SkipLetters() {
    std::size_t length = 0;
    while (ExpressionIndex < FExpressionText.size() &&
           IsLetter(CodePointAt(ExpressionIndex, length))) {
        ExpressionIndex += length;
    }
}

void TExpressionTextConvert::SkipNameCharacters() {
    std::size_t length = 0;
    while (ExpressionIndex < FExpressionText.size() &&
           !IsWordDelimiter(FExpressionText[ExpressionIndex]) &&
           !IsUnassigned(CodePointAt(ExpressionIndex, length))) {
        ExpressionIndex += length;
    }
}

} // namespace kalvio
