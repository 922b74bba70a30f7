#include "display/PreRounding.h"

#include <cmath>
#include <limits>

namespace kalvio {

namespace {

enum class TDirection { Down, Up };

double Toward(double value, TDirection direction) {
    return std::nextafter(value, direction == TDirection::Down
                                     ? -std::numeric_limits<double>::infinity()
                                     : std::numeric_limits<double>::infinity());
}

// An overflowed result under directed rounding: the largest finite value on the side the
// direction does not cross.
double DirectedOverflow(double infinity, TDirection direction) {
    const bool toFinite = (infinity > 0) == (direction == TDirection::Down);
    return toFinite ? std::copysign(std::numeric_limits<double>::max(), infinity) : infinity;
}

// a x b rounded in `direction`: the nearest product, moved by one step when the exact error
// (which fma gives) lies on the wrong side.
double MultiplyDirected(double a, double b, TDirection direction) {
    const double product = a * b;
    if (!std::isfinite(a) || !std::isfinite(b)) {
        return product;
    }
    if (std::isinf(product)) {
        return DirectedOverflow(product, direction);
    }
    if (product == 0) {
        const bool isPositive = std::signbit(a) == std::signbit(b);
        if (a == 0 || b == 0 || isPositive != (direction == TDirection::Up)) {
            return product;
        }
        return Toward(product, direction);
    }
    const double error = std::fma(a, b, -product);
    return (direction == TDirection::Down ? error < 0 : error > 0) ? Toward(product, direction)
                                                                   : product;
}

// a / b rounded in `direction`, for b > 0: the remainder a - q x b is exact.
double DivideDirected(double a, double b, TDirection direction) {
    const double quotient = a / b;
    if (!std::isfinite(a) || !std::isfinite(b)) {
        return quotient;
    }
    if (std::isinf(quotient)) {
        return DirectedOverflow(quotient, direction);
    }
    const double remainder = std::fma(-quotient, b, a);
    return (direction == TDirection::Down ? remainder < 0 : remainder > 0)
               ? Toward(quotient, direction)
               : quotient;
}

} // namespace

double PreRoundValue(double value, int digitNumber, TRoundSelector selector) {
    if (selector == rs54) {
        return value;
    }
    const auto direction = selector == rsCut ? TDirection::Down : TDirection::Up;
    // The scale is a single-precision power of ten.
    const double scale = static_cast<float>(std::pow(10.0, digitNumber));
    const double scaled = MultiplyDirected(value, scale, direction);
    const double integer = direction == TDirection::Down ? std::floor(scaled) : std::ceil(scaled);
    return DivideDirected(integer, scale, direction);
}

} // namespace kalvio
