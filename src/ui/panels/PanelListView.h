#pragma once

#include <QListView>

namespace kalvio {

// The list of a panel: rows of one height; a double-click or Enter activates the current row. With
// multiple selection, Shift+click adds every row from the current row to the clicked one and keeps
// the rows selected elsewhere.
class TPanelListView : public QListView {
    Q_OBJECT

public:
    explicit TPanelListView(QWidget* parent);

    // The model's row under the list's point, or -1.
    int RowAt(const QPoint& point) const;

signals:
    void RowActivated(int row);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace kalvio
