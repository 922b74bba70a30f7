#pragma once

#include <QAbstractListModel>
#include <string>
#include <vector>

namespace kalvio {

// The saved expressions as rows, in their stored order, each shown as saved. A view over the
// calculator's list.
class TExpressionListModel : public QAbstractListModel {
    Q_OBJECT

public:
    TExpressionListModel(const std::vector<std::u16string>& records, QObject* parent);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    void UpdateListBox();

private:
    const std::vector<std::u16string>& FRecords;
    int FRowCount = 0;
};

} // namespace kalvio
