#include "ui/main/ApplicationIdentity.h"

#include <QApplication>
#include <QRegularExpression>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace kalvio {
namespace {

TEST(VersionCaption, ShowsMajorAndMinorVersion) {
    struct TCase {
        QString Version;
        QString Caption;
    };
    const TCase cases[] = {
        {QStringLiteral("3.0.0"), QStringLiteral("Ver.3.0")},
        {QStringLiteral("3.12.7"), QStringLiteral("Ver.3.12")},
        {QStringLiteral("4.1"), QStringLiteral("Ver.4.1")},
        {QStringLiteral("5"), QStringLiteral("Ver.5")},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(VersionCaption(c.Version), c.Caption) << c.Version.toStdString();
    }
}

TEST(VersionCaption, OfThisBuildIsAVersionNumber) {
    EXPECT_TRUE(
        VersionCaption().contains(QRegularExpression(QStringLiteral("^Ver\\.\\d+\\.\\d+$"))))
        << VersionCaption().toStdString();
}

TEST(ApplicationIcon, IsBuiltIntoTheProgramInEverySizeADesktopAsksFor) {
    const QIcon icon = ApplicationIcon();
    for (const int size : {16, 32, 48, 256}) {
        EXPECT_EQ(icon.pixmap(size, size).size(), QSize(size, size)) << size;
    }
    EXPECT_FALSE(DesktopFileName().isEmpty());
}

TEST(ApplicationIcon, IsGivenOnceTheWindowHasPainted) {
    QApplication::setWindowIcon(QIcon());
    QWidget window;
    SetApplicationIconAfterFirstPaint(window);
    EXPECT_TRUE(QApplication::windowIcon().isNull());
    window.show();
    EXPECT_TRUE(QTest::qWaitFor([] { return !QApplication::windowIcon().isNull(); }, 5000));
    EXPECT_EQ(QApplication::windowIcon().availableSizes().size(), 6);
}

} // namespace
} // namespace kalvio
