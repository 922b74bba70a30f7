#include "engine/BcdPower.h"

#include "engine/BcdDecimal.h"
#include "engine/BcdReciprocalDivisor.h"

namespace kalvio {

namespace {

__extension__ typedef unsigned __int128 TUInt128;

constexpr std::uint64_t QuotientOne = 10'000'000'000; // 1 with ten decimals

constexpr int QuotientPlaces = 10;
// A quotient keeps QuotientPlaces decimals while it has at most this many integer digits.
constexpr int FullPlacesDigits = TBcd::MaxDigits - QuotientPlaces;
// The budget's units for a round on 128-bit integers, a single step by a one-limb base or
// through a reciprocal, and a round or a long division on TBcdInteger: about 20 ns each.
constexpr std::int64_t NativeRoundCost = 1;
constexpr std::int64_t WideRoundCost = 10;
constexpr std::int64_t DirectStepCost = 3;
// Stretches this short are taken as single steps.
constexpr std::uint64_t ShortStretchSteps = 3;
constexpr std::uint64_t NativeBound = std::uint64_t{1} << 62;
// From this many limbs on, a base's quotients are cheaper through its reciprocal than by long
// division.
constexpr int ReciprocalMinLimbs = 4;

TBcd PositivePower(const TBcd& base, std::int64_t steps) {
    TBcd result = IntegerToBcd(1);
    for (std::int64_t step = 0; step < steps; ++step) {
        result = BcdMultiply(result, base);
        if (BcdIsZero(result)) {
            break;
        }
    }
    return result;
}

TBcdInteger ToBcdInteger(TUInt128 value) {
    const auto high = static_cast<std::uint64_t>(value >> 64);
    const auto low = static_cast<std::uint64_t>(value);
    return TBcdInteger(high) * TBcdInteger(UINT64_MAX) + TBcdInteger(high) + TBcdInteger(low);
}

void DivMod(TUInt128 dividend, TUInt128 divisor, TUInt128& quotient, TUInt128& remainder) {
    quotient = dividend / divisor;
    remainder = dividend % divisor;
}

void DivMod(const TBcdInteger& dividend, const TBcdInteger& divisor, TBcdInteger& quotient,
            TBcdInteger& remainder) {
    TBcdInteger::DivMod(dividend, divisor, quotient, remainder);
}

std::int64_t ToSteps(TUInt128 value) {
    return static_cast<std::int64_t>(value);
}

std::int64_t ToSteps(const TBcdInteger& value) {
    std::uint64_t steps = 0;
    value.TryToUInt64(steps);
    return static_cast<std::int64_t>(steps);
}

// The scaled quotients Q (q = Q / 10^10) of 1/x, (1/x)/x, ... for x = X / 10^p, as long as q
// keeps ten decimals. A step maps Q to floor(Q * 10^p / X). With d = |10^p - X| that is Q + c
// for x < 1, where Q*d = c*X + R (0 <= R < X), and Q - e for x > 1, where Q*d = e*X - R. The
// step c (or e) stays the same while R + j*c*d < X, so the steps of such a stretch are taken
// together, and the next step follows from the remainder without dividing Q itself.
template <typename TInt> class TQuotientWalk {
public:
    TQuotientWalk(const TInt& base, const TInt& delta, const TInt& scaled, bool growing)
        : FBase(base), FDelta(delta), FScaled(scaled), FGrowing(growing) {
        const TInt product = scaled * delta;
        if (growing) {
            DivMod(product, base, FStep, FRemainder);
        } else {
            TInt overshoot;
            DivMod(product + base - TInt(1), base, FStep, overshoot);
            FRemainder = FStep * base - product;
        }
    }

    template <typename TOther>
    explicit TQuotientWalk(const TQuotientWalk<TOther>& other, TInt (*convert)(const TOther&))
        : FBase(convert(other.FBase)), FDelta(convert(other.FDelta)),
          FScaled(convert(other.FScaled)), FStep(convert(other.FStep)),
          FRemainder(convert(other.FRemainder)), FGrowing(other.FGrowing) {}

    // The quotient no longer changes: x < 1 whose step is 0, or a quotient of 0.
    bool Settled() const { return FStep == TInt(0); }
    const TInt& Scaled() const { return FScaled; }
    const TInt& Step() const { return FStep; }

    // Takes up to `remaining` steps, at most one stretch, and only steps whose quotient stays
    // below `limit`; returns how many (0 if the next step reaches the limit).
    std::int64_t Advance(std::int64_t remaining, const TInt& limit) {
        if (FGrowing && !(FScaled + FStep < limit)) {
            return 0;
        }
        const TInt stepDelta = FStep * FDelta;
        TInt steps = (FBase - TInt(1) - FRemainder) / stepDelta + TInt(1);
        if (TInt(static_cast<std::uint64_t>(remaining)) < steps) {
            steps = TInt(static_cast<std::uint64_t>(remaining));
        }
        if (FGrowing && !(FScaled + steps * FStep < limit)) {
            steps = (limit - TInt(1) - FScaled) / FStep;
        }
        FScaled = FGrowing ? FScaled + steps * FStep : FScaled - steps * FStep;
        TInt carried;
        DivMod(FRemainder + steps * stepDelta, FBase, carried, FRemainder);
        FStep = FGrowing ? FStep + carried : FStep - carried;
        return ToSteps(steps);
    }

private:
    template <typename TOther> friend class TQuotientWalk;

    TInt FBase;
    TInt FDelta;
    TInt FScaled;
    TInt FStep;
    TInt FRemainder;
    bool FGrowing;
};

// Every quotient of the run, as Scaled / 10^Places.
class TQuotientSteps {
public:
    TQuotientSteps(const TBcdDecimal& base, std::int64_t steps, TBcdPowerBudget& budget)
        : FBase(base.Coefficient), FBasePlaces(base.Places), FRemaining(steps), FBudget(budget) {
        const TBcdInteger one = TBcdInteger::Pow10(FBasePlaces);
        FGrowing = FBase < one;
        FDelta = FGrowing ? one - FBase : FBase - one;
        const TBcdInteger stretchDelta = FDelta * TBcdInteger(ShortStretchSteps);
        FDirectStepBound = (FBase + stretchDelta - TBcdInteger(1)) / stretchDelta;
        if (FBase.LimbCount() >= ReciprocalMinLimbs) {
            FReciprocal = TBcdReciprocalDivisor(FBase, FBasePlaces);
        }
    }

