#pragma once

#include "engine/Bcd.h"

#include <cstdint>

namespace kalvio {

// The work that negative powers may take, in units of about 20 ns. One budget serves every power
// of one evaluation, so that no input runs longer than about 35 ms however many powers it has.
class TBcdPowerBudget {
public:
    static constexpr std::int64_t DefaultUnits = 1'500'000;

    explicit TBcdPowerBudget(std::int64_t units = DefaultUnits) : FRemaining(units) {}

    // Raises EBcdException once the budget is spent.
    void Spend(std::int64_t units);
    std::int64_t Remaining() const { return FRemaining; }

private:
    std::int64_t FRemaining;
};

// x^n by its step-by-step definition: 1 multiplied by x n times, or 1 divided by x |n| times
// with every quotient cut as BcdDivide cuts it (so 3^-2 is 0.1111111111). The result is always
// that of the definition, but long runs are not stepped through: a base of magnitude 1 only
// alternates the sign, a quotient that reached zero or stopped changing stays, and as long as
// the quotient grows or shrinks by the same amount at every step, a whole stretch of steps is
// taken at once. Positive powers overflow within 213 steps unless the base is 0 or of magnitude
// 1.
//
// Raises EBcdOverflowException when a step needs more than 64 digits, EBcdException for 0 to a
// negative power, and EBcdException when a negative power spends the budget. A single power
// spends it only when its quotients change at every step yet would overflow only after millions
// of steps: bases about 5*10^-4 to 5*10^-9 below 1 in magnitude, from exponents of about -10^6
// (0.9999^-1000000) for the farther ones to about -10^9 (0.99999999^-2147483647) for the nearer
// ones. Bases above 1 in magnitude, bases farther below 1 and bases within about 10^-9 of 1
// finish with the exact result or the overflow well within the budget.
TBcd BcdPower(const TBcd& base, std::int32_t exponent, TBcdPowerBudget& budget);
// With a budget of its own.
TBcd BcdPower(const TBcd& base, std::int32_t exponent);

} // namespace kalvio
