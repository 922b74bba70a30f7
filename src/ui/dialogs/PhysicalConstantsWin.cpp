#include "ui/dialogs/PhysicalConstantsWin.h"

#include "calculator/PhysicalConstants.h"
#include "ui/dialogs/DialogLook.h"
#include "ui/main/UiFont.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kalvio {

namespace {

constexpr int Left = 16;
constexpr int WideWidth = 297;
constexpr int NarrowWidth = 169;
constexpr int FieldHeight = 22;
constexpr int NoteFontSize = 10;

QLabel* AddLabel(QDialog& dialog, const char* name, const QString& text, const QRect& place) {
    auto* label = new QLabel(text, &dialog);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(place);
    return label;
}

QLineEdit* AddEdit(QDialog& dialog, const char* name, int y, int width) {
    auto* edit = new QLineEdit(&dialog);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setGeometry(Left, y, width, FieldHeight);
    return edit;
}

} // namespace

TPhysicalConstantsForm::TPhysicalConstantsForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("PhysicalConstantsForm"));
    SetDialogLook(*this, QStringLiteral("定数登録"), QSize(330, 308));

    AddLabel(*this, "Label1", QStringLiteral("物理定数"), QRect(Left, 14, WideWidth, 18));
    FPhysicalCombo = new QComboBox(this);
    FPhysicalCombo->setObjectName(QStringLiteral("PhysicalCombo"));
    FPhysicalCombo->setGeometry(Left, 32, WideWidth, FieldHeight);
    for (const TPhysicalConstant& constant : PhysicalConstantTable()) {
        FPhysicalCombo->addItem(
            QString::fromUtf16(constant.Name.data(), static_cast<qsizetype>(constant.Name.size())));
    }
    FPhysicalCombo->setCurrentIndex(-1);
    AddLabel(*this, "Label2", QStringLiteral("定数の値"), QRect(Left, 78, WideWidth, 18));
    FConstantsEdit = AddEdit(*this, "ConstantsEdit", 96, NarrowWidth);
    AddLabel(*this, "Label3", QStringLiteral("登録する定数名"), QRect(Left, 134, WideWidth, 18));
    FVariableEdit = AddEdit(*this, "VariableEdit", 152, NarrowWidth);
    QLabel* nameNote =
        AddLabel(*this, "Label4",
                 QStringLiteral("(アルファベットだけでなくギリシャ文字や漢字なども使用可能)\n"
                                "(アルファベットは大文字での登録になります）"),
                 QRect(Left, 176, WideWidth + 10, 34));
    FButton1 = AddDialogButton(*this, "Button1", QStringLiteral("OK"), QPoint(78, 276));
    FButton2 = AddDialogButton(*this, "Button2", QStringLiteral("キャンセル"), QPoint(174, 276));
    FButton1->setDefault(true);
    QLabel* listNote =
        AddLabel(*this, "Label5", QStringLiteral("(物理定数以外の独自定数も登録できます)"),
                 QRect(Left, 56, WideWidth, 18));
    for (QLabel* note : {nameNote, listNote}) {
        note->setFont(UiFont(NoteFontSize));
        note->setProperty("note", true);
    }
    AddLabel(*this, "Label6", QStringLiteral("定数の説明文 (省略可)"),
             QRect(Left, 220, WideWidth, 18));
    FCommentEdit = AddEdit(*this, "CommentEdit", 238, WideWidth);

    connect(FPhysicalCombo, &QComboBox::currentIndexChanged, this,
            [this](int index) { PhysicalComboChange(index); });
    connect(FButton1, &QPushButton::clicked, this, &QDialog::accept);
    connect(FButton2, &QPushButton::clicked, this, &QDialog::reject);
    SetFocusOrder(
        {FPhysicalCombo, FCommentEdit, FVariableEdit, FConstantsEdit, FButton2, FButton1});
}

QString TPhysicalConstantsForm::VariableText() const {
    return FVariableEdit->text();
}

QString TPhysicalConstantsForm::ConstantsText() const {
    return FConstantsEdit->text();
}

QString TPhysicalConstantsForm::CommentText() const {
    return FCommentEdit->text();
}

// The value goes into the value field and the name into the description; the name to register
// stays as the user typed it.
void TPhysicalConstantsForm::PhysicalComboChange(int index) {
    const auto table = PhysicalConstantTable();
    if (index < 0 || index >= static_cast<int>(table.size())) {
        FConstantsEdit->setText(QStringLiteral("0"));
        FCommentEdit->clear();
        return;
    }
    const TPhysicalConstant& constant = table[static_cast<std::size_t>(index)];
    FConstantsEdit->setText(QString::fromStdU16String(ConstantValueText(constant.Value)));
    FCommentEdit->setText(FPhysicalCombo->itemText(index));
}

void TPhysicalConstantsForm::accept() {
    const std::u16string message = CheckConstantEntries(FConstantsEdit->text().toStdU16String(),
                                                        FVariableEdit->text().toStdU16String());
    if (!message.empty()) {
        OnErrorMessage(this, QString::fromStdU16String(message));
        return;
    }
    QDialog::accept();
}

} // namespace kalvio
