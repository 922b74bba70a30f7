#pragma once

#include <QIcon>
#include <QString>
#include <QStringView>

namespace kalvio {

// The base name of our desktop entry and icon, by which desktops tie the window to them.
QString DesktopFileName();

// The program icon, from the bitmaps built into the program.
QIcon ApplicationIcon();

// The About box's version line: "Ver." with the major and minor version ("3.0.1" -> "Ver.3.0").
QString VersionCaption(QStringView version);
QString VersionCaption();

} // namespace kalvio
