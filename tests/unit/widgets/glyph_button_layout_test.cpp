#include "widgets/glyph_button_layout.h"

#include <gtest/gtest.h>

namespace corvina {
namespace {

using enum TButtonLayout;
using enum TAlignment;

// 16 × 16 picture, caption 20 × 13, in a 40 × 60 button.
GlyphButtonLayoutInput Upright() {
    return {.width = 40, .height = 60, .glyphWidth = 16, .glyphHeight = 16, .captionWidth = 20, .captionHeight = 13};
}

// 16 × 16 picture, caption 40 × 13, in a 100 × 30 button.
GlyphButtonLayoutInput Wide(TButtonLayout layout) {
    return {.width = 100,
            .height = 30,
            .glyphWidth = 16,
            .glyphHeight = 16,
            .captionWidth = 40,
            .captionHeight = 13,
            .layout = layout};
}

TEST(GlyphButtonLayout, VerticalLayoutsWithAutomaticSpacing) {
    GlyphButtonLayoutInput in = Upright();
    const GlyphButtonGeometry top = LayoutGlyphButton(in);
    EXPECT_EQ(top.spacing, 10);  // (60 - 16 - 13) / 3
    EXPECT_EQ(top.glyph, (Point{12, 10}));
    EXPECT_EQ(top.caption, (EdgeRect{10, 36, 30, 49}));

    in.layout = blGlyphBottom;
    const GlyphButtonGeometry bottom = LayoutGlyphButton(in);
    EXPECT_EQ(bottom.glyph, (Point{12, 33}));
    EXPECT_EQ(bottom.caption, (EdgeRect{10, 10, 30, 23}));
}

TEST(GlyphButtonLayout, HorizontalLayoutsWithAutomaticSpacing) {
    const GlyphButtonGeometry left = LayoutGlyphButton(Wide(blGlyphLeft));
    EXPECT_EQ(left.spacing, 14);  // (100 - 16 - 40) / 3
    EXPECT_EQ(left.glyph, (Point{15, 7}));
    EXPECT_EQ(left.caption, (EdgeRect{45, 8, 85, 21}));

    const GlyphButtonGeometry right = LayoutGlyphButton(Wide(blGlyphRight));
    EXPECT_EQ(right.glyph, (Point{69, 7}));
    EXPECT_EQ(right.caption, (EdgeRect{15, 8, 55, 21}));
}

TEST(GlyphButtonLayout, FixedSpacingIsKeptAndDroppedWhenAnItemIsMissing) {
    GlyphButtonLayoutInput in = Wide(blGlyphLeft);
    in.spacingAuto = false;
    in.spacing = 4;
    const GlyphButtonGeometry fixed = LayoutGlyphButton(in);
    EXPECT_EQ(fixed.spacing, 4);
    EXPECT_EQ(fixed.glyph.x, 20);
    EXPECT_EQ(fixed.caption.left, 40);

    in.captionWidth = 0;
    in.captionHeight = 0;
    EXPECT_EQ(LayoutGlyphButton(in).glyph.x, 42);
}

TEST(GlyphButtonLayout, AutomaticSpacingAndCentringRoundTowardsZero) {
    GlyphButtonLayoutInput in = Upright();
    in.height = 30;
    in.captionHeight = 21;
    const GlyphButtonGeometry g = LayoutGlyphButton(in);
    EXPECT_EQ(g.spacing, -2);  // -7 / 3
    EXPECT_EQ(g.glyph.y, -2);  // (30 - 35) / 2
    EXPECT_EQ(g.caption.top, 12);
}

TEST(GlyphButtonLayout, AlignmentShiftsPictureAndCaptionTogetherToTwoPixelsFromAnEdge) {
    GlyphButtonLayoutInput in = Wide(blGlyphLeft);
    in.spacingAuto = false;
    in.spacing = 4;
    in.alignment = taLeft;
    GlyphButtonGeometry g = LayoutGlyphButton(in);
    EXPECT_EQ(g.glyph, (Point{2, 7}));
    EXPECT_EQ(g.caption, (EdgeRect{22, 8, 62, 21}));

    in.alignment = taRight;
    g = LayoutGlyphButton(in);
    EXPECT_EQ(g.glyph.x, 38);
    EXPECT_EQ(g.caption.right, 98);

    in = Upright();
    in.spacingAuto = false;
    in.spacing = 4;
    in.alignment = taTop;
    g = LayoutGlyphButton(in);
    EXPECT_EQ(g.glyph, (Point{12, 2}));
    EXPECT_EQ(g.caption.top, 22);

    in.alignment = taBottom;
    g = LayoutGlyphButton(in);
    EXPECT_EQ(g.glyph.y, 25);
    EXPECT_EQ(g.caption.bottom, 58);

    // Across the layout axis: the caption is wider, so it meets the edge.
    in.alignment = taLeft;
    g = LayoutGlyphButton(in);
    EXPECT_EQ(g.glyph.x, 4);
    EXPECT_EQ(g.caption.left, 2);
}

TEST(GlyphButtonLayout, PressedContentMovesOnePixelButTheEngravedPlaceDoesNot) {
    GlyphButtonLayoutInput in = Upright();
    const GlyphButtonGeometry still = LayoutGlyphButton(in);
    in.pressOffset = 1;
    const GlyphButtonGeometry pressed = LayoutGlyphButton(in);
    EXPECT_EQ(pressed.glyph, (Point{13, 11}));
    EXPECT_EQ(pressed.caption, OffsetRect(still.caption, 1, 1));
    EXPECT_EQ(pressed.captionAt, still.caption);
}

TEST(GlyphButtonLayout, APictureOutsideTheLayoutSitsInTheCornerAndTheCaptionIsCentredAlone) {
    GlyphButtonLayoutInput in = Upright();
    in.maptoFront = false;
    GlyphButtonGeometry g = LayoutGlyphButton(in);
    EXPECT_EQ(g.glyph, (Point{0, 0}));
    EXPECT_EQ(g.spacing, 15);  // (60 - 0 - 13) / 3
    EXPECT_EQ(g.caption, (EdgeRect{10, 23, 30, 36}));
    in.pressOffset = 1;
    EXPECT_EQ(LayoutGlyphButton(in).glyph, (Point{1, 1}));
}

TEST(GlyphButtonCaption, AvailableWidthLeavesRoomForAPictureBesideIt) {
    EXPECT_EQ(CaptionAvailableWidth(100, 16, blGlyphTop, 5), 98);
    EXPECT_EQ(CaptionAvailableWidth(100, 16, blGlyphBottom, 5), 98);
    EXPECT_EQ(CaptionAvailableWidth(100, 16, blGlyphLeft, 5), 77);
    EXPECT_EQ(CaptionAvailableWidth(100, 16, blGlyphRight, 5), 77);
}

TEST(GlyphButtonCaption, MeasuredSizeIsCappedAtTheWidthAndGrowsALineAPerBreak) {
    auto eightPerByte = [](std::string_view line) { return 8 * static_cast<int>(line.size()); };
    const MeasuredCaption two = MeasureCaption("ab cd", 32, 13, eightPerByte);
    EXPECT_EQ(two.text, "ab \r cd");
    EXPECT_EQ(two.width, 32);
    EXPECT_EQ(two.height, 26);

    const MeasuredCaption one = MeasureCaption("ab", 32, 13, eightPerByte);
    EXPECT_EQ(one.width, 16);
    EXPECT_EQ(one.height, 13);

    const MeasuredCaption none = MeasureCaption("", 32, 13, eightPerByte);
    EXPECT_EQ(none.width, 0);
    EXPECT_EQ(none.height, 0);
}

}  // namespace
}  // namespace corvina
