#pragma once

#include <QFont>

namespace kalvio {

// The window's font: Meiryo where it is installed, else a Japanese sans-serif. The families are
// given as a preference list, so nothing enumerates the installed fonts at start.
QFont UiFont(int pixelSize, bool isBold = false);

} // namespace kalvio
