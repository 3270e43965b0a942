#pragma once
// A windowless 3D box, frame or line.

#include "ui/graphic_control.h"

namespace corvina::ui {

enum class BevelShape { Box, Frame, TopLine, BottomLine, LeftLine, RightLine, Spacer };
enum class BevelStyle { Lowered, Raised };

class Bevel : public GraphicControl {
public:
    explicit Bevel(WinControl& parent, BevelShape shape = BevelShape::Box, BevelStyle style = BevelStyle::Lowered);

    BevelShape Shape() const { return shape_; }
    void SetShape(BevelShape shape);
    BevelStyle Style() const { return style_; }
    void SetStyle(BevelStyle style);

    void Paint(Canvas& canvas) override;

private:
    BevelShape shape_;
    BevelStyle style_;
};

}  // namespace corvina::ui
