#include "ui/panels/BasePanelWin.h"

#include "ui/main/UiFont.h"

#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QVBoxLayout>

namespace kalvio {

namespace {

// The calculator window's background.
const QColor WindowColour(0xe9, 0xec, 0xf0);

} // namespace

QPoint PlacedPosition(const QPoint& current, const QRect& stored, const QRect& desktop) {
    QPoint place = current;
    if (stored.left() >= desktop.left() - stored.width() && stored.left() <= desktop.right()) {
        place.setX(stored.left());
    }
    if (stored.top() >= desktop.top() && stored.top() <= desktop.bottom()) {
        place.setY(stored.top());
    }
    return place;
}

TBasePanelForm::TBasePanelForm(const QString& caption, const TPanelGeometryKeys& keys,
                               const QSize& designSize, QWidget* owner)
    : QWidget(owner, Qt::Tool), FKeys(keys) {
    setWindowTitle(caption);
    QPalette windowPalette = palette();
    windowPalette.setColor(QPalette::Window, WindowColour);
    setPalette(windowPalette);
    setAutoFillBackground(true);
    setFont(UiFont(12));
    resize(designSize);
}

void TBasePanelForm::SetFrame(QWidget* frame) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(frame);
}

bool TBasePanelForm::PlaceStored() {
    if (FAppData == nullptr) {
        return false;
    }
    const QRect stored(FAppData->*FKeys.Left, FAppData->*FKeys.Top, FAppData->*FKeys.Width,
                       FAppData->*FKeys.Height);
    if (stored.width() <= 0 || stored.height() <= 0) {
        return false;
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect desktop = screen != nullptr ? screen->availableVirtualGeometry() : QRect();
    move(PlacedPosition(pos(), stored, desktop));
    resize(stored.size());
    return true;
}

void TBasePanelForm::StoreState(TAppData& appData) const {
    appData.*FKeys.IsOpen = isVisible();
    if (isVisible()) {
        StoreGeometry(appData);
    }
}

void TBasePanelForm::StoreGeometry(TAppData& appData) const {
    appData.*FKeys.Left = pos().x();
    appData.*FKeys.Top = pos().y();
    appData.*FKeys.Width = width();
    appData.*FKeys.Height = height();
}

void TBasePanelForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    emit VisibilityChanged(true);
}

void TBasePanelForm::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (FAppData != nullptr) {
        StoreGeometry(*FAppData);
    }
    emit VisibilityChanged(false);
}

} // namespace kalvio
