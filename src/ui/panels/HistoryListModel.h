#pragma once

#include "calculator/PanelText.h"
#include "state/ExpressionHistory.h"

#include <QAbstractListModel>
#include <deque>

namespace kalvio {

// The history as rows, newest first: the expression and its result formatted with the entry's
// own display mode. A view over the calculator's store: a rebuild only announces the new row
// count, and each row is formatted when it is drawn, so a long history costs nothing until it is
// scrolled into view. The number format given is taken at the next rebuild.
class THistoryListModel : public QAbstractListModel {
    Q_OBJECT

public:
    // The text Copy takes from a row.
    static constexpr int CopyTextRole = Qt::UserRole + 2;

    THistoryListModel(const std::deque<TExpressionHistory>& history, QObject* parent);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // Rebuilds every row from the store.
    void UpdateListBox();
    void SetNumberFormat(const TPanelNumberFormat& format) { FFormat = format; }
    const TPanelNumberFormat& NumberFormat() const { return FFormat; }

    // The entry a row shows (rows count from the newest entry), or -1 past the rows.
    int EntryIndex(int row) const;
    int RowOfEntry(int entryIndex) const { return FRowCount - 1 - entryIndex; }
    // The entry of a row, if the store still holds it.
    const TExpressionHistory* Entry(int row) const;

private:
    const std::deque<TExpressionHistory>& FHistory;
    TPanelNumberFormat FFormat;
    TPanelNumberFormat FRowFormat; // the format of the rows as last built
    int FRowCount = 0;
};

} // namespace kalvio
