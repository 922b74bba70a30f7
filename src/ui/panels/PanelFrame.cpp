#include "ui/panels/PanelFrame.h"

#include "ui/main/UiFont.h"
#include "ui/panels/PanelButton.h"
#include "ui/panels/PanelListView.h"
#include "ui/panels/PanelRowDelegate.h"

#include <QAction>
#include <QPushButton>
#include <QVBoxLayout>

namespace kalvio {

namespace {

constexpr int ButtonLeft = 3;
constexpr int ButtonGap = 3;

} // namespace

TPanelFrame::TPanelFrame(int rowHeight, QWidget* parent)
    : QWidget(parent), FListBox(new TPanelListView(this)), FButtonPanel(new QWidget(this)) {
    FListBox->setItemDelegate(new TPanelRowDelegate(rowHeight, FListBox));
    FButtonPanel->setObjectName(QStringLiteral("ButtonPanel"));
    FButtonPanel->setFixedHeight(ButtonPanelHeight);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(FListBox, 1);
    layout->addWidget(FButtonPanel);
    connect(FListBox, &TPanelListView::RowActivated, this, [this](int row) { DblClickList(row); });
}

QAction* TPanelFrame::Action(const char* name) const {
    return findChild<QAction*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
}

int TPanelFrame::CurrentRow() const {
    const QModelIndex current = FListBox->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void TPanelFrame::SetModel(QAbstractItemModel* model) {
    FListBox->setModel(model);
    const auto update = [this] { ActionListUpdate(); };
    connect(model, &QAbstractItemModel::modelReset, this, update);
    connect(model, &QAbstractItemModel::rowsInserted, this, update);
    connect(model, &QAbstractItemModel::rowsRemoved, this, update);
    connect(FListBox->selectionModel(), &QItemSelectionModel::selectionChanged, this, update);
    connect(FListBox->selectionModel(), &QItemSelectionModel::currentChanged, this, update);
}

QAction* TPanelFrame::AddAction(const char* name, const QString& caption,
                                std::function<void()> handler) {
    auto* action = new QAction(caption, this);
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
    return action;
}

QPushButton* TPanelFrame::AddButton(const char* name, QAction* action) {
    auto* button = new TPanelButton(QString::fromLatin1(name), FButtonPanel);
    button->setText(action->text());
    button->setFont(UiFont(ButtonFontSize));
    button->setGeometry(ButtonLeft + FButtonCount * (ButtonWidth + ButtonGap),
                        (ButtonPanelHeight - ButtonHeight) / 2, ButtonWidth, ButtonHeight);
    ++FButtonCount;
    connect(button, &QPushButton::clicked, action, &QAction::trigger);
    connect(action, &QAction::changed, button, [button, action] {
        button->setEnabled(action->isEnabled());
        button->setText(action->text());
    });
    button->setEnabled(action->isEnabled());
    return button;
}

void TPanelFrame::AddListShortcut(QAction* action, const QKeySequence& shortcut) {
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    FListBox->addAction(action);
}

void TPanelFrame::SelectOnly(int row) {
    const QModelIndex index = FListBox->model()->index(row, 0);
    if (!index.isValid()) {
        return;
    }
    FListBox->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    FListBox->scrollTo(index);
}

} // namespace kalvio
