#include "ui/frame3d.h"

#include <array>

#include "ui/canvas.h"

namespace corvina::ui {

void Frame3D(Canvas& canvas, EdgeRect& rect, corvina::Color upperLeft, corvina::Color lowerRight, int width) {
    for (int i = 0; i < width; ++i) {
        const Point topLeft{rect.left, rect.top};
        const Point topRight{rect.right - 1, rect.top};
        const Point bottomLeft{rect.left, rect.bottom - 1};
        const Point bottomRight{rect.right - 1, rect.bottom - 1};
        canvas.SetPenColor(upperLeft);
        const std::array upper{bottomLeft, topLeft, topRight};
        canvas.Polyline(upper);
        canvas.SetPenColor(lowerRight);
        // Polylines leave out their last point: one further takes in the corner.
        const std::array lower{topRight, bottomRight, Point{bottomLeft.x - 1, bottomLeft.y}};
        canvas.Polyline(lower);
        rect = {rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1};
    }
}

}  // namespace corvina::ui
