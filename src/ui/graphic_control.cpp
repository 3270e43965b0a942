#include "ui/graphic_control.h"

#include "ui/win_control.h"

namespace corvina::ui {

GraphicControl::GraphicControl(WinControl& parent) : Control(&parent) {}

GraphicControl::~GraphicControl() = default;

void GraphicControl::InvalidateArea(const Rect& area) {
    if (!Parent()) return;
    const RECT rect{area.left, area.top, area.left + area.width, area.top + area.height};
    Parent()->InvalidateClient(&rect);
}

void GraphicControl::Invalidate() { InvalidateArea(Bounds()); }

void GraphicControl::BoundsChanged(const Rect& old) {
    InvalidateArea(old);
    Invalidate();
}

void GraphicControl::VisibleChanged() { Invalidate(); }

}  // namespace corvina::ui
