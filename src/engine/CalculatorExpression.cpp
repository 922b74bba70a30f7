#include "engine/CalculatorExpression.h"

#include <cmath>
#include <string>

namespace kalvio {

namespace {

constexpr double kDegToRad = 0.017453292519943295;
constexpr double kGradToRad = 0.015707963267948967;
constexpr double kRadToDeg = 57.29577951308232;
constexpr double kRadToGrad = 63.66197723675813;
constexpr double kTwoPow52 = 4503599627370496.0;

// Rounds an angle to 15 decimal places where the double can still hold them, so that exact
// angles such as 45 come out clean.
double RoundAngle(double theta) {
    double scaled = theta * 1E15;
    if (std::fabs(scaled) < kTwoPow52) {
        scaled = std::nearbyint(scaled);
    }
    return scaled * 1E-15;
}

} // namespace

void TCalculatorExpression::NextToken() {
    if (!AtEnd() && (C == ekPol || C == ekRec)) {
        Token = C;
        Step();
        return;
    }
    TExpression::NextToken();
}

double TCalculatorExpression::Factor() {
    double value = 0;
    switch (Token) {
    case ekAns:
        value = FLastValue;
        NextToken();
        break;
    case ekPreAns:
        value = FPreLastValue;
        NextToken();
        break;
    case ekVarM:
        value = FVarM;
        NextToken();
        break;
    case ekVarX:
        value = FVarX;
        NextToken();
        break;
    case ekVarY:
        value = FVarY;
        NextToken();
        break;
    case ekVarGT:
        value = FVarGT;
        NextToken();
        break;
    case ekVarMCount:
        value = FVarMCount;
        NextToken();
        break;
    case ekVarGTCount:
        value = FVarGTCount;
        NextToken();
        break;
    case ekVariable:
        value = ReadVariable();
        break;
    case ekPol:
    case ekRec:
        value = ReadCoordinateConversion(Token);
        break;
    default:
        value = TExpression::Factor();
        break;
    }
    return CheckValue(value);
}

// ekVariable "(" digits ")": the digits are the variable's number in the dictionary.
double TCalculatorExpression::ReadVariable() {
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
    const double value = FVariableDictionary->GetValueItems(static_cast<std::int32_t>(number));
    Step();
    NextToken();
    return value;
}

double TCalculatorExpression::ReadCoordinateConversion(TExpressionKey conversion) {
    NextToken();
    const double first = EvalSum();
    NextToken(); // the separator, normally ","
    const double second = EvalSum();
    if (Token == ekRParen) {
        NextToken();
    }
    double value = 0;
    if (conversion == ekPol) {
        const double r = CheckValue(std::sqrt(first * first + second * second));
        FVarX = r;
        double theta = CheckValue(std::atan2(second, first));
        if (AngleMode() == atDeg) {
            theta = RoundAngle(theta * kRadToDeg);
        } else if (AngleMode() == atRad) {
            theta = RoundAngle(theta);
        } else {
            theta *= kRadToGrad;
        }
        FVarY = theta;
        value = r;
    } else {
        double theta = second;
        if (AngleMode() == atDeg) {
            theta *= kDegToRad;
        } else if (AngleMode() == atGrad) {
            theta *= kGradToRad;
        }
        FVarX = CheckValue(first * std::cos(theta)) + 0.0; // no negative zero in a register
        FVarY = CheckValue(first * std::sin(theta)) + 0.0;
        value = FVarX;
    }
    if (C != ekEnd) {
        RaiseError(enSyntaxError);
    }
    return value;
}

} // namespace kalvio
