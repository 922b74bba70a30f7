#include "state/ExpressionHistory.h"

#include <gtest/gtest.h>

namespace kalvio {
namespace {

bool SameBcd(const TBcd& left, const TBcd& right) {
    return left.Precision == right.Precision && left.SignSpecialPlaces == right.SignSpecialPlaces &&
           left.Fraction == right.Fraction;
}

TEST(ExpressionHistory, ClearGivesAnEntryEqualToANewOne) {
    TExpressionHistory entry;
    entry.Ans = 1;
    entry.PreAns = 2;
    entry.Value = 3;
    entry.VarM = 4;
    entry.VarGT = 5;
    for (TBcd* decimal :
         {&entry.BcdAns, &entry.BcdPreAns, &entry.BcdValue, &entry.BcdVarM, &entry.BcdVarGT}) {
        decimal->Precision = 1;
        decimal->Fraction[0] = 0x70;
    }
    entry.AngleMode = atGrad;
    entry.ViewMode = vtHex;
    entry.DigitNumber = 9;
    entry.IsGroupingSeparator = true;
    entry.ExpressionText = u"1+2";
    entry.Clear();

    const TExpressionHistory fresh;
    EXPECT_EQ(entry.Ans, fresh.Ans);
    EXPECT_EQ(entry.PreAns, fresh.PreAns);
    EXPECT_EQ(entry.Value, fresh.Value);
    EXPECT_EQ(entry.VarM, fresh.VarM);
    EXPECT_EQ(entry.VarGT, fresh.VarGT);
    EXPECT_TRUE(SameBcd(entry.BcdAns, fresh.BcdAns));
    EXPECT_TRUE(SameBcd(entry.BcdPreAns, fresh.BcdPreAns));
    EXPECT_TRUE(SameBcd(entry.BcdValue, fresh.BcdValue));
    EXPECT_TRUE(SameBcd(entry.BcdVarM, fresh.BcdVarM));
    EXPECT_TRUE(SameBcd(entry.BcdVarGT, fresh.BcdVarGT));
    EXPECT_EQ(entry.AngleMode, atDeg);
    EXPECT_EQ(entry.ViewMode, vtNormal);
    EXPECT_EQ(entry.DigitNumber, 0);
    EXPECT_FALSE(entry.IsGroupingSeparator);
    EXPECT_EQ(entry.ExpressionText, u"");
}

} // namespace
} // namespace kalvio
