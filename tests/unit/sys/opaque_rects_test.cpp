#include "sys/opaque_rects.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvina {
namespace {

// '.' transparent, anything else opaque.
std::optional<std::vector<EdgeRect>> RectsOf(const std::vector<std::string>& rows, std::size_t limit = 64) {
    return OpaqueRects(
        static_cast<int>(rows[0].size()), static_cast<int>(rows.size()),
        [&](int x, int y) { return rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] == '.'; }, limit);
}

// Each pixel is covered exactly when it is opaque, and never twice.
void ExpectExactCover(const std::vector<std::string>& rows, const std::vector<EdgeRect>& rects) {
    for (int y = 0; y < static_cast<int>(rows.size()); ++y) {
        for (int x = 0; x < static_cast<int>(rows[0].size()); ++x) {
            int covers = 0;
            for (const EdgeRect& r : rects) covers += x >= r.left && x < r.right && y >= r.top && y < r.bottom;
            EXPECT_EQ(covers, rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] == '.' ? 0 : 1)
                << "pixel " << x << "," << y;
        }
    }
}

TEST(OpaqueRects, AFrameWithRoundCornersIsAFewRectanglesCoveringEachOpaquePixelOnce) {
    const std::vector<std::string> frame = {
        "..######..", ".########.", "##########", "##########", "##########", ".########.", "..######..",
    };
    const auto rects = RectsOf(frame);
    ASSERT_TRUE(rects);
    EXPECT_EQ(rects->size(), 5u) << "the middle rows make one rectangle";
    EXPECT_EQ((*rects)[2], (EdgeRect{0, 2, 10, 5}));
    ExpectExactCover(frame, *rects);

    const std::vector<std::string> holes = {"#.#.#", "#.#.#", "..#..", "#####", "....."};
    const auto holed = RectsOf(holes);
    ASSERT_TRUE(holed);
    ExpectExactCover(holes, *holed);
    EXPECT_EQ(holed->size(), 5u);
}

TEST(OpaqueRects, TooManyPiecesOrNothingOpaque) {
    EXPECT_FALSE(RectsOf({"#.#.#.#.", ".#.#.#.#", "#.#.#.#."}, 8)) << "a pattern is masked instead";
    const auto none = RectsOf({"...", "..."});
    ASSERT_TRUE(none);
    EXPECT_TRUE(none->empty());
    const auto whole = RectsOf({"###", "###"});
    ASSERT_TRUE(whole);
    EXPECT_EQ(*whole, (std::vector<EdgeRect>{{0, 0, 3, 2}}));
}

}  // namespace
}  // namespace corvina
