#include "MainWindowFixture.h"
#include "ui/keypads/FunctionKeyFrm.h"
#include "ui/keypads/NumericKeyFrm.h"
#include "ui/main/MainActions.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QWheelEvent>

namespace kalvio {
namespace {

TEST_F(MainWindowTest, DesignedWindowAtFirstStart) {
    EXPECT_EQ(Window().windowTitle(), QStringLiteral("Kalvio"));
    // Both keypads under the two top rows: 90 + 2 × 165.
    EXPECT_EQ(Window().size(), QSize(328, 420));
    EXPECT_EQ(Window().minimumSize(), Window().maximumSize());
    EXPECT_FALSE(Window().windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(Field().height(), 30);
    EXPECT_EQ(Field().font().pixelSize(), 18);
    EXPECT_EQ(TopButton("AngleModeBtn").geometry(), QRect(1, 1, 45, 18));
    EXPECT_EQ(TopButton("ResultModeBtn").geometry(), QRect(48, 1, 45, 18));
    EXPECT_EQ(TopButton("AngleModeBtn").text(), QStringLiteral("Deg"));
    EXPECT_EQ(TopButton("ResultModeBtn").text(), QStringLiteral("Norm"));
    EXPECT_FALSE(TopButton("MBtn").isVisible());
    EXPECT_TRUE(TopButton("CopyBtn").isVisible());
    EXPECT_EQ(Window().findChild<QWidget*>("FunctionKeyFrame")->geometry(), QRect(0, 90, 328, 165));
    EXPECT_EQ(Window().findChild<QWidget*>("NumericKeyFrame")->geometry(), QRect(0, 255, 328, 165));
    EXPECT_EQ(Shown(), QStringLiteral("0"));
    EXPECT_TRUE(Field().hasFocus());
}

TEST_F(MainWindowTest, NumericKeysEditTheFieldAndOperatorsContinueFromAns) {
    Press("Digit1Btn");
    Press("PlusBtn");
    Press("Digit2Btn");
    EXPECT_EQ(FieldText(), QStringLiteral("1+2"));
    Press("EnterBtn");
    EXPECT_EQ(Shown(), QStringLiteral("3"));
    Press("PlusBtn");
    EXPECT_EQ(FieldText(), QStringLiteral("ANS+"));
    Press("AnsBtn");
    Press("MultiplyBtn");
    Press("Digit4Btn");
    Press("dividBtn");
    Press("DotBtn");
    Press("Digit5Btn");
    EXPECT_EQ(FieldText(), QStringLiteral("ANS+Ans×4÷.5"));
    Press("EnterBtn");
    EXPECT_EQ(Shown(), QStringLiteral("27"));
    Press("Digit7Btn");
    EXPECT_EQ(FieldText(), QStringLiteral("7"));
    Press("DelBtn");
    EXPECT_EQ(FieldText(), QString());
    Press("Digit8Btn");
    Press("ACBtn");
    EXPECT_EQ(FieldText(), QString());
    EXPECT_EQ(Shown(), QStringLiteral("0"));
}

TEST_F(MainWindowTest, KeypadKeysInsertAtTheCaret) {
    Type(QStringLiteral("12+34"));
    Field().setCursorPosition(2);
    Press("Digit5Btn");
    EXPECT_EQ(FieldText(), QStringLiteral("125+34"));
    EXPECT_EQ(Field().cursorPosition(), 3);
}

TEST_F(MainWindowTest, FunctionKeysFollowShiftAndHypLayers) {
    Press("Button17");
    EXPECT_EQ(FieldText(), QStringLiteral("sin("));
    Press("ACBtn");
    Press("Button1");
    auto& functionKeys = *Window().findChild<TFunctionKeyFrame*>("FunctionKeyFrame");
    auto* sinKey = functionKeys.FindButton(QStringLiteral("Button17"));
    EXPECT_EQ(sinKey->text(), QStringLiteral("sin"));
    EXPECT_EQ(sinKey->RaisedText(), QStringLiteral("-1"));
    EXPECT_EQ(functionKeys.FindButton(QStringLiteral("Button1"))->StyleName(),
              QStringLiteral("InvBtnPushStyle"));
    Press("Button17");
    Press("Button17");
    EXPECT_EQ(FieldText(), QStringLiteral("arcsin(arcsin("));
    Press("ACBtn");
    Press("AnsBtn");
    EXPECT_EQ(FieldText(), QStringLiteral("PreAns"));
    Press("ACBtn");
    Press("Button16");
    Press("Button19");
    Press("Button20");
    Press("Button13");
    EXPECT_EQ(FieldText(), QStringLiteral("arctanh(%³"));
    EXPECT_EQ(functionKeys.FindButton(QStringLiteral("Button16"))->StyleName(),
              QStringLiteral("HypBtnStyle"));
    Press("Button1");
    Press("Button18");
    Press("Button12");
    Press("Button11");
    Press("Button20");
    EXPECT_EQ(FieldText(), QStringLiteral("arctanh(%³cosh(√^(-1)π"));
    EXPECT_EQ(sinKey->text(), QStringLiteral("sinh"));
    EXPECT_EQ(sinKey->RaisedText(), QString());
}

TEST_F(MainWindowTest, KeyboardEnterEscapeAndCaretKeys) {
    Type(QStringLiteral("1+2"));
    Key(Qt::Key_Return);
    EXPECT_EQ(Shown(), QStringLiteral("3"));
    EXPECT_EQ(Field().selectedText(), QStringLiteral("1+2"));
    Type(QStringLiteral("*2"));
    EXPECT_EQ(FieldText(), QStringLiteral("ANS*2"));
    Key(Qt::Key_Enter);
    EXPECT_EQ(Shown(), QStringLiteral("6"));
    Key(Qt::Key_Home);
    Type(QStringLiteral("1+"));
    EXPECT_EQ(FieldText(), QStringLiteral("1+ANS*2"));
    Key(Qt::Key_Return);
    EXPECT_EQ(Shown(), QStringLiteral("13"));
    Key(Qt::Key_End);
    Type(QStringLiteral("0"));
    EXPECT_EQ(FieldText(), QStringLiteral("1+ANS*20"));

    Key(Qt::Key_Up);
    EXPECT_EQ(FieldText(), QStringLiteral("ANS*2"));
    Key(Qt::Key_Up);
    EXPECT_EQ(FieldText(), QStringLiteral("1+2"));
    EXPECT_EQ(Shown(), QStringLiteral("3"));
    Key(Qt::Key_Down);
    EXPECT_EQ(FieldText(), QStringLiteral("ANS*2"));

    Key(Qt::Key_Escape);
    EXPECT_EQ(FieldText(), QString());
    EXPECT_EQ(Shown(), QStringLiteral("0"));
    Key(Qt::Key_Return);
    EXPECT_EQ(Shown(), QStringLiteral("Syntax error"));
}

TEST_F(MainWindowTest, ZoomStepsScaleKeypadsAndWidthButNotTheTopRows) {
    for (int step = 0; step < 3; ++step) {
        Key(Qt::Key_Up, Qt::ControlModifier);
    }
    EXPECT_EQ(Window().WindowScaleNumber(), 3);
    EXPECT_EQ(Window().size(), QSize(377, 470));
    EXPECT_EQ(Field().height(), 30);
    EXPECT_EQ(TopButton("MenuBtn").geometry().right(), 375);
    EXPECT_EQ(Window().findChild<QWidget*>("NumericKeyFrame")->geometry(), QRect(0, 280, 377, 190));

    Key(Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(Window().size(), QSize(328, 420));
    Key(Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(Window().WindowScaleNumber(), 0);
}

TEST_F(MainWindowTest, CtrlWheelZoomsAndThePlainWheelDoesNot) {
    const auto wheel = [this](int delta, Qt::KeyboardModifiers modifiers) {
        const QPointF at(100, 100);
        QWheelEvent event(at, Window().mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          modifiers, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&Window(), &event);
    };
    wheel(120, Qt::ControlModifier);
    wheel(120, Qt::ControlModifier);
    EXPECT_EQ(Window().WindowScaleNumber(), 2);
    wheel(120, Qt::NoModifier);
    EXPECT_EQ(Window().WindowScaleNumber(), 2);
    for (int step = 0; step < 4; ++step) {
        wheel(-120, Qt::ControlModifier);
    }
    EXPECT_EQ(Window().WindowScaleNumber(), 0);
}

TEST_F(MainWindowTest, HidingAndShowingEachKeypad) {
    auto* functionKeys = Window().findChild<QWidget*>("FunctionKeyFrame");
    auto* numericKeys = Window().findChild<QWidget*>("NumericKeyFrame");
    Key(Qt::Key_F5);
    EXPECT_FALSE(functionKeys->isVisible());
    EXPECT_EQ(numericKeys->pos(), QPoint(0, 90));
    EXPECT_EQ(Window().height(), 255);
    EXPECT_FALSE(Window().Action("FunctinPanelKeyAction")->isChecked());
    Key(Qt::Key_F6);
    EXPECT_FALSE(numericKeys->isVisible());
    EXPECT_EQ(Window().height(), 90);
    Key(Qt::Key_F5);
    EXPECT_TRUE(functionKeys->isVisible());
    EXPECT_EQ(Window().height(), 255);
    Key(Qt::Key_F6);
    EXPECT_TRUE(numericKeys->isVisible());
    EXPECT_EQ(numericKeys->pos(), QPoint(0, 255));
    EXPECT_EQ(Window().height(), 420);
    EXPECT_TRUE(Window().Action("NumberPanelKeyAction")->isChecked());
}

TEST_F(MainWindowTest, AnimatedTransitionEndsInTheSameState) {
    Window().SetIsTransitionAnimated(true);
    Trigger("NumberPanelKeyAction");
    EXPECT_EQ(Window().height(), 255);
    EXPECT_FALSE(Window().findChild<QWidget*>("NumericViewport")->isVisible());
    Trigger("NumberPanelKeyAction");
    EXPECT_EQ(Window().height(), 420);
    EXPECT_TRUE(Window().findChild<QWidget*>("NumericKeyFrame")->isVisible());
}

TEST_F(MainWindowTest, MemoryButtonShowsTheMemoryAndHidesOnClear) {
    Type(QStringLiteral("5"));
    Key(Qt::Key_Return);
    Key(Qt::Key_M, Qt::ControlModifier);
    QPushButton& memory = TopButton("MBtn");
    EXPECT_TRUE(memory.isVisible());
    EXPECT_EQ(memory.text(), QStringLiteral("M=5"));
    EXPECT_EQ(memory.geometry(), QRect(95, 1, 110, 18));
    Key(Qt::Key_M, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(memory.isVisible());
    EXPECT_EQ(memory.text(), QStringLiteral("M=0"));
    memory.click();
    EXPECT_EQ(FieldText(), QStringLiteral("M"));
    Key(Qt::Key_M, Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
    EXPECT_FALSE(memory.isVisible());
}

TEST_F(MainWindowTest, MenuCheckMarksFollowTheState) {
    QAction* topMost = Window().Action("TopMostAction");
    Trigger("TopMostAction");
    EXPECT_TRUE(topMost->isChecked());
    EXPECT_TRUE(Window().IsTopMost());
    Key(Qt::Key_B, Qt::ControlModifier);
    EXPECT_FALSE(topMost->isChecked());
    EXPECT_FALSE(Window().IsTopMost());
    Type(QStringLiteral("@TOPMOST"));
    Key(Qt::Key_Return);
    EXPECT_TRUE(topMost->isChecked());

    QAction* grouping = Window().Action("DigitGroupingSeparatorAction");
    Type(QStringLiteral("1234567"));
    Key(Qt::Key_Return);
    Trigger("DigitGroupingSeparatorAction");
    EXPECT_TRUE(grouping->isChecked());
    EXPECT_EQ(Shown(), QStringLiteral("1,234,567"));
    Trigger("DigitGroupingSeparatorAction");
    EXPECT_FALSE(grouping->isChecked());

    auto* bcdLabel = Window().findChild<QLabel*>("BcdLabel");
    Key(Qt::Key_F11, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(Window().Action("BigDecimalAction")->isChecked());
    EXPECT_TRUE(bcdLabel->isVisible());
    // Sized to its text when first shown, and placed after the CALC label's place.
    const auto* calcLabel = Window().findChild<QLabel*>("CalcLabel");
    EXPECT_EQ(bcdLabel->size(), bcdLabel->sizeHint());
    EXPECT_EQ(bcdLabel->x(), calcLabel->x() + calcLabel->sizeHint().width() + 4);
    Key(Qt::Key_F11, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_FALSE(bcdLabel->isVisible());
}

TEST_F(MainWindowTest, ModeButtonsCaptionsFromTheirPopups) {
    Trigger("RadAction");
    EXPECT_EQ(TopButton("AngleModeBtn").text(), QStringLiteral("Rad"));
    Type(QStringLiteral("2/3"));
    Key(Qt::Key_Return);
    Trigger("Fix2Action");
    EXPECT_EQ(TopButton("ResultModeBtn").text(), QStringLiteral("Fix2"));
    EXPECT_EQ(Shown(), QStringLiteral("0.67"));
    Trigger("Sci3Action");
    EXPECT_EQ(TopButton("ResultModeBtn").text(), QStringLiteral("Sci3"));
    Trigger("NormalAction");
    EXPECT_EQ(TopButton("ResultModeBtn").text(), QStringLiteral("Norm"));
}

TEST_F(MainWindowTest, CopyPutsTheShownResultOnTheClipboard) {
    Trigger("DigitGroupingSeparatorAction");
    Type(QStringLiteral("1234.5"));
    Key(Qt::Key_Return);
    Key(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("1,234.5"));
}

TEST_F(MainWindowTest, PasteDropsGroupingOfOneNumberAndKeepsTheFirstLine) {
    QGuiApplication::clipboard()->setText(QStringLiteral("1,234.5"));
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(FieldText(), QStringLiteral("1234.5"));
    Key(Qt::Key_Escape);
    QGuiApplication::clipboard()->setText(QStringLiteral("LOGXY(2,8)\n+1"));
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(FieldText(), QStringLiteral("LOGXY(2,8)"));
    Key(Qt::Key_Escape);
    Type(QStringLiteral("2"));
    Key(Qt::Key_Return);
    QGuiApplication::clipboard()->setText(QStringLiteral("+1"));
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(FieldText(), QStringLiteral("ANS+1"));
}

TEST_F(MainWindowTest, SaveAndRestoreRoundTrip) {
    // The expression is kept when the history is saved (a setting of the settings dialog).
    Window().Calculator().AppData().IsHistoryRecord = true;
    Type(QStringLiteral("2*21"));
    Key(Qt::Key_Return);
    Trigger("DigitGroupingSeparatorAction");
    Trigger("GradAction");
    Trigger("ZoomInWindowAction");
    Trigger("ZoomInWindowAction");
    Trigger("FunctinPanelKeyAction");
    Trigger("Fix2Action");
    Restart();
    EXPECT_EQ(FieldText(), QStringLiteral("2*21"));
    EXPECT_EQ(Shown(), QStringLiteral("42.00"));
    EXPECT_EQ(TopButton("AngleModeBtn").text(), QStringLiteral("Grad"));
    EXPECT_EQ(TopButton("ResultModeBtn").text(), QStringLiteral("Fix2"));
    EXPECT_TRUE(Window().Action("DigitGroupingSeparatorAction")->isChecked());
    EXPECT_EQ(Window().WindowScaleNumber(), 2);
    EXPECT_FALSE(Window().IsFunctionPanel());
    EXPECT_FALSE(Window().Action("FunctinPanelKeyAction")->isChecked());
    EXPECT_EQ(Window().size(), QSize(361, 272));
    EXPECT_TRUE(std::filesystem::exists(SettingsFile()));
}

} // namespace
} // namespace kalvio

namespace kalvio {
namespace {

TEST_F(MainWindowTest, EveryActionHasItsCaptionShortcutAndCheckMark) {
    for (const TActionEntry& entry : MainActionTable()) {
        const QAction* action = Window().Action(entry.Name);
        ASSERT_NE(action, nullptr) << entry.Name;
        EXPECT_EQ(action->text(), QString::fromUtf16(entry.Caption)) << entry.Name;
        EXPECT_EQ(action->shortcut(), QKeySequence(QString::fromLatin1(entry.Shortcut)))
            << entry.Name;
        EXPECT_EQ(action->isCheckable(), entry.IsCheckable) << entry.Name;
    }
    EXPECT_EQ(Window().Action("SettingAction")->shortcut(),
              QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_F12));
    EXPECT_EQ(Window().Action("WindowPosBottomAction")->shortcut(),
              QKeySequence(Qt::CTRL | Qt::Key_B));
    Type(QStringLiteral("1+1"));
    Key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(Window().Calculator().ExpressionRecordList(), std::vector<std::u16string>{u"1+1"});
}

// The names of a menu's entries, "-" for a separator and "Name>" for a submenu.
QStringList EntryNames(const QMenu& menu) {
    QStringList names;
    for (const QAction* action : menu.actions()) {
        if (action->isSeparator()) {
            names << QStringLiteral("-");
        } else if (action->menu() != nullptr) {
            names << action->text() + QStringLiteral(">");
        } else {
            names << action->objectName();
        }
    }
    return names;
}

QMenu* OpenMenu(QPushButton& button, const char* menuName) {
    button.click();
    auto* menu = button.window()->findChild<QMenu*>(QString::fromLatin1(menuName));
    EXPECT_NE(menu, nullptr) << menuName;
    if (menu != nullptr) {
        EXPECT_TRUE(menu->isVisible());
        EXPECT_EQ(menu->pos(), button.mapToGlobal(QPoint(0, button.height())));
    }
    return menu;
}

TEST_F(MainWindowTest, PopupMenusOpenBelowTheirButtonsWithTheirEntries) {
    QMenu* angle = OpenMenu(TopButton("AngleModeBtn"), "AnglePopup");
    ASSERT_NE(angle, nullptr);
    EXPECT_EQ(EntryNames(*angle), QStringList({"DegAction", "RadAction", "GradAction"}));
    angle->close();

    QMenu* result = OpenMenu(TopButton("ResultModeBtn"), "ResultPopup");
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(EntryNames(*result),
              QStringList({"NormalAction", "Fix>", "Sci>", "-", "DigitGroupingSeparatorAction"}));
    EXPECT_EQ(result->actions().at(1)->menu()->actions().size(), 10);
    EXPECT_EQ(result->actions().at(2)->menu()->actions().size(), 8);
    result->close();

    QMenu* main = OpenMenu(TopButton("MenuBtn"), "MainMenu");
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(
        EntryNames(*main),
        QStringList({"TopMostAction", "FunctinPanelKeyAction", "NumberPanelKeyAction", "-",
                     "HistoryListFormAction", "VariablePanelAction", "ExpressionRecordFormAction",
                     "-", "AddExpressionRecordAction", "PhysicalConstantsAction", "-",
                     "ZoomInWindowAction", "ZoomOutWindowAction", "ZoomOriginalWindowAction", "-",
                     "HomePageAction", "-", "AboutAction"}));
    main->close();
}

TEST_F(MainWindowTest, RealTimeCalculationShowsTheValueWhileTyping) {
    Window().Calculator().AppData().IsRealTimeCalc = true;
    Window().Calculator().ApplySettings();
    Type(QStringLiteral("1+2"));
    for (int wait = 0; wait < 100 && Shown() != QStringLiteral("3"); ++wait) {
        QTest::qWait(10);
    }
    EXPECT_EQ(Shown(), QStringLiteral("3"));
    EXPECT_EQ(Window().Calculator().Registers().Ans.Value, 0);
    EXPECT_TRUE(Window().Calculator().ExpressionHistorys().empty());
}

TEST_F(MainWindowTest, TransparencyDropsTheFrameAndKeepsTheClientAreaInPlace) {
    const QPoint clientTopLeft = Window().geometry().topLeft();
    Window().ApplyTransparency(20);
    EXPECT_TRUE(Window().IsTransparent());
    EXPECT_TRUE(Window().windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_DOUBLE_EQ(Window().windowOpacity(), 0.8);
    EXPECT_EQ(Window().geometry().topLeft(), clientTopLeft);
    EXPECT_TRUE(Window().isVisible());
    Window().ApplyTransparency(0);
    EXPECT_FALSE(Window().IsTransparent());
    EXPECT_FALSE(Window().windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_DOUBLE_EQ(Window().windowOpacity(), 1.0);
    EXPECT_EQ(Window().geometry().topLeft(), clientTopLeft);
    EXPECT_TRUE(Window().windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
}

TEST_F(MainWindowTest, StoredZoomSizesTheWindowAndADamagedOneIsIgnored) {
    const auto storeZoom = [this](int step) {
        TAppData appData;
        appData.Read(SettingsFile(), {});
        appData.WindowScaleNumber = step;
        appData.Width = 900;
        appData.Write(SettingsFile(), {});
    };
    Restart([&] { storeZoom(3); });
    EXPECT_EQ(Window().size(), QSize(377, 470));
    Restart([&] { storeZoom(-25); });
    EXPECT_EQ(Window().WindowScaleNumber(), 0);
    EXPECT_EQ(Window().size(), QSize(328, 420));
}

} // namespace
} // namespace kalvio
