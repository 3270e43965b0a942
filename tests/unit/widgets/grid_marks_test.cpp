// Row marks: shift, ctrl and plain clicks, the owner's veto, and which rows
// get repainted.

#include <gtest/gtest.h>

#include <vector>

#include "grid_test_support.h"
#include "widgets/grid_model.h"

namespace corvina {
namespace {

using grid_test::GridOf;
using grid_test::InRow;
using grid_test::Keys;

constexpr ui::MouseButton kLeft = ui::MouseButton::Left;

EvGridModel MultiselectGrid(int rows = 10) {
    EvGridModel grid = GridOf(rows);
    grid.SetFocusHighLight(true);
    grid.SetMultiselect(true);
    grid.TakeRepaint();
    return grid;
}

void Click(EvGridModel& grid, int row, bool shift = false, bool ctrl = false) {
    grid.MouseDown(kLeft, Keys(shift, ctrl), InRow(grid, row));
}

std::vector<int> Marked(const EvGridModel& grid) {
    std::vector<int> rows;
    for (int row = 0; row < grid.RowCount(); ++row) {
        if (grid.IsRowMarked(row)) rows.push_back(row);
    }
    return rows;
}

TEST(GridMarks, ShiftClickThreeRowsAboveTheAnchorMarksFourAndAPlainClickClearsThem) {
    EvGridModel grid = MultiselectGrid();
    Click(grid, 6);
    EXPECT_EQ(Marked(grid), (std::vector<int>{6}));
    Click(grid, 3, true);
    EXPECT_EQ(Marked(grid), (std::vector<int>{3, 4, 5, 6}));
    EXPECT_EQ(grid.AnchorRow(), 3);
    Click(grid, 5);
    EXPECT_EQ(grid.MarkedCount(), 0);
}

TEST(GridMarks, PlainClickMarksTheRowAloneAndCtrlClickTogglesOneRow) {
    EvGridModel grid = MultiselectGrid();
    Click(grid, 2);
    Click(grid, 4, false, true);
    Click(grid, 7, false, true);
    EXPECT_EQ(Marked(grid), (std::vector<int>{2, 4, 7}));
    Click(grid, 4, false, true);
    EXPECT_EQ(Marked(grid), (std::vector<int>{2, 7}));
    Click(grid, 5);
    EXPECT_EQ(Marked(grid), (std::vector<int>{5}));
}

TEST(GridMarks, ShiftClickWithoutAnAnchorMarksOneRowAndAStaleAnchorIsKeptInside) {
    EvGridModel grid = MultiselectGrid();
    Click(grid, 4, true);
    EXPECT_EQ(Marked(grid), (std::vector<int>{4}));

    Click(grid, 9);
    grid.SetRowCount(5);
    Click(grid, 2, true);
    EXPECT_EQ(Marked(grid), (std::vector<int>{2, 3, 4}));
}

TEST(GridMarks, TheOwnersVetoHoldsForEveryKindOfClick) {
    EvGridModel grid = MultiselectGrid();
    grid.OnCanMultiSelect = [](int row, bool& canChoose) { canChoose = row % 2 == 1; };
    Click(grid, 2);
    Click(grid, 6, true);
    EXPECT_EQ(Marked(grid), (std::vector<int>{3, 5}));
    Click(grid, 4, false, true);
    EXPECT_EQ(Marked(grid), (std::vector<int>{3, 5}));
    grid.MarkRow(8, true);
    EXPECT_FALSE(grid.IsRowMarked(8));
}

TEST(GridMarks, OnlyLeftClicksOnDataRowsCountAndOnlyWithMultiselect) {
    EvGridModel grid = MultiselectGrid();
    grid.MouseDown(ui::MouseButton::Right, {}, InRow(grid, 3));
    grid.MouseDown(kLeft, {}, InRow(grid, 0));
    EXPECT_EQ(grid.MarkedCount(), 0);
    EXPECT_EQ(grid.AnchorRow(), -1);

    grid.MouseDown(kLeft, {}, {5, InRow(grid, 3).y});  // the fixed column of a data row
    EXPECT_EQ(Marked(grid), (std::vector<int>{3}));
    EXPECT_EQ(grid.Focus().row, 1);  // a fixed cell takes no focus

    grid.SetMultiselect(false);
    EXPECT_EQ(grid.MarkedCount(), 0);
    Click(grid, 5);
    EXPECT_EQ(grid.MarkedCount(), 0);
    EXPECT_EQ(grid.AnchorRow(), 5);
}

TEST(GridMarks, RowsOutsideReadUnmarkedAndAreIgnored) {
    EvGridModel grid = MultiselectGrid(4);
    grid.MarkRow(-1, true);
    grid.MarkRow(4, true);
    EXPECT_EQ(grid.MarkedCount(), 0);
    EXPECT_FALSE(grid.IsRowMarked(100));
}

TEST(GridMarks, FocusHighLightOffTurnsAutomoveAndMultiselectOffAndClearsMarks) {
    EvGridModel grid = MultiselectGrid();
    grid.SetFocusAutomove(true);
    Click(grid, 3);
    grid.SetFocusHighLight(false);
    EXPECT_FALSE(grid.FocusAutomove());
    EXPECT_FALSE(grid.Multiselect());
    EXPECT_EQ(grid.MarkedCount(), 0);
}

TEST(GridMarks, MarkChangesRepaintOnlyTheRowsTheyTouch) {
    EvGridModel grid = MultiselectGrid();
    Click(grid, 3);
    EXPECT_EQ(grid.TakeRepaint().rows, (std::vector<int>{1, 3}));  // old focus, new focus and mark
    Click(grid, 7, false, true);
    EXPECT_EQ(grid.TakeRepaint().rows, (std::vector<int>{3, 7}));
    Click(grid, 5);
    const GridRepaint repaint = grid.TakeRepaint();
    EXPECT_FALSE(repaint.all);
    EXPECT_EQ(repaint.rows, (std::vector<int>{3, 5, 7}));
    grid.MarkRow(5, true);  // unchanged
    EXPECT_TRUE(grid.TakeRepaint().rows.empty());
}

}  // namespace
}  // namespace corvina
