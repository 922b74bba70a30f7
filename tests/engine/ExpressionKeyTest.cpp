#include "engine/ExpressionKey.h"

#include <gtest/gtest.h>

namespace kalvio {
namespace {

TEST(ExpressionKey, TextsOfSharedAndEmptyKeys) {
    EXPECT_EQ(KeyToText(ekStoGT), u"");
    EXPECT_EQ(KeyToText(ekVariable), u"");
    EXPECT_EQ(KeyToText(ekMultiPriority1), u"");
    for (TExpressionKey marker : {ekExressionKeyStart, ekEnd, ekOthers, ekNewLine, ekNil, ekNumber,
                                  ekOperator1, ekOperator6, ekStoVarStart, ekStoVarEnd,
                                  ekPowerStart, ekPowerEnd, ekOperatorStart, ekOperatorEnd,
                                  ekNumberStart, ekNumberEnd, ekOmissionMulop, ekFunctionStart,
                                  ekFunctionEnd, ekVariableStart, ekVariableEnd,
                                  ekExressionKeyEnd}) {
        EXPECT_EQ(KeyToText(marker), u"") << int(marker);
    }
    EXPECT_EQ(KeyToText(ekHexE), u"E");
    EXPECT_EQ(KeyToText(ekE), u"E");
    EXPECT_EQ(KeyToText(ekLogN), u"log");
    EXPECT_EQ(KeyToText(ekReciprocal), u"^(-1)");
    EXPECT_EQ(KeyToText(ekPol), u"Pol(");
    EXPECT_EQ(KeyToText(ekStoA), u" \u2192 A");
    EXPECT_EQ(KeyToText(ekPi), u"\u03C0");
    EXPECT_EQ(KeyToText(ekVarGTCount), u"GTCount");
}

TEST(ExpressionKey, FixedValues) {
    EXPECT_EQ(ekStoVarStart, 22);
    EXPECT_EQ(ekRParen, 38);
    EXPECT_EQ(ekOperatorStart, 52);
    EXPECT_EQ(ekNumberStart, 64);
    EXPECT_EQ(ek0, 65);
    EXPECT_EQ(ekHexA, 77);
    EXPECT_EQ(ekOmissionMulop, 84);
    EXPECT_EQ(ekVariable, 116);
    EXPECT_EQ(ekPi, 119);
    EXPECT_EQ(ekVarGTCount, 127);
}

TEST(ExpressionKey, PredicatesIncludeOrExcludeTheirMarkers) {
    EXPECT_TRUE(IsNumberKey(ekNumberStart));
    EXPECT_TRUE(IsNumberKey(ekNumberEnd));
    EXPECT_FALSE(IsNumberKey(ekOmissionMulop));
    EXPECT_FALSE(IsFunctionKey(ekFunctionStart));
    EXPECT_FALSE(IsVariableKey(ekVariableStart));
    EXPECT_TRUE(IsFunctionKey(ekVariable));
    EXPECT_FALSE(IsVariableKey(ekVariable));
    EXPECT_TRUE(IsOperatorKey(ekMultiPriority1));
    EXPECT_TRUE(IsOperatorKey(ekOperatorEnd));
    EXPECT_FALSE(IsPowerKey(ekPowerRoot));
    EXPECT_TRUE(IsPowerKey(ekReciprocal));
    EXPECT_FALSE(IsPowerKey(ekPowerEnd));
    EXPECT_TRUE(IsSignKey(ekMinus));
    EXPECT_FALSE(IsSignKey(ekSub));
    EXPECT_TRUE(IsFunctionOrVariableKey(ekPi));
    EXPECT_TRUE(IsFunctionOrVariableKey(ekSin));
    EXPECT_FALSE(IsFunctionOrVariableKey(ekLParen));
}

} // namespace
} // namespace kalvio
