#pragma once

#include "state/AppData.h"

#include <QRect>
#include <QWidget>
#include <cstdint>

namespace kalvio {

// The fields of the settings that hold one panel window's open state and geometry.
struct TPanelGeometryKeys {
    bool TAppData::*IsOpen;
    std::int32_t TAppData::*Left;
    std::int32_t TAppData::*Top;
    std::int32_t TAppData::*Width;
    std::int32_t TAppData::*Height;
};

// Where a window stored at `stored` goes on the desktop `desktop` when the platform put it at
// `current`: the stored left only if the window then overlaps the desktop horizontally or hangs
// off its left edge by at most its own width, the stored top only if it lies on the desktop.
QPoint PlacedPosition(const QPoint& current, const QRect& stored, const QRect& desktop);

// A panel window: a tool window beside the calculator that remembers its place. It keeps its
// geometry in the settings whenever it hides, so it reopens where it was, and reports each
// change of its visibility so that the menu's check mark follows it, also when its own close
// box hides it.
class TBasePanelForm : public QWidget {
    Q_OBJECT

public:
    // Without settings, nothing is stored.
    void SetAppData(TAppData* appData) { FAppData = appData; }
    TAppData* AppData() const { return FAppData; }
    const TPanelGeometryKeys& GeometryKeys() const { return FKeys; }

    // Places and sizes the window as stored, if a size is stored; false otherwise.
    bool PlaceStored();
    // The open state, and the geometry of an open window, into the settings (at exit).
    void StoreState(TAppData& appData) const;

signals:
    void VisibilityChanged(bool isVisible);

protected:
    TBasePanelForm(const QString& caption, const TPanelGeometryKeys& keys, const QSize& designSize,
                   QWidget* owner);
    // The frame filling the window.
    void SetFrame(QWidget* frame);

    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void StoreGeometry(TAppData& appData) const;

    TPanelGeometryKeys FKeys;
    TAppData* FAppData = nullptr;
};

} // namespace kalvio
