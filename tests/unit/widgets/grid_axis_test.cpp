#include "widgets/grid_axis.h"

#include <gtest/gtest.h>

namespace corvina {
namespace {

// Ten rows 20 high with 1-pixel lines, one fixed, in a 100-pixel client:
// row 0 at 0, the scrolled ones from 21 in steps of 21.
GridAxis TenRows() {
    GridAxis axis(10, 1, 20);
    axis.SetClientExtent(100);
    return axis;
}

TEST(GridAxis, PlacesFixedAndScrolledLinesAndHidesWhatIsScrolledOut) {
    GridAxis axis = TenRows();
    EXPECT_EQ(axis.SpanOf(0), (AxisSpan{0, 20}));
    EXPECT_EQ(axis.SpanOf(1), (AxisSpan{21, 41}));
    EXPECT_EQ(axis.SpanOf(4), (AxisSpan{84, 104}));  // partly shown
    EXPECT_EQ(axis.SpanOf(5), std::nullopt);         // starts past the client
    EXPECT_EQ(axis.LastVisible(), 4);
    EXPECT_EQ(axis.FullyVisibleCount(), 3);

    ASSERT_TRUE(axis.SetFirst(3));
    EXPECT_EQ(axis.SpanOf(0), (AxisSpan{0, 20}));  // fixed lines stay
    EXPECT_EQ(axis.SpanOf(2), std::nullopt);
    EXPECT_EQ(axis.SpanOf(3), (AxisSpan{21, 41}));
    EXPECT_EQ(axis.SpanOf(10), std::nullopt);
    EXPECT_EQ(axis.SpanOf(-1), std::nullopt);
}

TEST(GridAxis, HitTestingCountsTheLineAfterACellAsTheCellAndNothingOutside) {
    GridAxis axis = TenRows();
    axis.SetFirst(3);
    EXPECT_EQ(axis.IndexAt(0), 0);
    EXPECT_EQ(axis.IndexAt(20), 0);  // the grid line under the fixed row
    EXPECT_EQ(axis.IndexAt(21), 3);
    EXPECT_EQ(axis.IndexAt(42), 4);
    EXPECT_EQ(axis.IndexAt(99), 6);
    EXPECT_EQ(axis.IndexAt(100), -1);
    EXPECT_EQ(axis.IndexAt(-1), -1);

    GridAxis shortAxis(3, 0, 20);
    shortAxis.SetClientExtent(100);
    EXPECT_EQ(shortAxis.IndexAt(62), 2);
    EXPECT_EQ(shortAxis.IndexAt(63), -1);  // below the last row
}

TEST(GridAxis, ScrollingStopsWhereTheLastLineIsWhollyShown) {
    GridAxis axis = TenRows();
    EXPECT_EQ(axis.MaxFirst(), 7);
    axis.SetFirst(100);
    EXPECT_EQ(axis.First(), 7);
    axis.SetFirst(0);
    EXPECT_EQ(axis.First(), 1);  // never into the fixed rows
}

TEST(GridAxis, ScrollInViewMovesTheLeastThatShowsTheWholeLine) {
    GridAxis axis = TenRows();
    EXPECT_TRUE(axis.ScrollInView(9));
    EXPECT_EQ(axis.First(), 7);
    EXPECT_TRUE(axis.ScrollInView(3));
    EXPECT_EQ(axis.First(), 3);
    EXPECT_FALSE(axis.ScrollInView(5));  // rows 3 to 5 show whole
    EXPECT_FALSE(axis.ScrollInView(0));  // fixed rows always show

    GridAxis unsized(10, 1, 20);
    EXPECT_FALSE(unsized.ScrollInView(8));  // no size yet: the top stays
    EXPECT_EQ(unsized.First(), 1);
}

TEST(GridAxis, ShrinkingKeepsFixedCountAndFirstValid) {
    GridAxis axis = TenRows();
    axis.SetFirst(7);
    axis.SetCount(3);
    EXPECT_EQ(axis.First(), 1);
    axis.SetCount(0);
    EXPECT_EQ(axis.Fixed(), 0);
    EXPECT_EQ(axis.IndexAt(5), -1);
    axis.SetCount(2);
    EXPECT_EQ(axis.Extent(1), 20);  // new lines take the default
}

TEST(GridAxis, ALineTallerThanTheRoomIsScrolledToItsStart) {
    GridAxis axis(10, 0, 40);
    axis.SetClientExtent(30);
    EXPECT_TRUE(axis.ScrollInView(5));
    EXPECT_EQ(axis.First(), 5);
    EXPECT_EQ(axis.FullyVisibleCount(), 1);
    EXPECT_EQ(axis.MaxFirst(), 9);
}

}  // namespace
}  // namespace corvina
