#include "PanelsFixture.h"

#include <QClipboard>
#include <QGuiApplication>

namespace kalvio {
namespace {

using Texts = QStringList;

class HistoryPanel : public PanelsTest {
protected:
    HistoryPanel() { Trigger("HistoryListFormAction"); }
    std::deque<TExpressionHistory>& Entries() { return Window().Calculator().ExpressionHistorys(); }
    QStringList EntryTexts() {
        QStringList texts;
        for (const TExpressionHistory& entry : Entries()) {
            texts << QString::fromStdU16String(entry.ExpressionText);
        }
        return texts;
    }
};

TEST_F(HistoryPanel, RowsShowNewestFirstWithEachEntrysDisplayMode) {
    auto& form = Window().PanelWindows().HistoryListForm();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.windowTitle(), QStringLiteral("履歴"));
    EXPECT_TRUE(form.windowFlags().testFlag(Qt::Tool));
    EXPECT_EQ(form.width(), 323);
    EXPECT_EQ(History().ListBox().model()->rowCount(), 0);

    Calculate(QStringLiteral("1+2"));
    Trigger("Fix2Action");
    Calculate(QStringLiteral("10/4"));
    Trigger("NormalAction");
    EXPECT_EQ(Rows(History()), (Texts{"10/4", "1+2"}));
    EXPECT_EQ(Rows(History(), TPanelRowDelegate::ResultTextRole), (Texts{"2.50", "3"}));
    EXPECT_EQ(RowRect(History(), 0).height(), 46);
    EXPECT_EQ(SelectedRows(History()), (QList<int>{0})) << "the new entry is selected";

