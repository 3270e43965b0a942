#include "ui/bevel.h"

#include <array>

#include "ui/canvas.h"
#include "ui/frame3d.h"

namespace corvina::ui {

namespace {

void Line(Canvas& canvas, corvina::Color color, Point from, Point to) {
    canvas.SetPenColor(color);
    const std::array points{from, to};
    canvas.Polyline(points);
}

}  // namespace

Bevel::Bevel(WinControl& parent, BevelShape shape, BevelStyle style)
    : GraphicControl(parent), shape_(shape), style_(style) {
    StoreBounds({0, 0, 50, 50});
}

void Bevel::SetShape(BevelShape shape) {
    if (shape == shape_) return;
    shape_ = shape;
    Invalidate();
}

void Bevel::SetStyle(BevelStyle style) {
    if (style == style_) return;
    style_ = style;
    Invalidate();
}

void Bevel::Paint(Canvas& canvas) {
    const bool raised = style_ == BevelStyle::Raised;
    const corvina::Color first = raised ? kHighlight : kShadow;
    const corvina::Color second = raised ? kShadow : kHighlight;
    const int w = Width();
    const int h = Height();
    EdgeRect rect{0, 0, w, h};
    switch (shape_) {
        case BevelShape::Box:
            Frame3D(canvas, rect, first, second, 1);
            break;
        case BevelShape::Frame:
            rect.right -= 1;
            rect.bottom -= 1;
            Frame3D(canvas, rect, first, second, 1);
            rect = {1, 1, w, h};
            Frame3D(canvas, rect, second, first, 1);
            break;
        case BevelShape::TopLine:
            Line(canvas, first, {0, 0}, {w, 0});
            Line(canvas, second, {0, 1}, {w, 1});
            break;
        case BevelShape::BottomLine:
            Line(canvas, first, {0, h - 2}, {w, h - 2});
            Line(canvas, second, {0, h - 1}, {w, h - 1});
            break;
        case BevelShape::LeftLine:
            Line(canvas, first, {0, 0}, {0, h});
            Line(canvas, second, {1, 0}, {1, h});
            break;
        case BevelShape::RightLine:
            Line(canvas, first, {w - 2, 0}, {w - 2, h});
            Line(canvas, second, {w - 1, 0}, {w - 1, h});
            break;
        case BevelShape::Spacer:
            break;
    }
}

}  // namespace corvina::ui
