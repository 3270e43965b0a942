// The row operations with which the ordering window and the consumption
// list fill their grids, and the focus and repainting around them.

#include <gtest/gtest.h>

#include "grid_test_support.h"
#include "widgets/grid_model.h"

namespace corvina {
namespace {

using grid_test::GridOf;

std::vector<Big5> Texts(int n) {
    std::vector<Big5> texts;
    for (int i = 0; i < n; ++i) texts.push_back("t" + std::to_string(i));
    return texts;
}

TEST(GridRows, TitleRowLeavesOneEmptyDataRowThatTheFirstAddRowFills) {
    EvGridModel grid = GridOf(8);
    grid.SetCell(2, 5, "old");
    grid.SetTitleRow(Texts(7));
    EXPECT_EQ(grid.RowCount(), 2);
    EXPECT_EQ(grid.ColCount(), 7);
    EXPECT_FALSE(grid.Enabled());
    EXPECT_EQ(grid.Cell(6, 0), "t6");
    EXPECT_EQ(grid.Cell(2, 1), "");

    EXPECT_EQ(grid.AddRow({"a", "b"}), 1);
    EXPECT_TRUE(grid.Enabled());
    EXPECT_EQ(grid.RowCount(), 2);
    EXPECT_EQ(grid.AddRow({"c"}), 2);
    EXPECT_EQ(grid.RowCount(), 3);
    EXPECT_EQ(grid.Cell(0, 2), "c");
    EXPECT_EQ(grid.Cell(1, 2), "");
}

TEST(GridRows, WithoutFixedRowsTheTitlesAreTheOnlyRowAndAddRowAppends) {
    EvGridModel grid = GridOf(5);
    grid.SetFixedRows(0);
    grid.SetTitleRow({"x", "y"});
    EXPECT_EQ(grid.RowCount(), 1);
    EXPECT_EQ(grid.Cell(1, 0), "y");
    EXPECT_EQ(grid.AddRow({"a"}), 1);
    EXPECT_EQ(grid.RowCount(), 2);
}

TEST(GridRows, TitleRowEmptiesOldTextsAndSkipsEmptyTitles) {
    EvGridModel grid = GridOf(3);
    grid.SetCell(1, 0, "old title");
    grid.SetCell(1, 1, "old data");
    grid.SetTitleRow({"A", ""});
    EXPECT_EQ(grid.Cell(0, 0), "A");
    EXPECT_EQ(grid.Cell(1, 0), "");
    EXPECT_EQ(grid.Cell(1, 1), "");
}

TEST(GridRows, AddRowFillsNoMoreCellsThanColumnsAndAppendsAfterAFilledRow) {
    EvGridModel grid = GridOf(3);
    grid.SetTitleRow(Texts(3));
    EXPECT_EQ(grid.AddRow(Texts(5)), 1);
    EXPECT_EQ(grid.ColCount(), 3);
    EXPECT_EQ(grid.Cell(2, 1), "t2");

    grid.SetTitleRow(Texts(3));
    grid.SetCell(0, 1, "typed");
    EXPECT_EQ(grid.AddRow({"a"}), 2);  // the data row is not empty
}

TEST(GridRows, TitleRowForgetsTheMarksOfTheRowsItEmpties) {
    EvGridModel grid = GridOf(6);
    grid.SetFocusHighLight(true);
    grid.SetMultiselect(true);
    grid.MarkRow(1, true);
    grid.MarkRow(4, true);
    grid.SetTitleRow(Texts(3));
    grid.AddRow({"new"});
    EXPECT_EQ(grid.MarkedCount(), 0);
    grid.AddRow({"more"});
    grid.MarkRow(2, true);
    EXPECT_TRUE(grid.IsRowMarked(2));  // the marks grew with the rows
}

TEST(GridRows, FocusStaysOnADataCellWhenTheGridShrinks) {
    EvGridModel grid = GridOf(10);
    ASSERT_TRUE(grid.SelectCell({3, 8}));
    grid.SetRowCount(4);
    EXPECT_EQ(grid.Focus(), (CellPos{3, 3}));
    grid.SetTitleRow({"a", "b"});
    EXPECT_EQ(grid.Focus(), (CellPos{1, 1}));
}

TEST(GridRows, SelectingRefusesFixedAndOutsideCellsAndHonoursTheOwnersVeto) {
    EvGridModel grid = GridOf(10);
    EXPECT_FALSE(grid.SelectCell({0, 3}));
    EXPECT_FALSE(grid.SelectCell({1, 0}));
    EXPECT_FALSE(grid.SelectCell({1, 10}));
    grid.OnSelectCell = [](int, int row, bool& can) { can = row != 4; };
    EXPECT_FALSE(grid.SelectCell({1, 4}));
    EXPECT_TRUE(grid.SelectCell({1, 5}));
    EXPECT_EQ(grid.Focus(), (CellPos{1, 5}));
}

TEST(GridKeys, StepsPagesAndEndsStayOnDataCells) {
    EvGridModel grid = GridOf(20, 5);
    EXPECT_FALSE(grid.KeyDown(GridKey::Up, false));  // already on the first data row
    EXPECT_TRUE(grid.KeyDown(GridKey::PageDown, false));
    EXPECT_EQ(grid.Focus(), (CellPos{1, 5}));  // four whole rows show under the title
    grid.KeyDown(GridKey::End, true);
    EXPECT_EQ(grid.Focus(), (CellPos{1, 19}));
    EXPECT_EQ(grid.TopRow(), 16);
    grid.KeyDown(GridKey::End, false);
    EXPECT_EQ(grid.Focus(), (CellPos{4, 19}));
    EXPECT_FALSE(grid.KeyDown(GridKey::Right, false));
    grid.KeyDown(GridKey::Home, false);
    grid.KeyDown(GridKey::Left, false);
    EXPECT_EQ(grid.Focus(), (CellPos{1, 19}));  // never into the fixed column
    grid.OnSelectCell = [](int, int, bool& can) { can = false; };
    EXPECT_FALSE(grid.KeyDown(GridKey::Up, false));
    EXPECT_EQ(grid.Focus().row, 19);
}

TEST(GridRepaint, FocusMovesRepaintOnlyTheOldAndNewRowsWhenHighlighted) {
    EvGridModel grid = GridOf(10);
    grid.SelectCell({1, 2});
    EXPECT_TRUE(grid.TakeRepaint().rows.empty());  // no highlight, nothing to show

    grid.SetFocusHighLight(true);
    EXPECT_TRUE(grid.TakeRepaint().all);
    grid.SelectCell({1, 6});
    const GridRepaint repaint = grid.TakeRepaint();
    EXPECT_FALSE(repaint.all);
    EXPECT_EQ(repaint.rows, (std::vector<int>{2, 6}));
}

TEST(GridRepaint, ScrollingToTheFocusRepaintsAllAndMovesTheScrollBars) {
    EvGridModel grid = GridOf(20, 5);
    grid.SelectCell({1, 12});
    EXPECT_EQ(grid.TopRow(), 9);  // rows 9 to 12 fill the four places under the title
    const GridRepaint repaint = grid.TakeRepaint();
    EXPECT_TRUE(repaint.all);
    EXPECT_TRUE(repaint.scrolled);
    EXPECT_EQ(grid.VisibleRows(), (std::vector<int>{0, 9, 10, 11, 12}));
}

TEST(GridHitTest, PointsMapToCellsAsTheyShowAfterScrolling) {
    EvGridModel grid = GridOf(20, 5);
    EXPECT_EQ(grid.CellAt({5, 5}), (CellPos{0, 0}));
    EXPECT_EQ(grid.CellAt({30, 22 + 5}), (CellPos{1, 1}));
    grid.SetTopRow(9);
    EXPECT_EQ(grid.CellAt({30, 22 + 5}), (CellPos{1, 9}));
    EXPECT_EQ(grid.CellAt({64, 22 * 4 + 1}), (CellPos{2, 12}));
    EXPECT_EQ(grid.CellAt({30, -1}), std::nullopt);
    EXPECT_EQ(grid.CellAt({299, 30}), std::nullopt);  // right of the last column
    EXPECT_EQ(grid.CellRect({1, 9}), (EdgeRect{13, 22, 63, 43}));
    EXPECT_EQ(grid.CellRect({1, 3}), std::nullopt);
}

}  // namespace
}  // namespace corvina