    Calculate(QStringLiteral("@HISCL"));
    EXPECT_EQ(Rows(History()), (Texts{"", ""}));
    EXPECT_EQ(Rows(History(), TPanelRowDelegate::ResultTextRole), (Texts{"", ""}));
}

TEST_F(HistoryPanel, ButtonsFollowTheSelection) {
    const auto enabled = [this] {
        QString state;
        for (const char* name : {"AllAction", "DelAction", "ClearAction", "SumAction", "AveAction",
                                 "CopyAction", "UpAction", "DownAction"}) {
            state += IsEnabled(History(), name) ? QLatin1Char('1') : QLatin1Char('0');
        }
        return state;
    };
    EXPECT_EQ(enabled(), QStringLiteral("10100011"));
    Run(History(), "ClearAction");
    Run(History(), "UpAction");
    Run(History(), "DownAction");
    EXPECT_TRUE(Entries().empty());

    Calculate(QStringLiteral("1"));
    Calculate(QStringLiteral("2"));
    EXPECT_EQ(enabled(), QStringLiteral("11100111")); // one row: Copy, not Sum or Ave
    ClickRow(History(), 1, Qt::ControlModifier);
    EXPECT_EQ(enabled(), QStringLiteral("11111011"));
    auto* copyButton = History().findChild<QPushButton*>("CopyBtn");
    EXPECT_FALSE(copyButton->isEnabled());
    ClickRow(History(), 0, Qt::ControlModifier);
    ClickRow(History(), 1, Qt::ControlModifier);
    EXPECT_EQ(enabled(), QStringLiteral("10100011"));
    EXPECT_FALSE(copyButton->isEnabled());

    QStringList captions;
    for (QPushButton* button : History().findChildren<QPushButton*>()) {
        captions << button->text();
        EXPECT_EQ(button->size(), QSize(36, 18));
    }
    EXPECT_EQ(captions, (Texts{"All", "Del", "Clear", "Sum", "Ave", "Copy", "▲", "▼"}));
}

TEST_F(HistoryPanel, SumAndAveCalculateTheSelectedResultsWithoutRecordingThem) {
    for (const char* text : {"10", "5/2", "3"}) {
        Calculate(QString::fromLatin1(text));
    }
    Run(History(), "AllAction");
    Run(History(), "SumAction");
    EXPECT_EQ(FieldText(), QStringLiteral("3 + 2.5 + 10"));
    EXPECT_EQ(Shown(), QStringLiteral("15.5"));
    EXPECT_EQ(Field().selectedText(), FieldText());
    Run(History(), "AveAction");
    EXPECT_EQ(FieldText(), QStringLiteral("(3 + 2.5 + 10) / 3"));
    EXPECT_EQ(Shown(), QStringLiteral("5.166666667"));
    EXPECT_EQ(Entries().size(), 3u);

    // Values beyond 15 digits go in rounded, decimal mode too.
    Calculate(QStringLiteral("@HISCL"));
    Calculate(QStringLiteral("1/3"));
    Trigger("BigDecimalAction");
    Run(History(), "AllAction");
    Run(History(), "SumAction");
    EXPECT_EQ(FieldText(), QStringLiteral("0.333333333333333 + 0 + 0 + 0"));
}

TEST_F(HistoryPanel, DeletingTheTopAndBottomOfFourRows) {
    for (const char* text : {"1", "2", "3", "4"}) {
        Calculate(QString::fromLatin1(text));
    }
    ClickRow(History(), 3, Qt::ControlModifier);
    EXPECT_EQ(SelectedRows(History()), (QList<int>{0, 3}));
    Run(History(), "DelAction");
    EXPECT_EQ(EntryTexts(), (Texts{"2", "3"}));
    EXPECT_EQ(Rows(History()), (Texts{"3", "2"}));

    // The Delete key deletes the selected rows as Del does.
    ClickRow(History(), 1);
    FocusList(History());
    QTest::keyClick(&History().ListBox(), Qt::Key_Delete);
    EXPECT_EQ(EntryTexts(), (Texts{"3"}));
    // Up in the field still finds the entry that is left.
    Field().setFocus();
    Key(Qt::Key_Escape);
    Key(Qt::Key_Up);
    EXPECT_EQ(FieldText(), QStringLiteral("3"));
}

TEST_F(HistoryPanel, ShiftClickAddsTheRangeAndKeepsOtherRows) {
    for (int value = 1; value <= 6; ++value) {
        Calculate(QString::number(value));
    }
    ClickRow(History(), 5);
    ClickRow(History(), 0, Qt::ControlModifier);
    ClickRow(History(), 2, Qt::ShiftModifier);
    EXPECT_EQ(SelectedRows(History()), (QList<int>{0, 1, 2, 5}));
}

TEST_F(HistoryPanel, UpAndDownMoveTheCurrentEntry) {
    for (const char* text : {"1", "2", "3"}) {
        Calculate(QString::fromLatin1(text));
    }
    ClickRow(History(), 0);
    Run(History(), "UpAction");
    EXPECT_EQ(EntryTexts(), (Texts{"1", "2", "3"}));
    ClickRow(History(), 1);
    Run(History(), "UpAction");
    EXPECT_EQ(Rows(History()), (Texts{"2", "3", "1"}));
    EXPECT_EQ(History().CurrentRow(), 0);
    EXPECT_EQ(SelectedRows(History()), (QList<int>{0}));
    Run(History(), "DownAction");
    Run(History(), "DownAction");
    EXPECT_EQ(Rows(History()), (Texts{"3", "1", "2"}));
    Run(History(), "DownAction");
    EXPECT_EQ(Rows(History()), (Texts{"3", "1", "2"}));
    EXPECT_EQ(History().CurrentRow(), 2);
}

TEST_F(HistoryPanel, DoubleClickRecallsTheEntryWithItsModesAndRecordsNothing) {
    Trigger("RadAction");
    Calculate(QStringLiteral("sin(PI/2)+1"));
    Trigger("DegAction");
    Calculate(QStringLiteral("7"));
    DoubleClickRow(History(), 1);
    EXPECT_EQ(FieldText(), QStringLiteral("sin(PI/2)+1"));
    EXPECT_EQ(Shown(), QStringLiteral("2"));
    EXPECT_EQ(TopButton("AngleModeBtn").text(), QStringLiteral("Rad"));
    EXPECT_EQ(Field().selectedText(), FieldText());
    EXPECT_EQ(Entries().size(), 2u);

    ClickRow(History(), 0);
    FocusList(History());
    QTest::keyClick(&History().ListBox(), Qt::Key_Return);
    EXPECT_EQ(FieldText(), QStringLiteral("7"));
    EXPECT_EQ(Entries().size(), 2u);
}

TEST_F(HistoryPanel, CopyTakesTheRowsResultAsShown) {
    Trigger("DigitGroupingSeparatorAction");
    Calculate(QStringLiteral("1234567*2"));
    Trigger("DigitGroupingSeparatorAction");
    Calculate(QStringLiteral("1"));
    ClickRow(History(), 1);
    Run(History(), "CopyAction");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("2,469,134"));
}

