#include "ui/panels/ExpressionListWin.h"

#include "ui/panels/ExpressionListFrm.h"

namespace kalvio {

namespace {

constexpr TPanelGeometryKeys ExpressionKeys{
    &TAppData::IsExpressionListForm, &TAppData::ExpressionListFormLeft,
    &TAppData::ExpressionListFormTop, &TAppData::ExpressionListFormWidth,
    &TAppData::ExpressionListFormHeight};

} // namespace

TExpressionListForm::TExpressionListForm(TCalculator& calculator, QWidget* owner)
    : TBasePanelForm(QStringLiteral("式"), ExpressionKeys, QSize(300, 250), owner),
      FFrame(new TExpressionListFrame(calculator, this)) {
    setObjectName(QStringLiteral("ExpressionListForm"));
    SetFrame(FFrame);
}

} // namespace kalvio
