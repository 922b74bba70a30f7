#include "ui/keypads/FunctionKeyFrm.h"
#include "ui/keypads/NumericKeyFrm.h"
#include "ui/keypads/NumericKeyTable.h"

#include <QSignalSpy>
#include <gtest/gtest.h>
#include <set>
#include <vector>

namespace kalvio {
namespace {

// What a keypad sent, in order: 'k' PushKey, 'o' PushOperatorKey, 'c' PushCommandKey.
struct TSent {
    char Kind;
    int Value;
    bool operator==(const TSent&) const = default;
};

template <typename TFrame> std::vector<TSent>* Record(TFrame& frame) {
    auto* sent = new std::vector<TSent>;
    QObject::connect(&frame, &QObject::destroyed, [sent] { delete sent; });
    QObject::connect(&frame, &TFrame::KeyPushed, [sent](TExpressionKey key) {
        sent->push_back({'k', key});
    });
    QObject::connect(&frame, &TFrame::CommandKeyPushed, [sent](TCommandKey key) {
        sent->push_back({'c', key});
    });
    if constexpr (std::is_same_v<TFrame, TNumericKeyFrame>) {
        QObject::connect(&frame, &TNumericKeyFrame::OperatorKeyPushed, [sent](TExpressionKey key) {
            sent->push_back({'o', key});
        });
    }
    return sent;
}

void Click(TKeypadFrame& frame, const char* name) {
    TKeypadButton* button = frame.FindButton(QString::fromLatin1(name));
    ASSERT_NE(button, nullptr) << name;
    button->click();
}

TEST(NumericKeypad, EveryKeyOfTheTableSendsItsCall) {
    TNumericKeyFrame frame(nullptr);
    frame.SetButton();
    auto* sent = Record(frame);
    struct TCase {
        const char* Name;
        const char16_t* Caption;
        TSent Expected;
    };
    const TCase cases[] = {
        {"Digit0Btn", u"0", {'k', ek0}},       {"Digit7Btn", u"7", {'k', ek7}},
        {"DotBtn", u".", {'k', ekDot}},        {"AnsBtn", u"ANS", {'k', ekAns}},
        {"DelBtn", u"DEL", {'c', ckDel}},      {"ACBtn", u"AC", {'c', ckAC}},
        {"MultiplyBtn", u"×", {'o', ekMulti}}, {"dividBtn", u"÷", {'o', ekDiv}},
        {"PlusBtn", u"＋", {'o', ekPlus}},     {"MinusBtn", u"－", {'o', ekMinus}},
        {"EnterBtn", u"＝", {'c', ckEnter}},
    };
    for (const TCase& c : cases) {
        sent->clear();
        Click(frame, c.Name);
        EXPECT_EQ(frame.FindButton(QString::fromLatin1(c.Name))->text(),
                  QString::fromUtf16(c.Caption))
            << c.Name;
        ASSERT_EQ(sent->size(), 1u) << c.Name;
        EXPECT_EQ(sent->front(), c.Expected) << c.Name;
    }
}

TEST(NumericKeypad, TableIsAFullGridOfNineteenKeys) {
    std::set<std::pair<int, int>> cells;
    for (const TNumericKeyEntry& entry : NumericKeyTable()) {
        for (int column = entry.Column; column < entry.Column + entry.ColumnSpan; ++column) {
            EXPECT_TRUE(cells.insert({entry.Row, column}).second) << entry.Name;
        }
    }
    EXPECT_EQ(NumericKeyTable().size(), 19u);
    EXPECT_EQ(cells.size(), 20u);
    TNumericKeyFrame frame(nullptr);
    const QRect enter = frame.FindButton(QStringLiteral("EnterBtn"))->geometry();
    EXPECT_EQ(enter, QRect(200, 128, 121, 33));
    EXPECT_EQ(frame.FindButton(QStringLiteral("Digit7Btn"))->geometry(), QRect(8, 8, 57, 33));
}

TEST(NumericKeypad, ShiftLatchTurnsAnsIntoPreAnsAndStaysOn) {
    TNumericKeyFrame frame(nullptr);
    frame.SetButton();
    auto* sent = Record(frame);
    frame.SetIsPushShiftBtn(true);
    Click(frame, "AnsBtn");
    Click(frame, "AnsBtn");
    frame.SetIsPushShiftBtn(false);
    Click(frame, "AnsBtn");
    EXPECT_EQ(*sent, (std::vector<TSent>{{'k', ekPreAns}, {'k', ekPreAns}, {'k', ekAns}}));
    EXPECT_EQ(frame.FindButton(QStringLiteral("AnsBtn"))->text(), QStringLiteral("ANS"));
}

struct TFaceCase {
    int Number;
    QString Caption;
    QString Style;
    QString Raised;
};

void ExpectFaces(TFunctionKeyFrame& frame, const std::vector<TFaceCase>& cases, const char* layer) {
    for (const TFaceCase& c : cases) {
        TKeypadButton* button = frame.FindButton(QStringLiteral("Button%1").arg(c.Number));
        EXPECT_EQ(button->text(), c.Caption) << layer << " key " << c.Number;
        EXPECT_EQ(button->StyleName(), c.Style) << layer << " key " << c.Number;
        EXPECT_EQ(button->RaisedText(), c.Raised) << layer << " key " << c.Number;
    }
}

class FunctionKeypad : public ::testing::Test {
protected:
    FunctionKeypad() {
        FFrame.SetLayers(DefaultFunctionKeyLayers());
        FFrame.SetButton();
        FSent = Record(FFrame);
        // The calculator relabels the keys when a latch command arrives.
        QObject::connect(&FFrame, &TFunctionKeyFrame::CommandKeyPushed, &FFrame,
                         [this](TCommandKey key) {
                             if (key == ckShiftOn || key == ckShiftOff || key == ckHyp) {
                                 FFrame.SetButton();
                             }
                         });
    }

