#pragma once
// A saved canvas state: origin, clip region, pen, brush, font and copy mode
// come back when the guard goes.

#include <windows.h>

#include "sys/edge_rect.h"
#include "sys/win32/handles.h"
#include "ui/canvas_types.h"
#include "ui/font.h"

namespace corvina::ui {

class Canvas;

class CanvasState {
public:
    explicit CanvasState(Canvas& canvas);
    ~CanvasState();
    CanvasState(const CanvasState&) = delete;
    CanvasState& operator=(const CanvasState&) = delete;

    // Shortcuts to the canvas, undone with the rest.
    void MoveOrigin(int dx, int dy);
    void IntersectClip(const EdgeRect& rect);
    void ExcludeClip(const EdgeRect& rect);

private:
    Canvas& canvas_;
    POINT origin_{};
    win32::GdiObject<HRGN> clip_;  // in device units; empty when there was none
    Pen pen_;
    Brush brush_;
    Font font_;
    DWORD copyMode_;
};

}  // namespace corvina::ui
