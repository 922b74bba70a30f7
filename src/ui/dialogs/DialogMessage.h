#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace kalvio {

// How a dialog shows an error message: a message box with a single OK button by default; tests
// put a hook of their own in its place, so that no message box ever blocks them.
using TErrorMessageHook = std::function<void(QWidget* parent, const QString& message)>;

void ShowErrorMessageBox(QWidget* parent, const QString& message);

} // namespace kalvio
