#pragma once

#include "ui/panels/HistoryListModel.h"
#include "ui/panels/PanelFrame.h"

namespace kalvio {

class TCalculator;

// The history panel: rows newest first, several of them selectable. A double-click recalls the
// row's entry; Sum and Ave send an expression over the selected results; Copy, Del, Clear and
// the moves work on the calculator's history, which then has the rows rebuilt.
class THistoryListFrame : public TPanelFrame {
    Q_OBJECT

public:
    static constexpr int RowHeight = 46;

    THistoryListFrame(TCalculator& calculator, QWidget* parent);

    THistoryListModel& Model() { return *FModel; }
    void UpdateListBox();
    void SetIsBigDecimal(bool isBigDecimal);
    void SetSignificantDigits(int digits, int bcdDigits);
    // The row becomes the only selected one (Up and Down in the field).
    void SelectRow(int row);
    void ActionListUpdate() override;

protected:
    void DblClickList(int row) override;

private:
    // The values of the selected rows, top to bottom.
    std::vector<double> SelectedValues() const;
    int SelectedCount() const;
    void SumActionExecute();
    void AveActionExecute();
    void CopyActionExecute();
    void DelActionExecute();
    void ClearActionExecute();
    void MoveCurrent(int step);

    TCalculator& FCalculator;
    THistoryListModel* FModel;
};

} // namespace kalvio
