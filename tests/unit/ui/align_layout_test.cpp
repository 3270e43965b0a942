#include "ui/align_layout.h"

#include <gtest/gtest.h>

#include <vector>

namespace corvina::ui {
namespace {

std::vector<Rect> LayOut(const Rect& client, const std::vector<AlignedChild>& children) {
    return LayOutAligned(client, children);
}

TEST(AlignLayout, TopAndBottomGoFirstThenLeftAndRightThenClientFillsTheRest) {
    // Created in an order that differs from the passes: client, left, top, right, bottom.
    const auto result = LayOut({0, 0, 200, 100}, {{Align::Client, {5, 5, 1, 1}},
                                                  {Align::Left, {0, 0, 30, 1}},
                                                  {Align::Top, {0, 0, 1, 10}},
                                                  {Align::Right, {0, 0, 40, 1}},
                                                  {Align::Bottom, {0, 0, 1, 20}}});
    EXPECT_EQ(result[2], (Rect{0, 0, 200, 10}));
    EXPECT_EQ(result[4], (Rect{0, 80, 200, 20}));
    EXPECT_EQ(result[1], (Rect{0, 10, 30, 70}));
    EXPECT_EQ(result[3], (Rect{160, 10, 40, 70}));
    EXPECT_EQ(result[0], (Rect{30, 10, 130, 70}));
}

TEST(AlignLayout, SameSideChildrenStackInCreationOrderInsideAnOffsetClient) {
    const auto result = LayOut({10, 20, 100, 100}, {{Align::Top, {0, 0, 0, 10}},
                                                    {Align::Top, {0, 0, 0, 15}},
                                                    {Align::Right, {0, 0, 20, 0}},
                                                    {Align::Right, {0, 0, 5, 0}}});
    EXPECT_EQ(result[0], (Rect{10, 20, 100, 10}));
    EXPECT_EQ(result[1], (Rect{10, 30, 100, 15}));
    EXPECT_EQ(result[2], (Rect{90, 45, 20, 75}));
    EXPECT_EQ(result[3], (Rect{85, 45, 5, 75}));
}

TEST(AlignLayout, UnalignedAndInvisibleChildrenKeepTheirBoundsAndTakeNoSpace) {
    const auto result =
        LayOut({0, 0, 100, 100},
               {{Align::None, {7, 8, 9, 10}}, {Align::Top, {1, 2, 3, 40}, false}, {Align::Client, {0, 0, 0, 0}}});
    EXPECT_EQ(result[0], (Rect{7, 8, 9, 10}));
    EXPECT_EQ(result[1], (Rect{1, 2, 3, 40}));
    EXPECT_EQ(result[2], (Rect{0, 0, 100, 100}));
}

TEST(AlignLayout, StripsLargerThanTheSpaceLeftAreCutAndNothingGoesNegative) {
    const auto result = LayOut({0, 0, 50, 30}, {{Align::Top, {0, 0, 0, 20}},
                                                {Align::Bottom, {0, 0, 0, 20}},
                                                {Align::Left, {0, 0, 80, 0}},
                                                {Align::Client, {0, 0, 0, 0}}});
    EXPECT_EQ(result[0], (Rect{0, 0, 50, 20}));
    EXPECT_EQ(result[1], (Rect{0, 20, 50, 10}));
    EXPECT_EQ(result[2], (Rect{0, 20, 50, 0}));
    EXPECT_EQ(result[3], (Rect{50, 20, 0, 0}));

    const auto negative = LayOut({0, 0, -5, -5}, {{Align::Client, {}}});
    EXPECT_EQ(negative[0], (Rect{0, 0, 0, 0}));
}

TEST(AlignLayout, SeveralClientChildrenEachFillTheSameRemainder) {
    const auto result =
        LayOut({0, 0, 60, 40}, {{Align::Client, {}}, {Align::Left, {0, 0, 10, 0}}, {Align::Client, {}}});
    EXPECT_EQ(result[0], (Rect{10, 0, 50, 40}));
    EXPECT_EQ(result[2], (Rect{10, 0, 50, 40}));
}

}  // namespace
}  // namespace corvina::ui
