#include "ui/image.h"

#include <utility>

#include "ui/canvas.h"

namespace corvina::ui {

Image::Image(WinControl& parent) : GraphicControl(parent) { StoreBounds({0, 0, 105, 105}); }

void Image::SetPicture(ui::Picture picture) {
    picture_ = std::move(picture);
    Invalidate();
}

void Image::SetStretch(bool stretch) {
    if (stretch == stretch_) return;
    stretch_ = stretch;
    Invalidate();
}

void Image::SetCenter(bool center) {
    if (center == center_) return;
    center_ = center;
    Invalidate();
}

void Image::Paint(Canvas& canvas) {
    if (picture_.Empty()) return;
    if (stretch_) {
        picture_.StretchDraw(canvas, {0, 0, Width(), Height()});
    } else if (center_) {
        picture_.Draw(canvas, {(Width() - picture_.Width()) / 2, (Height() - picture_.Height()) / 2});
    } else {
        picture_.Draw(canvas, {0, 0});
    }
}

}  // namespace corvina::ui
