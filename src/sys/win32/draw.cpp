#include "sys/win32/draw.h"

#include <array>
#include <cstdint>
#include <vector>

#include "sys/contrast_color.h"
#include "sys/rotate_bitmap.h"
#include "sys/win32/dc_state.h"
#include "sys/win32/handles.h"

namespace corvina::win32 {

namespace {

void Polyline3(HDC dc, Color color, POINT a, POINT b, POINT c) {
    const GdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, ColorRefOf(color)));
    const SelectedObject selected(dc, pen.Get());
    const std::array<POINT, 3> points{a, b, c};
    Polyline(dc, points.data(), static_cast<int>(points.size()));
}

}  // namespace

Color ContrastColor(Color color) {
    return corvina::ContrastColor(color, [](int index) { return Color{GetSysColor(index)}; });
}

void DrawBevel(HDC dc, const EdgeRect& r, Color upperLeft, Color lowerRight) {
    Polyline3(dc, upperLeft, {r.left, r.bottom - 1}, {r.left, r.top}, {r.right - 1, r.top});
    Polyline3(dc, lowerRight, {r.right - 1, r.top}, {r.right - 1, r.bottom - 1}, {r.left, r.bottom - 1});
}

void FillDither(HDC dc, const EdgeRect& r, DWORD rop) {
    // Monochrome rows are word-aligned: one word a row, the pattern in its low byte.
    static constexpr std::array<WORD, 8> kRows{0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
    const GdiObject<HBITMAP> pattern(CreateBitmap(8, 8, 1, 1, kRows.data()));
    const GdiObject<HBRUSH> brush(CreatePatternBrush(pattern.Get()));
    const SelectedObject selected(dc, brush.Get());
    const TextColorScope white(dc, 0xFFFFFF);
    const BkColorScope silver(dc, 0xC0C0C0);
    PatBlt(dc, r.left, r.top, r.Width(), r.Height(), rop);
}

SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP info{};
    if (bitmap == nullptr || GetObjectW(bitmap, sizeof info, &info) == 0) return {0, 0};
    return {info.bmWidth, info.bmHeight < 0 ? -info.bmHeight : info.bmHeight};
}

COLORREF BitmapPixel(HBITMAP bitmap, int x, int y) {
    const OwnedDC memory(CreateCompatibleDC(nullptr));
    const SelectedObject selected(memory.Get(), bitmap);
    return GetPixel(memory.Get(), x, y);
}

void DrawBitmapTransparent(HDC dc, const EdgeRect& d, HBITMAP bitmap, COLORREF transparent) {
    const SIZE size = BitmapSize(bitmap);
    if (size.cx <= 0 || size.cy <= 0 || d.Width() <= 0 || d.Height() <= 0) return;
    const OwnedDC memory(CreateCompatibleDC(dc));
    const SelectedObject selected(memory.Get(), bitmap);
    GdiTransparentBlt(dc, d.left, d.top, d.Width(), d.Height(), memory.Get(), 0, 0, size.cx, size.cy, transparent);
}

BITMAPINFO DibFormat(int width, int height, int bitsPerPixel, bool topDown) {
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = topDown ? -height : height;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = static_cast<WORD>(bitsPerPixel);
    format.bmiHeader.biCompression = BI_RGB;
    return format;
}

GdiObject<HBITMAP> NewDibSection(int width, int height, int bitsPerPixel, void*& bits) {
    const BITMAPINFO info = DibFormat(width, height, bitsPerPixel);
    bits = nullptr;
    return GdiObject<HBITMAP>(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
}

bool RotateBitmapInPlace(HBITMAP bitmap, double angle) {
    BITMAP info{};
    if (bitmap == nullptr || GetObjectW(bitmap, sizeof info, &info) == 0 || info.bmBitsPixel != 24) return false;
    const int width = info.bmWidth;
    const int height = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;

    // A top-down copy: a section's own bits do not tell reliably which way
    // up its rows are stored.
    BITMAPINFO format = Dib24Format(width, height);
    const std::ptrdiff_t rowBytes = ((static_cast<std::ptrdiff_t>(width) * 24 + 31) / 32) * 4;
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(rowBytes * height));

    const ReleasedDC screen = ReleasedDC::Of(nullptr);
    const auto lines = static_cast<UINT>(height);
    if (GetDIBits(screen.Get(), bitmap, 0, lines, pixels.data(), &format, DIB_RGB_COLORS) != height) return false;
    corvina::RotateBitmapInPlace({pixels.data(), width, height, rowBytes}, angle);
    return SetDIBits(screen.Get(), bitmap, 0, lines, pixels.data(), &format, DIB_RGB_COLORS) == height;
}

}  // namespace corvina::win32
