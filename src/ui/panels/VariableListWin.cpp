#include "ui/panels/VariableListWin.h"

#include "ui/panels/VariableListFrm.h"

namespace kalvio {

namespace {

constexpr TPanelGeometryKeys VariableKeys{
    &TAppData::IsVariableListForm, &TAppData::VariableListFormLeft, &TAppData::VariableListFormTop,
    &TAppData::VariableListFormWidth, &TAppData::VariableListFormHeight};

} // namespace

TVariableListForm::TVariableListForm(TCalculator& calculator, QWidget* owner)
    : TBasePanelForm(QStringLiteral("変数"), VariableKeys, QSize(300, 250), owner),
      FFrame(new TVariableListFrame(calculator, this)) {
    setObjectName(QStringLiteral("VariableListForm"));
    SetFrame(FFrame);
}

} // namespace kalvio