    TFunctionKeyFrame FFrame{nullptr};
    std::vector<TSent>* FSent;
};

TEST_F(FunctionKeypad, LayersGiveCaptionsStylesAndRaisedTexts) {
    ExpectFaces(FFrame,
                {{1, "SHIFT", "InvBtnStyle", ""},
                 {11, "X", "PowerReciprocalBtnStyle", "-1"},
                 {12, "√", "KeyBtnStyle", ""},
                 {13, "X", "Power2BtnStyle", "2"},
                 {16, "hyp", "KeyBtnStyle", ""},
                 {17, "sin", "KeyBtnStyle", ""},
                 {20, "π", "KeyBtnStyle", ""}},
                "normal");
    Click(FFrame, "Button1");
    ExpectFaces(FFrame,
                {{1, "SHIFT", "InvBtnPushStyle", ""},
                 {13, "X", "Power3BtnStyle", "3"},
                 {17, "sin", "TrigInvBtnStyle", "-1"},
                 {19, "tan", "TrigInvBtnStyle", "-1"},
                 {20, "%", "KeyBtnStyle", ""}},
                "shift");
    Click(FFrame, "Button16");
    ExpectFaces(FFrame,
                {{16, "hyp", "HypBtnStyle", ""},
                 {13, "X", "Power3BtnStyle", "3"},
                 {18, "cosh", "TrigInvHypBtnStyle", "-1"},
                 {20, "%", "KeyBtnStyle", ""}},
                "shift+hyp");
    Click(FFrame, "Button1");
    ExpectFaces(FFrame,
                {{1, "SHIFT", "InvBtnStyle", ""},
                 {13, "X", "Power2BtnStyle", "2"},
                 {17, "sinh", "KeyBtnStyle", ""},
                 {20, "π", "KeyBtnStyle", ""}},
                "hyp");
}

TEST_F(FunctionKeypad, PressesSendKeysOfTheLayerInForceAndLatchCommands) {
    Click(FFrame, "Button17");
    Click(FFrame, "Button1");
    Click(FFrame, "Button17");
    Click(FFrame, "Button17");
    Click(FFrame, "Button16");
    Click(FFrame, "Button19");
    Click(FFrame, "Button20");
    Click(FFrame, "Button1");
    Click(FFrame, "Button18");
    Click(FFrame, "Button20");
    EXPECT_EQ(*FSent, (std::vector<TSent>{{'k', ekSin},
                                          {'c', ckShiftOn},
                                          {'k', ekArcSin},
                                          {'k', ekArcSin},
                                          {'c', ckHyp},
                                          {'k', ekArcTanH},
                                          {'k', ekPercent},
                                          {'c', ckShiftOff},
                                          {'k', ekCosH},
                                          {'k', ekPi}}));
    EXPECT_FALSE(FFrame.IsShiftBtn());
    EXPECT_TRUE(FFrame.IsHypBtn());
}

TEST_F(FunctionKeypad, MemoryAndCalcKeysSendCommandsWhileMInsertsItsKey) {
    for (const char* name : {"Button2", "Button6", "Button7", "Button8", "Button9", "Button10"}) {
        Click(FFrame, name);
    }
    EXPECT_EQ(*FSent, (std::vector<TSent>{{'c', ckCalc},
                                          {'c', ckMPlus},
                                          {'c', ckMMinus},
                                          {'k', ekVarM},
                                          {'c', ckMC},
                                          {'k', ekPower}}));
}

TEST(Keypads, ZoomScalesKeysAndPanel) {
    TFunctionKeyFrame frame(nullptr);
    frame.SetScale(1.15);
    EXPECT_EQ(frame.size(), QSize(377, 190));
    TKeypadButton* key = frame.FindButton(QStringLiteral("Button20"));
    EXPECT_EQ(key->geometry(), QRect(304, 147, 66, 38));
    EXPECT_EQ(key->font().pixelSize(), 18);
}

} // namespace
} // namespace kalvio
