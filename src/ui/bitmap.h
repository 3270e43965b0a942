#pragma once
// A picture in memory: a top-down DIB section, 24-bit so that its pixels can
// be read and turned in place (sys/rotate_bitmap.h), or 32-bit for pictures
// drawn again and again: the screen's surfaces take those without
// converting every pixel, several times faster.
// Copies share one DIB until one of them is written to: a thousand menu
// frames showing the same built-in picture cost one GDI object, not a
// thousand.

#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "sys/big5.h"
#include "sys/colors.h"
#include "sys/edge_rect.h"
#include "sys/geometry.h"
#include "sys/rotate_bitmap.h"
#include "sys/win32/handles.h"

namespace corvina::ui {

class Canvas;

enum class PixelDepth { Bgr24 = 24, Bgrx32 = 32 };

class Bitmap {
public:
    Bitmap() = default;
    // White; nothing for a side of 0 or less.
    Bitmap(int width, int height, PixelDepth depth = PixelDepth::Bgr24);
    // Out of line: GCC's null-dereference check misreads shared_ptr copies
    // inlined into callers.
    Bitmap(const Bitmap& other);
    Bitmap& operator=(const Bitmap& other);
    Bitmap(Bitmap&& other) noexcept;
    Bitmap& operator=(Bitmap&& other) noexcept;
    ~Bitmap();

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
    // `source` fitted to `width` x `height` (sys/fit_pixels.h), with 32-bit
    // pixels; empty without memory for it.
    static Bitmap Fitted(const PixelView24& source, int width, int height);

    bool Empty() const { return !dib_; }
    int Width() const { return dib_ ? dib_->width : 0; }
    int Height() const { return dib_ ? dib_->height : 0; }
    PixelDepth Depth() const { return dib_ ? dib_->depth : PixelDepth::Bgr24; }
    // What its pixels take in memory.
    std::size_t ByteSize() const;
    // The same picture with 32-bit pixels, for drawing often; itself when
    // it has them already. Safe on any thread: this bitmap is only read.
    Bitmap ForDrawing() const;
    // For drawing from; the DIB may be shared with copies, so never draw
    // into it: WritableHandle is for that.
    HBITMAP Handle() const { return dib_ ? dib_->handle.Get() : nullptr; }
    // This bitmap's own DIB, copied first when shared.
    HBITMAP WritableHandle();
    // Whether a copy shares the DIB.
    bool SharesPixelsWith(const Bitmap& other) const { return dib_ && dib_ == other.dib_; }

    // The pixel memory, row 0 at the top, the DIB made this bitmap's own
    // 24-bit one first. GDI's pending drawing is flushed first; do not hold
    // the view across more GDI drawing into the bitmap.
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
    // `part` of the picture stretched onto `at`, opaquely whatever its
    // transparency, with no DC of its own.
    void DrawPart(Canvas& canvas, const EdgeRect& part, const EdgeRect& at) const;

private:
    // A transparent picture drawn at its own size: a mask of its
    // transparent pixels and the picture with those pixels black, made once
    // per colour and shared by every copy.
    struct Masked {
        COLORREF color = 0;
        win32::GdiObject<HBITMAP> mask;
        win32::GdiObject<HBITMAP> holes;
    };

    // The same at its own size when few rectangles hold its opaque pixels:
    // those are copied, nothing is masked. Empty rects when too many.
    struct Opaque {
        COLORREF color = 0;
        std::vector<EdgeRect> rects;
        bool copied = false;  // whether rects can be used
    };

    struct Dib {
        win32::GdiObject<HBITMAP> handle;
        mutable std::unique_ptr<Masked> masked;
        mutable std::unique_ptr<Opaque> opaque;
        std::uint8_t* bits = nullptr;
        int width = 0;
        int height = 0;
        PixelDepth depth = PixelDepth::Bgr24;
        int BytesPerPixel() const { return static_cast<int>(depth) / 8; }
        std::ptrdiff_t Stride() const { return ((static_cast<std::ptrdiff_t>(width) * BytesPerPixel() + 3) / 4) * 4; }
        std::uint8_t* Row(int y) const { return bits + static_cast<std::ptrdiff_t>(y) * Stride(); }
    };

    static std::shared_ptr<Dib> NewDib(int width, int height, PixelDepth depth);
    const Masked* MaskedFor(COLORREF color, HDC compatible) const;
    const Opaque& OpaqueFor(COLORREF color) const;
    void MakeOwnDib(PixelDepth depth);

    std::shared_ptr<const Dib> dib_;
    bool transparent_ = false;
    std::optional<Color> transparentColor_;
};

}  // namespace corvina::ui
