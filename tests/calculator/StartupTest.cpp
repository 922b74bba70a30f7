#include "CalculatorFixture.h"
#include "engine/Bcd.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace kalvio {
namespace {

// A settings file in a fresh folder, removed afterwards.
class Startup : public CalculatorTest {
protected:
    void SetUp() override {
        Folder = std::filesystem::temp_directory_path() /
                 ("kalvio-startup-test-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(Folder);
        std::filesystem::create_directories(Folder);
        Calc.SetSettingsFile(Folder / "Kalvio.ini");
    }
    void TearDown() override { std::filesystem::remove_all(Folder); }

    void WriteSettings(const std::string& text) const {
        std::ofstream(Calc.SettingsFile(), std::ios::binary) << text;
    }
    // What the window does when it is first shown.
    void Start(TCalculatorSession& session) const {
        session.Calculator.SetSettingsFile(Calc.SettingsFile());
        session.Calculator.Start();
    }

    std::filesystem::path Folder;
};

TEST_F(Startup, FirstStartWithoutAFile) {
    Start(Session);
    EXPECT_EQ(Session.Display.ViewMode(), vtNormal);
    EXPECT_EQ(Calc.AngleMode(), atDeg);
    EXPECT_EQ(Events.AngleCaption, u"Deg");
    EXPECT_EQ(Events.ResultModeCaption, u"Norm");
    EXPECT_FALSE(Calc.IsDigitGroupingSeparator());
    EXPECT_FALSE(Calc.IsBigDecimal());
    EXPECT_EQ(Calc.SignificantDigits(), 10);
    EXPECT_EQ(Calc.BcdSignificantDigits(), 15);
    EXPECT_EQ(Calc.HistoryCount(), 30);
    EXPECT_FALSE(Events.IsMemoryButtonVisible);
    EXPECT_EQ(FieldText(), u"");
    EXPECT_EQ(Shown(), u"0");
}

TEST_F(Startup, TheLastCalculatedExpressionIsShownAgainWithTheRegistersAsCreated) {
    WriteSettings("[Expression]\r\nText=ANS+1\r\nHistory=1\r\nCount=2\r\nRecordCount=3\r\n"
                  "[Expression0]\r\nExpression=1+1\r\nValue=2\r\n"
                  "[Expression1]\r\nExpression=2+2\r\nValue=4\r\n"
                  "[Expression2]\r\nExpression=3+3\r\nValue=6\r\n"
                  "[Variable]\r\nRecord=1\r\nM=0\r\nBcdM=0\r\nAns=41\r\nBcdAns=41\r\n"
                  "PreAns=40\r\nBcdPreAns=40\r\n[Mode]\r\nCalc=1\r\n");
    Start(Session);
    EXPECT_EQ(FieldText(), u"ANS+1");
    EXPECT_EQ(Shown(), u"1");
    EXPECT_TRUE(Calc.IsCalc());
    EXPECT_EQ(Registers().Ans.Value, 41);
    EXPECT_EQ(Registers().PreAns.Value, 40);
    EXPECT_EQ(Registers().VarGT.Value, 1);
    EXPECT_EQ(Registers().VarGTCount, 1);
    EXPECT_FALSE(Events.IsMemoryButtonVisible);
    // The limit of two drops the oldest entry, and the first Up recalls the newest.
    ASSERT_EQ(History().size(), 2u);
    EXPECT_EQ(History().front().ExpressionText, u"2+2");
    Press(vkUp);
    EXPECT_EQ(FieldText(), u"3+3");
    EXPECT_EQ(Shown(), u"6");
}

TEST_F(Startup, AStoredMemoryShowsItsButton) {
    WriteSettings("[Variable]\r\nRecord=1\r\nM=2.5\r\nBcdM=2.5\r\n");
    Start(Session);
    EXPECT_TRUE(Events.IsMemoryButtonVisible);
    EXPECT_EQ(Events.MemoryButtonCaption, u"M=2.5");
    EXPECT_EQ(Enter(u"M*2"), u"5");
}

TEST_F(Startup, SavedStateComesBackInTheNextRun) {
    Start(Session);
    Calc.AppData().IsHistoryRecord = true;
    Calc.BigDecimalActionExecute();
    Enter(u"RATE = 1/3");
    Enter(u"@ENG-3");
    Enter(u"@RAD");
    Enter(u"@,");
    Enter(u"M = 12345678901234567890.25");
    Calc.SetSignificantDigits(12);
    Calc.SaveState();

    TCalculatorSession next;
    Start(next);
    EXPECT_TRUE(next.Calculator.IsBigDecimal());
    EXPECT_TRUE(next.Events.IsBcdLabelVisible);
    EXPECT_EQ(next.Calculator.AngleMode(), atRad);
    EXPECT_TRUE(next.Calculator.IsDigitGroupingSeparator());
    EXPECT_EQ(next.Calculator.SignificantDigits(), 12);
    // The display mode comes back with its engineering shift.
    EXPECT_EQ(next.Calculator.DigitDisplayMode(), vtEng);
    EXPECT_EQ(next.Calculator.Eng(), -3);
    EXPECT_EQ(next.Events.ResultModeCaption, u"Eng-3");
    EXPECT_EQ(BcdToStr(next.Calculator.Registers().VarM.BcdValue), u"12345678901234567890.25");
    EXPECT_EQ(next.Calculator.ExpressionHistorys().size(), 2u);
    EXPECT_EQ(next.Field.Text(), u"M = 12345678901234567890.25");
    EXPECT_EQ(next.Enter(u"RATE*3"), u"999.9999999E-3");
}

TEST_F(Startup, FixAndSciDigitsComeBackAndNonsenseGivesNormal) {
    WriteSettings("[Mode]\r\nView=1\r\nRoundDecimal=3\r\n");
    Start(Session);
    EXPECT_EQ(Events.ResultModeCaption, u"Fix3");
    EXPECT_EQ(Enter(u"2/3"), u"0.667");

    for (const char* mode :
         {"View=2\r\nRoundDecimal=1", "View=1\r\nRoundDecimal=12", "View=7", "View=200"}) {
        TCalculatorSession session;
        WriteSettings(std::string("[Mode]\r\n") + mode + "\r\n");
        Start(session);
        EXPECT_EQ(session.Calculator.DigitDisplayMode(), vtNormal) << mode;
        EXPECT_EQ(session.Enter(u"2/3"), u"0.6666666667") << mode;
    }
}

TEST_F(Startup, ARegisterWithoutADecimalFormStaysRefusedAfterARestart) {
    Start(Session);
    Enter(u"1E70");
    Calc.SaveState();
    TCalculatorSession next;
    Start(next);
    EXPECT_EQ(next.Calculator.Registers().Ans.Value, 1E70);
    EXPECT_FALSE(next.Calculator.Registers().Ans.IsBcdValid);
    next.Calculator.BigDecimalActionExecute();
    EXPECT_EQ(next.Enter(u"ANS"), u"Error");
}

TEST_F(Startup, DigitCountsOutsideTheDialogLimitsAreBroughtIntoThem) {
    WriteSettings("[Display]\r\nSignificantDigits=1000\r\nBcdSignificantDigits=-5\r\n");
    Start(Session);
    EXPECT_EQ(Calc.SignificantDigits(), 15);
    EXPECT_EQ(Calc.BcdSignificantDigits(), 2);
}

} // namespace
} // namespace kalvio
