#include "ui/panels/PanelListView.h"

#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>

namespace kalvio {

TPanelListView::TPanelListView(QWidget* parent) : QListView(parent) {
    setObjectName(QStringLiteral("ListBox"));
    // Every row has the same height, so neither a rebuild nor a scroll measures the rows.
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    connect(this, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& index) { emit RowActivated(index.row()); });
}

int TPanelListView::RowAt(const QPoint& point) const {
    const QModelIndex index = indexAt(point);
    return index.isValid() ? index.row() : -1;
}

void TPanelListView::mousePressEvent(QMouseEvent* event) {
    const QModelIndex clicked = indexAt(event->position().toPoint());
    const QModelIndex current = currentIndex();
    if (selectionMode() == QAbstractItemView::ExtendedSelection &&
        event->button() == Qt::LeftButton && event->modifiers() == Qt::ShiftModifier &&
        clicked.isValid() && current.isValid()) {
        const int first = std::min(clicked.row(), current.row());
        const int last = std::max(clicked.row(), current.row());
        selectionModel()->select(QItemSelection(model()->index(first, 0), model()->index(last, 0)),
                                 QItemSelectionModel::Select);
        selectionModel()->setCurrentIndex(clicked, QItemSelectionModel::NoUpdate);
        event->accept();
        return;
    }
    QListView::mousePressEvent(event);
}

void TPanelListView::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (currentIndex().isValid()) {
            emit RowActivated(currentIndex().row());
        }
        event->accept();
        return;
    default:
        QListView::keyPressEvent(event);
    }
}

} // namespace kalvio
