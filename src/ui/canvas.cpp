#include "ui/canvas.h"

#include <algorithm>
#include <climits>
#include <string>
#include <utility>
#include <vector>

#include "sys/text.h"
#include "sys/win32/dc_state.h"
#include "ui/bitmap.h"
#include "ui/color.h"
#include "ui/gdi_font.h"
#include "ui/memory_dc.h"
#include "ui/picture.h"

namespace corvina::ui {

namespace {

RECT ToRECT(const EdgeRect& r) { return {r.left, r.top, r.right, r.bottom}; }

UINT DrawTextFlags(TextFormat format) {
    UINT flags = 0;
    if (Has(format, TextFormat::Center)) flags |= DT_CENTER;
    if (Has(format, TextFormat::Right)) flags |= DT_RIGHT;
    if (Has(format, TextFormat::VCenter)) flags |= DT_VCENTER;
    if (Has(format, TextFormat::Bottom)) flags |= DT_BOTTOM;
    if (Has(format, TextFormat::SingleLine)) flags |= DT_SINGLELINE;
    if (Has(format, TextFormat::WordBreak)) flags |= DT_WORDBREAK;
    if (Has(format, TextFormat::ExpandTabs)) flags |= DT_EXPANDTABS;
    if (Has(format, TextFormat::NoPrefix)) flags |= DT_NOPREFIX;
    if (Has(format, TextFormat::CalcRect)) flags |= DT_CALCRECT;
    if (Has(format, TextFormat::RtlReading)) flags |= DT_RTLREADING;
    return flags;
}

}  // namespace

Canvas::Canvas(HDC dc) : dc_(dc) {}

Canvas::~Canvas() {
    if (originalPen_ != nullptr) SelectObject(dc_, originalPen_);
    if (originalBrush_ != nullptr) SelectObject(dc_, originalBrush_);
    if (originalFont_ != nullptr) SelectObject(dc_, originalFont_);
    if (backgroundSaved_) {
        SetBkMode(dc_, originalBkMode_);
        SetBkColor(dc_, originalBkColor_);
    }
}

void Canvas::SetPen(const ui::Pen& pen) {
    if (pen == pen_) return;
    pen_ = pen;
    penCurrent_ = false;
}

void Canvas::SetPenColor(Color color) {
    ui::Pen pen = pen_;
    pen.color = color;
    SetPen(pen);
}

void Canvas::SetBrush(const ui::Brush& brush) {
    if (brush == brush_) return;
    brush_ = brush;
    brushCurrent_ = false;
}

void Canvas::SetBrushColor(Color color) { SetBrush({color, BrushStyle::Solid, nullptr}); }

void Canvas::SetFont(const ui::Font& font) {
    if (font == font_) return;
    // Only the colour changed: the GDI font stays.
    const bool sameShape = font.face == font_.face && font.height == font_.height && font.style == font_.style;
    font_ = font;
    if (!sameShape) fontCurrent_ = false;
}

void Canvas::Select(HGDIOBJ object, HGDIOBJ& original) {
    HGDIOBJ previous = SelectObject(dc_, object);
    if (original == nullptr) original = previous;
}

void Canvas::RealizePen() {
    RealizeBrush();  // the gaps of dotted lines follow the brush
    if (penCurrent_) return;
    win32::GdiObject<HPEN> pen;
    if (pen_.style != PenStyle::Clear && !IsNoColor(pen_.color)) {
        const int style = pen_.style == PenStyle::Dot ? PS_DOT : PS_SOLID;
        pen.Reset(CreatePen(style, pen_.width, ToColorRef(pen_.color)));
    }
    Select(pen ? pen.Get() : GetStockObject(NULL_PEN), originalPen_);
    penObject_ = std::move(pen);  // the old pen is no longer selected
    penCurrent_ = true;
}

void Canvas::RealizeBrush() {
    if (brushCurrent_) return;
    win32::GdiObject<HBRUSH> brush;
    if (brush_.style == BrushStyle::Pattern && brush_.pattern != nullptr && !brush_.pattern->Empty()) {
        brush.Reset(CreatePatternBrush(brush_.pattern->Handle()));
    } else if (brush_.style == BrushStyle::Solid && !IsNoColor(brush_.color)) {
        brush.Reset(CreateSolidBrush(ToColorRef(brush_.color)));
    }
    Select(brush ? brush.Get() : GetStockObject(NULL_BRUSH), originalBrush_);
    brushObject_ = std::move(brush);

    // Gaps of dotted lines and the ground of text follow the brush.
    if (!backgroundSaved_) {
        originalBkMode_ = GetBkMode(dc_);
        originalBkColor_ = GetBkColor(dc_);
        backgroundSaved_ = true;
    }
    if (brushObject_ && brush_.style == BrushStyle::Solid) {
        SetBkMode(dc_, OPAQUE);
        SetBkColor(dc_, ToColorRef(brush_.color));
    } else {
        SetBkMode(dc_, TRANSPARENT);
    }
    brushCurrent_ = true;
}

void Canvas::RealizeFont() {
    if (fontCurrent_) return;
    const auto sameShape = [this](const MadeFont& made) {
        return made.shape.face == font_.face && made.shape.height == font_.height && made.shape.style == font_.style;
    };
    auto made = std::find_if(fonts_.begin(), fonts_.end(), sameShape);
    if (made == fonts_.end()) {
        fonts_.push_back(MadeFont{font_, CreateGdiFont(font_)});
        made = fonts_.end() - 1;
    }
    Select(made->font ? made->font.Get() : GetStockObject(DEFAULT_GUI_FONT), originalFont_);
    fontCurrent_ = true;
}

void Canvas::FillRect(const EdgeRect& rect) {
    RealizeBrush();
    if (!brushObject_) return;
    const RECT r = ToRECT(rect);
    ::FillRect(dc_, &r, brushObject_.Get());
}

void Canvas::FrameRect(const EdgeRect& rect) {
    if (IsNoColor(brush_.color)) return;
    const win32::GdiObject<HBRUSH> brush(CreateSolidBrush(ToColorRef(brush_.color)));
    const RECT r = ToRECT(rect);
    ::FrameRect(dc_, &r, brush.Get());
}

void Canvas::Rectangle(const EdgeRect& rect) {
    RealizePen();
    RealizeBrush();
    ::Rectangle(dc_, rect.left, rect.top, rect.right, rect.bottom);
}

void Canvas::Ellipse(const EdgeRect& rect) {
    RealizePen();
    RealizeBrush();
    ::Ellipse(dc_, rect.left, rect.top, rect.right, rect.bottom);
}

void Canvas::Polyline(std::span<const Point> points) {
    RealizePen();
    std::vector<POINT> gdiPoints;
    gdiPoints.reserve(points.size());
    for (const Point& p : points) gdiPoints.push_back({p.x, p.y});
    ::Polyline(dc_, gdiPoints.data(), static_cast<int>(gdiPoints.size()));
}

void Canvas::MoveTo(Point point) { MoveToEx(dc_, point.x, point.y, nullptr); }

void Canvas::LineTo(Point point) {
    RealizePen();
    ::LineTo(dc_, point.x, point.y);
}

void Canvas::DrawEdge(const EdgeRect& rect, UINT edge, UINT sides) {
    RECT r = ToRECT(rect);
    ::DrawEdge(dc_, &r, edge, sides);
}

Color Canvas::Pixel(Point point) const {
    const COLORREF value = GetPixel(dc_, point.x, point.y);
    return value == CLR_INVALID ? kColorNone : FromColorRef(value);
}

void Canvas::SetPixel(Point point, Color color) {
    if (IsNoColor(color)) return;
    SetPixelV(dc_, point.x, point.y, ToColorRef(color));
}

void Canvas::TextAt(Point point, std::string_view text) {
    RealizeFont();
    RealizeBrush();
    if (IsNoColor(font_.color)) return;
    const std::wstring wide = WideFromBig5(text);
    const win32::TextColorScope color(dc_, ToColorRef(font_.color));
    TextOutW(dc_, point.x, point.y, wide.c_str(), static_cast<int>(wide.size()));
}

int Canvas::TextRect(EdgeRect& rect, std::string_view text, TextFormat format) {
    RealizeFont();
    const std::wstring wide = WideFromBig5(text);
    const auto length = static_cast<int>(wide.size());
    RECT r = ToRECT(rect);
    const UINT flags = DrawTextFlags(format);
    if (Has(format, TextFormat::CalcRect)) {
        const int height = DrawTextW(dc_, wide.c_str(), length, &r, flags);
        rect = {r.left, r.top, r.right, r.bottom};
        return height;
    }
    if (IsNoColor(font_.color)) return 0;
    RealizeBrush();
    const win32::TextColorScope color(dc_, ToColorRef(font_.color));
    return DrawTextW(dc_, wide.c_str(), length, &r, flags);
}

SIZE Canvas::TextExtent(std::string_view text) {
    RealizeFont();
    const std::wstring wide = WideFromBig5(text);
    SIZE size{};
    GetTextExtentPoint32W(dc_, wide.c_str(), static_cast<int>(wide.size()), &size);
    return size;
}

void Canvas::Draw(Point at, const Bitmap& bitmap) { bitmap.Draw(*this, at); }

void Canvas::Draw(Point at, const Picture& picture) { picture.Draw(*this, at); }

void Canvas::StretchDraw(const EdgeRect& rect, const Bitmap& bitmap) { bitmap.StretchDraw(*this, rect); }

void Canvas::StretchDraw(const EdgeRect& rect, const Picture& picture) { picture.StretchDraw(*this, rect); }

void Canvas::CopyRect(const EdgeRect& d, const Canvas& source, const EdgeRect& s) {
    const int mode = SetStretchBltMode(dc_, COLORONCOLOR);
    StretchBlt(dc_, d.left, d.top, d.Width(), d.Height(), source.Handle(), s.left, s.top, s.Width(), s.Height(),
               copyMode_);
    SetStretchBltMode(dc_, mode);
}

void Canvas::TransparentCopy(const EdgeRect& d, const Bitmap& source, const EdgeRect& s, Color transparent) {
    if (source.Empty() || d.Width() <= 0 || d.Height() <= 0 || s.Width() <= 0 || s.Height() <= 0) return;
    const MemoryDC memory(source.Handle(), dc_);
    GdiTransparentBlt(dc_, d.left, d.top, d.Width(), d.Height(), memory.Get(), s.left, s.top, s.Width(), s.Height(),
                      ToColorRef(transparent));
}

void Canvas::MoveOrigin(int dx, int dy) { OffsetViewportOrgEx(dc_, dx, dy, nullptr); }

Point Canvas::Origin() const {
    POINT origin{};
    GetViewportOrgEx(dc_, &origin);
    return {origin.x, origin.y};
}

EdgeRect Canvas::ClipBox() const {
    RECT box{};
    if (GetClipBox(dc_, &box) == ERROR) return {INT_MIN / 2, INT_MIN / 2, INT_MAX / 2, INT_MAX / 2};
    return {box.left, box.top, box.right, box.bottom};
}

void Canvas::IntersectClip(const EdgeRect& rect) {
    IntersectClipRect(dc_, rect.left, rect.top, rect.right, rect.bottom);
}

}  // namespace corvina::ui
