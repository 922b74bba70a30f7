#include "calculator/DualValue.h"

#include <gtest/gtest.h>

namespace kalvio {
namespace {

TEST(DualValue, DoublesWithoutADecimalFormAreMarked) {
    EXPECT_TRUE(TDualValue::FromDouble(1E63).IsBcdValid);
    for (double value : {1E64, -1E64, 1E300, 1.5E-70}) {
        const TDualValue dual = TDualValue::FromDouble(value);
        EXPECT_FALSE(dual.IsBcdValid) << value;
        EXPECT_EQ(dual.Value, value);
        EXPECT_TRUE(BcdIsZero(dual.BcdValue)); // the stand-in a settings file keeps
        EXPECT_FALSE(TDualValue::FromStored(value, dual.BcdValue).IsBcdValid);
    }
    EXPECT_TRUE(TDualValue::FromStored(0, TBcd{}).IsBcdValid);
    EXPECT_TRUE(TDualValue::FromStored(2, StrToBcd(u"2")).IsBcdValid);
}

TEST(DualValue, SumsKeepBothFormsAndPropagateInvalidity) {
    const TDualValue third = TDualValue::FromBcd(StrToBcd(u"0.3333333333"));
    const TDualValue sum = AddDual(third, TDualValue::FromDouble(1));
    EXPECT_EQ(BcdToStr(sum.BcdValue), u"1.3333333333");
    EXPECT_DOUBLE_EQ(sum.Value, 1.3333333333);
    EXPECT_FALSE(AddDual(sum, TDualValue::FromDouble(1E70)).IsBcdValid);
    const TDualValue nines = TDualValue::FromBcd(StrToBcd(std::u16string(64, u'9')));
    EXPECT_FALSE(AddDual(nines, nines).IsBcdValid); // the decimal sum overflows
    EXPECT_EQ(BcdToStr(SubtractDual(sum, third).BcdValue), u"1");
}

TEST(DualValue, AValueHandedBackUnchangedKeepsItsPair) {
    const TDualValue exact = TDualValue::FromBcd(StrToBcd(u"12345678901234567890.5"));
    EXPECT_EQ(BcdToStr(KeepOrFromDouble(exact, exact.Value).BcdValue), u"12345678901234567890.5");
    EXPECT_EQ(KeepOrFromDouble(exact, 2).Value, 2);
    const TDualValue big = TDualValue::FromDouble(1E70);
    EXPECT_EQ(KeepOrFromBcd(big, big.BcdValue).Value, 1E70);
    EXPECT_EQ(KeepOrFromBcd(big, StrToBcd(u"3")).Value, 3);
}

} // namespace
} // namespace kalvio
