#pragma once

#include "engine/ExpressionKey.h"

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace kalvio {

enum TExpressionErrorNumber : std::uint8_t {
    enNotError,
    enSyntaxError,
    enPowerError, // never raised
    enInfinityError,
    enNanError,
    enMathError,
};

// The failure of an evaluation. ErrorIndex is a position in the evaluator's normalised key list
// (not in the typed text), at least 1. The message is "Error" for every error number.
class EExpressionError : public std::runtime_error {
public:
    EExpressionError(TExpressionErrorNumber AErrorNumber, std::int32_t AErrorIndex);

    TExpressionErrorNumber ErrorNumber() const { return FErrorNumber; }
    std::int32_t ErrorIndex() const { return FErrorIndex; }

private:
    TExpressionErrorNumber FErrorNumber;
    std::int32_t FErrorIndex;
};

// The recursive-descent parser shared by the double and decimal evaluators: the normalised
// working copy of the key list, the scan over it, number texts, errors and the token
// classification common to both engines.
//
// A derived engine supplies:
//   ReadNumber  - called when a number starts at C (a number key, or a sign directly followed
//                 by one): read it (usually from CollectNumberText), keep the value, and leave C
//                 on the first key after the number.
//   NextToken   - classify C into Token/Oprt and move on; NextCommonToken does every key both
//                 engines share.
//   Factor      - a virtual primary of its own number type; the grammar levels above it are the
//                 engine's own (EvalSum ... EvalTightProduct).
// and a Calc that calls StartScan, NextToken, EvalSum and then requires Token == ekNewLine.
//
// Scan invariants: C is the current (not yet classified) key and FormulaIndex is one past it;
// once ekEnd is current, AtEnd() holds and the next NextCommonToken yields ekNewLine. Nested
// parse levels must enter and leave a nesting level so that deep nesting fails as a syntax error
// before the stack runs out.
class TBaseExpression {
public:
    TBaseExpression() = default;
    TBaseExpression(const TBaseExpression&) = default;
    TBaseExpression& operator=(const TBaseExpression&) = default;
    virtual ~TBaseExpression() = default;

    // The caller's list is copied; the working copy gets ekEnd and is normalised.
    void SetKeyList(const TExpressionKeyList& AKeyList);
    const TExpressionKeyList& KeyList() const { return FKeyList; }
    // The normalised working copy (error indices refer to it).
    const TExpressionKeyList& NormalizedKeyList() const { return FormulaKeys; }

    // The error of the last failed run; enNotError and 0 after a success.
    TExpressionErrorNumber ErrorNumber() const { return FErrorNumber; }
    std::int32_t ErrorIndex() const { return FErrorIndex; }

    // Nesting levels one evaluation may open: a parenthesis takes one, a function with a
    // parenthesised argument two. A level costs under 1 KB of stack even in a sanitizer build,
    // so a 1 MiB thread stack keeps a wide margin.
    static constexpr int MaxNestingDepth = 256;

protected:
    virtual void ReadNumber() = 0;
    virtual void NextToken() = 0;

    // Whether a key list has been set.
    bool HasFormula() const { return !FormulaKeys.empty(); }
    // Resets the error state and makes the first key current; needs HasFormula().
    void StartScan();
    // Makes the next key current; stays on the last key (ekEnd) once there.
    void Step();
    // Whether the scan has reached ekEnd.
    bool AtEnd() const { return FormulaIndex >= FormulaKeys.size(); }
    // The key after C (ekEnd at the end).
    TExpressionKey PeekKey() const { return AtEnd() ? ekEnd : FormulaKeys[FormulaIndex]; }

    // The classification both engines share: ekNewLine at the end, ReadNumber for a number
    // (Token ekNumber), a sign not followed by a number is skipped without changing Token,
    // operators get their ekOperator1..6 class (and Oprt), ")", "," and the keys from "(" to the
    // registers are their own class, anything else is ekOthers.
    void NextCommonToken();

    // The text of the number starting at C (a leading sign included), leaving C after it.
    // An exponent sign is taken with its digits; a text starting with "E" or "-E" gets a 1
    // (E5 is 1E5).
    std::u16string CollectNumberText();

    // Ends the scan and throws EExpressionError at the key that produced the current token.
    [[noreturn]] void RaiseError(TExpressionErrorNumber AErrorNumber);

    // The closing of a parenthesised operand: ")" or "," is consumed; a parenthesis still open
    // at the end of the input is closed silently; anything else is a syntax error.
    void CloseParenthesis();

    // Every parse level that can recurse calls EnterNestingLevel on entry and LeaveNestingLevel
    // on its normal exit; beyond MaxNestingDepth levels EnterNestingLevel raises a syntax error.
    // An error needs no leaving (StartScan resets the count), so the levels have no cleanup on
    // the exception path: a throw from 256 levels deep unwinds without running handlers.
    void EnterNestingLevel() {
        if (FNestingDepth >= MaxNestingDepth) {
            RaiseError(enSyntaxError);
        }
        ++FNestingDepth;
    }
    void LeaveNestingLevel() { --FNestingDepth; }

    // The operator key of the latest operator token (e.g. ekDiv for ekOperator2).
    TExpressionKey Oprt = ekShift;
    // The current key: the next one to classify.
    TExpressionKey C = ekShift;
    // The class of the current token.
    TExpressionKey Token = ekShift;

private:
    TExpressionKeyList FKeyList;
    TExpressionKeyList FormulaKeys;
    std::size_t FormulaIndex = 0;
    TExpressionErrorNumber FErrorNumber = enNotError;
    std::int32_t FErrorIndex = 0;
    int FNestingDepth = 0;
};

} // namespace kalvio
