#pragma once
// A picture in memory: a 24-bit top-down DIB section, so that its pixels can
// be read and turned in place (sys/rotate_bitmap.h) as well as drawn.

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string_view>

#include "sys/big5.h"
#include "sys/colors.h"
#include "sys/edge_rect.h"
#include "sys/geometry.h"
#include "sys/rotate_bitmap.h"
#include "sys/win32/handles.h"

namespace corvina::ui {

class Canvas;

class Bitmap {
public:
    Bitmap() = default;
    // White; nothing for a side of 0 or less.
    Bitmap(int width, int height);
    Bitmap(const Bitmap& other);
    Bitmap& operator=(const Bitmap& other);
    Bitmap(Bitmap&& other) noexcept;
    Bitmap& operator=(Bitmap&& other) noexcept;

    // A .bmp file; throws PictureError naming the file when it cannot be
    // read or is not a whole bitmap.
    static Bitmap LoadFromFile(const Big5& path);
    // The bytes of a .bmp file; nothing when they are damaged.
    static std::optional<Bitmap> FromBmpBytes(std::string_view bytes);
    // A bitmap resource of `module` (the program itself when null); throws
    // PictureError naming the resource.
    static Bitmap LoadFromResource(const Big5& name, HMODULE module = nullptr);
    // A copy of any GDI bitmap that is not selected into a DC.
    static Bitmap FromHandle(HBITMAP bitmap);

    bool Empty() const { return !handle_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // For drawing and selecting; the bitmap keeps owning it.
    HBITMAP Handle() const { return handle_.Get(); }

    // The pixel memory, row 0 at the top. GDI's pending drawing is flushed
    // first; do not hold the view across more GDI drawing into the bitmap.
    PixelView24 Pixels();
    // kColorNone outside the picture.
    Color Pixel(Point point) const;

    // Draw and StretchDraw leave the transparent colour's pixels unpainted
    // when Transparent is on. Unless set, the colour is that of the
    // bottom-left pixel, as glyphs are drawn.
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent) { transparent_ = transparent; }
    Color TransparentColor() const;
    void SetTransparentColor(Color color) { transparentColor_ = color; }
    void ResetTransparentColor() { transparentColor_.reset(); }

    void Draw(Canvas& canvas, Point at) const;
    void StretchDraw(Canvas& canvas, const EdgeRect& rect) const;

private:
    std::uint8_t* Row(int y) const { return bits_ + static_cast<std::ptrdiff_t>(y) * Stride(); }
    std::ptrdiff_t Stride() const { return ((static_cast<std::ptrdiff_t>(width_) * 3 + 3) / 4) * 4; }

    win32::GdiObject<HBITMAP> handle_;
    std::uint8_t* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    bool transparent_ = false;
    std::optional<Color> transparentColor_;
};

}  // namespace corvina::ui
