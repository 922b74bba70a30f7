#include "ui/dialogs/SettingDlg.h"

#include "calculator/SettingEntries.h"
#include "state/AppData.h"
#include "ui/dialogs/DialogLook.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

namespace kalvio {

namespace {

constexpr int Left = 16;
constexpr int EditLeft = 122;
constexpr int EditWidth = 49;
constexpr int RowHeight = 22;

int IntegerOf(const QLineEdit* edit) {
    return StrToInt(edit->text().toStdU16String()).value_or(0);
}

} // namespace

TSettingDialog::TSettingDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("SettingDialog"));
    SetDialogLook(*this, QStringLiteral("設定"), QSize(188, 319));

    FButton1 = AddDialogButton(*this, "Button1", QStringLiteral("OK"), QPoint(10, 288));
    FButton2 = AddDialogButton(*this, "Button2", QStringLiteral("キャンセル"), QPoint(98, 288));
    FButton1->setDefault(true);
    connect(FButton1, &QPushButton::clicked, this, &QDialog::accept);
    connect(FButton2, &QPushButton::clicked, this, &QDialog::reject);

    FHistoryCheck = AddCheck("HistoryCheck", QStringLiteral("計算式の履歴を保存する"), 64);
    FVariableCheck = AddCheck("VariableCheck", QStringLiteral("変数を保存する"), 96);
    FRealTimeCheck = AddCheck("RealTimeCheck", QStringLiteral("リアルタイムに計算する"), 128);
    AddLabel("HistoryLabel", QStringLiteral("計算式履歴数"), 24);
    FHistoryEdit = AddEdit("HistoryEdit", 24);
    FOpacityTrack = new QSlider(Qt::Horizontal, this);
    FOpacityTrack->setObjectName(QStringLiteral("OpacityTrack"));
    FOpacityTrack->setRange(0, 50);
    FOpacityTrack->setGeometry(Left, 248, 156, RowHeight);
    FOpacityTrack->hide();
    AddLabel("OpacityLabel", QStringLiteral("透明度"), 224)->hide();
    AddLabel("Label1", QStringLiteral("表示桁数"), 160);
    FSignificantDigitsEdit = AddEdit("SignificantDigitsEdit", 160);
    AddLabel("Label2", QStringLiteral("BCD表示桁数"), 192);
    FBcdSignificantDigitsEdit = AddEdit("BcdSignificantDigitsEdit", 192);

    SetFocusOrder({FButton1, FButton2, FRealTimeCheck, FVariableCheck, FHistoryCheck,
                   FBcdSignificantDigitsEdit, FSignificantDigitsEdit, FHistoryEdit});
}

QLabel* TSettingDialog::AddLabel(const char* name, const QString& text, int y) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(Left, y, EditLeft - Left - 4, RowHeight);
    return label;
}

QLineEdit* TSettingDialog::AddEdit(const char* name, int y) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setGeometry(EditLeft, y, EditWidth, RowHeight);
    return edit;
}

QCheckBox* TSettingDialog::AddCheck(const char* name, const QString& text, int y) {
    auto* check = new QCheckBox(text, this);
    check->setObjectName(QString::fromLatin1(name));
    check->setGeometry(Left, y, 188 - 2 * Left + 8, RowHeight);
    return check;
}

void TSettingDialog::LoadValues(const TAppData& appData) {
    FHistoryEdit->setText(QString::number(appData.HistoryCount));
    FHistoryCheck->setChecked(appData.IsHistoryRecord);
    FVariableCheck->setChecked(appData.IsVariableRecord);
    FRealTimeCheck->setChecked(appData.IsRealTimeCalc);
    FOpacityTrack->setValue(appData.TransparencyValue);
    FSignificantDigitsEdit->setText(QString::number(appData.SignificantDigits));
    FBcdSignificantDigitsEdit->setText(QString::number(appData.BcdSignificantDigits));
}

void TSettingDialog::StoreValues(TAppData& appData) const {
    appData.HistoryCount = IntegerOf(FHistoryEdit);
    appData.IsHistoryRecord = FHistoryCheck->isChecked();
    appData.IsVariableRecord = FVariableCheck->isChecked();
    appData.IsRealTimeCalc = FRealTimeCheck->isChecked();
    appData.TransparencyValue = FOpacityTrack->value();
    appData.SignificantDigits = IntegerOf(FSignificantDigitsEdit);
    appData.BcdSignificantDigits = IntegerOf(FBcdSignificantDigitsEdit);
}

void TSettingDialog::accept() {
    const std::vector<std::u16string> messages = CheckSettingEntries(
        {FHistoryEdit->text().toStdU16String(), FSignificantDigitsEdit->text().toStdU16String(),
         FBcdSignificantDigitsEdit->text().toStdU16String()});
    for (const std::u16string& message : messages) {
        OnErrorMessage(this, QString::fromStdU16String(message));
    }
    if (messages.empty()) {
        QDialog::accept();
    }
}

} // namespace kalvio
