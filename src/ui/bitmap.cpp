#include "ui/bitmap.h"

#include <cstring>
#include <utility>
#include <vector>

#include "sys/files.h"
#include "sys/fit_pixels.h"
#include "sys/opaque_rects.h"
#include "sys/text.h"
#include "sys/win32/draw.h"
#include "ui/bmp_layout.h"
#include "ui/canvas.h"
#include "ui/color.h"
#include "ui/memory_dc.h"
#include "ui/picture_error.h"
#include "ui/picture_format.h"

namespace corvina::ui {

namespace {

// No more than this many copies stand in for one masked drawing.
constexpr std::size_t kMostOpaqueRects = 16;

bool SameColor(const std::uint8_t* pixel, COLORREF color) {
    return pixel[0] == GetBValue(color) && pixel[1] == GetGValue(color) && pixel[2] == GetRValue(color);
}

}  // namespace

std::shared_ptr<Bitmap::Dib> Bitmap::NewDib(int width, int height, PixelDepth depth) {
    if (width <= 0 || height <= 0) return nullptr;
    void* bits = nullptr;
    auto dib = std::make_shared<Dib>();
    dib->handle = win32::NewDibSection(width, height, static_cast<int>(depth), bits);
    if (!dib->handle) return nullptr;
    dib->bits = static_cast<std::uint8_t*>(bits);
    dib->width = width;
    dib->height = height;
    dib->depth = depth;
    return dib;
}

Bitmap::Bitmap(int width, int height, PixelDepth depth) {
    std::shared_ptr<Dib> dib = NewDib(width, height, depth);
    if (!dib) return;
    std::memset(dib->bits, 0xFF, static_cast<std::size_t>(dib->Stride() * height));
    dib_ = std::move(dib);
}

Bitmap Bitmap::Fitted(const PixelView24& source, int width, int height) {
    Bitmap fitted;
    if (source.Empty()) return fitted;
    std::shared_ptr<Dib> dib = NewDib(width, height, PixelDepth::Bgrx32);
    if (!dib) return fitted;
    FitNearest(source, {dib->bits, width, height, dib->Stride()});
    fitted.dib_ = std::move(dib);
    return fitted;
}

Bitmap::Bitmap(const Bitmap& other) = default;
Bitmap& Bitmap::operator=(const Bitmap& other) = default;
Bitmap::Bitmap(Bitmap&& other) noexcept = default;
Bitmap& Bitmap::operator=(Bitmap&& other) noexcept = default;
Bitmap::~Bitmap() = default;

void Bitmap::MakeOwnDib(PixelDepth depth) {
    if (!dib_ || (dib_.use_count() == 1 && dib_->depth == depth)) return;
    std::shared_ptr<Dib> own = NewDib(dib_->width, dib_->height, depth);
    if (!own) throw PictureError(Big5{}, T(u8"記憶體不足，無法複製圖片"));
    GdiFlush();
    if (own->depth == dib_->depth) {
        std::memcpy(own->bits, dib_->bits, static_cast<std::size_t>(own->Stride() * own->height));
    } else {
        const int from = dib_->BytesPerPixel();
        const int to = own->BytesPerPixel();
        for (int y = 0; y < own->height; ++y) {
            const std::uint8_t* source = dib_->Row(y);
            std::uint8_t* target = own->Row(y);
            for (int x = 0; x < own->width; ++x, source += from, target += to) std::memcpy(target, source, 3);
        }
    }
    dib_ = std::move(own);
}

HBITMAP Bitmap::WritableHandle() {
    MakeOwnDib(Depth());
    if (dib_) {  // about to change
        dib_->masked.reset();
        dib_->opaque.reset();
    }
    return Handle();
}

std::size_t Bitmap::ByteSize() const { return dib_ ? static_cast<std::size_t>(dib_->Stride() * dib_->height) : 0; }

Bitmap Bitmap::ForDrawing() const {
    if (Depth() == PixelDepth::Bgrx32) return *this;
    Bitmap copy = *this;
    copy.MakeOwnDib(PixelDepth::Bgrx32);
    return copy;
}

Bitmap Bitmap::LoadFromFile(const Big5& path) {
    const std::optional<std::string> bytes = ReadFileBytes(path);
    if (!bytes) throw PictureError(path, T(u8"檔案不存在或無法讀取"));
    if (DetectPictureFormat(*bytes) != PictureFormat::Bitmap) throw PictureError(path, T(u8"不是點陣圖檔"));
    std::optional<Bitmap> bitmap = FromBmpBytes(*bytes);
    if (!bitmap) throw PictureError(path, T(u8"檔案已損壞"));
    return std::move(*bitmap);
}

std::optional<Bitmap> Bitmap::FromBmpBytes(std::string_view bytes) {
    const std::optional<BmpLayout> layout = ParseBmpFile(bytes);
    if (!layout) return std::nullopt;
    Bitmap bitmap(layout->width, layout->height);
    if (bitmap.Empty()) return std::nullopt;
    const HBITMAP target = bitmap.WritableHandle();

    // The header, masks and palette, copied to memory aligned for BITMAPINFO.
    std::vector<std::uint32_t> info((layout->infoSize + 3) / 4);
    std::memcpy(info.data(), bytes.data() + layout->infoOffset, layout->infoSize);
    const MemoryDC memory(target);
    const int rows = StretchDIBits(memory.Get(), 0, 0, layout->width, layout->height, 0, 0, layout->width,
                                   layout->height, bytes.data() + layout->bitsOffset,
                                   reinterpret_cast<const BITMAPINFO*>(info.data()), DIB_RGB_COLORS, SRCCOPY);
    if (rows <= 0) return std::nullopt;  // GDI_ERROR is -1 as an int
    return bitmap;
}

Bitmap Bitmap::LoadFromResource(const Big5& name, HMODULE module) {
    const std::wstring wideName = WideFromBig5(name);
    const win32::GdiObject<HBITMAP> loaded(
        static_cast<HBITMAP>(LoadImageW(module != nullptr ? module : GetModuleHandleW(nullptr), wideName.c_str(),
                                        IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    if (!loaded) throw PictureError(name, T(u8"程式中沒有這個點陣圖資源"));
    return FromHandle(loaded.Get());
}

Bitmap Bitmap::FromHandle(HBITMAP source) {
    BITMAP description{};
    if (source == nullptr || GetObjectW(source, sizeof description, &description) == 0) return {};
    const int height = description.bmHeight < 0 ? -description.bmHeight : description.bmHeight;
    Bitmap bitmap(description.bmWidth, height);
    if (bitmap.Empty()) return bitmap;
    BITMAPINFO info = win32::Dib24Format(bitmap.Width(), height);
    const win32::ReleasedDC screen = win32::ReleasedDC::Of(nullptr);
    const PixelView24 pixels = bitmap.Pixels();
    if (GetDIBits(screen.Get(), source, 0, static_cast<UINT>(height), pixels.bits, &info, DIB_RGB_COLORS) != height) {
        return {};
    }
    return bitmap;
}

PixelView24 Bitmap::Pixels() {
    if (Empty()) return {};
    MakeOwnDib(PixelDepth::Bgr24);
    dib_->masked.reset();  // about to change
    dib_->opaque.reset();
    GdiFlush();
    return {dib_->bits, dib_->width, dib_->height, dib_->Stride()};
}

Color Bitmap::Pixel(Point point) const {
    if (Empty() || point.x < 0 || point.y < 0 || point.x >= Width() || point.y >= Height()) return kColorNone;
    GdiFlush();
    const std::uint8_t* pixel = dib_->Row(point.y) + dib_->BytesPerPixel() * point.x;
    return Color::Rgb(pixel[2], pixel[1], pixel[0]);
}

Color Bitmap::TransparentColor() const {
    if (transparentColor_) return *transparentColor_;
    return Pixel({0, Height() - 1});
}

void Bitmap::Draw(Canvas& canvas, Point at) const {
    StretchDraw(canvas, {at.x, at.y, at.x + Width(), at.y + Height()});
}

const Bitmap::Masked* Bitmap::MaskedFor(COLORREF color, HDC compatible) const {
    if (dib_->masked && dib_->masked->color == color) return dib_->masked.get();
    auto masked = std::make_unique<Masked>();
    masked->color = color;
    masked->mask.Reset(CreateBitmap(Width(), Height(), 1, 1, nullptr));
    masked->holes.Reset(CreateCompatibleBitmap(compatible, Width(), Height()));
    if (!masked->mask || !masked->holes) return nullptr;
    const MemoryDC source(Handle(), compatible);
    const MemoryDC mask(masked->mask.Get(), compatible);
    const MemoryDC holes(masked->holes.Get(), compatible);
    // Pixels of the background colour become 1 in a monochrome copy.
    SetBkColor(source.Get(), color);
    BitBlt(mask.Get(), 0, 0, Width(), Height(), source.Get(), 0, 0, SRCCOPY);
    BitBlt(holes.Get(), 0, 0, Width(), Height(), source.Get(), 0, 0, SRCCOPY);
    // Monochrome onto colour: 1 gives the background colour, 0 the text colour.
    SetBkColor(holes.Get(), RGB(0, 0, 0));
    SetTextColor(holes.Get(), RGB(255, 255, 255));
    BitBlt(holes.Get(), 0, 0, Width(), Height(), mask.Get(), 0, 0, SRCAND);
    dib_->masked = std::move(masked);
    return dib_->masked.get();
}

const Bitmap::Opaque& Bitmap::OpaqueFor(COLORREF color) const {
    if (dib_->opaque && dib_->opaque->color == color) return *dib_->opaque;
    auto opaque = std::make_unique<Opaque>();
    opaque->color = color;
    GdiFlush();
    const int step = dib_->BytesPerPixel();
    std::optional<std::vector<EdgeRect>> rects = OpaqueRects(
        dib_->width, dib_->height, [&](int x, int y) { return SameColor(dib_->Row(y) + step * x, color); },
        kMostOpaqueRects);
    opaque->copied = rects.has_value();
    if (rects) opaque->rects = std::move(*rects);
    dib_->opaque = std::move(opaque);
    return *dib_->opaque;
}

void Bitmap::DrawPart(Canvas& canvas, const EdgeRect& part, const EdgeRect& at) const {
    if (Empty() || part.Width() <= 0 || part.Height() <= 0) return;
    // The rows of the part alone, so that no driver has to tell which way
    // up a source rectangle of a top-down DIB is counted.
    const BITMAPINFO info = win32::DibFormat(Width(), part.Height(), static_cast<int>(dib_->depth));
    GdiFlush();
    const int mode = SetStretchBltMode(canvas.Handle(), COLORONCOLOR);
    StretchDIBits(canvas.Handle(), at.left, at.top, at.Width(), at.Height(), part.left, 0, part.Width(), part.Height(),
                  dib_->Row(part.top), &info, DIB_RGB_COLORS, canvas.CopyMode());
    SetStretchBltMode(canvas.Handle(), mode);
}

void Bitmap::StretchDraw(Canvas& canvas, const EdgeRect& d) const {
    if (Empty() || d.Width() <= 0 || d.Height() <= 0) return;
    if (transparent_ && d.Width() == Width() && d.Height() == Height()) {
        // At its own size, as frames and glyphs are drawn.
        const COLORREF color = ToColorRef(TransparentColor());
        if (const Opaque& opaque = OpaqueFor(color); opaque.copied) {
            for (const EdgeRect& rect : opaque.rects) DrawPart(canvas, rect, OffsetRect(rect, d.left, d.top));
            return;
        }
        // Two copies through a mask.
        if (const Masked* masked = MaskedFor(color, canvas.Handle())) {
            const MemoryDC mask(masked->mask.Get(), canvas.Handle());
            const MemoryDC holes(masked->holes.Get(), canvas.Handle());
            const COLORREF text = SetTextColor(canvas.Handle(), RGB(0, 0, 0));
            const COLORREF ground = SetBkColor(canvas.Handle(), RGB(255, 255, 255));
            BitBlt(canvas.Handle(), d.left, d.top, Width(), Height(), mask.Get(), 0, 0, SRCAND);
            BitBlt(canvas.Handle(), d.left, d.top, Width(), Height(), holes.Get(), 0, 0, SRCPAINT);
            SetTextColor(canvas.Handle(), text);
            SetBkColor(canvas.Handle(), ground);
            return;
        }
    }
    if (transparent_) {
        canvas.TransparentCopy(d, *this, {0, 0, Width(), Height()}, TransparentColor());
        return;
    }
    DrawPart(canvas, {0, 0, Width(), Height()}, d);
}

}  // namespace corvina::ui
