#include "ui/panels/ExpressionListModel.h"

namespace kalvio {

TExpressionListModel::TExpressionListModel(const std::vector<std::u16string>& records,
                                           QObject* parent)
    : QAbstractListModel(parent), FRecords(records), FRowCount(static_cast<int>(records.size())) {}

int TExpressionListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : FRowCount;
}

QVariant TExpressionListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid) ||
        index.row() >= static_cast<int>(FRecords.size())) {
        return {};
    }
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
        return QString::fromStdU16String(FRecords[static_cast<std::size_t>(index.row())]);
    }
    return {};
}

void TExpressionListModel::UpdateListBox() {
    beginResetModel();
    FRowCount = static_cast<int>(FRecords.size());
    endResetModel();
}

} // namespace kalvio
