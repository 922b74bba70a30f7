#include "calculator/RealTimeCalculation.h"

#include "CalculatorFixture.h"

#include <string>

namespace kalvio {
namespace {

class RealTimeCalculation : public CalculatorTest {
protected:
    void SetUp() override {
        Calc.AppData().IsRealTimeCalc = true;
        Calc.AppData().HistoryCount = 30;
        Calc.ApplySettings();
    }
    // Lets every evaluation finish and hands their values to the owner thread.
    void Settle() {
        Session.Executor.WaitForWorkers();
        Session.Executor.DeliverPending();
    }
    // Types one character and waits for its evaluation.
    std::u16string TypeAndSettle(std::u16string_view text) {
        Type(text);
        Settle();
        return Shown();
    }
};

TEST_F(RealTimeCalculation, TheDisplayFollowsTheFieldWithoutTouchingRegisters) {
    EXPECT_EQ(TypeAndSettle(u"1"), u"1");
    EXPECT_EQ(TypeAndSettle(u"+"), u"1"); // the incomplete text fails and shows nothing
    EXPECT_EQ(TypeAndSettle(u"2"), u"3");
    EXPECT_EQ(Registers().Ans.Value, 0);
    EXPECT_EQ(Registers().VarGTCount, 0);
    EXPECT_TRUE(History().empty());
    EXPECT_EQ(FieldText(), u"1+2");
    Press(vkBack);
    Press(vkBack);
    Press(vkBack);
    Settle();
    EXPECT_EQ(Shown(), u"0"); // an empty field shows 0
}

TEST_F(RealTimeCalculation, StoredVariablesAndDecimalModeAreUsed) {
    Enter(u"RATE = 1.5");
    Calc.AllClear();
    EXPECT_EQ(TypeAndSettle(u"RATE*2"), u"3");
    Calc.AllClear();
    Calc.BigDecimalActionExecute();
    EXPECT_EQ(TypeAndSettle(u"1/3*3"), u"0.9999999999");
}

TEST_F(RealTimeCalculation, NothingFromBeforeEnterIsShownAfterIt) {
    Type(u"2*");
    Session.Executor.WaitForWorkers();
    EXPECT_EQ(Enter(u"3"), u"6");
    Settle();
    EXPECT_EQ(Shown(), u"6");
    // An error word stays too.
    Type(u"+");
    Type(u"/");
    Press(vkReturn);
    Settle();
    EXPECT_EQ(Shown(), u"Syntax error");
}

TEST_F(RealTimeCalculation, OffMeansNothingChanges) {
    Calc.AppData().IsRealTimeCalc = false;
    Calc.ApplySettings();
    Type(u"5");
    Settle();
    EXPECT_EQ(Shown(), u"0");
}

// Many overlapping requests: only the newest one's value may appear, whatever order the workers
// finish in, and none of them may race with the owner thread (checked under ThreadSanitizer).
TEST_F(RealTimeCalculation, OnlyTheNewestOfManyOverlappingRequestsIsShown) {
    Enter(u"K = 2");
    Calc.AllClear();
    for (int round = 0; round < 200; ++round) {
        Type(u"K+");
        Type(std::u16string(1, static_cast<char16_t>(u'0' + round % 10)));
        if (round % 7 == 0) {
            Session.Executor.DeliverPending();
        }
        Press(vkBack);
        Press(vkBack);
        Press(vkBack);
        // The owner keeps changing the stores while workers evaluate their snapshots.
        Enter(u"K = " + std::u16string(1, static_cast<char16_t>(u'1' + round % 9)));
        Calc.AllClear();
    }
    Type(u"K*100+7");
    Settle();
    const double k =
        Calc.VariableDictionary().GetValueItems(Calc.VariableDictionary().GetNumberItems(u"K"));
    const std::string expected = std::to_string(static_cast<int>(k * 100 + 7));
    EXPECT_EQ(Shown(), std::u16string(expected.begin(), expected.end()));
}

TEST(RealTimeSnapshot, CopiesOnlyTheVariablesTheTextCanReach) {
    TVariableDictionary variables;
    for (std::u16string_view name : {u"A", u"AB", u"RATE", u"Z"}) {
        variables.AddOrSetValue(name, 1, {});
    }
    const TRealTimeSnapshot snapshot =
        MakeRealTimeSnapshot(u"ab*rate", TCalculatorRegisters{}, atDeg, false, variables);
    EXPECT_EQ(snapshot.Variables.NameList(), (std::vector<std::u16string>{u"A", u"AB", u"RATE"}));
    EXPECT_TRUE(EvaluateRealTime(snapshot).has_value());
}

} // namespace
} // namespace kalvio