    TBcdDecimal Run();

private:
    // Both return true when the rest is to be taken one step at a time (growing quotients with
    // single-step stretches, or more than 54 integer digits ahead).
    bool RunNative(TQuotientWalk<TUInt128> walk);
    bool RunWide(TQuotientWalk<TBcdInteger> walk);
    void DivideOnce();
    void Spend(std::int64_t cost) { FBudget.Spend(cost); }

    TBcdInteger FBase; // x = FBase / 10^FBasePlaces
    int FBasePlaces;
    TBcdInteger FDelta; // |10^FBasePlaces - FBase|
    bool FGrowing = false;
    // From this step on stretches have at most about ShortStretchSteps steps
    // (step * FDelta * ShortStretchSteps >= FBase), and single divisions are cheaper.
    TBcdInteger FDirectStepBound;
    // Quotients with ten decimals, for bases of several limbs.
    TBcdReciprocalDivisor FReciprocal{TBcdInteger(), 0};
    std::int64_t FRemaining;
    TBcdPowerBudget& FBudget;
    TBcdInteger FScaled = TBcdInteger::Pow10(QuotientPlaces);
    int FPlaces = QuotientPlaces;
};

TBcdDecimal TQuotientSteps::Run() {
    std::uint64_t base = 0;
    std::uint64_t difference = 0;
    const bool singleSteps =
        FBase.TryToUInt64(base) && FDelta.TryToUInt64(difference) && base < NativeBound &&
                difference < NativeBound
            ? RunNative(TQuotientWalk<TUInt128>(base, difference, QuotientOne, FGrowing))
            : RunWide(TQuotientWalk<TBcdInteger>(FBase, FDelta, FScaled, FGrowing));
    // Growing quotients whose stretches are single steps; beyond 54 integer digits only a few
    // steps remain before they overflow.
    while (singleSteps && FRemaining > 0) {
        DivideOnce();
    }
    TBcdDecimal result;
    result.Coefficient = FScaled;
    result.Places = FPlaces;
    return result;
}

// 128-bit arithmetic while every product stays far inside it (base and difference below 2^62,
// quotient below 2^100, step below 2^62); the wide arithmetic takes over beyond.
bool TQuotientSteps::RunNative(TQuotientWalk<TUInt128> walk) {
    const TUInt128 scaledBound = TUInt128{1} << 100;
    while (FRemaining > 0 && !walk.Settled()) {
        Spend(NativeRoundCost);
        const std::int64_t taken =
            walk.Step() < NativeBound ? walk.Advance(FRemaining, scaledBound) : std::int64_t{0};
        if (taken == 0) {
            return RunWide(TQuotientWalk<TBcdInteger>(
                walk, +[](const TUInt128& value) { return ToBcdInteger(value); }));
        }
        FRemaining -= taken;
    }
    FScaled = ToBcdInteger(walk.Scaled());
    return false;
}

bool TQuotientSteps::RunWide(TQuotientWalk<TBcdInteger> walk) {
    static const TBcdInteger FullPlacesLimit =
        TBcdInteger::Pow10(FullPlacesDigits + QuotientPlaces);
    while (FRemaining > 0 && !walk.Settled()) {
        if (walk.Step() >= FDirectStepBound) {
            FScaled = walk.Scaled();
            if (FGrowing) {
                return true; // the steps only grow from here
            }
            TBcdInteger previous;
            do {
                previous = FScaled;
                DivideOnce();
            } while (FRemaining > 0 && previous - FScaled >= FDirectStepBound);
            walk = TQuotientWalk<TBcdInteger>(FBase, FDelta, FScaled, false);
            continue;
        }
        Spend(WideRoundCost);
        const std::int64_t taken = walk.Advance(FRemaining, FullPlacesLimit);
        if (taken == 0) {
            FScaled = walk.Scaled();
            return true;
        }
        FRemaining -= taken;
    }
    FScaled = walk.Scaled();
    return false;
}

// q / x cut after the 10th decimal, or after the 64th digit beyond 54 integer digits.
void TQuotientSteps::DivideOnce() {
    TBcdInteger quotient;
    if (FPlaces == QuotientPlaces && FReciprocal.IsFast()) {
        Spend(DirectStepCost);
        quotient = FReciprocal.Divide(FScaled);
    } else {
        Spend(FBase.LimbCount() == 1 ? DirectStepCost : WideRoundCost);
        quotient = FScaled;
        quotient.MultiplyPow10(FBasePlaces + QuotientPlaces - FPlaces);
        quotient = quotient / FBase;
    }
    const int integerDigits = std::max(0, quotient.DigitCount() - QuotientPlaces);
    if (integerDigits > TBcd::MaxDigits) {
        RaiseBcdOverflow();
    }
    FPlaces = QuotientPlaces;
    if (integerDigits > FullPlacesDigits) {
        quotient.DividePow10(integerDigits - FullPlacesDigits);
        FPlaces = TBcd::MaxDigits - integerDigits;
    }
    FScaled = quotient;
    --FRemaining;
}

} // namespace

void TBcdPowerBudget::Spend(std::int64_t units) {
    FRemaining -= units;
    if (FRemaining < 0) {
        throw EBcdException("the power needs too many steps");
    }
}

TBcd BcdPower(const TBcd& base, std::int32_t exponent) {
    TBcdPowerBudget budget;
    return BcdPower(base, exponent, budget);
}

TBcd BcdPower(const TBcd& base, std::int32_t exponent, TBcdPowerBudget& budget) {
    const TBcdDecimal x = UnpackBcd(base);
    const std::int64_t steps = exponent < 0 ? -std::int64_t{exponent} : exponent;
    const bool negative = x.Negative && steps % 2 != 0;
    if (steps == 0) {
        return IntegerToBcd(1);
    }
    if (x.Coefficient == TBcdInteger(1) && x.Places == 0) {
        return IntegerToBcd(negative ? -1 : 1);
    }
    if (exponent > 0) {
        return PositivePower(base, steps);
    }
    if (x.Coefficient.IsZero()) {
        throw EBcdException("decimal division by zero");
    }
    TBcdDecimal result = TQuotientSteps(x, steps, budget).Run();
    result.Negative = negative;
    return PackBcd(result);
}

} // namespace kalvio
