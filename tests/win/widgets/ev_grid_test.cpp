// The striped grid as a window: what it paints, which rows it repaints,
// and how mouse, keys and scroll bars reach its model.

#include "widgets/ev_grid.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

#include "support/memory_dib.h"
#include "sys/win32/handles.h"
#include "ui/ui_fixture.h"
#include "widgets/test_pictures.h"

namespace corvina {
namespace {

using test::MemoryDib;
using test::Ref;
using ui::test::ClickAt;
using ui::test::MoveTo;
using ui::test::PointParam;

constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kTinted = 14807280;  // EvenRowColor
constexpr COLORREF kNavy = 8388608;     // FocusedColor
constexpr Color kFlagRed = Color::Rgb(255, 0, 0);
constexpr Color kGlyphGreen = Color::Rgb(0, 200, 0);
constexpr Color kPatternBlue = Color::Rgb(0, 0, 255);

ui::Bitmap BitmapOf(int width, int height, const std::function<Color(int x, int y)>& color) {
    return *test::PictureOf(width, height, color).Bitmap();
}

// "FLAG": red but for a white corner, which must not show; "DEFCHK": green
// with its transparent colour at (1, 1).
ui::Bitmap TestBitmap(const Big5& name) {
    if (name == "FLAG") {
        return BitmapOf(9, 13, [](int x, int y) { return x + y == 0 ? Color{0xFFFFFF} : kFlagRed; });
    }
    if (name == "DEFCHK") {
        return BitmapOf(16, 16, [](int x, int y) { return x == 1 && y == 1 ? Color::Rgb(255, 0, 255) : kGlyphGreen; });
    }
    return {};
}

class EvGridTest : public ui::test::UiTest {
protected:
    EvGridTest() : form_(NewForm(400, 300)) {
        form_->ShowInactive();
        Pump();
    }

    // Rows 21 high under 1-pixel lines: row r of an unscrolled grid starts at 22 r.
    TEvgrid& AddGrid(int rows, int height = 200) {
        auto& grid = form_->Add<TEvgrid>(TestBitmap);
        grid.SetBounds({0, 0, 300, height});
        grid.SetRowCount(rows);
        return grid;
    }

    static std::unique_ptr<MemoryDib> Shot(const TEvgrid& grid) {
        auto dib = std::make_unique<MemoryDib>(grid.ClientWidth(), grid.ClientHeight(), RGB(1, 2, 3), true);
        SendMessageW(grid.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dib->Dc()), PRF_CLIENT);
        return dib;
    }

    static int Y(const TEvgrid& grid, int row, int dy = 10) { return grid.CellRect(1, row)->top + dy; }

    // Pixels of a cell in a colour.
    static int CountWhere(const MemoryDib& dib, const EdgeRect& r, const std::function<bool(COLORREF)>& match) {
        int count = 0;
        for (int y = r.top; y < r.bottom; ++y) {
            for (int x = r.left; x < r.right; ++x) count += match(dib.At(x, y)) ? 1 : 0;
        }
        return count;
    }
    static int CountIn(const MemoryDib& dib, const EdgeRect& r, COLORREF color) {
        return CountWhere(dib, r, [color](COLORREF c) { return c == color; });
    }

    // The rows whose middle lies in the window's update region.
    static std::vector<int> RowsToRepaint(const TEvgrid& grid) {
        const win32::GdiObject<HRGN> region(CreateRectRgn(0, 0, 0, 0));
        GetUpdateRgn(grid.Handle(), region.Get(), FALSE);
        std::vector<int> rows;
        for (int row = 0; row < grid.RowCount(); ++row) {
            const auto rect = grid.CellRect(1, row);
            if (rect && PtInRegion(region.Get(), 30, (rect->top + rect->bottom) / 2)) rows.push_back(row);
        }
        return rows;
    }

    static void ClickWith(const TEvgrid& grid, int row, WPARAM keys) {
        SendMessageW(grid.Handle(), WM_LBUTTONDOWN, MK_LBUTTON | keys, PointParam(30, Y(grid, row)));
        SendMessageW(grid.Handle(), WM_LBUTTONUP, keys, PointParam(30, Y(grid, row)));
    }

