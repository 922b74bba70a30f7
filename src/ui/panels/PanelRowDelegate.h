#pragma once

#include <QStyledItemDelegate>

namespace kalvio {

// Draws a panel row: the row's text on its first line (bold when the model says so) and, for
// history rows, the result right-aligned below it; a light grey line separates the rows.
class TPanelRowDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    // The role of a history row's result text.
    static constexpr int ResultTextRole = Qt::UserRole + 1;
    static constexpr int FontSize = 15;
    static constexpr int TextMargin = 5;
    // The height of a history row's expression line.
    static constexpr int ExpressionLineHeight = 21;

    TPanelRowDelegate(int rowHeight, QObject* parent);

    int RowHeight() const { return FRowHeight; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    int FRowHeight;
};

} // namespace kalvio
