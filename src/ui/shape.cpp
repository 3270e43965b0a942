#include "ui/shape.h"

#include <algorithm>

#include "ui/canvas.h"

namespace corvina::ui {

Shape::Shape(WinControl& parent, ShapeType type) : GraphicControl(parent), type_(type) { StoreBounds({0, 0, 65, 65}); }

void Shape::SetType(ShapeType type) {
    if (type == type_) return;
    type_ = type;
    Invalidate();
}

void Shape::SetPen(const ui::Pen& pen) {
    if (pen == pen_) return;
    pen_ = pen;
    Invalidate();
}

void Shape::SetBrush(const ui::Brush& brush) {
    if (brush == brush_) return;
    brush_ = brush;
    Invalidate();
}

void Shape::Paint(Canvas& canvas) {
    canvas.SetPen(pen_);
    canvas.SetBrush(brush_);
    // The pen's middle runs on the edge, so the outline stays inside.
    const int inset = pen_.width / 2;
    int width = Width() - pen_.width + 1;
    int height = Height() - pen_.width + 1;
    if (pen_.width == 0) {
        --width;
        --height;
    }
    int left = inset;
    int top = inset;
    if (type_ == ShapeType::Square || type_ == ShapeType::Circle) {
        const int side = std::min(width, height);
        left += (width - side) / 2;
        top += (height - side) / 2;
        width = height = side;
    }
    const EdgeRect rect{left, top, left + width, top + height};
    if (type_ == ShapeType::Ellipse || type_ == ShapeType::Circle) {
        canvas.Ellipse(rect);
    } else {
        canvas.Rectangle(rect);
    }
}

}  // namespace corvina::ui
