#include "ui/dialogs/AboutWin.h"

#include "ui/dialogs/DialogLook.h"
#include "ui/main/UiFont.h"

#include <QLabel>
#include <QPushButton>

namespace kalvio {

namespace {

void AddLabel(QDialog& dialog, const char* name, const QString& text, int fontSize,
              const QPoint& place) {
    auto* label = new QLabel(text, &dialog);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(UiFont(fontSize));
    label->adjustSize();
    label->move(place);
}

} // namespace

TAboutForm::TAboutForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutForm"));
    SetDialogLook(*this, QStringLiteral("バージョン情報"), QSize(235, 183));
    AddLabel(*this, "Label1", QStringLiteral("Kalvio"), 22, QPoint(95, 24));
    AddLabel(*this, "Label2", QStringLiteral("Ver.3.0"), 14, QPoint(98, 62));
    AddLabel(*this, "Label3", QStringLiteral("関数電卓 Kalvio  © Orvelle"), 13, QPoint(26, 104));
    // Both the default and the cancel button: Enter and Escape close the box too.
    QPushButton* close =
        AddDialogButton(*this, "Button1", QStringLiteral("閉じる"), QPoint(78, 144));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    SetFocusOrder({close});
}

} // namespace kalvio
