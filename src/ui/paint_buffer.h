#pragma once
// The memory bitmap a windowed control paints into before one copy to the
// screen, so that custom drawing never flickers.

#include <windows.h>

#include "sys/win32/handles.h"
#include "ui/memory_dc.h"

namespace corvina::ui {

class PaintBuffer {
public:
    // A bitmap of the given size in the format of `target`.
    PaintBuffer(HDC target, int width, int height);

    HDC Dc() const { return dc_.Get(); }
    // The whole buffer to `area` of the target.
    void CopyTo(HDC target, const RECT& area) const;

private:
    win32::GdiObject<HBITMAP> bitmap_;
    MemoryDC dc_;  // after the bitmap: it lets go of it first
};

}  // namespace corvina::ui
