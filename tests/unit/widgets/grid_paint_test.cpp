// What each cell of the striped grid looks like: stripes, focus, marks,
// the "FLAG" marker and the owner's per-cell looks through OnSetting.

#include <gtest/gtest.h>

#include "grid_test_support.h"
#include "orders/goods_grid.h"
#include "orders/grid_looks.h"
#include "sys/text.h"
#include "widgets/grid_model.h"
#include "widgets/grid_paint.h"

namespace corvina {
namespace {

using grid_test::GridOf;
using grid_test::InRow;

constexpr Color kWhite{0xFFFFFF};
constexpr Color kBlack{0x000000};
constexpr Color kEven{14807280};
constexpr Color kNavy{8388608};

Color SystemRgb(int index) { return index == 15 ? Color{0xC0C0C0} : Color{0x123456}; }

CellDrawing Draw(const EvGridModel& grid, CellPos cell) {
    const auto drawing = grid.DrawCell(cell, SystemRgb);
    EXPECT_TRUE(drawing.has_value());
    return drawing.value_or(CellDrawing{});
}

TEST(GridStripes, OddRowsWhiteEvenRowsTintedCountingFromRowZero) {
    EvGridModel grid = GridOf(5);
    EXPECT_EQ(Draw(grid, {1, 1}).ground.brush, kWhite);
    EXPECT_EQ(Draw(grid, {1, 2}).ground.brush, kEven);
    grid.SetFixedRows(0);
    grid.SetFixedCols(0);
    EXPECT_EQ(Draw(grid, {0, 0}).ground.brush, kEven);
}

TEST(GridStripes, FixedCellsTakeTheFixedColourThePatternAndBlackText) {
    EvGridModel grid = GridOf(5);
    GridLooks looks = grid.Looks();
    looks.font.color = Color{0x0000FF};
    grid.SetLooks(looks);
    const CellGround title = Draw(grid, {2, 0}).ground;
    EXPECT_EQ(title.brush, kClBtnFace);
    EXPECT_TRUE(title.fixedPattern);
    EXPECT_EQ(title.font.color, kBlack);
    EXPECT_EQ(Draw(grid, {2, 1}).ground.font.color, Color{0x0000FF});
}

TEST(GridFocus, TheHighlightedRowTakesTheFocusedLooksAndTheFlag) {
    EvGridModel grid = GridOf(5);
    grid.SelectCell({2, 1});
    EXPECT_EQ(Draw(grid, {2, 1}).ground.brush, kWhite);  // no highlight yet
    EXPECT_FALSE(Draw(grid, {0, 1}).flag);

    grid.SetFocusHighLight(true);
    const CellDrawing focused = Draw(grid, {3, 1});
    EXPECT_EQ(focused.ground.brush, kNavy);
    EXPECT_EQ(focused.ground.font.color, kWhite);
    EXPECT_TRUE(ui::Has(focused.ground.font.style, ui::FontStyle::Bold));
    // The fixed column keeps its colour but carries the 9 × 13 flag, centred.
    const CellDrawing marker = Draw(grid, {0, 1});
    EXPECT_EQ(marker.ground.brush, kClBtnFace);
    EXPECT_EQ(marker.flag, (EdgeRect{1, 26, 10, 39}));
    EXPECT_FALSE(Draw(grid, {0, 2}).flag);

    grid.SetFixedCols(0);
    EXPECT_FALSE(Draw(grid, {0, 1}).flag);  // no fixed column, no flag
}

TEST(GridMarksLook, MarkedRowsLookFocusedAndTheFollowedFocusStandsOutOnThem) {
    EvGridModel grid = GridOf(6);
    grid.SetFocusHighLight(true);
    grid.SetMultiselect(true);
    grid.MarkRow(3, true);
    const CellGround marked = Draw(grid, {2, 3}).ground;
    EXPECT_EQ(marked.brush, kNavy);
    EXPECT_EQ(marked.font, grid.Looks().focusedFont);

    grid.SetFocusAutomove(true);  // clears the marks
    grid.MarkRow(3, true);
    grid.MouseMove(InRow(grid, 3));
    const CellGround both = Draw(grid, {2, 3}).ground;
    EXPECT_EQ(both.brush, Color{0xFFFFFF - 0x800000});
    EXPECT_EQ(both.font.color, kBlack);
}

TEST(GridContent, PlainTextSitsTwoPixelsInAndFramedKindsInsideTheirEdge) {
    const EdgeRect cell{10, 20, 70, 41};
    const CellContent plain = CellContentOf(cell, TDrawEdge::Plain, true);
    EXPECT_EQ(plain.textClip, cell);
    EXPECT_EQ(plain.textOrigin, (Point{12, 22}));

    const CellContent raised = CellContentOf(cell, TDrawEdge::Raised, true);
    EXPECT_EQ(raised.frame, (EdgeRect{11, 21, 69, 40}));
    EXPECT_EQ(raised.textClip, (EdgeRect{13, 23, 67, 38}));
    EXPECT_EQ(raised.textOrigin, (Point{15, 25}));
    EXPECT_EQ(raised.edgeStyle, 5);
    EXPECT_EQ(CellContentOf(cell, TDrawEdge::Sunken, true).edgeStyle, 10);
    EXPECT_EQ(CellContentOf(cell, TDrawEdge::Etched, true).edgeStyle, 6);
    EXPECT_EQ(CellContentOf(cell, TDrawEdge::Bump, true).edgeStyle, 9);
}

TEST(GridContent, CheckBoxesFillTheCellHeightAndGreyOnlyTheBoxOfADisabledGrid) {
    const EdgeRect cell{0, 0, 60, 21};
    const CellContent checked = CellContentOf(cell, TDrawEdge::Checked, true);
    EXPECT_EQ(checked.frame, (EdgeRect{3, 1, 59, 20}));
    EXPECT_EQ(checked.checkBoxSize, 18);
    EXPECT_EQ(checked.checkGlyphSize, 15);
    EXPECT_TRUE(checked.checked);
    EXPECT_FALSE(checked.checkBoxDisabled);
    const CellContent unchecked = CellContentOf(cell, TDrawEdge::Unchecked, false);
    EXPECT_FALSE(unchecked.checked);
    EXPECT_TRUE(unchecked.checkBoxDisabled);
    // A cell three pixels high: no negative glyph.
    EXPECT_EQ(CellContentOf({0, 0, 60, 3}, TDrawEdge::Checked, true).checkGlyphSize, 0);
}

TEST(GridContent, StoredEdgeValuesOutsideTheTableDrawPlain) {
    EXPECT_EQ(DrawEdgeFromValue(6), TDrawEdge::Unchecked);
    EXPECT_EQ(DrawEdgeFromValue(7), TDrawEdge::Plain);
    EXPECT_EQ(DrawEdgeFromValue(-1), TDrawEdge::Plain);
}

// The ordering grid's looks reach the cells through OnSetting.
TEST(GridSetting, TheOwnersCellLooksChangeTextFontAndEdge) {
    EvGridModel grid = GridOf(3);
    grid.SetTitleRow({"", "", "name", "price", "qty", "", ""});
    grid.AddRow({"", "7", "tea", "30", "2", "0", "1"});
    grid.SetFocusHighLight(true);
    grid.OnSetting = [&grid](int col, int row, ui::Font& font, const EdgeRect&, Big5& text, TDrawEdge& edge) {
        const CellLook look = GgridCellLook(col, row, text, row == grid.Focus().row, '.');
        if (look.text) text = *look.text;
        if (look.fontColor) font.color = Color{*look.fontColor};
        if (look.edge) edge = DrawEdgeFromValue(*look.edge);
    };
    const CellDrawing buy = Draw(grid, {kBuyColumn, 1});
    EXPECT_EQ(buy.text, T(u8"購買"));
    EXPECT_EQ(buy.content.edge, TDrawEdge::Raised);
    const CellDrawing cancel = Draw(grid, {kCancelColumn, 1});
    EXPECT_EQ(cancel.content.edge, TDrawEdge::Sunken);
    EXPECT_EQ(cancel.content.frame, (EdgeRect{cancel.rect.left + 1, 23, cancel.rect.right - 1, 42}));
    const CellDrawing quantity = Draw(grid, {kQuantityColumn, 1});
    EXPECT_EQ(quantity.text, "       2");
    EXPECT_EQ(quantity.ground.font.color, Color{kColorLime});
    EXPECT_EQ(Draw(grid, {kBuyColumn, 0}).content.edge, TDrawEdge::Etched);

    grid.SetDefaultDrawing(false);
    EXPECT_FALSE(Draw(grid, {kBuyColumn, 1}).drawContent);
}

TEST(GridSetting, CellsThatDoNotShowAreNotDrawn) {
    EvGridModel grid = GridOf(40, 5);
    EXPECT_FALSE(grid.DrawCell({1, 20}, SystemRgb).has_value());
    EXPECT_TRUE(grid.DrawCell({1, 4}, SystemRgb).has_value());
}

}  // namespace
}  // namespace corvina
