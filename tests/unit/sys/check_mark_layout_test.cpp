#include "sys/check_mark_layout.h"

#include <gtest/gtest.h>

namespace corvina {
namespace {

using enum CheckPlacement;

TEST(CheckMarkLayout, TheGridsSizesPutTheBoxInsideTheGlyphSquare) {
    // The grid passes glyph = height − 1 and box = height − 4.
    const EdgeRect cell{10, 0, 110, 20};
    const CheckMarkSquares s = PlaceCheckMark(cell, 16, 19, Left);
    EXPECT_EQ(s.box, (EdgeRect{11, 2, 27, 18}));
    EXPECT_EQ(s.glyph, (EdgeRect{11, 1, 30, 20}));
    EXPECT_EQ(CheckCaptionArea(cell, s, Left), (EdgeRect{31, 0, 110, 20}));
}

TEST(CheckMarkLayout, ASmallerGlyphIsCentredOnTheBox) {
    const EdgeRect cell{0, 0, 100, 24};
    const CheckMarkSquares s = PlaceCheckMark(cell, 20, 10, Left);
    EXPECT_EQ(s.box, (EdgeRect{1, 2, 21, 22}));
    EXPECT_EQ(s.glyph, (EdgeRect{5, 7, 15, 17}));

    const CheckMarkSquares right = PlaceCheckMark(cell, 20, 10, Right);
    EXPECT_EQ(right.box, (EdgeRect{79, 2, 99, 22}));
    EXPECT_EQ(right.glyph, (EdgeRect{85, 7, 95, 17}));
    EXPECT_EQ(CheckCaptionArea(cell, right, Right), (EdgeRect{0, 0, 78, 24}));

    const CheckMarkSquares centre = PlaceCheckMark(cell, 20, 10, Centre);
    EXPECT_EQ(centre.box, (EdgeRect{40, 2, 60, 22}));
    EXPECT_EQ(centre.glyph, (EdgeRect{45, 7, 55, 17}));
    EXPECT_FALSE(CheckCaptionArea(cell, centre, Centre));
}

TEST(CheckMarkLayout, CaptionIsCentredOnTheCellAndReportedGrownButInsideIt) {
    const EdgeRect cell{0, 10, 100, 30};
    const EdgeRect area{31, 10, 100, 30};
    const EdgeRect text = CheckCaptionTextRect(cell, area, 40, 13);
    EXPECT_EQ(text, (EdgeRect{33, 13, 73, 26}));
    EXPECT_EQ(CheckCaptionReportRect(cell, area, text), (EdgeRect{32, 12, 74, 27}));

    // A caption taller and wider than the cell is cut back to it.
    const EdgeRect big = CheckCaptionTextRect(cell, area, 90, 30);
    EXPECT_EQ(big, (EdgeRect{33, 5, 123, 35}));
    EXPECT_EQ(CheckCaptionReportRect(cell, area, big), (EdgeRect{32, 10, 100, 30}));
}

TEST(CheckMarkLayout, DotIsAQuarterOfTheBoxLessAPixelAroundItsCentre) {
    EXPECT_EQ(CheckDotRect({1, 2, 17, 18}, 16), (EdgeRect{6, 7, 12, 13}));
    EXPECT_EQ(CheckDotRect({0, 0, 13, 13}, 13), (EdgeRect{4, 4, 8, 8}));
}

}  // namespace
}  // namespace corvina
