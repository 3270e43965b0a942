// Column scaling when the grid is resized (`AutoResize`).

#include <gtest/gtest.h>

#include "grid_test_support.h"
#include "widgets/grid_model.h"
#include "widgets/grid_resize.h"

namespace corvina {
namespace {

using V = std::vector<int>;

TEST(ColumnScaling, MakeLooseGivesTheLastColumnWhatIsLeftLessOne) {
    const ColumnScaling loose{TColReSizeStyle::rsMakeLoose, 0, 300, 300};
    EXPECT_EQ(ScaledColumnWidths({50, 100, 150}, loose, 600), (V{100, 200, 299}));
}

TEST(ColumnScaling, EquidistanceScalesByTheClientWidthAndKeepsFixedColumns) {
    // Border 4: client 296 becomes 596.
    const ColumnScaling even{TColReSizeStyle::rsEquidistance, 1, 300, 296};
    EXPECT_EQ(ScaledColumnWidths({12, 74, 148}, even, 600), (V{12, 149, 298}));
}

TEST(ColumnScaling, HalvesRoundToEven) {
    const ColumnScaling even{TColReSizeStyle::rsEquidistance, 0, 100, 100};
    EXPECT_EQ(ScaledColumnWidths({5, 3, 1}, even, 150), (V{8, 4, 2}));
}

TEST(ColumnScaling, NothingToScaleByLeavesTheWidthsAlone) {
    EXPECT_EQ(ScaledColumnWidths({0, 0}, {TColReSizeStyle::rsMakeLoose, 0, 10, 10}, 500), (V{0, 0}));
    EXPECT_EQ(ScaledColumnWidths({20, 30}, {TColReSizeStyle::rsEquidistance, 0, 4, 0}, 500), (V{20, 30}));
    EXPECT_EQ(ScaledColumnWidths({20, 30}, {TColReSizeStyle::rsNone, 0, 50, 50}, 500), (V{20, 30}));
}

TEST(ColumnScaling, ShrinkingBelowTheBorderGivesNoNegativeWidths) {
    const ColumnScaling loose{TColReSizeStyle::rsMakeLoose, 0, 300, 296};
    EXPECT_EQ(ScaledColumnWidths({50, 100, 146}, loose, 2), (V{0, 0, 0}));
    // All columns fixed: the last one is not overwritten.
    EXPECT_EQ(ScaledColumnWidths({50, 60}, {TColReSizeStyle::rsMakeLoose, 2, 110, 110}, 220), (V{50, 60}));
}

TEST(GridResizeQuery, APureMoveIsAllowedAndTheColumnsFollowTheNewWidth) {
    EvGridModel grid;
    grid.SetColCount(3);
    grid.SetFixedCols(0);
    grid.SetColWidth(0, 50);
    grid.SetColWidth(1, 100);
    grid.SetColWidth(2, 150);
    grid.SetBounds({300, 200}, {300, 200});
    EXPECT_TRUE(grid.CanResize({300, 200}, false));
    EXPECT_EQ(grid.Cols().Extents(), (V{50, 100, 150}));  // rsNone
    EXPECT_FALSE(grid.CanResize({600, 200}, false));

    grid.SetAutoResize(TColReSizeStyle::rsMakeLoose);  // fits the columns at once
    EXPECT_EQ(grid.Cols().Extents(), (V{50, 100, 149}));
    grid.SetColWidth(2, 150);
    EXPECT_TRUE(grid.CanResize({600, 200}, true));
    EXPECT_EQ(grid.Cols().Extents(), (V{100, 200, 299}));
}

}  // namespace
}  // namespace corvina
