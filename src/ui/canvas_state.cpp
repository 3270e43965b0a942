#include "ui/canvas_state.h"

#include "ui/canvas.h"

namespace corvina::ui {

CanvasState::CanvasState(Canvas& canvas)
    : canvas_(canvas), pen_(canvas.Pen()), brush_(canvas.Brush()), font_(canvas.Font()), copyMode_(canvas.CopyMode()) {
    GetViewportOrgEx(canvas.Handle(), &origin_);
    // Not SaveDC: RestoreDC would bring back objects the canvas may have deleted since.
    clip_.Reset(CreateRectRgn(0, 0, 0, 0));
    if (GetClipRgn(canvas.Handle(), clip_.Get()) != 1) clip_.Reset();
}

CanvasState::~CanvasState() {
    SetViewportOrgEx(canvas_.Handle(), origin_.x, origin_.y, nullptr);
    SelectClipRgn(canvas_.Handle(), clip_.Get());
    canvas_.SetPen(pen_);
    canvas_.SetBrush(brush_);
    canvas_.SetFont(font_);
    canvas_.SetCopyMode(copyMode_);
}

void CanvasState::MoveOrigin(int dx, int dy) { canvas_.MoveOrigin(dx, dy); }

void CanvasState::IntersectClip(const EdgeRect& rect) { canvas_.IntersectClip(rect); }

void CanvasState::ExcludeClip(const EdgeRect& rect) {
    ExcludeClipRect(canvas_.Handle(), rect.left, rect.top, rect.right, rect.bottom);
}

}  // namespace corvina::ui
