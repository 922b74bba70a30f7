#include "ui/panels/HistoryListWin.h"

#include "ui/panels/HistoryListFrm.h"

namespace kalvio {

namespace {

constexpr TPanelGeometryKeys HistoryKeys{
    &TAppData::IsHistoryListForm, &TAppData::HistoryListFormLeft, &TAppData::HistoryListFormTop,
    &TAppData::HistoryListFormWidth, &TAppData::HistoryListFormHeight};

} // namespace

THistoryListForm::THistoryListForm(TCalculator& calculator, QWidget* owner)
    : TBasePanelForm(QStringLiteral("履歴"), HistoryKeys, QSize(DesignClientWidth, 330), owner),
      FFrame(new THistoryListFrame(calculator, this)) {
    setObjectName(QStringLiteral("HistoryListForm"));
    SetFrame(FFrame);
}

} // namespace kalvio
