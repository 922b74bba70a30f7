#pragma once

#include <QPoint>
#include <QSize>
#include <QString>
#include <initializer_list>

class QDialog;
class QPushButton;
class QWidget;

namespace kalvio {

// The shape every dialog shares: a fixed client size, a title bar with only the close box, the
// panels' look and the window font.
void SetDialogLook(QDialog& dialog, const QString& caption, const QSize& clientSize);

// An 80 x 22 button of a dialog.
QPushButton* AddDialogButton(QDialog& dialog, const char* name, const QString& caption,
                             const QPoint& place);

// Tab moves through the widgets in this order, and the first one has the focus at the start.
void SetFocusOrder(std::initializer_list<QWidget*> widgets);

// Centres the dialog on the screen it is on.
void CentreOnScreen(QDialog& dialog);

} // namespace kalvio
