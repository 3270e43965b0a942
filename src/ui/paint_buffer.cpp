#include "ui/paint_buffer.h"

#include <stdexcept>

namespace corvina::ui {

namespace {

win32::GdiObject<HBITMAP> CompatibleBitmap(HDC target, int width, int height) {
    win32::GdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(target, width, height));
    if (!bitmap) throw std::runtime_error("cannot make a paint buffer");
    return bitmap;
}

}  // namespace

PaintBuffer::PaintBuffer(HDC target, int width, int height)
    : bitmap_(CompatibleBitmap(target, width, height)), dc_(bitmap_.Get(), target) {}

void PaintBuffer::CopyTo(HDC target, const RECT& area) const {
    BitBlt(target, area.left, area.top, area.right - area.left, area.bottom - area.top, dc_.Get(), 0, 0, SRCCOPY);
}

}  // namespace corvina::ui
