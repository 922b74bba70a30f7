#pragma once

#include "MainWindowFixture.h"
#include "ui/dialogs/DialogActions.h"
#include "ui/panels/BasePanelWin.h"
#include "ui/panels/ExpressionListFrm.h"
#include "ui/panels/ExpressionListWin.h"
#include "ui/panels/HistoryListFrm.h"
#include "ui/panels/HistoryListWin.h"
#include "ui/panels/PanelListView.h"
#include "ui/panels/PanelRowDelegate.h"
#include "ui/panels/PanelWindows.h"
#include "ui/panels/VariableListFrm.h"
#include "ui/panels/VariableListWin.h"

#include <QDialog>
#include <QGuiApplication>
#include <QStringList>
#include <QWindow>

namespace kalvio {

// The calculator window with its panels and dialogs at hand. A dialog or message box the test
// did not expect fails the test instead of waiting for a user.
class PanelsTest : public MainWindowTest {
protected:
    PanelsTest() { InstallHooks(); }

    void Restart(const std::function<void()>& betweenRuns = {}) {
        MainWindowTest::Restart(betweenRuns);
        InstallHooks();
    }

    void InstallHooks() {
        Window().DialogActions().RunDialog = [](QDialog& dialog) {
            ADD_FAILURE() << "unexpected dialog " << dialog.objectName().toStdString();
            return static_cast<int>(QDialog::Rejected);
        };
        Window().DialogActions().OnErrorMessage = [this](QWidget*, const QString& message) {
            Messages << message;
        };
    }

    THistoryListFrame& History() {
        return Window().PanelWindows().HistoryListForm().HistoryListFrame();
    }
    TVariableListFrame& Variables() {
        return Window().PanelWindows().VariableListForm().VariableListFrame();
    }
    TExpressionListFrame& Records() {
        return Window().PanelWindows().ExpressionListForm().ExpressionListFrame();
    }

    void Calculate(const QString& text) {
        Type(text);
        Key(Qt::Key_Return);
    }
    static QStringList Rows(TPanelFrame& frame, int role = Qt::DisplayRole) {
        QStringList rows;
        const QAbstractItemModel& model = *frame.ListBox().model();
        for (int row = 0; row < model.rowCount(); ++row) {
            rows << model.index(row, 0).data(role).toString();
        }
        return rows;
    }
    static QRect RowRect(TPanelFrame& frame, int row) {
        return frame.ListBox().visualRect(frame.ListBox().model()->index(row, 0));
    }
    static void ClickRow(TPanelFrame& frame, int row,
                         Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::mouseClick(frame.ListBox().viewport(), Qt::LeftButton, modifiers,
                          RowRect(frame, row).center());
    }
    static void DoubleClickRow(TPanelFrame& frame, int row) {
        ClickRow(frame, row);
        QTest::mouseDClick(frame.ListBox().viewport(), Qt::LeftButton, Qt::NoModifier,
                           RowRect(frame, row).center());
    }
    static QList<int> SelectedRows(TPanelFrame& frame) {
        QList<int> rows;
        for (const QModelIndex& index : frame.ListBox().selectionModel()->selectedRows()) {
            rows << index.row();
        }
        std::sort(rows.begin(), rows.end());
        return rows;
    }
    // The panel's window is active with the keyboard on its list, as after a click into it.
    static void FocusList(TPanelFrame& frame) {
        // A tool window counts as active with its owner, so activateWindow() would not move the
        // focus to it; a click into it would.
        QWindow* window = frame.window()->windowHandle();
        window->requestActivate();
        ASSERT_TRUE(QTest::qWaitFor([window] { return QGuiApplication::focusWindow() == window; }));
        frame.ListBox().setFocus();
    }
    static bool IsEnabled(TPanelFrame& frame, const char* actionName) {
        return frame.Action(actionName)->isEnabled();
    }
    static void Run(TPanelFrame& frame, const char* actionName) {
        frame.Action(actionName)->trigger();
    }

    // The next dialog the window opens goes to `handle` instead of a user; it ends with the
    // dialog's result as `handle` left it.
    template <typename TDialog> void OnNextDialog(std::function<void(TDialog&)> handle) {
        Window().DialogActions().RunDialog = [handle](QDialog& dialog) {
            auto* typed = qobject_cast<TDialog*>(&dialog);
            EXPECT_NE(typed, nullptr) << dialog.objectName().toStdString();
            if (typed != nullptr) {
                handle(*typed);
            }
            return dialog.result();
        };
    }

    QStringList Messages;
};

} // namespace kalvio
