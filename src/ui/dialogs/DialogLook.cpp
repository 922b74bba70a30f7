#include "ui/dialogs/DialogLook.h"

#include "ui/main/UiFont.h"

#include <QDialog>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

namespace kalvio {

namespace {

// The calculator window's colours. Dialogs are made when they are opened, so a style sheet's
// cost does not fall on the start.
constexpr const char* DialogStyleSheet =
    "QDialog { background-color: #e9ecf0; }"
    "QPushButton { background-color: #f7f8fa; color: #1f232b; border: 1px solid #b9bec8;"
    " border-radius: 3px; padding: 2px 6px; }"
    "QPushButton:pressed { background-color: #d9dce2; }"
    "QPushButton:default { border-color: #7f9bb8; }"
    "QPushButton:focus { border: 2px solid #1f6fb2; }"
    "QLineEdit { background-color: #ffffff; border: 1px solid #b9bec8; border-radius: 2px;"
    " padding: 0px 3px; }"
    "QLineEdit:focus { border-color: #1f6fb2; }";

} // namespace

void SetDialogLook(QDialog& dialog, const QString& caption, const QSize& clientSize) {
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    dialog.setWindowTitle(caption);
    dialog.setModal(true);
    dialog.setFont(UiFont(12));
    dialog.setStyleSheet(QString::fromLatin1(DialogStyleSheet));
    dialog.setFixedSize(clientSize);
}

QPushButton* AddDialogButton(QDialog& dialog, const char* name, const QString& caption,
                             const QPoint& place) {
    auto* button = new QPushButton(caption, &dialog);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(QRect(place, QSize(80, 22)));
    return button;
}

void SetFocusOrder(std::initializer_list<QWidget*> widgets) {
    QWidget* previous = nullptr;
    for (QWidget* widget : widgets) {
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, widget);
        }
        previous = widget;
    }
    if (widgets.size() > 0) {
        (*widgets.begin())->setFocus();
    }
}

void CentreOnScreen(QDialog& dialog) {
    const QScreen* screen = dialog.screen();
    if (screen == nullptr) {
        return;
    }
    QRect frame = dialog.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    dialog.move(frame.topLeft());
}

} // namespace kalvio
