#pragma once

#include "engine/ExpressionKey.h"
#include "engine/VariableDictionary.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kalvio {

// The key of a function or register name ("SIN", "ANS", "M", "π", ...), looked up by exact,
// case-sensitive match on a normalised name. "DIV" and "MOD" are operator words, not keywords.
std::optional<TExpressionKey> FindKeyword(std::u16string_view name);

// Turns a typed expression into a key list in one left-to-right scan over its normalised form.
// It only tokenises: syntax, signs and implicit multiplication are the evaluator's business.
// A named variable becomes ekVariable, "(", the digits of its number, ")".
// One converter serves one conversion at a time; separate converters may run on separate threads
// while sharing a dictionary that nobody changes meanwhile.
class TExpressionTextConvert {
public:
    static constexpr std::size_t MaxTextLength = 1024;

    TExpressionTextConvert() = default;
    explicit TExpressionTextConvert(const TVariableDictionary& variableDictionary)
        : FVariableDictionary(&variableDictionary) {}

    // Names that are neither keywords nor operator words are looked up here; without a
    // dictionary they fail.
    void SetVariableDictionary(const TVariableDictionary& variableDictionary) {
        FVariableDictionary = &variableDictionary;
    }
    // Calc mode collects the variable names of the text in CalcModeVariableList instead of
    // producing keys for them (repeats included, "[R]" with its brackets).
    void SetIsVarCalcMode(bool isVarCalcMode) { FIsVarCalcMode = isVarCalcMode; }

    // False for an empty text, a text longer than MaxTextLength, or one that holds something
    // that cannot be read; ErrorIndex then gives the position in the normalised text.
    bool Convert(std::u16string_view expressionText);

    // The keys of the last conversion; after a failure, those produced before it.
    const TExpressionKeyList& KeyList() const { return FKeyList; }
    TExpressionKeyList TakeKeyList() { return std::move(FKeyList); }
    // 0 after a success.
    int ErrorIndex() const { return FErrorIndex; }
    // The normalised text the positions refer to.
    const std::u16string& ExpressionText() const { return FExpressionText; }
    const std::vector<std::u16string>& CalcModeVariableList() const {
        return FCalcModeVariableList;
    }

private:
    bool ConvertKeys();
    void AddKey(TExpressionKey key);
    bool ReadWord();
    void ReadHexDigits();
    void AddVariableKeys(std::int32_t number);
    char32_t CodePointAt(std::size_t index, std::size_t& length) const;
    void SkipLetters();
    void SkipNameCharacters();

    std::u16string FExpressionText;
    int FErrorIndex = 0;
    TExpressionKeyList FKeyList;
    const TVariableDictionary* FVariableDictionary = nullptr; // not owned
    std::size_t ExpressionIndex = 0;
    std::vector<std::u16string> FCalcModeVariableList;
    bool FIsVarCalcMode = false;
};

} // namespace kalvio
