#pragma once
// A 24-bit DIB section selected into a memory DC: tests paint into it and
// read the pixels back. Bottom-up unless asked, as most pictures arrive.

#include <windows.h>

#include <utility>

#include "sys/win32/draw.h"
#include "sys/win32/handles.h"

namespace corvina::test {

class MemoryDib {
public:
    MemoryDib(int width, int height, COLORREF fill, bool topDown = false) : dc_(CreateCompatibleDC(nullptr)) {
        const BITMAPINFO info = win32::Dib24Format(width, height, topDown);
        void* bits = nullptr;
        bitmap_.Reset(CreateDIBSection(dc_.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        old_ = SelectObject(dc_.Get(), bitmap_.Get());
        const win32::GdiObject<HBRUSH> brush(CreateSolidBrush(fill));
        const RECT all{0, 0, width, height};
        FillRect(dc_.Get(), &all, brush.Get());
    }
    ~MemoryDib() {
        if (old_ != nullptr) SelectObject(dc_.Get(), old_);
    }
    MemoryDib(const MemoryDib&) = delete;
    MemoryDib& operator=(const MemoryDib&) = delete;

    HDC Dc() const { return dc_.Get(); }
    HBITMAP Bitmap() const { return bitmap_.Get(); }
    COLORREF At(int x, int y) const { return GetPixel(dc_.Get(), x, y); }
    void Set(int x, int y, COLORREF color) const { SetPixelV(dc_.Get(), x, y, color); }

    // The painted bitmap, free to be selected elsewhere; the DC is done.
    win32::GdiObject<HBITMAP> Take() {
        SelectObject(dc_.Get(), old_);
        old_ = nullptr;
        return std::move(bitmap_);
    }

private:
    win32::OwnedDC dc_;
    win32::GdiObject<HBITMAP> bitmap_;
    HGDIOBJ old_ = nullptr;
};

}  // namespace corvina::test
