#include "ui/kept_paint.h"

#include <stdexcept>

#include "sys/win32/draw.h"

namespace corvina::ui {

namespace {

win32::GdiObject<HBITMAP> Section(int width, int height) {
    void* bits = nullptr;
    win32::GdiObject<HBITMAP> bitmap = win32::NewDibSection(width, height, 32, bits);
    if (!bitmap) throw std::runtime_error("cannot keep a window's paint");
    return bitmap;
}

}  // namespace

KeptPaint::KeptPaint(int width, int height)
    : bitmap_(Section(width, height)),
      dc_(bitmap_.Get()),
      width_(width),
      height_(height),
      changed_{0, 0, width, height} {}

void KeptPaint::Changed(const RECT* area) {
    EdgeRect added =
        area ? EdgeRect{area->left, area->top, area->right, area->bottom} : EdgeRect{0, 0, width_, height_};
    ClipRectTo(added, {0, 0, width_, height_});
    if (added.Width() <= 0 || added.Height() <= 0) return;
    if (changed_.Width() <= 0 || changed_.Height() <= 0) {
        changed_ = added;
        return;
    }
    changed_ = {MinOf(changed_.left, added.left), MinOf(changed_.top, added.top), MaxOf(changed_.right, added.right),
                MaxOf(changed_.bottom, added.bottom)};
}

std::optional<EdgeRect> KeptPaint::TakeChanged() {
    if (changed_.Width() <= 0 || changed_.Height() <= 0) return std::nullopt;
    const EdgeRect taken = changed_;
    changed_ = {};
    return taken;
}

}  // namespace corvina::ui
