#pragma once
// A control without a window: its windowed parent paints it (in z-order,
// with the origin moved to it and drawing clipped to it) and routes the
// mouse to it.

#include "ui/control.h"

namespace corvina::ui {

class GraphicControl : public Control {
public:
    explicit GraphicControl(WinControl& parent);
    ~GraphicControl() override;

    // Repaints the control's area of the parent.
    void Invalidate() override;

protected:
    void BoundsChanged(const Rect& old) override;
    void VisibleChanged() override;

private:
    void InvalidateArea(const Rect& area);
};

}  // namespace corvina::ui
