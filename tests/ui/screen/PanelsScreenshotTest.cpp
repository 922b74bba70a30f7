#include "XvfbWindow.h"
#include "ui/dialogs/AboutWin.h"
#include "ui/dialogs/DialogActions.h"
#include "ui/dialogs/PhysicalConstantsWin.h"
#include "ui/dialogs/SettingDlg.h"
#include "ui/main/MainWin.h"
#include "ui/panels/BasePanelWin.h"
#include "ui/panels/HistoryListFrm.h"
#include "ui/panels/HistoryListWin.h"
#include "ui/panels/PanelListView.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QImage>
#include <QLineEdit>
#include <QScreen>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <cstdlib>
#include <gtest/gtest.h>

namespace kalvio {
namespace {

int DistinctColours(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            colours.insert(image.pixel(x, y));
        }
    }
    return static_cast<int>(colours.size());
}

// The screen as shown, kept as `name`.png in $KALVIO_SCREENSHOT_DIR when that is set.
QImage Screenshot(const QString& name) {
    QTest::qWait(150);
    const QImage shot = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
    if (const char* folder = std::getenv("KALVIO_SCREENSHOT_DIR")) {
        shot.save(QString::fromLocal8Bit(folder) + QLatin1Char('/') + name + ".png");
    }
    return shot;
}

QImage AreaOf(const QImage& shot, const QWidget& window) {
    return shot.copy(QRect(window.geometry().topLeft(), window.size()));
}

void Calculate(TMainForm& window, const QString& text) {
    auto* field = window.findChild<QWidget*>("ExpressionEdit");
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
}

TEST(PanelsUnderXvfb, PanelsAndDialogsShowTheirDesignedLayout) {
    TXvfbWindow screen("1280x800");
    if (!screen.IsAvailable()) {
        GTEST_SKIP() << "Xvfb is not available";
    }
    TMainForm& window = screen.Show(QPoint(20, 20));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    window.Calculator().RegisterConstant(u"c", u"299792458", u"真空の光速度");
    for (const char* text : {"r = 2.5", "PI*r^2", "1234567*89", "sin(30)+1/3", "2^0.5"}) {
        Calculate(window, QString::fromLatin1(text));
    }
    window.Action("Fix2Action")->trigger();
    Calculate(window, QStringLiteral("10/4"));
    window.Action("NormalAction")->trigger();
    window.Calculator().ExpressionRecordList() = {u"円の面積; PI*R^2", u"1+2+3",
                                                  u"球の体積; 4/3*PI*R^3"};
    for (const char* action :
         {"HistoryListFormAction", "VariablePanelAction", "ExpressionRecordFormAction"}) {
        window.Action(action)->trigger();
    }
    TPanelWindows& panels = window.PanelWindows();
    panels.Window(pkVariable).move(window.frameGeometry().right() + 340, 20);
    panels.Window(pkExpression).move(window.frameGeometry().right() + 340, 320);
    auto& historyList = panels.HistoryListForm().HistoryListFrame().ListBox();
    historyList.selectionModel()->select(historyList.model()->index(2, 0),
                                         QItemSelectionModel::Select);
    for (const TPanelKind kind : {pkHistory, pkVariable, pkExpression}) {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&panels.Window(kind)));
    }
    const QImage panelsShot = Screenshot(QStringLiteral("panels"));
    for (const TPanelKind kind : {pkHistory, pkVariable, pkExpression}) {
        EXPECT_GT(DistinctColours(AreaOf(panelsShot, panels.Window(kind))), 30) << kind;
    }

    // Each dialog as it opens, over the window.
    const auto shootDialog = [&](const QString& shotName,
                                 const std::function<void(QDialog&)>& fill) {
        window.DialogActions().RunDialog = [&, shotName, fill](QDialog& dialog) {
            fill(dialog);
            dialog.move(window.frameGeometry().right() + 40, 470);
            dialog.show();
            EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
            const QImage shot = Screenshot(shotName);
            EXPECT_GT(DistinctColours(AreaOf(shot, dialog)), 30) << shotName.toStdString();
            dialog.reject();
            return static_cast<int>(QDialog::Rejected);
        };
    };
    shootDialog(QStringLiteral("settings"), [](QDialog&) {});
    window.Action("SettingAction")->trigger();
    shootDialog(QStringLiteral("constants"), [](QDialog& dialog) {
        dialog.findChild<QComboBox*>("PhysicalCombo")->setCurrentIndex(3);
        dialog.findChild<QLineEdit*>("VariableEdit")->setText(QStringLiteral("h"));
    });
    window.Action("PhysicalConstantsAction")->trigger();
    shootDialog(QStringLiteral("about"), [](QDialog&) {});
    window.Action("AboutAction")->trigger();
    window.close();
}

} // namespace
} // namespace kalvio
