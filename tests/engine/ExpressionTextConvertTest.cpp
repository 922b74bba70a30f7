#include "engine/ExpressionTextConvert.h"

#include <gtest/gtest.h>
#include <thread>

namespace kalvio {
namespace {

using Keys = TExpressionKeyList;

// Variables are looked up by number, so the fixture gives them telling numbers: R is 5, BIG 12.
TVariableDictionary MakeDictionary() {
    TVariableDictionary dictionary;
    const std::u16string_view names[] = {
        u"F0",           u"F1",  u"F2",           u"F3", u"F4", u"R",
        u"\u5909\u6570",                          // kanji
        u"\u30AC\u30B9",                          // katakana, stored half-width
        u"X_1",          u"[Q]", u"\xD840\xDC0B", // a letter outside the BMP
        u"F11",          u"BIG"};
    for (std::u16string_view name : names) {
        dictionary.AddOrSetValue(name, 0.0, TBcd{});
    }
    return dictionary;
}

const TVariableDictionary& Dictionary() {
    static const TVariableDictionary dictionary = MakeDictionary();
    return dictionary;
}

struct TConvertCase {
    const char* Name;
    std::u16string_view Text;
    Keys Expected;
};

void PrintTo(const TConvertCase& convertCase, std::ostream* out) {
    *out << convertCase.Name;
}

class ConvertSucceeds : public testing::TestWithParam<TConvertCase> {};

TEST_P(ConvertSucceeds, GivesKeys) {
    TExpressionTextConvert converter(Dictionary());
    ASSERT_TRUE(converter.Convert(GetParam().Text)) << "error at " << converter.ErrorIndex();
    EXPECT_EQ(converter.KeyList(), GetParam().Expected);
    EXPECT_EQ(converter.ErrorIndex(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Operators, ConvertSucceeds,
    testing::Values(
        TConvertCase{
            "FullWidth", u"\uFF12\uFF0B\uFF13\u00D7\uFF14", {ek2, ekAdd, ek3, ekMulti, ek4}},
        TConvertCase{"ProlongedSoundMark", u"8\u30FC3", {ek8, ekSub, ek3}},
        TConvertCase{"HorizontalBar", u"8\u20153", {ek8, ekSub, ek3}},
        TConvertCase{"HalfWidthProlongedMark", u"8\uFF703", {ek8, ekSub, ek3}},
        TConvertCase{"DivisionSign", u"8\u00F72", {ek8, ekDiv, ek2}},
        TConvertCase{"Punctuation",
                     u"(1.5,2)%!^3/4",
                     {ekLParen, ek1, ekDot, ek5, ekComma, ek2, ekRParen, ekPercent, ekFactorial,
                      ekPower, ek3, ekDiv, ek4}},
        TConvertCase{
            "RootAndPowers", u"\u221A9\u00B2+9\u00B3", {ekSqrt, ek9, ekSquare, ekAdd, ek9, ekCube}},
        TConvertCase{"SpacesVanish", u"  2 3 +\u3000 1  ", {ek2, ek3, ekAdd, ek1}},
        TConvertCase{
            "AllDigits", u"0123456789", {ek0, ek1, ek2, ek3, ek4, ek5, ek6, ek7, ek8, ek9}},
        TConvertCase{"ExponentLetter", u"1e-5", {ek1, ekE, ekSub, ek5}},
        TConvertCase{"ExponentBeforeDigits", u"2E10", {ek2, ekE, ek1, ek0}},
        TConvertCase{"DivAndModWithSpaces", u"9 mod 4 div 2", {ek9, ekMod, ek4, ekQuotient, ek2}},
        TConvertCase{
            "DivBeforeParenthesis", u"8DIV(3)", {ek8, ekQuotient, ekLParen, ek3, ekRParen}}),
    [](const testing::TestParamInfo<TConvertCase>& info) { return info.param.Name; });

INSTANTIATE_TEST_SUITE_P(
    Keywords, ConvertSucceeds,
    testing::Values(
        TConvertCase{"FunctionWithSpace", u"sin 30", {ekSin, ek3, ek0}},
        TConvertCase{"KeywordTakesLettersOnly", u"SIN30", {ekSin, ek3, ek0}},
        TConvertCase{"PiBeforeDigit", u"PI2+\u03C02", {ekPi, ek2, ekAdd, ekPi, ek2}},
        TConvertCase{"LogEIsLn", u"LOGE(2)", {ekLn, ekLParen, ek2, ekRParen}},
        TConvertCase{"FullWidthKeyword",
                     u"\uFF53\uFF49\uFF4E\uFF08\uFF11\uFF09",
                     {ekSin, ekLParen, ek1, ekRParen}},
        TConvertCase{"Registers",
                     u"ans*preans+m-gt/mcount+gtcount",
                     {ekAns, ekMulti, ekPreAns, ekAdd, ekVarM, ekSub, ekVarGT, ekDiv, ekVarMCount,
                      ekAdd, ekVarGTCount}},
        TConvertCase{"HexDigits", u"hex(ff)", {ekHex, ekLParen, ekHexF, ekHexF, ekRParen}},
        TConvertCase{"HexWithSpacesStopsAtOperator",
                     u"HEX (1 A)+2",
                     {ekHex, ekLParen, ek1, ekHexA, ekRParen, ekAdd, ek2}},
        TConvertCase{
            "HexLettersOnlyAfterHex", u"BIN(101)", {ekBin, ekLParen, ek1, ek0, ek1, ekRParen}}),
    [](const testing::TestParamInfo<TConvertCase>& info) { return info.param.Name; });

constexpr TExpressionKey Var = ekVariable;
constexpr TExpressionKey LP = ekLParen;
constexpr TExpressionKey RP = ekRParen;

INSTANTIATE_TEST_SUITE_P(
    Variables, ConvertSucceeds,
    testing::Values(
        TConvertCase{"DigitThenName", u"2R", {ek2, Var, LP, ek5, RP}},
        TConvertCase{
            "LowerAndFullWidthName", u"r+\uFF52", {Var, LP, ek5, RP, ekAdd, Var, LP, ek5, RP}},
        TConvertCase{"NameThenSpaceThenDigit", u"R 2", {Var, LP, ek5, RP, ek2}},
        TConvertCase{"MultiDigitNumber", u"BIG", {Var, LP, ek1, ek2, RP}},
        TConvertCase{
            "DigitsBelongToName", u"F11*F1", {Var, LP, ek1, ek1, RP, ekMulti, Var, LP, ek1, RP}},
        TConvertCase{"Kanji", u"\u5909\u6570*2", {Var, LP, ek6, RP, ekMulti, ek2}},
        TConvertCase{"FullWidthKatakana", u"\u30AC\u30B9/2", {Var, LP, ek7, RP, ekDiv, ek2}},
        TConvertCase{"UnderscoreInsideName", u"X_1", {Var, LP, ek8, RP}},
        TConvertCase{"BracketedName", u"[Q]", {Var, LP, ek9, RP}},
        TConvertCase{"LetterOutsideBmp", u"2\xD840\xDC0B", {ek2, Var, LP, ek1, ek0, RP}},
        TConvertCase{"FunctionOfVariable", u"SIN(R)", {ekSin, LP, Var, LP, ek5, RP, RP}}),
    [](const testing::TestParamInfo<TConvertCase>& info) { return info.param.Name; });

struct TFailureCase {
    const char* Name;
    std::u16string_view Text;
    int ErrorIndex;
    Keys KeysBefore;
};

void PrintTo(const TFailureCase& failureCase, std::ostream* out) {
    *out << failureCase.Name;
}

class ConvertFails : public testing::TestWithParam<TFailureCase> {};

TEST_P(ConvertFails, ReportsPosition) {
    TExpressionTextConvert converter(Dictionary());
    EXPECT_FALSE(converter.Convert(GetParam().Text));
    EXPECT_EQ(converter.ErrorIndex(), GetParam().ErrorIndex);
    EXPECT_EQ(converter.KeyList(), GetParam().KeysBefore);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConvertFails,
    testing::Values(
        TFailureCase{"DegreeSign", u"12\u00B030", 2, {ek1, ek2}},
        TFailureCase{"EqualsSign", u"1=2", 1, {ek1}},
        TFailureCase{"Symbols", u"1+&$'", 2, {ek1, ekAdd}},
        TFailureCase{"UnknownName", u"2+Q", 2, {ek2, ekAdd}},
        TFailureCase{"NameTakesDigits", u"R2", 0, {}},
        TFailureCase{"NoPrefixMatch", u"ANSWER", 0, {}},
        TFailureCase{"ModWithoutSpace", u"9MOD4", 1, {ek9}},
        TFailureCase{"DivWithoutSpace", u"8DIV3", 1, {ek8}},
        TFailureCase{"UndefinedArgument", u"SIN(X)", 4, {ekSin, ekLParen}},
        TFailureCase{"BracketsOutsideCalcMode", u"[R]", 0, {}},
        TFailureCase{"UnderscoreStartsNothing", u"1+_X", 2, {ek1, ekAdd}},
        TFailureCase{"HexStopsAtOtherLetter", u"HEX(1G)", 5, {ekHex, ekLParen, ek1}},
        TFailureCase{"FullWidthPositions", u"\uFF53\uFF49\uFF4E\uFF08\u00B0", 4, {ekSin, ekLParen}},
        TFailureCase{"UnassignedEndsName", u"R\u0378", 1, {Var, LP, ek5, RP}},
        TFailureCase{"LoneSurrogate", u"1\xD800", 1, {ek1}},
        TFailureCase{
            "PositionCountsUtf16Units", u"\xD840\xDC0B+Z", 3, {Var, LP, ek1, ek0, RP, ekAdd}},
        TFailureCase{"SpaceAfterKeyIsSkipped", u"1 #", 2, {ek1}}),
    [](const testing::TestParamInfo<TFailureCase>& info) { return info.param.Name; });

TEST(ExpressionTextConvert, LengthLimit) {
    TExpressionTextConvert converter(Dictionary());
    EXPECT_FALSE(converter.Convert(u""));
    EXPECT_TRUE(converter.KeyList().empty());

    const std::u16string longest(TExpressionTextConvert::MaxTextLength, u'1');
    EXPECT_TRUE(converter.Convert(longest));
    EXPECT_EQ(converter.KeyList().size(), longest.size());

    EXPECT_FALSE(converter.Convert(longest + u"1"));
    EXPECT_TRUE(converter.KeyList().empty());
    EXPECT_EQ(converter.ErrorIndex(), 0);
}

TEST(ExpressionTextConvert, TextGrowingInNormalisationConvertsWhole) {
    // Every voiced kana becomes two units, so the 1023-unit text is 1535 units long once
    // normalised; it must still convert completely.
    TVariableDictionary dictionary;
    dictionary.AddOrSetValue(u"\u30AC", 1.0, TBcd{});
    std::u16string text = u"\u30AC";
    while (text.size() + 2 <= TExpressionTextConvert::MaxTextLength) {
        text += u"+\u30AC";
    }
    TExpressionTextConvert converter(dictionary);
    ASSERT_TRUE(converter.Convert(text));
    EXPECT_EQ(converter.ExpressionText().size(), 1535u);
    EXPECT_EQ(converter.KeyList().size(), 512u * 4 + 511);
}

TEST(ExpressionTextConvert, WithoutDictionaryNamesFail) {
    TExpressionTextConvert converter;
    EXPECT_TRUE(converter.Convert(u"SIN(PI)"));
    EXPECT_FALSE(converter.Convert(u"2*R"));
    EXPECT_EQ(converter.ErrorIndex(), 2);
}

TEST(ExpressionTextConvert, VariableNamedEReplacesTheExponent) {
    TVariableDictionary dictionary;
    dictionary.AddOrSetValue(u"E", 1.0, TBcd{});
    TExpressionTextConvert converter(dictionary);
    ASSERT_TRUE(converter.Convert(u"2E"));
    EXPECT_EQ(converter.KeyList(), (Keys{ek2, Var, LP, ek0, RP}));
    // E5 is no variable, so the lone letter is still the exponent.
    ASSERT_TRUE(converter.Convert(u"1E5"));
    EXPECT_EQ(converter.KeyList(), (Keys{ek1, ekE, ek5}));
}

TEST(ExpressionTextConvert, ConverterCanBeReusedAfterFailure) {
    TExpressionTextConvert converter(Dictionary());
    EXPECT_FALSE(converter.Convert(u"1+2+Q"));
    EXPECT_EQ(converter.ErrorIndex(), 4);
    ASSERT_TRUE(converter.Convert(u"3"));
    EXPECT_EQ(converter.KeyList(), Keys{ek3});
    EXPECT_EQ(converter.ErrorIndex(), 0);
    EXPECT_EQ(converter.TakeKeyList(), Keys{ek3});
}

struct TCalcModeCase {
    const char* Name;
    std::u16string_view Text;
    Keys Expected;
    std::vector<std::u16string> Names;
};

void PrintTo(const TCalcModeCase& calcCase, std::ostream* out) {
    *out << calcCase.Name;
}

class CalcMode : public testing::TestWithParam<TCalcModeCase> {};

TEST_P(CalcMode, CollectsNames) {
    TExpressionTextConvert converter(Dictionary());
    converter.SetIsVarCalcMode(true);
    ASSERT_TRUE(converter.Convert(GetParam().Text)) << "error at " << converter.ErrorIndex();
    EXPECT_EQ(converter.KeyList(), GetParam().Expected);
    EXPECT_EQ(converter.CalcModeVariableList(), GetParam().Names);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CalcMode,
    testing::Values(
        TCalcModeCase{"NamesInOrder", u"2*r+S", {ek2, ekMulti, ekAdd}, {u"R", u"S"}},
        TCalcModeCase{"OperatorWordsAreNoNames", u"8 DIV 2", {ek8, ekQuotient, ek2}, {}},
        TCalcModeCase{"RepeatsAndBrackets",
                      u"[R]*R+SIN(X)+[r]",
                      {ekMulti, ekAdd, ekSin, ekLParen, ekRParen, ekAdd},
                      {u"[R]", u"R", u"X", u"[R]"}},
        TCalcModeCase{"DigitsContinueBracketedName", u"[R]2", {}, {u"[R]2"}},
        TCalcModeCase{
            "DefinedVariablesAreNamesToo", u"BIG+UNDEFINED1", {ekAdd}, {u"BIG", u"UNDEFINED1"}},
        TCalcModeCase{"LoneEIsAName", u"1E-5", {ek1, ekSub, ek5}, {u"E"}}),
    [](const testing::TestParamInfo<TCalcModeCase>& info) { return info.param.Name; });

TEST(CalcMode, ListIsRefilledOnEachConversion) {
    TExpressionTextConvert converter;
    converter.SetIsVarCalcMode(true);
    ASSERT_TRUE(converter.Convert(u"A+B"));
    ASSERT_TRUE(converter.Convert(u"C"));
    EXPECT_EQ(converter.CalcModeVariableList(), std::vector<std::u16string>{u"C"});
    EXPECT_FALSE(converter.Convert(u"C+\u00B0"));
    EXPECT_EQ(converter.ErrorIndex(), 2);
}

TEST(FindKeyword, EveryKeywordConvertsToItsKey) {
    const std::pair<std::u16string_view, TExpressionKey> keywords[] = {
        {u"M", ekVarM},
        {u"GT", ekVarGT},
        {u"MCOUNT", ekVarMCount},
        {u"GTCOUNT", ekVarGTCount},
        {u"ANS", ekAns},
        {u"PREANS", ekPreAns},
        {u"SIN", ekSin},
        {u"COS", ekCos},
        {u"TAN", ekTan},
        {u"ARCSIN", ekArcSin},
        {u"ARCCOS", ekArcCos},
        {u"ARCTAN", ekArcTan},
        {u"SINH", ekSinH},
        {u"COSH", ekCosH},
        {u"TANH", ekTanH},
        {u"ARCSINH", ekArcSinH},
        {u"ARCCOSH", ekArcCosH},
        {u"ARCTANH", ekArcTanH},
        {u"PI", ekPi},
        {u"\u03C0", ekPi},
        {u"SQRT", ekSqrt},
        {u"LOG", ekLog10},
        {u"LN", ekLn},
        {u"LOGE", ekLn},
        {u"LOGXY", ekLogXY},
        {u"EXP", ekExp},
        {u"ABS", ekAbs},
        {u"INT", ekInt},
        {u"FRAC", ekFrac},
        {u"CEIL", ekCeil},
        {u"FLOOR", ekFloor},
        {u"ROUNDOFF", ekRoundOff},
        {u"HEX", ekHex},
        {u"BIN", ekBin},
    };
    TExpressionTextConvert converter;
    for (const auto& [name, key] : keywords) {
        EXPECT_EQ(FindKeyword(name), key);
        ASSERT_TRUE(converter.Convert(name));
        EXPECT_EQ(converter.KeyList(), Keys{key});
    }
    for (std::u16string_view notKeyword :
         {u"DIV", u"MOD", u"E", u"X", u"Y", u"A", u"sin", u"SI", u"SINHH", u"\u03A0", u""}) {
        EXPECT_FALSE(FindKeyword(notKeyword).has_value());
    }
}

TEST(ExpressionTextConvert, ConvertersOnSeveralThreadsShareOneDictionary) {
    const Keys expected{ekSin, LP, Var, LP, ek1, ek2, RP, ekMulti, Var, LP, ek5, RP, RP};
    std::vector<std::thread> threads;
    std::vector<int> failures(4, 0);
    for (int& failureCount : failures) {
        threads.emplace_back([&failureCount, &expected] {
            for (int i = 0; i < 2000; ++i) {
                TExpressionTextConvert converter(Dictionary());
                if (!converter.Convert(u"sin(big*r)") || converter.KeyList() != expected) {
                    ++failureCount;
                }
            }
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    EXPECT_EQ(failures, std::vector<int>(4, 0));
}

} // namespace
} // namespace kalvio
