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

// Each picture's rectangles cover its opaque pixels exactly once and no
// other; rows alike share rectangles; a pattern over the limit is refused.
// (The drawing of both depths, pixel by pixel, is proved in BitmapTest.)
TEST(OpaqueRects, EachOpaquePixelIsCoveredOnceByAFewRectanglesOrTooManyAreRefused) {
    const std::vector<std::string> frame = {
        "..######..", ".########.", "##########", "##########", "##########", ".########.", "..######..",
    };
    const auto rects = RectsOf(frame);
    ASSERT_TRUE(rects);
    EXPECT_EQ(rects->size(), 5u) << "the middle rows make one rectangle";
    EXPECT_EQ((*rects)[2], (EdgeRect{0, 2, 10, 5}));
    for (int y = 0; y < static_cast<int>(frame.size()); ++y) {
        for (int x = 0; x < static_cast<int>(frame[0].size()); ++x) {
            int covers = 0;
            for (const EdgeRect& r : *rects) covers += x >= r.left && x < r.right && y >= r.top && y < r.bottom;
            EXPECT_EQ(covers, frame[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] == '.' ? 0 : 1)
                << x << "," << y;
        }
    }
    EXPECT_FALSE(RectsOf({"#.#.#.#.", ".#.#.#.#", "#.#.#.#."}, 8)) << "a pattern is masked instead";
    EXPECT_EQ(RectsOf({"...", "..."}), std::vector<EdgeRect>{});
    EXPECT_EQ(RectsOf({"###", "###"}), (std::vector<EdgeRect>{{0, 0, 3, 2}}));
}

}  // namespace
}  // namespace corvina
