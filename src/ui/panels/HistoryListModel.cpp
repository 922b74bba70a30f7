#include "ui/panels/HistoryListModel.h"

#include "ui/panels/PanelRowDelegate.h"

namespace kalvio {

THistoryListModel::THistoryListModel(const std::deque<TExpressionHistory>& history, QObject* parent)
    : QAbstractListModel(parent), FHistory(history), FRowCount(static_cast<int>(history.size())) {}

int THistoryListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : FRowCount;
}

int THistoryListModel::EntryIndex(int row) const {
    return row >= 0 && row < FRowCount ? FRowCount - 1 - row : -1;
}

const TExpressionHistory* THistoryListModel::Entry(int row) const {
    const int entry = EntryIndex(row);
    if (entry < 0 || entry >= static_cast<int>(FHistory.size())) {
        return nullptr;
    }
    return &FHistory[static_cast<std::size_t>(entry)];
}

QVariant THistoryListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
        return {};
    }
    const TExpressionHistory* entry = Entry(index.row());
    if (entry == nullptr) {
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return QString::fromStdU16String(entry->ExpressionText);
    case TPanelRowDelegate::ResultTextRole:
        return QString::fromStdU16String(HistoryResultText(*entry, FRowFormat));
    case CopyTextRole:
        return QString::fromStdU16String(HistoryValueText(*entry, FRowFormat));
    default:
        return {};
    }
}

void THistoryListModel::UpdateListBox() {
    beginResetModel();
    FRowFormat = FFormat;
    FRowCount = static_cast<int>(FHistory.size());
    endResetModel();
}

} // namespace kalvio
