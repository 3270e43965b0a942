#pragma once
// Drawing on a DC someone else owns (a window's paint DC, a memory bitmap):
// pen, brush and font are held as values and their GDI objects made when a
// call needs them. Whatever the canvas selects or changes in the DC is put
// back when the canvas goes, so the DC's owner can release it safely.
// Text is Big5.

#include <windows.h>

#include <vector>

#include <span>
#include <string_view>

#include "sys/colors.h"
#include "sys/edge_rect.h"
#include "sys/geometry.h"
#include "sys/win32/handles.h"
#include "ui/canvas_state.h"
#include "ui/canvas_types.h"
#include "ui/font.h"

namespace corvina::ui {

class Bitmap;
class Picture;

class Canvas {
public:
    explicit Canvas(HDC dc);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC Handle() const { return dc_; }

    const ui::Pen& Pen() const { return pen_; }
    void SetPen(const ui::Pen& pen);
    void SetPenColor(Color color);
    const ui::Brush& Brush() const { return brush_; }
    void SetBrush(const ui::Brush& brush);
    // A solid brush of that colour.
    void SetBrushColor(Color color);
    const ui::Font& Font() const { return font_; }
    void SetFont(const ui::Font& font);
    // The raster operation of Draw, StretchDraw and CopyRect for opaque pictures.
    DWORD CopyMode() const { return copyMode_; }
    void SetCopyMode(DWORD rop) { copyMode_ = rop; }

    // With the brush.
    void FillRect(const EdgeRect& rect);
    // One pixel wide, in the brush's colour.
    void FrameRect(const EdgeRect& rect);
    // Outlined with the pen, filled with the brush.
    void Rectangle(const EdgeRect& rect);
    void Ellipse(const EdgeRect& rect);
    // With the pen; the last point is left out, as GDI does.
    void Polyline(std::span<const Point> points);
    void MoveTo(Point point);
    void LineTo(Point point);
    // The system's 3D edges: edge EDGE_RAISED, EDGE_SUNKEN, ...; sides BF_RECT, BF_LEFT, ...
    void DrawEdge(const EdgeRect& rect, UINT edge, UINT sides);

    // kColorNone outside the DC's bitmap or clip.
    Color Pixel(Point point) const;
    void SetPixel(Point point, Color color);

    // In the font and its colour, on the brush's colour unless the brush is clear.
    void TextAt(Point point, std::string_view text);
    // DrawText: the text's height; with TextFormat::CalcRect nothing is drawn
    // and `rect` is grown or shrunk to fit the text.
    int TextRect(EdgeRect& rect, std::string_view text, TextFormat format);
    SIZE TextExtent(std::string_view text);
    int TextWidth(std::string_view text) { return static_cast<int>(TextExtent(text).cx); }
    int TextHeight(std::string_view text) { return static_cast<int>(TextExtent(text).cy); }

    // Pictures at their own size, or stretched into a rectangle. Transparent
    // bitmaps leave the pixels of their transparent colour unpainted.
    void Draw(Point at, const Bitmap& bitmap);
    void Draw(Point at, const Picture& picture);
    void StretchDraw(const EdgeRect& rect, const Bitmap& bitmap);
    void StretchDraw(const EdgeRect& rect, const Picture& picture);
    // Another canvas's pixels, stretched as needed, with the copy mode.
    void CopyRect(const EdgeRect& destination, const Canvas& source, const EdgeRect& sourceRect);
    // Leaves the destination where `source` has the colour `transparent`.
    void TransparentCopy(const EdgeRect& destination, const Bitmap& source, const EdgeRect& sourceRect,
                         Color transparent);

    // Origin, clip, pen, brush, font and copy mode come back when the
    // returned guard goes.
    [[nodiscard]] CanvasState SaveState() { return CanvasState(*this); }
    // Moves where (0, 0) lands on the device.
    void MoveOrigin(int dx, int dy);
    Point Origin() const;
    void IntersectClip(const EdgeRect& rect);
    // What drawing can still change, in this canvas's coordinates.
    EdgeRect ClipBox() const;

private:
    void RealizePen();
    void RealizeBrush();
    void RealizeFont();
    void Select(HGDIOBJ object, HGDIOBJ& original);

    HDC dc_;
    ui::Pen pen_;
    ui::Brush brush_;
    ui::Font font_;
    DWORD copyMode_ = SRCCOPY;

    // What the canvas has selected; `*Current_` false when the value changed since.
    win32::GdiObject<HPEN> penObject_;
    win32::GdiObject<HBRUSH> brushObject_;
    // Every font shape this canvas made, kept while it lives: controls
    // painted one after another often switch between the same few.
    struct MadeFont {
        ui::Font shape;
        win32::GdiObject<HFONT> font;
    };
    std::vector<MadeFont> fonts_;
    bool penCurrent_ = false;
    bool brushCurrent_ = false;
    bool fontCurrent_ = false;

    // What the DC had before, put back by the destructor.
    HGDIOBJ originalPen_ = nullptr;
    HGDIOBJ originalBrush_ = nullptr;
    HGDIOBJ originalFont_ = nullptr;
    bool backgroundSaved_ = false;
    int originalBkMode_ = 0;
    COLORREF originalBkColor_ = 0;
};

}  // namespace corvina::ui