TEST_F(HistoryPanel, UpInTheFieldSelectsTheRecalledRow) {
    for (const char* text : {"1", "2", "3"}) {
        Calculate(QString::fromLatin1(text));
    }
    Key(Qt::Key_Up);
    EXPECT_EQ(SelectedRows(History()), (QList<int>{1}));
    Key(Qt::Key_Up);
    EXPECT_EQ(SelectedRows(History()), (QList<int>{2}));
}

TEST_F(HistoryPanel, ALongHistoryScrollsWithoutLosingRows) {
    auto& calculator = Window().Calculator();
    calculator.AppData().HistoryCount = 10000;
    calculator.ApplyHistoryLimit();
    for (int i = 0; i < 10000; ++i) {
        TExpressionHistory entry;
        entry.ExpressionText = QString::number(i).toStdU16String();
        entry.Value = i;
        Entries().push_back(entry);
    }
    History().UpdateListBox();
    Calculate(QStringLiteral("1+1"));
    EXPECT_EQ(Entries().size(), 10000u);
    EXPECT_EQ(Rows(History()).first(), QStringLiteral("1+1"));
    EXPECT_EQ(Rows(History()).last(), QStringLiteral("1"));
    History().ListBox().scrollToBottom();
    EXPECT_GT(History().ListBox().indexAt(QPoint(5, 5)).row(), 9000);
}

// ---- Variables -------------------------------------------------------------------------------

class VariablePanel : public PanelsTest {
protected:
    VariablePanel() { Trigger("VariablePanelAction"); }
    TVariableDictionary& Dictionary() { return Window().Calculator().VariableDictionary(); }
    bool IsBold(int row) {
        return Variables()
            .ListBox()
            .model()
            ->index(row, 0)
            .data(Qt::FontRole)
            .value<QFont>()
            .bold();
    }
};

TEST_F(VariablePanel, RowsShowNameValueAndCommentWithProtectedOnesBold) {
    auto& form = Window().PanelWindows().VariableListForm();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("変数"));
    Window().Calculator().RegisterConstant(u"r", u"2.5", u"radius");
    Calculate(QStringLiteral("big = 1234567"));
    EXPECT_EQ(Rows(Variables()), (Texts{"R = 2.5 [radius]", "BIG = 1234567"}));
    EXPECT_TRUE(IsBold(0));
    EXPECT_FALSE(IsBold(1));
    EXPECT_EQ(RowRect(Variables(), 0).height(), 25);

    QStringList captions;
    for (QPushButton* button : Variables().findChildren<QPushButton*>()) {
        captions << button->text();
    }
    EXPECT_EQ(captions, (Texts{"Del", "Clear", "Copy", "▲", "▼"}));
}

TEST_F(VariablePanel, ClearKeepsProtectedVariablesAndDelRemovesAnyCurrentOne) {
    Window().Calculator().RegisterConstant(u"C", u"299792458", u"");
    Calculate(QStringLiteral("A = 1"));
    Calculate(QStringLiteral("B = 2"));
    EXPECT_FALSE(IsEnabled(Variables(), "DelAction"));
    EXPECT_FALSE(IsEnabled(Variables(), "CopyAction"));
    Run(Variables(), "ClearAction");
    EXPECT_EQ(Rows(Variables()), (Texts{"C = 299792458"}));

    ClickRow(Variables(), 0);
    EXPECT_TRUE(IsEnabled(Variables(), "DelAction"));
    Run(Variables(), "CopyAction");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("299792458"));
    Run(Variables(), "DelAction");
    EXPECT_EQ(Dictionary().Count(), 0);
    EXPECT_FALSE(IsEnabled(Variables(), "DelAction"));
}

