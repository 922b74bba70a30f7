#include "ui/panels/VariableListModel.h"

#include "ui/main/UiFont.h"
#include "ui/panels/PanelRowDelegate.h"

namespace kalvio {

TVariableListModel::TVariableListModel(const TVariableDictionary& dictionary, QObject* parent)
    : QAbstractListModel(parent), FDictionary(dictionary), FRowCount(dictionary.Count()) {}

int TVariableListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : FRowCount;
}

QString TVariableListModel::ValueText(const std::u16string& name) const {
    const std::int32_t number = FDictionary.GetNumberItems(name);
    return QString::fromStdU16String(VariableValueText(
        FDictionary.GetValueItems(number), FDictionary.GetBcdValueItems(number), FRowFormat));
}

QVariant TVariableListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid) ||
        index.row() >= FDictionary.Count()) {
        return {};
    }
    const std::u16string& name = FDictionary.NameList()[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole: {
        const TVariableStatus& status = FDictionary.GetStatusItems(name);
        return QString::fromStdU16String(
            VariableRowText(name, ValueText(name).toStdU16String(), status.Comment));
    }
    case Qt::FontRole:
        return UiFont(TPanelRowDelegate::FontSize, !FDictionary.GetStatusItems(name).IsOverwrite);
    case NameRole:
        return QString::fromStdU16String(name);
    case CopyTextRole:
        return ValueText(name);
    default:
        return {};
    }
}

void TVariableListModel::UpdateListBox() {
    beginResetModel();
    FRowFormat = FFormat;
    FRowCount = FDictionary.Count();
    endResetModel();
}

} // namespace kalvio
