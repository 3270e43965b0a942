// The focus following the mouse: the scroll bands, the band moves with
// their waits, BOF and EOF. Waits and the mouse are the test's own.

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "grid_test_support.h"
#include "widgets/grid_automove.h"
#include "widgets/grid_model.h"

namespace corvina {
namespace {

using grid_test::GridOf;
using grid_test::InRow;

// Records the waits and gives a mouse resting where the test puts it.
struct FakeWindow {
    std::vector<int> waits;
    Point mouse;

    void Attach(EvGridModel& grid) {
        grid.followHooks.wait = [this](int ms) {
            waits.push_back(ms);
            if (waits.size() > 1000) throw std::runtime_error("the focus never stops moving");
        };
        grid.followHooks.cursor = [this] { return std::optional<Point>{mouse}; };
    }
};

EvGridModel AutomoveGrid(int rows, int visibleRows) {
    EvGridModel grid = GridOf(rows, visibleRows);
    grid.SetFocusHighLight(true);
    grid.SetFocusAutomove(true);
    return grid;
}

TEST(ScrollBands, HalfTheTopRowAtLeastTenFromEachEdge) {
    EXPECT_EQ(ScrollBandsOf({22, 43}, 136), (ScrollBands{32, 126}));
    EXPECT_EQ(ScrollBandsOf({22, 52}, 136), (ScrollBands{37, 121}));
    EXPECT_EQ(ScrollBandsOf({0, 21}, 200), (ScrollBands{10, 190}));
}

TEST(FollowStep, BandsComeFirstUnlessTheirEndIsReached) {
    const ScrollBands bands{32, 126};
    const FollowPoint top{25, 15, true};
    EXPECT_EQ(DecideFollowStep(top, bands, false, false, true), FollowStep::MoveUp);
    EXPECT_EQ(DecideFollowStep(top, bands, true, false, true), FollowStep::FocusRowUnderMouse);
    EXPECT_EQ(DecideFollowStep(top, bands, true, false, false), FollowStep::None);
    const FollowPoint bottom{130, 19, true};
    EXPECT_EQ(DecideFollowStep(bottom, bands, false, false, false), FollowStep::MoveDown);
    EXPECT_EQ(DecideFollowStep(bottom, bands, false, true, true), FollowStep::FocusRowUnderMouse);
    EXPECT_EQ(DecideFollowStep({130, -1, false}, bands, false, false, true), FollowStep::None);
    EXPECT_EQ(DecideFollowStep({60, 0, false}, bands, false, false, true), FollowStep::None);  // title row
}

TEST(FocusAutomove, TheFocusFollowsTheMouseOverDataRows) {
    EvGridModel grid = AutomoveGrid(20, 10);
    grid.MouseMove(InRow(grid, 4));
    EXPECT_EQ(grid.Focus().row, 4);
    // The title row lies in the top band: one row up, no scroll, no more.
    grid.MouseMove(InRow(grid, 0));
    EXPECT_EQ(grid.Focus().row, 3);
}

TEST(FocusAutomove, AMouseRestingInTheTopBandMovesUpRowByRowToBof) {
    // Twenty rows, six places: the end shows rows 15 to 19 under the title.
    EvGridModel grid = AutomoveGrid(20, 6);
    grid.SelectCell({1, 19});
    FakeWindow window;
    window.Attach(grid);
    ASSERT_EQ(grid.TopRow(), 15);
    grid.MouseMove(InRow(grid, 15, 15));  // the lower half of the top row: no band
    ASSERT_EQ(grid.Focus().row, 15);
    ASSERT_TRUE(window.waits.empty());

    window.mouse = InRow(grid, 15, 3);
    grid.MouseMove(window.mouse);
    EXPECT_EQ(grid.Focus().row, 1);
    EXPECT_EQ(grid.TopRow(), 1);
    EXPECT_TRUE(grid.Bof());
    EXPECT_EQ(window.waits, std::vector<int>(15, kAutomoveWaitMs));  // 14 rows up, then BOF

    grid.MouseDown(ui::MouseButton::Left, {}, InRow(grid, 3));
    EXPECT_FALSE(grid.Bof());  // any selection clears it
}

TEST(FocusAutomove, AMouseRestingInTheBottomBandMovesDownToEof) {
    EvGridModel grid = AutomoveGrid(12, 6);
    FakeWindow window;
    window.Attach(grid);
    const ScrollBands bands = grid.Bands();
    window.mouse = {30, bands.bottom + 2};
    grid.MouseMove(InRow(grid, 5, 5));
    ASSERT_EQ(grid.Focus().row, 5);
    grid.MouseMove(window.mouse);
    EXPECT_EQ(grid.Focus().row, 11);
    EXPECT_TRUE(grid.Eof());
    EXPECT_EQ(window.waits.size(), 7u);
}

TEST(FocusAutomove, ABandMoveThatDoesNotScrollWaitsForTheNextMouseMove) {
    EvGridModel grid = AutomoveGrid(20, 6);
    grid.SelectCell({1, 19});
    FakeWindow window;
    window.Attach(grid);
    window.mouse = InRow(grid, 15, 3);
    grid.MouseMove(window.mouse);  // the focus was far from the mouse
    EXPECT_EQ(grid.Focus().row, 18);
    EXPECT_EQ(window.waits.size(), 1u);
}

TEST(FocusAutomove, AfterAClickOnlyMultiselectKeepsTheFocusFollowing) {
    EvGridModel grid = AutomoveGrid(20, 10);
    grid.MouseDown(ui::MouseButton::Left, {}, InRow(grid, 3));
    grid.MouseMove(InRow(grid, 6));
    EXPECT_EQ(grid.Focus().row, 3);
    grid.MouseEnter();
    grid.MouseMove(InRow(grid, 6));
    EXPECT_EQ(grid.Focus().row, 6);

    grid.SetMultiselect(true);
    grid.MouseDown(ui::MouseButton::Left, {}, InRow(grid, 2));
    grid.MouseMove(InRow(grid, 7));
    EXPECT_EQ(grid.Focus().row, 7);
}

TEST(FocusAutomove, ScrollBarMovesLetTheFocusFollowTheRestingMouse) {
    EvGridModel grid = AutomoveGrid(30, 6);
    FakeWindow window;
    window.Attach(grid);
    window.mouse = InRow(grid, 3, 15);
    grid.SetTopRow(10);
    EXPECT_EQ(grid.Focus().row, 1);  // a scroll only moves the focus in a band
    window.mouse = {30, grid.Bands().bottom + 1};
    grid.SelectCell({1, 14});
    grid.SetTopRow(9);
    EXPECT_EQ(grid.Focus().row, 29);
    EXPECT_TRUE(grid.Eof());
}

TEST(FocusAutomove, OverlappingBandsOfALowGridDoNotBounceTheFocusForEver) {
    // Rows 40 high in a client 30 high: the top band reaches below the bottom one.
    EvGridModel grid;
    grid.SetFixedRows(0);
    grid.SetRowCount(10);
    grid.SetDefaultRowHeight(40);
    grid.SetBounds({304, 30}, {300, 30});
    grid.SetFocusHighLight(true);
    grid.SetFocusAutomove(true);
    grid.SelectCell({1, 5});
    FakeWindow window;
    window.Attach(grid);
    window.mouse = {30, 15};
    grid.MouseMove(window.mouse);
    EXPECT_EQ(grid.Focus().row, 0);
    EXPECT_TRUE(grid.Bof());

    window.waits.clear();
    grid.MouseMove(window.mouse);  // at BOF the bottom band takes over for one move
    EXPECT_EQ(grid.Focus().row, 1);
    EXPECT_EQ(window.waits.size(), 1u);
}

}  // namespace
}  // namespace corvina
