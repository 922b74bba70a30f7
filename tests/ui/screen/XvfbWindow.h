#pragma once

#include "XvfbServer.h"
#include "ui/main/MainWin.h"

#include <QApplication>
#include <QPoint>
#include <QTemporaryDir>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

namespace kalvio {

// The calculator window on an X server of our own, with a settings file of its own. Members go
// in reverse: the window, its folder, the application, then the server.
class TXvfbWindow {
public:
    explicit TXvfbWindow(const std::string& screenSize) : FServer(screenSize) {}
    TXvfbWindow(const TXvfbWindow&) = delete;
    TXvfbWindow& operator=(const TXvfbWindow&) = delete;

    bool IsAvailable() const { return !FServer.Display().empty(); }

    // Starts the application on the server and shows the window at `position`; once, and only
    // when the server is available.
    TMainForm& Show(QPoint position) {
        setenv("DISPLAY", FServer.Display().c_str(), 1);
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        FApplication.emplace(FArgumentCount, FArguments);
        FWindow.emplace(std::filesystem::path(FFolder.filePath("Kalvio.ini").toStdU16String()));
        FWindow->FormShow();
        FWindow->move(position);
        FWindow->show();
        return *FWindow;
    }

private:
    TXvfbServer FServer;
    int FArgumentCount = 1;
    char FName[23] = "kalvio_ui_screen_tests";
    char* FArguments[2] = {FName, nullptr};
    std::optional<QApplication> FApplication;
    QTemporaryDir FFolder;
    std::optional<TMainForm> FWindow;
};

} // namespace kalvio
