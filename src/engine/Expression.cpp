#include "engine/Expression.h"

#include "engine/EngineErrors.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string_view>

namespace kalvio {

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kHalfPi = 1.5707963267948966;
constexpr double kDegToRad = 0.017453292519943295;
constexpr double kGradToRad = 0.015707963267948967;
constexpr double kRadToDeg = 57.29577951308232;
constexpr double kRadToGrad = 63.66197723675813;
constexpr double kLog10E = 0.4342944819032518;
constexpr double kLog2E = 1.4426950408889634;
constexpr double kZeroTolerance = 1E-12;
constexpr double kMaxTrigRadians = 200000000;
constexpr double kTwoPow63 = 9223372036854775808.0;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

bool IsDigit(char16_t ch) {
    return ch >= u'0' && ch <= u'9';
}

constexpr std::array<double, 23> ExactPowersOfTen = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                     1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                     1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// A decimal literal: optional sign, digits with an optional "." and fraction (at least one
// digit), optional "E" with optional sign and at least one digit. Locale-independent.
std::optional<double> ParseDecimalLiteral(std::u16string_view text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    const std::size_t start = i;
    std::size_t mantissaDigits = 0;
    std::size_t leadingZeros = 0; // zeros before the first significant digit
    std::size_t integerDigits = 0;
    bool seenSignificant = false;
    bool inFraction = false;
    std::uint64_t mantissa = 0; // exact while mantissaDigits - leadingZeros <= 19
    for (; i < n && (IsDigit(text[i]) || (text[i] == u'.' && !inFraction)); ++i) {
        if (text[i] == u'.') {
            inFraction = true;
            continue;
        }
        mantissa = mantissa * 10 + static_cast<std::uint64_t>(text[i] - u'0');
        ++mantissaDigits;
        if (!seenSignificant && text[i] == u'0') {
            ++leadingZeros;
        } else {
            seenSignificant = true;
        }
        if (!inFraction) {
            ++integerDigits;
        }
    }
    if (mantissaDigits == 0) {
        return std::nullopt;
    }
    long long exponent = 0;
    if (i < n && text[i] == u'E') {
        ++i;
        bool negativeExponent = false;
        if (i < n && (text[i] == u'+' || text[i] == u'-')) {
            negativeExponent = text[i] == u'-';
            ++i;
        }
        const std::size_t exponentStart = i;
        for (; i < n && IsDigit(text[i]); ++i) {
            if (exponent < 1'000'000'000) {
                exponent = exponent * 10 + (text[i] - u'0');
            }
        }
        if (i == exponentStart) {
            return std::nullopt;
        }
        exponent = negativeExponent ? -exponent : exponent;
    }
    if (i != n) {
        return std::nullopt;
    }
    // Up to 15 significant digits and 22 decimals, both the digits and the power of ten are
    // exact doubles, so one correctly rounded division gives the correctly rounded value.
    const std::size_t fractionDigits = mantissaDigits - integerDigits;
    if (exponent == 0 && mantissaDigits - leadingZeros <= 15 && fractionDigits <= 22) {
        const double value = static_cast<double>(mantissa) / ExactPowersOfTen[fractionDigits];
        return negative ? -value : value;
    }

    std::string ascii(text.begin() + static_cast<std::ptrdiff_t>(start), text.end());
    double value = 0;
    const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Beyond the double range: the decimal magnitude decides between overflow and underflow.
        const long long magnitude =
            exponent + static_cast<long long>(integerDigits) - static_cast<long long>(leadingZeros);
        value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (error != std::errc() || end != ascii.data() + ascii.size()) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

// x^n by repeated squaring, multiplying in the partial powers from the lowest bit.
double IntPower(double base, std::int64_t exponent) {
    std::uint64_t n =
        exponent < 0 ? static_cast<std::uint64_t>(-exponent) : static_cast<std::uint64_t>(exponent);
    double result = 1;
    double factor = base;
    while (n != 0) {
        if ((n & 1) != 0) {
            result *= factor;
        }
        n >>= 1;
        if (n != 0) {
            factor *= factor;
        }
    }
    return exponent < 0 ? 1 / result : result;
}

double Power(double x, double y) {
    if (y == 0) {
        return 1;
    }
    if (x == 0 && y > 0) {
        return 0;
    }
    if (std::trunc(y) == y && std::fabs(y) <= 2147483647) {
        return IntPower(x, static_cast<std::int64_t>(y));
    }
    if (x < 0) {
        return kNaN;
    }
    return std::exp(y * std::log(x));
}

// Whether q, rounded to 15 significant digits, is an integer. Values clearly away from an
// integer skip the text round trip.
bool IsIntegralAt15Digits(double q) {
    if (q == 0) {
        return true;
    }
    if (std::fabs(q - std::nearbyint(q)) > 1E-13 * std::fabs(q)) {
        return false;
    }
    std::array<char, 40> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%.15g", q);
    const double rounded = std::strtod(buffer.data(), nullptr);
    return std::trunc(rounded) == rounded;
}

// Equality with the platform's default tolerance: 1E-12 relative, at least 1E-12.
bool SameValue(double a, double b) {
    const double epsilon = std::fmax(std::fmin(std::fabs(a), std::fabs(b)) * 1E-12, 1E-12);
    return std::fabs(a - b) <= epsilon;
}

bool FitsInt64(double x) {
    return x >= -kTwoPow63 && x < kTwoPow63;
}

// The integer quotient of two integral doubles of which at least one lies beyond the 64-bit
// range, rounded to the nearest double: long division of the dividend's bits by the divisor.
double WideIntegerQuotient(double dividend, double divisor) {
    const double x = std::fabs(dividend);
    const double y = std::fabs(divisor);
    if (x < y) {
        return 0;
    }
    int xExponent = 0;
    int yExponent = 0;
    std::uint64_t xMantissa = static_cast<std::uint64_t>(std::ldexp(std::frexp(x, &xExponent), 53));
    std::uint64_t yMantissa = static_cast<std::uint64_t>(std::ldexp(std::frexp(y, &yExponent), 53));
    xExponent -= 53;
    yExponent -= 53;
    const int yZeros = std::countr_zero(yMantissa);
    yMantissa >>= yZeros;
    yExponent += yZeros;
    const int shift = xExponent - yExponent;

    double quotient = 0;
    if (shift < 0) {
        // The divisor is below 2^53 times the dividend's scale: plain integer division.
        quotient = static_cast<double>(xMantissa / (yMantissa << -shift));
    } else {
        // Quotient bits, most significant first; 63 of them are kept and the rest folded into a
        // sticky bit, so that the conversion to double rounds correctly.
        std::uint64_t remainder = 0;
        std::uint64_t kept = 0;
        int keptBits = 0;
        int droppedBits = 0;
        bool sticky = false;
        const int dividendBits = 53 + shift;
        for (int bit = 0; bit < dividendBits; ++bit) {
            const int mantissaBit = 52 - bit;
            const std::uint64_t next = mantissaBit >= 0 ? (xMantissa >> mantissaBit) & 1 : 0;
            remainder = (remainder << 1) | next;
            const bool one = remainder >= yMantissa;
            if (one) {
                remainder -= yMantissa;
            }
            if (keptBits < 63) {
                kept = (kept << 1) | (one ? 1 : 0);
                if (kept != 0) {
                    ++keptBits;
                }
            } else {
                ++droppedBits;
                sticky = sticky || one;
            }
        }
        quotient = std::ldexp(static_cast<double>(kept | (sticky ? 1 : 0)), droppedBits);
    }
    return (dividend < 0) != (divisor < 0) ? -quotient : quotient;
}

// DIV and MOD on the operands truncated toward zero. The result is the true integer result (a
// quotient beyond 2^53 rounded to the nearest double); a zero divisor and -2^63 / -1 throw.
double IntegerDivision(double a, double b, bool remainder) {
    const double x = std::trunc(a);
    const double y = std::trunc(b);
    if (y == 0) {
        throw EIntegerDivisionError("Integer division by zero");
    }
    if (FitsInt64(x) && FitsInt64(y)) {
        const auto i = static_cast<std::int64_t>(x);
        const auto j = static_cast<std::int64_t>(y);
        if (i == std::numeric_limits<std::int64_t>::min() && j == -1) {
            throw EIntegerDivisionError("Integer division overflow");
        }
        return static_cast<double>(remainder ? i % j : i / j);
    }
    if (remainder) {
        return std::fmod(x, y) + 0.0; // exact for every pair of doubles
    }
    if (!std::isfinite(x) || !std::isfinite(y)) {
        return std::trunc(x / y);
    }
    return WideIntegerQuotient(x, y);
}

double RoundOff(double a, double b) {
    const double f = Power(10, std::trunc(b));
    return a < 0 ? std::trunc(a / f - 0.5) * f : std::trunc(a / f + 0.5) * f;
}

bool IsDmsDigitKey(TExpressionKey key) {
    return (key >= ek0 && key <= ek9) || key == ekDot;
}

} // namespace

double TExpression::Calc() {
    if (!HasFormula()) {
        return 0;
    }
    StartScan();
    NextToken();
    double result = EvalSum();
    if (std::fabs(result) <= kZeroTolerance) {
        result = 0;
    }
    if (Token != ekNewLine) {
        RaiseError(enSyntaxError);
    }
    return result;
}

double TExpression::CheckValue(double value) {
    if (std::isnan(value)) {
        RaiseError(enNanError);
    }
    if (std::isinf(value)) {
        RaiseError(enInfinityError);
    }
    return value;
}

double TExpression::TextToNumber(const std::u16string& text) {
    const std::optional<double> value = ParseDecimalLiteral(text);
    if (!value) {
        RaiseError(enSyntaxError);
    }
    return *value;
}

void TExpression::ReadNumber() {
    const std::u16string text = CollectNumberText();
    Value = C == ekDms && !AtEnd() ? ReadDms(text) : TextToNumber(text);
}

void TExpression::NextToken() {
    if (!AtEnd()) {
        if (C == ekDms) {
            Value = ReadDms(u"");
            Token = ekNumber;
            return;
        }
        if (C == ekPowerRoot) {
            Oprt = C;
            Token = ekOperator5;
            Step();
            return;
        }
    }
    NextCommonToken();
}

// Degrees, minutes and seconds separated by ekDms; First is the degree text already read. A
// part left out counts as 0 and a fourth part is read and ignored.
double TExpression::ReadDms(const std::u16string& First) {
    std::array<std::u16string, 3> parts{u"0", u"0", u"0"};
    std::u16string text = First;
    const auto continuesDms = [this] { return !AtEnd() && (C == ekDms || IsDmsDigitKey(C)); };
    for (std::u16string& part : parts) {
        part = text.empty() ? u"0" : text;
        if (!continuesDms()) {
            break;
        }
        Step();
        if (!continuesDms()) {
            break;
        }
        text.clear();
        while (C != ekDms) {
            text += KeyTextView(C);
            Step();
            if (AtEnd() || !IsDmsDigitKey(C)) {
                break;
            }
        }
    }
    return TextToNumber(parts[0]) + TextToNumber(parts[1]) / 60 + TextToNumber(parts[2]) / 3600;
}

double TExpression::EvalSum() {
    double value = EvalProduct();
    while (Token == ekOperator1) {
        const TExpressionKey op = Oprt;
        NextToken();
        const double right = EvalProduct();
        value = op == ekAdd ? value + right : value - right;
    }
    return CheckValue(value);
}

double TExpression::EvalProduct() {
    double value = EvalImplicitProduct();
    while (Token == ekOperator2) {
        const TExpressionKey op = Oprt;
        NextToken();
        const double right = EvalImplicitProduct();
        switch (op) {
        case ekMulti:
            value *= right;
            break;
        case ekDiv:
            value /= right;
            break;
        default:
            value = IntegerDivision(value, right, op == ekMod);
            break;
        }
    }
    return CheckValue(value);
}

double TExpression::EvalImplicitProduct() {
    EnterNestingLevel();
    double value = EvalPower();
    for (;;) {
        if (Token == ekOperator3) {
            NextToken();
        } else if (Token <= ekOmissionMulop) {
            break;
        }
        value *= EvalPower();
    }
    LeaveNestingLevel();
    return CheckValue(value);
}

double TExpression::EvalPower() {
    double value = EvalPostfix();
    while (Token == ekOperator4) {
        NextToken();
        const double exponent = EvalPostfix();
        if (std::fabs(value) <= kZeroTolerance && std::fabs(exponent) <= kZeroTolerance) {
            RaiseError(enNanError);
        }
        value = Power(value, exponent);
    }
    return CheckValue(value);
}

double TExpression::EvalPostfix() {
    double value = EvalTightProduct();
    while (Token == ekOperator5) {
        const TExpressionKey op = Oprt;
        NextToken();
        switch (op) {
        case ekSquare:
            value = Power(value, 2);
            break;
        case ekCube:
            value = Power(value, 3);
            break;
        case ekReciprocal:
            value = Power(value, -1);
            break;
        case ekFactorial:
            value = Factorial(value);
            break;
        case ekPercent:
            value /= 100;
            break;
        default: // ekPowerRoot: the value so far is the index
            value = Power(EvalTightProduct(), 1 / value);
            break;
        }
    }
    return CheckValue(value);
}

double TExpression::EvalTightProduct() {
    double value = Factor();
    while (Token == ekOperator6) {
        NextToken();
        value *= Factor();
    }
    return CheckValue(value);
}

// x! for the integers 0..69; the product is formed from the smallest factor up, as the
// recursive definition x * (x-1)! does. Anything else is a domain error.
double TExpression::Factorial(double x) {
    std::array<double, 70> factors{};
    std::size_t count = 0;
    while (x > 0) {
        if (x > 69) {
            RaiseError(enNanError);
        }
        factors[count++] = x;
        x -= 1;
    }
    if (x != 0) {
        RaiseError(enNanError);
    }
    double result = 1;
    while (count > 0) {
        result = factors[--count] * result;
    }
    return result;
}

double TExpression::Factor() {
    double value = 0;
    const TExpressionKey token = Token;
    switch (token) {
    case ekNumber:
        value = Value;
        NextToken();
        break;
    case ekLParen:
        NextToken();
        value = EvalSum();
        CloseParenthesis();
        break;
    case ekPi:
        value = kPi;
        NextToken();
        break;
    case ekHex:
    case ekBin:
        value = ReadHexOrBinNumber(token == ekHex);
        break;
    case ekLogXY:
    case ekRoundOff: {
        NextToken();
        const double a = EvalSum();
        const double b = EvalSum();
        if (Token == ekRParen) {
            NextToken();
        }
        value = token == ekLogXY ? std::log(b) / std::log(a) : RoundOff(a, b);
        break;
    }
    case ekLogN: {
        NextToken();
        const double a = EvalImplicitProduct();
        NextToken();
        const double b = EvalImplicitProduct();
        value = std::log(b) / std::log(a);
        break;
    }
    default:
        if (token < ekSin || token > ekFloor) {
            RaiseError(enSyntaxError);
        }
        NextToken();
        value = FunctionValue(token);
        break;
    }
    return CheckValue(value);
}

// The one-argument functions; the function's own token has been consumed.
double TExpression::FunctionValue(TExpressionKey function) {
    const double x = EvalImplicitProduct();
    switch (function) {
    case ekSqrt:
        return std::sqrt(x);
    case ekLog10:
        return std::log(x) * kLog10E;
    case ekLn:
    case ekLogE:
        return std::log(x);
    case ekLog2:
        return std::log(x) * kLog2E;
    case ekExp10:
        return Power(10, x);
    case ekExp:
        return std::exp(x);
    case ekAbs:
        return std::fabs(x);
    case ekInt:
        return std::trunc(x);
    case ekFrac:
        return x - std::trunc(x);
    case ekCeil:
        return std::ceil(x) + 0.0;
    case ekFloor:
        return std::floor(x) + 0.0;
    default: // ekSin .. ekArcTanH
        return EvalTrig(function, x);
    }
}

double TExpression::EvalTrig(TExpressionKey function, double x) {
    if (function == ekSin || function == ekCos || function == ekTan) {
        if (FAngleMode == atDeg) {
            x *= kDegToRad;
        } else if (FAngleMode == atGrad) {
            x *= kGradToRad;
        }
        if (std::fabs(x) > kMaxTrigRadians) {
            RaiseError(enNanError);
        }
    }
    double result = 0;
    switch (function) {
    case ekSin:
        result = IsIntegralAt15Digits(x / kPi) ? 0 : std::sin(x);
        break;
    case ekCos:
        result = IsIntegralAt15Digits((x - kHalfPi) / kPi) ? 0 : std::cos(x);
        break;
    case ekTan:
        if (std::fabs(std::cos(x)) <= 1E-15) {
            RaiseError(enInfinityError);
        }
        result = std::tan(x);
        break;
    case ekArcSin:
        result = std::atan2(x, std::sqrt((x + 1) * (1 - x)));
        break;
    case ekArcCos:
        result = std::atan2(std::sqrt((x + 1) * (1 - x)), x);
        break;
    case ekArcTan:
        result = std::atan(x);
        break;
    case ekSinH:
        result = std::fabs(x) <= kZeroTolerance ? 0 : (std::exp(x) - std::exp(-x)) / 2;
        break;
    case ekCosH:
        result = std::fabs(x) <= kZeroTolerance ? 1 : (std::exp(x) + std::exp(-x)) / 2;
        break;
    case ekTanH:
        result = std::tanh(x);
        break;
    case ekArcSinH:
        // ln(x + sqrt(x^2 + 1)) cancels for large negative x and loses tiny ones.
        result = std::asinh(x);
        break;
    case ekArcCosH:
        result = std::log(x + std::sqrt((x - 1) / (x + 1)) * (x + 1));
        break;
    default: // ekArcTanH
        if (SameValue(x, 1)) {
            result = std::numeric_limits<double>::infinity();
        } else if (SameValue(x, -1)) {
            result = -std::numeric_limits<double>::infinity();
        } else {
            result = std::log((1 + x) / (1 - x)) * 0.5;
        }
        break;
    }
    CheckValue(result);
    if (function == ekArcSin || function == ekArcCos || function == ekArcTan) {
        if (FAngleMode == atDeg) {
            result *= kRadToDeg;
        } else if (FAngleMode == atGrad) {
            result *= kRadToGrad;
        }
    }
    const double snap = function == ekSin ? 1E-99 : 1E-14;
    return std::fabs(result) <= snap ? 0 : result;
}

// HEX and BIN literals: the digits follow the function key, optionally in parentheses. HEX reads
// up to 32 bits in two's complement (FFFFFFFF is -1); so does BIN.
double TExpression::ReadHexOrBinNumber(bool isHex) {
    const TExpressionKey first = C;
    if (first == ekLParen) {
        Token = ekLParen;
        Step();
    }
    double value = 0;
    if (AtEnd()) {
        Token = ekNewLine;
    } else if (IsNumberKey(C)) {
        std::u16string text;
        while (!AtEnd() && IsNumberKey(C)) {
            text += KeyTextView(C);
            Step();
        }
        const std::uint64_t base = isHex ? 16 : 2;
        std::uint64_t bits = 0;
        bool valid = !text.empty();
        for (const char16_t ch : text) {
            const std::uint64_t digit = IsDigit(ch)                  ? ch - u'0'
                                        : (ch >= u'A' && ch <= u'F') ? ch - u'A' + 10
                                                                     : base;
            valid = valid && digit < base && bits * base + digit <= 0xFFFFFFFFu;
            if (!valid) {
                break;
            }
            bits = bits * base + digit;
        }
        if (!valid) {
            RaiseError(enSyntaxError);
        }
        value = static_cast<std::int32_t>(static_cast<std::uint32_t>(bits));
        Token = ekNumber;
    }
    if (first == ekLParen) {
        NextToken();
    }
    NextToken();
    return value;
}

} // namespace kalvio
