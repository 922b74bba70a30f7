#pragma once

#include <QWidget>
#include <functional>

class QAction;
class QAbstractItemModel;
class QKeySequence;
class QPushButton;

namespace kalvio {

class TPanelListView;

// What the three list panels share: the list above a 25-high bar of small buttons, each bound to
// one of the frame's actions, whose enabling the frame keeps up to date as the list's rows and
// selection change.
class TPanelFrame : public QWidget {
    Q_OBJECT

public:
    static constexpr int ButtonPanelHeight = 25;
    static constexpr int ButtonWidth = 36;
    static constexpr int ButtonHeight = 18;
    static constexpr int ButtonFontSize = 10;

    TPanelListView& ListBox() const { return *FListBox; }
    QAction* Action(const char* name) const;
    // The list's current row, or -1.
    int CurrentRow() const;
    // Enables the actions as the rows and the selection allow.
    virtual void ActionListUpdate() = 0;

signals:
    // After a recall or a copy the calculator's window takes the keyboard again.
    void MainWindowActivationRequested();

protected:
    TPanelFrame(int rowHeight, QWidget* parent);
    // Gives the list its model; the enabling follows the model and the selection from then on.
    void SetModel(QAbstractItemModel* model);
    QAction* AddAction(const char* name, const QString& caption, std::function<void()> handler);
    // A double-click or Enter on a row.
    virtual void DblClickList(int row) = 0;
    // The next button of the bar, left to right, bound to `action`.
    QPushButton* AddButton(const char* name, QAction* action);
    // The action's key works while the list has the focus (and the action is enabled).
    void AddListShortcut(QAction* action, const QKeySequence& shortcut);
    // The row becomes current and the only selected row, in view.
    void SelectOnly(int row);

private:
    TPanelListView* FListBox;
    QWidget* FButtonPanel;
    int FButtonCount = 0;
};

} // namespace kalvio
