#pragma once
// Drawing into a Bitmap: a memory DC holds the bitmap selected while this
// lives. The bitmap cannot be drawn elsewhere meanwhile.

#include "ui/bitmap.h"
#include "ui/canvas.h"
#include "ui/memory_dc.h"

namespace corvina::ui {

class BitmapCanvas {
public:
    explicit BitmapCanvas(Bitmap& bitmap) : dc_(bitmap.WritableHandle()), canvas_(dc_.Get()) {}
    BitmapCanvas(const BitmapCanvas&) = delete;
    BitmapCanvas& operator=(const BitmapCanvas&) = delete;

    Canvas& Get() { return canvas_; }
    Canvas* operator->() { return &canvas_; }

private:
    MemoryDC dc_;
    Canvas canvas_;  // after the DC: it lets go of its objects first
};

}  // namespace corvina::ui