    ui::FormPtr<ui::Form> form_;
};

TEST_F(EvGridTest, StripesFixedCellsAndTheHighlightedRowWithItsFlag) {
    TEvgrid& grid = AddGrid(6);
    grid.SetCells(1, 2, "WWW");
    grid.SetFocusHighLight(true);
    grid.SelectCell(1, 2);
    auto shot = Shot(grid);
    EXPECT_EQ(shot->At(40, 10), GetSysColor(COLOR_BTNFACE));  // the title row
    EXPECT_EQ(shot->At(40, Y(grid, 1, 15)), kWhite);
    EXPECT_EQ(shot->At(60, Y(grid, 2, 15)), kNavy);
    EXPECT_EQ(shot->At(40, Y(grid, 3, 15)), kWhite);
    EXPECT_EQ(shot->At(40, Y(grid, 4, 15)), kTinted);
    // A line between data cells, and the fixed column's line.
    EXPECT_EQ(shot->At(40, grid.CellRect(1, 1)->bottom), 0xC0C0C0u);
    EXPECT_EQ(shot->At(12, Y(grid, 3)), 0x000000u);
    // The focused text in the focused font, white.
    EXPECT_GT(CountIn(*shot, *grid.CellRect(1, 2), kWhite), 0);
    // The flag, centred in column 0 of the focused row, its white corner left out.
    const EdgeRect flagCell = *grid.CellRect(0, 2);
    EXPECT_EQ(CountIn(*shot, flagCell, Ref(kFlagRed)), 9 * 13 - 1);
    EXPECT_EQ(shot->At(1, flagCell.top + 4), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(CountIn(*shot, *grid.CellRect(0, 3), Ref(kFlagRed)), 0);

    grid.SetFixedPattern(BitmapOf(8, 8, [](int, int) { return kPatternBlue; }));
    grid.SetFocusHighLight(false);
    shot = Shot(grid);
    EXPECT_EQ(shot->At(60, Y(grid, 2, 15)), kTinted);
    EXPECT_EQ(CountIn(*shot, flagCell, Ref(kFlagRed)), 0);
    EXPECT_EQ(shot->At(40, 10), Ref(kPatternBlue));
}

TEST_F(EvGridTest, WithoutFixedRowsRowZeroIsEvenAndGridsWithoutPicturesStillPaint) {
    // A loader that finds no "FLAG" and no "DEFCHK".
    auto& grid = form_->Add<TEvgrid>([](const Big5&) { return ui::Bitmap(); });
    grid.SetBounds({0, 0, 300, 200});
    grid.SetFixedRows(0);
    grid.SetFocusHighLight(true);
    grid.OnSetting = [](int col, int row, ui::Font&, const EdgeRect&, Big5&, TDrawEdge& edge) {
        if (col == 1 && row == 1) edge = TDrawEdge::Checked;
    };
    auto shot = Shot(grid);
    EXPECT_EQ(shot->At(40, 10), kTinted);
    // The focus stays on row 1, which shows a box without a glyph.
    EXPECT_EQ(shot->At(40, 32), kNavy);
    EXPECT_EQ(shot->At(grid.CellRect(1, 1)->left + 10, 32), GetSysColor(COLOR_WINDOW));
}

TEST_F(EvGridTest, AClickOrAKeyRepaintsOnlyTheOldAndTheNewFocusedRow) {
    TEvgrid& grid = AddGrid(8);
    grid.SetFocusHighLight(true);
    MoveTo(grid.Handle(), 30, Y(grid, 1));
    ValidateRect(grid.Handle(), nullptr);
    ClickAt(grid.Handle(), 30, Y(grid, 4));
    EXPECT_EQ(grid.Row(), 4);
    EXPECT_EQ(RowsToRepaint(grid), (std::vector<int>{1, 4}));
    EXPECT_EQ(Shot(grid)->At(40, Y(grid, 4)), kNavy);

    ValidateRect(grid.Handle(), nullptr);
    SendMessageW(grid.Handle(), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(grid.Row(), 5);
    EXPECT_EQ(RowsToRepaint(grid), (std::vector<int>{4, 5}));
}

TEST_F(EvGridTest, ShiftCtrlAndPlainClicksMarkRowsAndRepaintOnlyTheChangedOnes) {
    TEvgrid& grid = AddGrid(8);
    grid.SetMultiselect(true);
    ClickWith(grid, 5, 0);
    EXPECT_EQ(grid.MarkedCount(), 1);
    ClickWith(grid, 2, MK_SHIFT);  // three rows above the anchor: four rows
    EXPECT_EQ(grid.MarkedCount(), 4);
    auto shot = Shot(grid);
    EXPECT_EQ(shot->At(40, Y(grid, 3)), kNavy);
    EXPECT_EQ(shot->At(6, Y(grid, 3, 2)), GetSysColor(COLOR_BTNFACE));  // column 0 never shows marks
    EXPECT_EQ(shot->At(40, Y(grid, 6)), kTinted);

    ValidateRect(grid.Handle(), nullptr);
    ClickWith(grid, 3, MK_CONTROL);
    EXPECT_FALSE(grid.IsRowMarked(3));
    EXPECT_EQ(RowsToRepaint(grid), (std::vector<int>{3}));

    ClickWith(grid, 4, 0);  // a plain click on a marked row clears them all
    EXPECT_EQ(grid.MarkedCount(), 0);

    grid.OnCanMultiSelect = [](int row, bool& canChoose) { canChoose = row != 3; };
    ClickWith(grid, 5, MK_SHIFT);  // from the anchor, row 4
    EXPECT_TRUE(grid.IsRowMarked(4) && grid.IsRowMarked(5));
    EXPECT_FALSE(grid.IsRowMarked(3));
    grid.MarkRow(3, true);
    EXPECT_FALSE(grid.IsRowMarked(3));
}

TEST_F(EvGridTest, AScrollBarNotAllowedNeverShowsAndTheCellsTakeItsPlace) {
    TEvgrid& grid = AddGrid(30, 150);
    grid.SetColCount(10);
    const auto style = [&] { return GetWindowLongPtrW(grid.Handle(), GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL); };
    EXPECT_EQ(style(), WS_VSCROLL | WS_HSCROLL);
    const int narrow = grid.ClientWidth();
    grid.SetScrollBars(TScrollStyle::ssVertical);
    EXPECT_EQ(style(), WS_VSCROLL);
    grid.SetScrollBars(TScrollStyle::ssNone);
    EXPECT_EQ(style(), 0);
    EXPECT_GT(grid.ClientWidth(), narrow);
    // The keys still move the focus out of sight and the rows along.
    for (int i = 0; i < 20; ++i) SendMessageW(grid.Handle(), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_GT(grid.TopRow(), 1);
    EXPECT_EQ(style(), 0);
    grid.SetScrollBars(TScrollStyle::ssBoth);
    EXPECT_EQ(style(), WS_VSCROLL | WS_HSCROLL);
}

TEST_F(EvGridTest, ScrollBarsScrollTheRowsAndColumnsAndPaintingAndClicksFollow) {
    TEvgrid& grid = AddGrid(30, 150);
    EXPECT_NE(GetWindowLongPtrW(grid.Handle(), GWL_STYLE) & WS_VSCROLL, 0);
    EXPECT_EQ(GetWindowLongPtrW(grid.Handle(), GWL_STYLE) & WS_HSCROLL, 0);

    SendMessageW(grid.Handle(), WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(grid.TopRow(), 2);
    EXPECT_EQ(GetScrollPos(grid.Handle(), SB_VERT), 1);
    auto shot = Shot(grid);
    EXPECT_EQ(shot->At(40, 32), kTinted);  // row 2 in the first scrolled place
    EXPECT_EQ(shot->At(40, 54), kWhite);
    ClickAt(grid.Handle(), 30, 32);
    EXPECT_EQ(grid.Row(), 2);

    const int page = grid.Model().Rows().FullyVisibleCount();
    SendMessageW(grid.Handle(), WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(grid.TopRow(), 2 + page);
    SendMessageW(grid.Handle(), WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 5), 0);
    EXPECT_EQ(grid.TopRow(), 6);
    SendMessageW(grid.Handle(), WM_VSCROLL, SB_BOTTOM, 0);
    ASSERT_TRUE(grid.CellRect(1, 29));
    EXPECT_LE(grid.CellRect(1, 29)->bottom, grid.ClientHeight());
    EXPECT_EQ(GetScrollPos(grid.Handle(), SB_VERT), grid.TopRow() - 1);

    grid.SetColCount(10);
    EXPECT_NE(GetWindowLongPtrW(grid.Handle(), GWL_STYLE) & WS_HSCROLL, 0);
    SendMessageW(grid.Handle(), WM_HSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(grid.LeftCol(), 2);
    EXPECT_EQ(grid.CellRect(2, 0)->left, 13);  // in the title row, which never scrolls away
}

TEST_F(EvGridTest, CheckBoxCellsDrawTheirBoxWithTheGlyphOnlyWhenChecked) {
    TEvgrid& grid = AddGrid(4);
    grid.SetColWidths(1, 80);
    grid.OnSetting = [](int col, int row, ui::Font&, const EdgeRect&, Big5&, TDrawEdge& edge) {
        if (col == 1 && row == 1) edge = TDrawEdge::Checked;
        if (col == 1 && row == 2) edge = TDrawEdge::Unchecked;
    };
    auto shot = Shot(grid);
    const EdgeRect checked = *grid.CellRect(1, 1);
    const EdgeRect unchecked = *grid.CellRect(1, 2);
    EXPECT_GT(CountIn(*shot, checked, Ref(kGlyphGreen)), 100);
    EXPECT_EQ(CountIn(*shot, unchecked, Ref(kGlyphGreen)), 0);
    // The box sits at the left, in the window colour, on row 2's tint.
    EXPECT_EQ(shot->At(unchecked.left + 10, unchecked.top + 10), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(shot->At(unchecked.left + 40, unchecked.top + 10), kTinted);

    grid.SetEnabled(false);  // the box greys, not the cell
    shot = Shot(grid);
    EXPECT_EQ(shot->At(unchecked.left + 10, unchecked.top + 10), 0xE7E7E7u);
    EXPECT_EQ(shot->At(unchecked.left + 40, unchecked.top + 10), kTinted);
}

TEST_F(EvGridTest, OnSettingOverridesTextFontAndEdge) {
    TEvgrid& grid = AddGrid(4);
    grid.SetCells(1, 1, "MM");
    grid.SetCells(2, 1, "MM");
    std::vector<EdgeRect> rects;
    grid.OnSetting = [&](int col, int row, ui::Font& font, const EdgeRect& rect, Big5& text, TDrawEdge& edge) {
        if (row != 1) return;
        if (col == 1) text.clear();
        if (col == 2) {
            rects.push_back(rect);
            font.color = Color::Rgb(255, 0, 0);
            edge = TDrawEdge::Sunken;
        }
    };
    auto shot = Shot(grid);
    const EdgeRect plain = *grid.CellRect(1, 1);
    const EdgeRect framed = *grid.CellRect(2, 1);
    EXPECT_EQ(CountIn(*shot, plain, kWhite), plain.Width() * plain.Height());
    EXPECT_EQ(rects, std::vector<EdgeRect>{framed});
    // Smoothed glyphs have few exactly red pixels: count the reddish ones.
    EXPECT_GT(CountWhere(*shot, framed, [](COLORREF c) { return GetRValue(c) > 160 && GetGValue(c) < 100; }), 0);
    EXPECT_EQ(shot->At(framed.left, framed.top + 10), kWhite);  // the ground shows outside the edge
    EXPECT_EQ(shot->At(framed.left + 1, framed.top + 10), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(shot->At(framed.right - 2, framed.top + 10), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(shot->At(framed.right - 5, framed.top + 10), GetSysColor(COLOR_BTNFACE));
}

TEST_F(EvGridTest, MouseEnterAndExitEvents) {
    TEvgrid& grid = AddGrid(4);
    int entered = 0;
    int exited = 0;
    grid.OnMouseEnter = [&](ui::Control& sender) { entered += &sender == &grid ? 1 : 100; };
    grid.OnMouseExit = [&](ui::Control& sender) { exited += &sender == &grid ? 1 : 100; };
    MoveTo(grid.Handle(), 30, 30);
    MoveTo(grid.Handle(), 30, 50);
    EXPECT_EQ(entered, 1);
    EXPECT_EQ(exited, 0);
    SendMessageW(grid.Handle(), WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(exited, 1);
}

TEST_F(EvGridTest, AMouseRestingInTheTopBandMovesTheFocusUpToBofOneWaitPerRow) {
    // Six rows' room: the end shows rows 15 to 19 under the title.
    TEvgrid& grid = AddGrid(20, 22 * 6 + 4);
    grid.SetFocusHighLight(true);
    grid.SetFocusAutomove(true);
    grid.SelectCell(1, 19);
    ASSERT_EQ(grid.TopRow(), 15);
    std::vector<int> waits;
    int shownBeforeWait = 0;
    grid.SetAutomoveWait([&](int ms) {
        waits.push_back(ms);
        RECT pending{};
        if (!GetUpdateRect(grid.Handle(), &pending, FALSE)) ++shownBeforeWait;
        if (waits.size() > 100) throw std::runtime_error("the focus never stops");
    });

    MoveTo(grid.Handle(), 30, Y(grid, 15, 15));  // the lower half of the top row: no band
    ASSERT_EQ(grid.Row(), 15);
    ASSERT_TRUE(waits.empty());
    MoveTo(grid.Handle(), 30, Y(grid, 15, 3));
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.TopRow(), 1);
    EXPECT_TRUE(grid.Bof());
    EXPECT_EQ(waits, std::vector<int>(15, 100));  // 14 rows up, then BOF
    EXPECT_EQ(shownBeforeWait, 15);
    EXPECT_EQ(Shot(grid)->At(40, Y(grid, 1)), kNavy);
    EXPECT_TRUE(errors_.empty());
}

TEST_F(EvGridTest, TitleRowDisablesTheWindowAndAddRowEnablesIt) {
    TEvgrid& grid = AddGrid(5);
    grid.SetTitleRow({"a", "b", "c", "d", "e", "f", "g"});
    EXPECT_EQ(grid.RowCount(), 2);
    EXPECT_EQ(grid.ColCount(), 7);
    EXPECT_FALSE(IsWindowEnabled(grid.Handle()));
    EXPECT_EQ(grid.AddRow({"1", "2"}), 1);
    EXPECT_TRUE(IsWindowEnabled(grid.Handle()));
    EXPECT_EQ(grid.AddRow({"3"}), 2);
    EXPECT_EQ(grid.Cells(0, 2), "3");
}

TEST_F(EvGridTest, MakeLooseScalesTheColumnsToTheNewWidthAndAMoveKeepsThem) {
    TEvgrid& grid = AddGrid(2);
    grid.SetBorderSingle(false);
    grid.SetColCount(3);
    grid.SetFixedCols(0);
    grid.SetAutoResize(TColReSizeStyle::rsMakeLoose);
    grid.SetColWidths(0, 50);
    grid.SetColWidths(1, 100);
    grid.SetColWidths(2, 150);
    ASSERT_EQ(grid.ClientWidth(), 300);
    // With their lines the columns are 303 wide: a width change alone brings the bar.
    EXPECT_NE(GetWindowLongPtrW(grid.Handle(), GWL_STYLE) & WS_HSCROLL, 0);
    grid.SetWidth(600);
    EXPECT_EQ(grid.ColWidths(0), 100);
    EXPECT_EQ(grid.ColWidths(1), 200);
    EXPECT_EQ(grid.ColWidths(2), 299);
    grid.SetLeft(10);
    EXPECT_EQ(grid.ColWidths(2), 299);
}

}  // namespace
}  // namespace corvina
