#include "engine/BcdCalculatorExpression.h"

namespace kalvio {

namespace {

const TBcd& Readable(const TBcd& value) {
    if (!BcdIsValid(value)) {
        throw EBcdException("no decimal value");
    }
    return value;
}

} // namespace

// "Pol(" and "Rec(" become tokens of their own, which Factor then refuses.
void TBcdCalculatorExpression::NextToken() {
    if (!AtEnd() && (C == ekPol || C == ekRec)) {
        Token = C;
        Step();
        return;
    }
    TBcdExpression::NextToken();
}

TBcd TBcdCalculatorExpression::Factor() {
    TBcd value;
    switch (Token) {
    case ekAns:
        value = Readable(FLastValue);
        break;
    case ekPreAns:
        value = Readable(FPreLastValue);
        break;
    case ekVarM:
        value = Readable(FVarM);
        break;
    case ekVarX:
        value = Readable(FVarX);
        break;
    case ekVarY:
        value = Readable(FVarY);
        break;
    case ekVarGT:
        value = Readable(FVarGT);
        break;
    case ekVarMCount:
        value = IntegerToBcd(FVarMCount);
        break;
    case ekVarGTCount:
        value = IntegerToBcd(FVarGTCount);
        break;
    case ekVariable:
        return ReadVariable();
    default:
        return TBcdExpression::Factor();
    }
    NextToken();
    return value;
}

// ekVariable "(" digits ")": the digits are the variable's number in the dictionary.
TBcd TBcdCalculatorExpression::ReadVariable() {
    NextToken();
    std::int64_t number = 0;
    bool valid = !AtEnd() && IsNumberKey(C);
    while (!AtEnd() && IsNumberKey(C)) {
        valid = valid && C >= ek0 && C <= ek9 && number <= INT32_MAX;
        number = valid ? number * 10 + (C - ek0) : 0;
        Step();
    }
    if (!valid || number > INT32_MAX) {
        RaiseError(enSyntaxError);
    }
    if (FVariableDictionary == nullptr) {
        throw EVariableNotFound("No variable dictionary");
    }
    const TBcd value =
        Readable(FVariableDictionary->GetBcdValueItems(static_cast<std::int32_t>(number)));
    Step();
    NextToken();
    return value;
}

} // namespace kalvio
