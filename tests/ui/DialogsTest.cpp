#include "PanelsFixture.h"
#include "engine/Bcd.h"
#include "ui/dialogs/AboutWin.h"
#include "ui/dialogs/PhysicalConstantsWin.h"
#include "ui/dialogs/SettingDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QUrl>

namespace kalvio {
namespace {

QLineEdit& Edit(QDialog& dialog, const char* name) {
    return *dialog.findChild<QLineEdit*>(QString::fromLatin1(name));
}
QCheckBox& Check(QDialog& dialog, const char* name) {
    return *dialog.findChild<QCheckBox*>(QString::fromLatin1(name));
}
QPushButton& Button(QDialog& dialog, const char* name) {
    return *dialog.findChild<QPushButton*>(QString::fromLatin1(name));
}
QString LabelText(QDialog& dialog, const char* name) {
    return dialog.findChild<QLabel*>(QString::fromLatin1(name))->text();
}
// The widgets Tab visits from `first`, until it comes back.
QStringList FocusChain(QWidget* first, int count) {
    QStringList names;
    QWidget* widget = first;
    for (int i = 0; i < count; ++i) {
        names << widget->objectName();
        widget = widget->nextInFocusChain();
        while (widget->focusPolicy() == Qt::NoFocus || !widget->isVisibleTo(first->window()) ||
               widget->isWindow()) {
            widget = widget->nextInFocusChain();
        }
    }
    return names;
}

// ---- Settings --------------------------------------------------------------------------------

class SettingsDialog : public PanelsTest {
protected:
    void Settings(const std::function<void(TSettingDialog&)>& handle) {
        OnNextDialog<TSettingDialog>(handle);
        Key(Qt::Key_F12, Qt::ControlModifier | Qt::ShiftModifier);
    }
    TAppData& AppData() { return Window().Calculator().AppData(); }
};

TEST_F(SettingsDialog, ShowsTheSettingsInItsDesignedLayout) {
    AppData().HistoryCount = 42;
    AppData().IsHistoryRecord = true;
    AppData().TransparencyValue = 7;
    bool isShown = false;
    Settings([&](TSettingDialog& dialog) {
        isShown = true;
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("設定"));
        EXPECT_EQ(dialog.size(), QSize(188, 319));
        EXPECT_FALSE(dialog.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        EXPECT_EQ(Edit(dialog, "HistoryEdit").text(), QStringLiteral("42"));
        EXPECT_EQ(Edit(dialog, "HistoryEdit").width(), 49);
        EXPECT_TRUE(Check(dialog, "HistoryCheck").isChecked());
        EXPECT_TRUE(Check(dialog, "VariableCheck").isChecked());
        EXPECT_FALSE(Check(dialog, "RealTimeCheck").isChecked());
        EXPECT_EQ(Edit(dialog, "SignificantDigitsEdit").text(), QStringLiteral("10"));
        EXPECT_EQ(Edit(dialog, "BcdSignificantDigitsEdit").text(), QStringLiteral("15"));
        EXPECT_EQ(Check(dialog, "HistoryCheck").text(), QStringLiteral("計算式の履歴を保存する"));
        EXPECT_EQ(Check(dialog, "VariableCheck").text(), QStringLiteral("変数を保存する"));
        EXPECT_EQ(Check(dialog, "RealTimeCheck").text(), QStringLiteral("リアルタイムに計算する"));
        EXPECT_EQ(LabelText(dialog, "HistoryLabel"), QStringLiteral("計算式履歴数"));
        EXPECT_EQ(LabelText(dialog, "Label1"), QStringLiteral("表示桁数"));
        EXPECT_EQ(LabelText(dialog, "Label2"), QStringLiteral("BCD表示桁数"));
        auto* track = dialog.findChild<QSlider*>("OpacityTrack");
        EXPECT_FALSE(track->isVisibleTo(&dialog));
        EXPECT_EQ(track->value(), 7);
        EXPECT_EQ(track->maximum(), 50);
        EXPECT_EQ(Button(dialog, "Button1").text(), QStringLiteral("OK"));
        EXPECT_EQ(Button(dialog, "Button2").text(), QStringLiteral("キャンセル"));
        EXPECT_TRUE(Button(dialog, "Button1").isDefault());
        EXPECT_EQ(FocusChain(&Button(dialog, "Button1"), 9),
                  (QStringList{"Button1", "Button2", "RealTimeCheck", "VariableCheck",
                               "HistoryCheck", "BcdSignificantDigitsEdit", "SignificantDigitsEdit",
                               "HistoryEdit", "Button1"}));
        Button(dialog, "Button2").click();
    });
    EXPECT_TRUE(isShown);
    EXPECT_EQ(AppData().HistoryCount, 42);
}

TEST_F(SettingsDialog, WrongEntriesKeepTheDialogOpenWithTheirMessages) {
    Settings([&](TSettingDialog& dialog) {
        Edit(dialog, "HistoryEdit").setText(QStringLiteral("-1"));
        Edit(dialog, "SignificantDigitsEdit").setText(QStringLiteral("16"));
        Edit(dialog, "BcdSignificantDigitsEdit").setText(QStringLiteral("abc"));
        Button(dialog, "Button1").click();
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        EXPECT_EQ(Messages,
                  (QStringList{"計算式履歴数が正しくありません", "表示桁数は15桁以下にしてください",
                               "表示桁数が正しくありません"}));
        Messages.clear();
        Edit(dialog, "HistoryEdit").setText(QString());
        Edit(dialog, "SignificantDigitsEdit").setText(QStringLiteral("1"));
        Edit(dialog, "BcdSignificantDigitsEdit").setText(QStringLiteral("31"));
        dialog.show();
        QTest::keyClick(&Edit(dialog, "HistoryEdit"), Qt::Key_Return);
        EXPECT_EQ(Messages,
                  (QStringList{"計算式履歴数が正しくありません", "表示桁数は15桁以下にしてください",
                               "表示桁数は30桁以下にしてください"}));
        Messages.clear();
        Edit(dialog, "HistoryEdit").setText(QStringLiteral("0"));
        Edit(dialog, "SignificantDigitsEdit").setText(QStringLiteral("15"));
        Edit(dialog, "BcdSignificantDigitsEdit").setText(QStringLiteral("30"));
        Button(dialog, "Button1").click();
        EXPECT_TRUE(Messages.isEmpty());
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    });
    EXPECT_EQ(AppData().HistoryCount, 0);
    EXPECT_EQ(Window().Calculator().SignificantDigits(), 15);
    EXPECT_EQ(Window().Calculator().BcdSignificantDigits(), 30);
}

TEST_F(SettingsDialog, OkAppliesTheValuesAndCancelChangesNothing) {
    Trigger("HistoryListFormAction");
    Trigger("VariablePanelAction");
    AppData().HistoryCount = 30;
    Window().Calculator().ApplyHistoryLimit();
    for (int i = 1; i <= 20; ++i) {
        Calculate(QString::number(i));
    }
    Calculate(QStringLiteral("third = 1/3"));
    Calculate(QStringLiteral("2/3"));
    Settings([](TSettingDialog& dialog) {
        Edit(dialog, "HistoryEdit").setText(QStringLiteral("99"));
        Check(dialog, "HistoryCheck").setChecked(true);
        dialog.show();
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(AppData().HistoryCount, 30);
    EXPECT_FALSE(AppData().IsHistoryRecord);

    Settings([](TSettingDialog& dialog) {
        Edit(dialog, "HistoryEdit").setText(QStringLiteral("5"));
        Check(dialog, "HistoryCheck").setChecked(true);
        Check(dialog, "RealTimeCheck").setChecked(true);
        Edit(dialog, "SignificantDigitsEdit").setText(QStringLiteral("4"));
        Button(dialog, "Button1").click();
    });
    EXPECT_EQ(AppData().HistoryCount, 5);
    EXPECT_TRUE(AppData().IsHistoryRecord);
    EXPECT_TRUE(Window().Calculator().IsRealTimeCalc());
    EXPECT_EQ(Rows(History()), (QStringList{"2/3", "third = 1/3", "20", "19", "18"}));
    EXPECT_EQ(Rows(History(), TPanelRowDelegate::ResultTextRole).first(), QStringLiteral("0.6667"));
    EXPECT_EQ(Rows(Variables()), (QStringList{"THIRD = 0.3333"}));
    EXPECT_EQ(Shown(), QStringLiteral("0.6667"));
}

// ---- Constant registration -------------------------------------------------------------------

class ConstantsDialog : public PanelsTest {
protected:
    void Register(const std::function<void(TPhysicalConstantsForm&)>& handle) {
        OnNextDialog<TPhysicalConstantsForm>(handle);
        Trigger("PhysicalConstantsAction");
    }
    static void Fill(TPhysicalConstantsForm& dialog, const QString& value, const QString& name,
                     const QString& comment) {
        Edit(dialog, "ConstantsEdit").setText(value);
        Edit(dialog, "VariableEdit").setText(name);
        Edit(dialog, "CommentEdit").setText(comment);
    }
    TVariableDictionary& Dictionary() { return Window().Calculator().VariableDictionary(); }
};

TEST_F(ConstantsDialog, ChoosingAConstantFillsValueAndDescription) {
    Register([](TPhysicalConstantsForm& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("定数登録"));
        EXPECT_EQ(dialog.size(), QSize(330, 308));
        auto* combo = dialog.findChild<QComboBox*>("PhysicalCombo");
        EXPECT_EQ(combo->count(), 11);
        EXPECT_EQ(combo->currentIndex(), -1);
        EXPECT_EQ(combo->width(), 297);
        EXPECT_EQ(Edit(dialog, "ConstantsEdit").width(), 169);
        EXPECT_EQ(LabelText(dialog, "Label4"),
                  QStringLiteral("(アルファベットだけでなくギリシャ文字や漢字なども使用可能)\n"
                                 "(アルファベットは大文字での登録になります）"));
        EXPECT_EQ(LabelText(dialog, "Label5"),
                  QStringLiteral("(物理定数以外の独自定数も登録できます)"));
        EXPECT_EQ(LabelText(dialog, "Label6"), QStringLiteral("定数の説明文 (省略可)"));
        EXPECT_EQ(FocusChain(combo, 7),
                  (QStringList{"PhysicalCombo", "CommentEdit", "VariableEdit", "ConstantsEdit",
                               "Button2", "Button1", "PhysicalCombo"}));
        Edit(dialog, "VariableEdit").setText(QStringLiteral("planck"));
        combo->setCurrentIndex(3);
        EXPECT_EQ(Edit(dialog, "ConstantsEdit").text(), QStringLiteral("6.62607004E-34"));
        EXPECT_EQ(Edit(dialog, "CommentEdit").text(), QStringLiteral("プランク定数"));
        EXPECT_EQ(Edit(dialog, "VariableEdit").text(), QStringLiteral("planck"));
        combo->setCurrentIndex(-1);
        EXPECT_EQ(Edit(dialog, "ConstantsEdit").text(), QStringLiteral("0"));
        EXPECT_EQ(Edit(dialog, "CommentEdit").text(), QString());
        combo->setCurrentIndex(1);
        EXPECT_EQ(Edit(dialog, "ConstantsEdit").text(), QStringLiteral("1.25663706143592E-6"));
        Button(dialog, "Button1").click();
    });
    ASSERT_TRUE(Dictionary().ContainsKey(u"PLANCK"));
    EXPECT_FALSE(Dictionary().GetStatusItems(u"PLANCK").IsOverwrite);
    EXPECT_EQ(Dictionary().GetStatusItems(u"PLANCK").Comment, u"真空の透磁率");
    EXPECT_EQ(BcdToStr(Dictionary().GetBcdValueItems(Dictionary().GetNumberItems(u"PLANCK"))),
              u"0.00000125663706143592");
}

TEST_F(ConstantsDialog, EmptyOrUnreadableEntriesAreRefusedOneAtATime) {
    Register([this](TPhysicalConstantsForm& dialog) {
        const struct {
            const char* Value;
            const char* Name;
            const char* Message;
        } cases[] = {
            {"", "", "定数を入力してください"},
            {"abc", "X", "定数が正しくありません"},
            {"2.5", "", "登録する変数名を入力してください"},
        };
        for (const auto& c : cases) {
            Messages.clear();
            Fill(dialog, QString::fromLatin1(c.Value), QString::fromLatin1(c.Name), QString());
            Button(dialog, "Button1").click();
            EXPECT_EQ(Messages, QStringList{QString::fromUtf8(c.Message)}) << c.Value;
            EXPECT_EQ(dialog.result(), QDialog::Rejected);
        }
        Button(dialog, "Button2").click();
    });
    EXPECT_EQ(Dictionary().Count(), 0);
}

TEST_F(ConstantsDialog, ARegisteredConstantIsProtectedExactAndCommented) {
    Trigger("VariablePanelAction");
    Register([](TPhysicalConstantsForm& dialog) {
        Fill(dialog, QStringLiteral("299792458"), QStringLiteral("c"),
             QStringLiteral("speed of light"));
        dialog.show();
        QTest::keyClick(&Edit(dialog, "CommentEdit"), Qt::Key_Return);
    });
    EXPECT_TRUE(Messages.isEmpty());
    EXPECT_EQ(FieldText(), QStringLiteral("c = 299792458"));
    EXPECT_TRUE(Window().Calculator().ExpressionHistorys().empty()) << "not recorded";
    ASSERT_TRUE(Dictionary().ContainsKey(u"C"));
    const TVariableStatus& status = Dictionary().GetStatusItems(u"C");
    EXPECT_FALSE(status.IsOverwrite);
    EXPECT_EQ(status.Comment, u"speed of light");
    EXPECT_EQ(BcdToStr(Dictionary().GetBcdValueItems(Dictionary().GetNumberItems(u"C"))),
              u"299792458");
    EXPECT_EQ(Rows(Variables()), QStringList{QStringLiteral("C = 299792458 [speed of light]")});

    Key(Qt::Key_Escape);
    Calculate(QStringLiteral("C = 1"));
    EXPECT_EQ(Shown(), QStringLiteral("Syntax error"));
    Key(Qt::Key_Escape);
    Calculate(QStringLiteral("C*2"));
    EXPECT_EQ(Shown(), QStringLiteral("599584916"));

    // A second registration of the name is refused without a message.
    Register([](TPhysicalConstantsForm& dialog) {
        Fill(dialog, QStringLiteral("1"), QStringLiteral("C"), QString());
        Button(dialog, "Button1").click();
    });
    EXPECT_TRUE(Messages.isEmpty());
    EXPECT_EQ(Dictionary().GetValueItems(Dictionary().GetNumberItems(u"C")), 299792458);

    // Cancel registers nothing.
    Register([](TPhysicalConstantsForm& dialog) {
        Fill(dialog, QStringLiteral("2"), QStringLiteral("D"), QString());
        Button(dialog, "Button2").click();
    });
    EXPECT_FALSE(Dictionary().ContainsKey(u"D"));
}

// ---- About and home page ---------------------------------------------------------------------

TEST_F(PanelsTest, AboutBoxShowsNameAndVersionAndClosesWithEnterOrEscape) {
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        bool isClosed = false;
        OnNextDialog<TAboutForm>([&](TAboutForm& dialog) {
            EXPECT_EQ(dialog.windowTitle(), QStringLiteral("バージョン情報"));
            EXPECT_EQ(dialog.size(), QSize(235, 183));
            EXPECT_EQ(LabelText(dialog, "Label1"), QStringLiteral("Kalvio"));
            EXPECT_EQ(LabelText(dialog, "Label2"), QStringLiteral("Ver.3.0"));
            EXPECT_FALSE(LabelText(dialog, "Label3").isEmpty());
            EXPECT_EQ(Button(dialog, "Button1").geometry(), QRect(78, 144, 80, 22));
            EXPECT_EQ(Button(dialog, "Button1").text(), QStringLiteral("閉じる"));
            dialog.show();
            QTest::keyClick(&dialog, key);
            isClosed = !dialog.isVisible();
        });
        Trigger("AboutAction");
        EXPECT_TRUE(isClosed) << key;
    }
}

class TUrlCatcher : public QObject {
    Q_OBJECT

public:
    QList<QUrl> Opened;

public slots:
    void Open(const QUrl& url) { Opened << url; }
};

TEST_F(PanelsTest, HomePageOpensInTheBrowser) {
    TUrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "Open");
    Trigger("HomePageAction");
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    ASSERT_EQ(catcher.Opened.size(), 1);
    EXPECT_TRUE(catcher.Opened.front().isValid());
}

} // namespace
} // namespace kalvio

#include "DialogsTest.moc"
