#include "sys/win32/check_mark_cell.h"

#include <gtest/gtest.h>

#include "support/memory_dib.h"
#include "sys/win32/draw.h"

namespace corvina::win32 {
namespace {

using test::MemoryDib;

constexpr COLORREF kGreen = 0x00FF00;
constexpr COLORREF kRed = 0x0000FF;
constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kBlack = 0x000000;

// The grid's cell: glyph square one pixel, box four pixels less than its height.
CheckMarkCell GridCell() {
    CheckMarkCell c;
    c.cell = {0, 0, 100, 20};
    c.glyphSize = 19;
    c.boxSize = 16;
    c.caption = "OK";
    return c;
}

// A check glyph: white ground (its pixel (1, 1)) with a red lower-right quarter.
GdiObject<HBITMAP> CheckGlyph() {
    MemoryDib painted(4, 4, kWhite);
    for (int y = 2; y < 4; ++y) {
        for (int x = 2; x < 4; ++x) painted.Set(x, y, kRed);
    }
    return painted.Take();
}

int CountInRect(const MemoryDib& dib, const EdgeRect& r, COLORREF color) {
    int count = 0;
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) count += dib.At(x, y) == color ? 1 : 0;
    }
    return count;
}

TEST(DrawCheckMarkCell, CheckedSquareShowsSunkenBoxGlyphAndCaption) {
    const GdiObject<HBITMAP> glyph = CheckGlyph();
    const MemoryDib dib(100, 20, kGreen);
    SetTextColor(dib.Dc(), kBlack);
    CheckMarkCell c = GridCell();
    c.checked = true;
    c.checkGlyph = glyph.Get();

    const CheckMarkCellResult result = DrawCheckMarkCell(dib.Dc(), c);

    EXPECT_EQ(result.box, (EdgeRect{1, 2, 17, 18}));
    EXPECT_EQ(result.glyph, (EdgeRect{1, 1, 20, 20}));
    EXPECT_EQ(dib.At(1, 2), GetSysColor(COLOR_BTNSHADOW));  // sunken edge, upper left
    EXPECT_EQ(dib.At(5, 6), GetSysColor(COLOR_WINDOW));     // face through the glyph's ground
    EXPECT_EQ(dib.At(15, 15), kRed);                        // the glyph's mark, stretched
    EXPECT_EQ(dib.At(19, 19), kRed);
    EXPECT_EQ(dib.At(0, 0), kGreen);

    EXPECT_EQ(result.caption.left, 22);
    EXPECT_GT(CountInRect(dib, result.caption, kBlack), 0);
    EXPECT_EQ(CountInRect(dib, {0, 0, 100, 20}, kBlack), CountInRect(dib, result.caption, kBlack));
}

TEST(DrawCheckMarkCell, UncheckedSquareShowsNoGlyph) {
    const GdiObject<HBITMAP> glyph = CheckGlyph();
    const MemoryDib dib(100, 20, kGreen);
    CheckMarkCell c = GridCell();
    c.checkGlyph = glyph.Get();
    c.boxDisabled = true;
    DrawCheckMarkCell(dib.Dc(), c);
    EXPECT_EQ(dib.At(10, 10), 0xE7E7E7u);
    EXPECT_EQ(CountInRect(dib, {0, 0, 100, 20}, kRed), 0);
}

TEST(DrawCheckMarkCell, RoundBoxGetsADotOnlyWhenChecked) {
    const MemoryDib dib(100, 20, kGreen);
    CheckMarkCell c = GridCell();
    c.round = true;
    c.checked = true;
    c.dotColor = Color{kRed};
    DrawCheckMarkCell(dib.Dc(), c);
    EXPECT_EQ(dib.At(9, 10), kRed);
    EXPECT_EQ(dib.At(1, 10), GetSysColor(COLOR_BTNSHADOW));  // the ring's left side

    const MemoryDib unchecked(100, 20, kGreen);
    c.checked = false;
    DrawCheckMarkCell(unchecked.Dc(), c);
    EXPECT_EQ(unchecked.At(9, 10), GetSysColor(COLOR_WINDOW));
}

TEST(DrawCheckMarkCell, FlatSquareIsFramedWithTheFlatPenInsideTheBox) {
    const MemoryDib dib(100, 20, kGreen);
    CheckMarkCell c = GridCell();
    c.sunken = false;
    c.flatPenWidth = 2;
    c.flatPenColor = Color{kRed};
    DrawCheckMarkCell(dib.Dc(), c);
    EXPECT_EQ(dib.At(1, 2), kRed);
    EXPECT_EQ(dib.At(2, 3), kRed);
    EXPECT_EQ(dib.At(16, 17), kRed);
    EXPECT_EQ(dib.At(3, 4), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(dib.At(17, 18), kGreen);
}

TEST(DrawCheckMarkCell, DisabledCaptionIsEngravedInHighlightAndShadow) {
    const MemoryDib dib(100, 20, kGreen);
    CheckMarkCell c = GridCell();
    c.captionEnabled = false;
    const CheckMarkCellResult result = DrawCheckMarkCell(dib.Dc(), c);
    EdgeRect text = result.caption;
    ShrinkRect(text, -1);
    EXPECT_GT(CountInRect(dib, text, GetSysColor(COLOR_BTNHIGHLIGHT)), 0);
    EXPECT_GT(CountInRect(dib, text, GetSysColor(COLOR_BTNSHADOW)), 0);
}

TEST(DrawCheckMarkCell, CentredBoxHasNoCaptionAndTheDcIsLeftAsItWas) {
    const MemoryDib dib(100, 20, kGreen);
    SetTextColor(dib.Dc(), kBlack);
    HGDIOBJ pen = GetCurrentObject(dib.Dc(), OBJ_PEN);
    HGDIOBJ brush = GetCurrentObject(dib.Dc(), OBJ_BRUSH);
    const int mode = GetBkMode(dib.Dc());

    CheckMarkCell c = GridCell();
    c.placement = CheckPlacement::Centre;
    c.round = true;
    c.checked = true;
    c.fillCell = true;
    const CheckMarkCellResult result = DrawCheckMarkCell(dib.Dc(), c);

    EXPECT_EQ(result.caption, EdgeRect{});
    EXPECT_EQ(result.box, (EdgeRect{42, 2, 58, 18}));
    EXPECT_EQ(dib.At(0, 0), kWhite);  // the cell's fill
    EXPECT_EQ(dib.At(99, 10), kWhite);
    EXPECT_EQ(GetCurrentObject(dib.Dc(), OBJ_PEN), pen);
    EXPECT_EQ(GetCurrentObject(dib.Dc(), OBJ_BRUSH), brush);
    EXPECT_EQ(GetBkMode(dib.Dc()), mode);
    EXPECT_EQ(GetTextColor(dib.Dc()), kBlack);
}

}  // namespace
}  // namespace corvina::win32