TEST_F(VariablePanel, DoubleClickInsertsTheNameAtTheCaret) {
    Calculate(QStringLiteral("width = 3"));
    Type(QStringLiteral("2*"));
    DoubleClickRow(Variables(), 0);
    EXPECT_EQ(FieldText(), QStringLiteral("2*WIDTH"));
    EXPECT_EQ(Field().cursorPosition(), 7);
    Key(Qt::Key_Return);
    EXPECT_EQ(Shown(), QStringLiteral("6"));
}

TEST_F(VariablePanel, UpAndDownChangeTheOrder) {
    for (const char* text : {"A = 1", "B = 2", "C = 3"}) {
        Calculate(QString::fromLatin1(text));
    }
    ClickRow(Variables(), 0);
    Run(Variables(), "UpAction");
    ClickRow(Variables(), 2);
    Run(Variables(), "DownAction");
    Run(Variables(), "UpAction");
    EXPECT_EQ(Rows(Variables()), (Texts{"A = 1", "C = 3", "B = 2"}));
    EXPECT_EQ(Variables().CurrentRow(), 1);
}

// ---- Saved expressions -----------------------------------------------------------------------

TEST_F(PanelsTest, CtrlSSavesTheFieldTextAndShowsTheWindow) {
    auto& form = Window().PanelWindows().ExpressionListForm();
    EXPECT_FALSE(form.isVisible());
    Type(QStringLiteral("area; PI*R^2"));
    Key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.windowTitle(), QStringLiteral("式"));
    EXPECT_TRUE(Window().Action("ExpressionRecordFormAction")->isChecked());
    Key(Qt::Key_Escape);
    Key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(Rows(Records()), (Texts{"area; PI*R^2", ""}));
}

TEST_F(PanelsTest, ARecordIsRecalledWithoutItsLabel) {
    const struct {
        const char16_t* Record;
        const char* Recalled;
    } cases[] = {
        {u"1+2", "1+2"},
        {u"area; PI*R^2", "PI*R^2"},
        {u"label;", ""},
        {u"a;  b ;c", "b "},
    };
    for (const auto& c : cases) {
        Window().Calculator().ExpressionRecordList().push_back(c.Record);
    }
    Trigger("ExpressionRecordFormAction");
    ASSERT_EQ(Rows(Records()).size(), 4);
    for (int row = 0; row < 4; ++row) {
        Field().setText(QStringLiteral("before"));
        DoubleClickRow(Records(), row);
        EXPECT_EQ(FieldText(), QString::fromLatin1(cases[row].Recalled)) << row;
        EXPECT_EQ(Shown(), QStringLiteral("0")) << "nothing is calculated";
    }
}

TEST_F(PanelsTest, RecordsAreDeletedClearedAndMoved) {
    auto& records = Window().Calculator().ExpressionRecordList();
    records = {u"x", u"y", u"z"};
    Trigger("ExpressionRecordFormAction");
    EXPECT_FALSE(IsEnabled(Records(), "DelAction"));
    ClickRow(Records(), 2);
    Run(Records(), "UpAction");
    Run(Records(), "UpAction");
    Run(Records(), "UpAction");
    EXPECT_EQ(Rows(Records()), (Texts{"z", "x", "y"}));
    ClickRow(Records(), 1);
    FocusList(Records());
    QTest::keyClick(&Records().ListBox(), Qt::Key_Delete);
    EXPECT_EQ(Rows(Records()), (Texts{"z", "y"}));
    Run(Records(), "ClearAction");
    EXPECT_TRUE(records.empty());
    EXPECT_EQ(Records().findChildren<QPushButton*>().size(), 4);
}

