#pragma once
// A windowless rectangle or ellipse drawn with a pen and a brush.

#include "ui/canvas_types.h"
#include "ui/graphic_control.h"

namespace corvina::ui {

enum class ShapeType { Rectangle, Square, Ellipse, Circle };

class Shape : public GraphicControl {
public:
    explicit Shape(WinControl& parent, ShapeType type = ShapeType::Rectangle);

    ShapeType Type() const { return type_; }
    void SetType(ShapeType type);
    const ui::Pen& Pen() const { return pen_; }
    void SetPen(const ui::Pen& pen);
    const ui::Brush& Brush() const { return brush_; }
    void SetBrush(const ui::Brush& brush);

    void Paint(Canvas& canvas) override;

private:
    ShapeType type_;
    ui::Pen pen_;
    ui::Brush brush_;
};

}  // namespace corvina::ui
