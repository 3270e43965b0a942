#include "sys/win32/check_mark_cell.h"

#include <string>

#include "sys/text.h"
#include "sys/win32/dc_state.h"
#include "sys/win32/draw.h"
#include "sys/win32/handles.h"

namespace corvina::win32 {

namespace {

constexpr COLORREF kDisabledFace = 0xE7E7E7;
constexpr COLORREF kBlack = 0x000000;
constexpr COLORREF kSilver = 0xC0C0C0;

RECT ToRECT(const EdgeRect& r) { return {r.left, r.top, r.right, r.bottom}; }

void FillSolid(HDC dc, const EdgeRect& r, COLORREF color) {
    const GdiObject<HBRUSH> brush(CreateSolidBrush(color));
    const RECT rect = ToRECT(r);
    FillRect(dc, &rect, brush.Get());
}

void Circle(HDC dc, const EdgeRect& r, HPEN pen, HBRUSH brush) {
    const SelectedObject selectedPen(dc, pen);
    const SelectedObject selectedBrush(dc, brush);
    Ellipse(dc, r.left, r.top, r.right, r.bottom);
}

// Arcs run anticlockwise: from the upper-right corner to the lower-left one
// is the upper-left half.
void Ring(HDC dc, const EdgeRect& r, COLORREF upperLeft, COLORREF lowerRight) {
    const GdiObject<HPEN> first(CreatePen(PS_SOLID, 1, upperLeft));
    {
        const SelectedObject selected(dc, first.Get());
        Arc(dc, r.left, r.top, r.right, r.bottom, r.right, r.top, r.left, r.bottom);
    }
    const GdiObject<HPEN> second(CreatePen(PS_SOLID, 1, lowerRight));
    const SelectedObject selected(dc, second.Get());
    Arc(dc, r.left, r.top, r.right, r.bottom, r.left, r.bottom, r.right, r.top);
}

void DrawSquareBox(HDC dc, const CheckMarkCell& c, const EdgeRect& box, COLORREF face) {
    FillSolid(dc, box, face);
    if (c.sunken) {
        RECT rect = ToRECT(box);
        DrawEdge(dc, &rect, EDGE_SUNKEN, BF_RECT);
        return;
    }
    const GdiObject<HPEN> pen(CreatePen(PS_INSIDEFRAME, c.flatPenWidth, ColorRefOf(c.flatPenColor)));
    const SelectedObject selectedPen(dc, pen.Get());
    const SelectedObject noFill(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, box.left, box.top, box.right, box.bottom);
}

void DrawRoundBox(HDC dc, const CheckMarkCell& c, const EdgeRect& box, COLORREF face) {
    const GdiObject<HBRUSH> faceBrush(CreateSolidBrush(face));
    if (c.sunken) {
        const GdiObject<HPEN> shadow(CreatePen(PS_SOLID, 2, GetSysColor(COLOR_BTNSHADOW)));
        Circle(dc, box, shadow.Get(), faceBrush.Get());
        Ring(dc, box, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT));
        EdgeRect inner = box;
        ShrinkRect(inner, 1);
        Ring(dc, inner, kBlack, GetSysColor(COLOR_BTNFACE));
    } else {
        const GdiObject<HPEN> pen(CreatePen(PS_SOLID, c.flatPenWidth, ColorRefOf(c.flatPenColor)));
        Circle(dc, box, pen.Get(), faceBrush.Get());
    }
    if (c.checked) {
        const COLORREF dot = ColorRefOf(c.dotColor);
        const GdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, dot));
        const GdiObject<HBRUSH> brush(CreateSolidBrush(dot));
        Circle(dc, CheckDotRect(box, c.boxSize), pen.Get(), brush.Get());
    }
}

void DrawCaptionText(HDC dc, const std::wstring& text, const EdgeRect& at) {
    RECT rect = ToRECT(at);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, DT_WORDBREAK | DT_EXPANDTABS);
}

EdgeRect DrawCaption(HDC dc, const CheckMarkCell& c, const EdgeRect& area) {
    const std::wstring text = WideFromBig5(c.caption);
    RECT measured = ToRECT(area);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measured, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
    const EdgeRect at =
        CheckCaptionTextRect(c.cell, area, measured.right - measured.left, measured.bottom - measured.top);

    const BkModeScope transparent(dc, TRANSPARENT);
    if (c.captionEnabled) {
        DrawCaptionText(dc, text, at);
    } else {
        {
            const TextColorScope highlight(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
            DrawCaptionText(dc, text, OffsetRect(at, 1, 1));
        }
        const TextColorScope shadow(dc, GetSysColor(COLOR_BTNSHADOW));
        DrawCaptionText(dc, text, at);
    }

    const EdgeRect report = CheckCaptionReportRect(c.cell, area, at);
    if (c.focusFrame) {
        const GdiObject<HBRUSH> silver(CreateSolidBrush(kSilver));
        const RECT rect = ToRECT(report);
        FrameRect(dc, &rect, silver.Get());
        DrawFocusRect(dc, &rect);
    }
    return report;
}

HBITMAP ChosenGlyph(const CheckMarkCell& c) {
    HBITMAP chosen = nullptr;
    if (c.checked && c.checkGlyph != nullptr) chosen = c.checkGlyph;
    if (!c.captionEnabled && c.normalGlyph != nullptr && c.normalGlyphWhenDisabled) chosen = c.normalGlyph;
    return chosen;
}

}  // namespace

CheckMarkCellResult DrawCheckMarkCell(HDC dc, const CheckMarkCell& c) {
    if (c.fillCell) FillSolid(dc, c.cell, ColorRefOf(c.fillColor));

    const CheckMarkSquares squares = PlaceCheckMark(c.cell, c.boxSize, c.glyphSize, c.placement);
    const COLORREF face = c.boxDisabled ? kDisabledFace : GetSysColor(COLOR_WINDOW);
    if (c.round) {
        DrawRoundBox(dc, c, squares.box, face);
    } else {
        DrawSquareBox(dc, c, squares.box, face);
    }

    CheckMarkCellResult result{{}, squares.box, squares.glyph};
    if (const auto area = CheckCaptionArea(c.cell, squares, c.placement)) result.caption = DrawCaption(dc, c, *area);

    if (HBITMAP glyph = ChosenGlyph(c)) {
        DrawBitmapTransparent(dc, squares.glyph, glyph, BitmapPixel(glyph, 1, 1));
    }
    return result;
}

}  // namespace corvina::win32