TEST_F(PanelsTest, NewOrderOfHistoryVariablesAndRecordsSurvivesARestart) {
    Window().Calculator().AppData().IsHistoryRecord = true;
    for (const char* text : {"A = 1", "B = 2", "1", "2"}) {
        Calculate(QString::fromLatin1(text));
    }
    Window().Calculator().ExpressionRecordList() = {u"x", u"y"};
    Trigger("HistoryListFormAction");
    Trigger("VariablePanelAction");
    Trigger("ExpressionRecordFormAction");
    ClickRow(History(), 1);
    Run(History(), "UpAction");
    ClickRow(Variables(), 1);
    Run(Variables(), "UpAction");
    ClickRow(Records(), 1);
    Run(Records(), "UpAction");
    Restart();
    EXPECT_EQ(Rows(History()), (Texts{"1", "2", "B = 2", "A = 1"}));
    EXPECT_EQ(Rows(Variables()), (Texts{"B = 2", "A = 1"}));
    EXPECT_EQ(Rows(Records()), (Texts{"y", "x"}));
}

// ---- The windows -----------------------------------------------------------------------------

TEST_F(PanelsTest, CheckMarksFollowTheWindowsAlsoWhenClosedByTheirCloseBox) {
    const struct {
        const char* Action;
        TPanelKind Kind;
    } panels[] = {{"HistoryListFormAction", pkHistory},
                  {"VariablePanelAction", pkVariable},
                  {"ExpressionRecordFormAction", pkExpression}};
    for (const auto& panel : panels) {
        QAction* action = Window().Action(panel.Action);
        TBasePanelForm& window = Window().PanelWindows().Window(panel.Kind);
        EXPECT_FALSE(action->isChecked());
        Trigger(panel.Action);
        EXPECT_TRUE(window.isVisible()) << panel.Action;
        EXPECT_TRUE(action->isChecked());
        window.close();
        EXPECT_FALSE(action->isChecked()) << panel.Action;
        Trigger(panel.Action);
        Trigger(panel.Action);
        EXPECT_FALSE(window.isVisible());
        EXPECT_FALSE(action->isChecked());
    }
    // The function keys open them too, and they outlive the window's changes of style.
    Key(Qt::Key_F9);
    EXPECT_TRUE(Window().PanelWindows().Window(pkHistory).isVisible());
    Trigger("TopMostAction");
    Trigger("TopMostAction");
    Calculate(QStringLiteral("6*7"));
    EXPECT_EQ(Rows(History()), QStringList{QStringLiteral("6*7")});
    Key(Qt::Key_F9);
    EXPECT_FALSE(Window().Action("HistoryListFormAction")->isChecked());
}

TEST_F(PanelsTest, APanelReopensWhereItWasHiddenAlsoAfterARestart) {
    Trigger("VariablePanelAction");
    TBasePanelForm& window = Window().PanelWindows().Window(pkVariable);
    window.move(210, 120);
    window.resize(280, 300);
    const QRect placed(window.pos(), window.size());
    Trigger("VariablePanelAction");
    const TAppData& appData = Window().Calculator().AppData();
    EXPECT_EQ(QRect(appData.VariableListFormLeft, appData.VariableListFormTop,
                    appData.VariableListFormWidth, appData.VariableListFormHeight),
              placed);
    window.move(0, 0);
    Trigger("VariablePanelAction");
    EXPECT_EQ(QRect(window.pos(), window.size()), placed);

    Restart();
    TBasePanelForm& restored = Window().PanelWindows().Window(pkVariable);
    EXPECT_TRUE(restored.isVisible());
    EXPECT_TRUE(Window().Action("VariablePanelAction")->isChecked());
    EXPECT_EQ(QRect(restored.pos(), restored.size()), placed);
    EXPECT_FALSE(Window().PanelWindows().Window(pkHistory).isVisible());
}

TEST(PanelPlacement, AStoredPlaceOffTheDesktopIsNotApplied) {
    const QRect desktop(0, 0, 1280, 1000);
    const QPoint platform(50, 60);
    const struct {
        QRect Stored;
        QPoint Expected;
    } cases[] = {
        {{300, 200, 300, 400}, {300, 200}}, {{-200, 200, 300, 400}, {-200, 200}},
        {{-400, 200, 300, 400}, {50, 200}}, {{1279, 999, 300, 400}, {1279, 999}},
        {{1280, 1000, 300, 400}, {50, 60}}, {{100, -1, 300, 400}, {100, 60}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PlacedPosition(platform, c.Stored, desktop), c.Expected) << c.Stored.x();
    }
}

} // namespace
} // namespace kalvio
