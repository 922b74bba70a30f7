#include "XvfbWindow.h"
#include "ui/main/MainWin.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

namespace kalvio {
namespace {

int DistinctColours(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 2) {
        for (int x = 0; x < image.width(); x += 2) {
            colours.insert(image.pixel(x, y));
        }
    }
    return static_cast<int>(colours.size());
}

TEST(WindowUnderXvfb, ScreenshotShowsTheWindow) {
    TXvfbWindow screen("800x600");
    if (!screen.IsAvailable()) {
        GTEST_SKIP() << "Xvfb is not available";
    }
    TMainForm& window = screen.Show(QPoint(40, 40));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(200);

    const QImage shot = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
    const QImage windowArea = shot.copy(QRect(window.geometry().topLeft(), window.size()));
    const char* keep = std::getenv("KALVIO_SCREENSHOT");
    if (keep != nullptr) {
        shot.save(QString::fromLocal8Bit(keep));
    }
    // A blank capture has a single colour; the keypads, captions and field give many.
    EXPECT_GT(DistinctColours(windowArea), 50);

    // The main menu with its Japanese entries, over a result on show.
    QTest::keyClicks(window.findChild<QWidget*>("ExpressionEdit"), "1234.5*2");
    QTest::keyClick(window.findChild<QWidget*>("ExpressionEdit"), Qt::Key_Return);
    window.findChild<QPushButton*>("MenuBtn")->click();
    auto* menu = window.findChild<QMenu*>("MainMenu");
    ASSERT_NE(menu, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    QTest::qWait(200);
    const QImage menuShot = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
    if (keep != nullptr) {
        menuShot.save(QString::fromLocal8Bit(keep) + QStringLiteral(".menu.png"));
    }
    EXPECT_GT(DistinctColours(menuShot.copy(menu->geometry())), 20);
    menu->close();
    window.close();
}

} // namespace
} // namespace kalvio
