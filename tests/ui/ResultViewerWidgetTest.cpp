#include "ui/main/CalcResultViewerWidget.h"

#include <QFontMetrics>
#include <gtest/gtest.h>

namespace kalvio {
namespace {

TEST(ResultViewerWidget, ShowsValueErrorAndTextStates) {
    TCalcResultViewerWidget viewer(nullptr);
    viewer.resize(318, 36);
    viewer.ShowValue(1234.5, TBcd{});
    EXPECT_EQ(viewer.ShownText(), QStringLiteral("1234.5"));
    viewer.ShowError(u"Syntax error");
    EXPECT_EQ(viewer.ShownText(), QStringLiteral("Syntax error"));
    EXPECT_EQ(viewer.ValueText(), u"1234.5");
    viewer.ShowText(u"A = ");
    EXPECT_EQ(viewer.ShownText(), QStringLiteral("A = "));
    viewer.ShowValue(-2.5, TBcd{});
    EXPECT_EQ(viewer.ShownText(), QStringLiteral("-2.5"));
}

TEST(ResultViewerWidget, AWideTextShrinksUntilItFits) {
    TCalcResultViewerWidget viewer(nullptr);
    viewer.resize(120, 36);
    EXPECT_EQ(viewer.FittedFontPixelSize(QStringLiteral("12")), 18);
    const QString wide = QStringLiteral("-1.23456789012345E-300");
    const int fitted = viewer.FittedFontPixelSize(wide);
    EXPECT_LT(fitted, 18);
    QFont font = viewer.font();
    font.setPixelSize(fitted);
    EXPECT_LE(QFontMetrics(font).horizontalAdvance(wide), 120);
    // The painted image holds the text's last digit, not a cut-off edge.
    viewer.ShowText(wide.toStdU16String());
    EXPECT_FALSE(viewer.grab().isNull());
}

} // namespace
} // namespace kalvio
