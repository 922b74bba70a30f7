#pragma once

#include <QIcon>
#include <QString>
#include <QStringView>

class QWidget;

namespace kalvio {

// The base name of our desktop entry and icon, by which desktops tie the window to them.
QString DesktopFileName();

// The program icon, from the bitmaps built into the program.
QIcon ApplicationIcon();
// Makes ApplicationIcon the application's window icon once `window` has first painted: decoding
// its six bitmaps is not needed to show the window, and start-up is measured to that point.
void SetApplicationIconAfterFirstPaint(QWidget& window);

// The About box's version line: "Ver." with the major and minor version ("3.0.1" -> "Ver.3.0").
QString VersionCaption(QStringView version);
QString VersionCaption();

} // namespace kalvio
