#pragma once

#include "ui/keypads/KeypadButton.h"
#include "ui/main/CalcResultViewerWidget.h"
#include "ui/main/ExpressionEdit.h"
#include "ui/main/MainWin.h"

#include <QAction>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace kalvio {

// A started main window on a settings file of its own, with keypads that switch at once.
class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() { Start(); }
    ~MainWindowTest() override {
        if (FWindow) {
            FWindow->close();
        }
    }

    std::filesystem::path SettingsFile() const {
        return std::filesystem::path(
            FFolder.filePath(QStringLiteral("Kalvio.ini")).toStdU16String());
    }

    // Closes the window (which saves its state) and starts a new one on the same file, after
    // `betweenRuns` has had its go at the file.
    void Restart(const std::function<void()>& betweenRuns = {}) {
        FWindow->close();
        FWindow.reset();
        if (betweenRuns) {
            betweenRuns();
        }
        Start();
    }

    TMainForm& Window() { return *FWindow; }
    TExpressionEdit& Field() { return *FWindow->findChild<TExpressionEdit*>("ExpressionEdit"); }
    QString FieldText() { return Field().text(); }
    QString Shown() {
        return FWindow->findChild<TCalcResultViewerWidget*>("CalcResultViewer")->ShownText();
    }
    QPushButton& TopButton(const char* name) { return *FWindow->findChild<QPushButton*>(name); }

    void Press(const char* keyName) {
        auto* key = FWindow->findChild<TKeypadButton*>(QString::fromLatin1(keyName));
        ASSERT_NE(key, nullptr) << keyName;
        key->click();
    }
    void Type(const QString& text) { QTest::keyClicks(&Field(), text); }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(&Field(), key, modifiers);
    }
    void Trigger(const char* actionName) { FWindow->Action(actionName)->trigger(); }

private:
    void Start() {
        FWindow = std::make_unique<TMainForm>(SettingsFile());
        FWindow->SetIsTransitionAnimated(false);
        FWindow->FormShow();
        FWindow->show();
        FWindow->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(FWindow.get()));
    }

    QTemporaryDir FFolder;
    std::unique_ptr<TMainForm> FWindow;
};

} // namespace kalvio
