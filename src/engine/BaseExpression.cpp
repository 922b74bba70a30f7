#include "engine/BaseExpression.h"

#include "engine/KeyListNormalizer.h"

#include <algorithm>

namespace kalvio {

namespace {

bool IsDigitKey(TExpressionKey key) {
    return key >= ek0 && key <= ek9;
}

// The token class of a key that is neither a number nor a sign.
TExpressionKey ClassOf(TExpressionKey key) {
    switch (key) {
    case ekAdd:
    case ekSub:
        return ekOperator1;
    case ekMulti:
    case ekDiv:
    case ekQuotient:
    case ekMod:
        return ekOperator2;
    case ekMultiPriority1:
        return ekOperator3;
    case ekPower:
        return ekOperator4;
    case ekSquare:
    case ekCube:
    case ekReciprocal:
    case ekFactorial:
    case ekPercent:
        return ekOperator5;
    case ekMultiPriority2:
        return ekOperator6;
    case ekRParen:
    case ekComma:
        return key;
    default:
        return key >= ekLParen && key <= ekVariableEnd ? key : ekOthers;
    }
}

bool IsOperatorClass(TExpressionKey tokenClass) {
    return tokenClass >= ekOperator1 && tokenClass <= ekOperator6;
}

} // namespace

EExpressionError::EExpressionError(TExpressionErrorNumber AErrorNumber, std::int32_t AErrorIndex)
    : std::runtime_error("Error"), FErrorNumber(AErrorNumber), FErrorIndex(AErrorIndex) {}

void TBaseExpression::SetKeyList(const TExpressionKeyList& AKeyList) {
    FKeyList = AKeyList;
    FormulaKeys.clear();
    FormulaKeys.reserve(AKeyList.size() + 1);
    FormulaKeys.insert(FormulaKeys.end(), AKeyList.begin(), AKeyList.end());
    FormulaKeys.push_back(ekEnd);
    NormalizeKeyList(FormulaKeys);
}

void TBaseExpression::StartScan() {
    FErrorNumber = enNotError;
    FErrorIndex = 0;
    FNestingDepth = 0;
    C = FormulaKeys[0];
    FormulaIndex = 1;
}

void TBaseExpression::Step() {
    if (!AtEnd()) {
        C = FormulaKeys[FormulaIndex];
        ++FormulaIndex;
    }
}

void TBaseExpression::NextCommonToken() {
    if (AtEnd()) {
        Token = ekNewLine;
        return;
    }
    if (IsNumberKey(C) || (IsSignKey(C) && IsNumberKey(PeekKey()))) {
        ReadNumber();
        Token = ekNumber;
        return;
    }
    if (!IsSignKey(C)) {
        Token = ClassOf(C);
        if (IsOperatorClass(Token)) {
            Oprt = C;
        }
    }
    Step();
}

std::u16string TBaseExpression::CollectNumberText() {
    std::u16string text;
    do {
        text += KeyTextView(C);
        Step();
    } while (!AtEnd() && IsNumberKey(C));

    if (FormulaIndex >= 2 && FormulaKeys[FormulaIndex - 2] == ekE && IsSignKey(C)) {
        do {
            text += KeyTextView(C);
            Step();
        } while (!AtEnd() && (IsDigitKey(C) || IsSignKey(C)));
    }

    if (text.starts_with(u'E')) {
        text.insert(text.begin(), u'1');
    } else if (text.starts_with(u"-E")) {
        text.insert(text.begin() + 1, u'1');
    }
    return text;
}

void TBaseExpression::RaiseError(TExpressionErrorNumber AErrorNumber) {
    const std::size_t producer = FormulaIndex >= 2 ? FormulaIndex - 2 : 0;
    FErrorIndex = static_cast<std::int32_t>(std::max<std::size_t>(producer, 1));
    FormulaIndex = FormulaKeys.size();
    Token = ekNewLine;
    FErrorNumber = AErrorNumber;
    throw EExpressionError(AErrorNumber, FErrorIndex);
}

void TBaseExpression::CloseParenthesis() {
    if (Token == ekRParen || Token == ekComma) {
        NextToken();
    } else if (!AtEnd()) {
        RaiseError(enSyntaxError);
    }
}

} // namespace kalvio
