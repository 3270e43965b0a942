#include "sys/edge_rect.h"

#include <gtest/gtest.h>

#include "sys/contrast_color.h"

namespace corvina {
namespace {

TEST(EdgeRect, ShrinkMovesEverySideInwardsAndNegativeGrows) {
    EdgeRect r{10, 20, 50, 60};
    ShrinkRect(r, 3);
    EXPECT_EQ(r, (EdgeRect{13, 23, 47, 57}));
    ShrinkRect(r, -4);
    EXPECT_EQ(r, (EdgeRect{9, 19, 51, 61}));
    EXPECT_EQ(EdgesOf(Rect{5, 6, 7, 8}), (EdgeRect{5, 6, 12, 14}));
}

TEST(EdgeRect, ClipOnlyPullsSidesThatStickOutAndKeepsEmptyResults) {
    EdgeRect inside{5, 5, 10, 10};
    ClipRectTo(inside, {0, 0, 20, 20});
    EXPECT_EQ(inside, (EdgeRect{5, 5, 10, 10}));

    EdgeRect over{-5, 3, 30, 40};
    ClipRectTo(over, {0, 0, 20, 20});
    EXPECT_EQ(over, (EdgeRect{0, 3, 20, 20}));

    EdgeRect apart{30, 30, 40, 40};
    ClipRectTo(apart, {0, 0, 20, 20});
    EXPECT_EQ(apart, (EdgeRect{30, 30, 20, 20}));
}

TEST(ClampInt, LimitsToTheBoundsAndTheLowBoundWinsWhenTheyCross) {
    EXPECT_EQ(ClampInt(-1, 0, 9), 0);
    EXPECT_EQ(ClampInt(10, 0, 9), 9);
    EXPECT_EQ(ClampInt(4, 0, 9), 4);
    EXPECT_EQ(ClampInt(5, 8, 2), 8);
    EXPECT_EQ(MaxOf(-3, 2), 2);
    EXPECT_EQ(MinOf(-3, 2), -3);
}

TEST(ContrastColor, InvertsExceptTheLiteralMidGrey) {
    const SystemColorLookup system = [](int index) { return index == 5 ? Color{0x808080} : Color{0x102030}; };
    EXPECT_EQ(ContrastColor(Color{0x808080}, system), Color{0x000000});
    EXPECT_EQ(ContrastColor(Color{0x000000}, system), Color{0xFFFFFF});
    EXPECT_EQ(ContrastColor(Color{0x0000FF}, system), Color{0xFFFF00});
    EXPECT_EQ(ContrastColor(Color::System(15), system), Color{0xEFDFCF});
    // A system colour that resolves to grey is not the grey value itself.
    EXPECT_EQ(ContrastColor(Color::System(5), system), Color{0x7F7F7F});
}

}  // namespace
}  // namespace corvina
