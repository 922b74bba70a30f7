#include "engine/KeyListNormalizer.h"

#include <algorithm>
#include <cstddef>

namespace kalvio {

namespace {

bool IsDigitKey(TExpressionKey key) {
    return key >= ek0 && key <= ek9;
}

// Tracks whether the walk is inside the exponent of a number literal: ekE starts an exponent,
// which goes on over digits and signs. Fed with every key in order, it answers for the position
// after the last key fed, without walking the list again.
class TExponentTracker {
public:
    void Feed(TExpressionKey key) {
        if (key == ekE) {
            FInExponent = true;
        } else if (FInExponent && !IsDigitKey(key) && !IsSignKey(key)) {
            FInExponent = false;
        }
    }
    bool InExponent() const { return FInExponent; }

private:
    bool FInExponent = false;
};

// An operand follows unless the next key continues or ends the current one.
bool OperandFollows(TExpressionKey next) {
    return next != ekEnd && !IsOperatorKey(next) && !IsPowerKey(next) && next != ekFactorial &&
           next != ekPercent && next != ekRParen && next != ekComma;
}

bool IsPostfixOperator(TExpressionKey key) {
    return key == ekSquare || key == ekCube || key == ekReciprocal || key == ekFactorial ||
           key == ekPercent;
}

// Whether a plus or minus stands where an operand must begin. previousInExponent tells whether
// the key before it lies in an exponent.
bool IsSignPosition(std::size_t i, const TExpressionKeyList& keys, bool previousInExponent) {
    if (i == 0) {
        return true;
    }
    const TExpressionKey previous = keys[i - 1];
    const TExpressionKey next = keys[i + 1];
    if (previous == ekLParen) {
        return true;
    }
    if (IsSignKey(previous)) {
        return !previousInExponent;
    }
    if (IsOperatorKey(previous) || IsFunctionKey(previous) || previous == ekPower) {
        return true;
    }
    if (previous == ekE) {
        return next == ekEnd || IsDigitKey(next) || IsOperatorKey(next);
    }
    return previous == ekComma;
}

// Classifies signs and inserts ekMultiPriority1 where an operand follows ")", a built-in
// variable or (for a number literal) a postfix operator.
void MarkSignsAndImplicitProducts(TExpressionKeyList& keys) {
    TExponentTracker beforePrevious;
    TExponentTracker beforeCurrent;
    for (std::size_t i = 0; i + 1 < keys.size(); ++i) {
        const TExpressionKey key = keys[i];
        const TExpressionKey next = keys[i + 1];
        if ((key == ekRParen || IsVariableKey(key)) && OperandFollows(next)) {
            keys.insert(keys.begin() + static_cast<std::ptrdiff_t>(i) + 1, ekMultiPriority1);
        } else if ((key == ekAdd || key == ekSub) &&
                   IsSignPosition(i, keys, beforePrevious.InExponent())) {
            keys[i] = key == ekAdd ? ekPlus : ekMinus;
        } else if (IsPostfixOperator(key) && next != ekEnd && IsNumberKey(next)) {
            keys.insert(keys.begin() + static_cast<std::ptrdiff_t>(i) + 1, ekMultiPriority1);
        }
        beforePrevious = beforeCurrent;
        beforeCurrent.Feed(keys[i]);
    }
}

// Marks redundant unary plus signs with ekNil and turns a unary minus before anything but a
// number literal into (-1) and the tightest multiplication.
void ExpandUnarySigns(TExpressionKeyList& keys) {
    TExponentTracker beforeCurrent;
    for (std::size_t i = 0; i + 1 < keys.size(); ++i) {
        const TExpressionKey key = keys[i];
        const TExpressionKey next = keys[i + 1];
        if (key == ekPlus && next != ekEnd &&
            (IsSignKey(next) || IsNumberKey(next) || IsFunctionOrVariableKey(next) ||
             next == ekLParen)) {
            keys[i] = ekNil;
        } else if (key == ekMinus && next != ekEnd &&
                   ((IsSignKey(next) && !beforeCurrent.InExponent()) ||
                    IsFunctionOrVariableKey(next) || next == ekLParen)) {
            static const TExpressionKey minusOne[] = {ekLParen, ekMinus, ek1, ekRParen,
                                                      ekMultiPriority2};
            keys[i] = minusOne[0];
            keys.insert(keys.begin() + static_cast<std::ptrdiff_t>(i) + 1, std::begin(minusOne) + 1,
                        std::end(minusOne));
        }
        beforeCurrent.Feed(keys[i]);
    }
}

// The plus of an exponent (1E+5) was marked like any unary plus; it belongs to the literal.
void RestoreExponentPlusSigns(TExpressionKeyList& keys) {
    bool inExponent = false;
    for (TExpressionKey& key : keys) {
        if (key == ekE) {
            inExponent = true;
        } else if (inExponent) {
            if (key == ekNil) {
                key = ekPlus;
            } else if (!IsDigitKey(key) && !IsSignKey(key)) {
                inExponent = false;
            }
        }
    }
}

} // namespace

void NormalizeKeyList(TExpressionKeyList& keys) {
    MarkSignsAndImplicitProducts(keys);
    // The later passes only act on signs and exponents; most lists have neither.
    if (std::any_of(keys.begin(), keys.end(), IsSignKey)) {
        ExpandUnarySigns(keys);
    }
    if (std::find(keys.begin(), keys.end(), ekE) != keys.end()) {
        RestoreExponentPlusSigns(keys);
    }
    std::erase(keys, ekNil);
}

} // namespace kalvio
