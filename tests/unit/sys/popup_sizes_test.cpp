#include "sys/popup_sizes.h"

#include <gtest/gtest.h>

#include "sys/text.h"

namespace corvina {
namespace {

int SevenPerByte(std::string_view text) { return static_cast<int>(text.size()) * 7; }

TEST(PopupBoxSize, OneEntryIsOneRowAndAtLeastFiftyWide) {
    // "ab" with its blank is 21 wide: the 50 minimum holds.
    EXPECT_EQ(PopupBoxClientSize({"ab"}, SevenPerByte, 12, 12, 1, false), (Size{50 + 12 + 2, 18 + 2 + 4}));
    const Big5 load = T(u8"讀取遊戲記錄");  // 12 bytes, 13 with the blank
    EXPECT_EQ(PopupBoxClientSize({load, T(u8"儲存")}, SevenPerByte, 12, 12, 1, true),
              (Size{13 * 7 + 12 + 2, 2 * 18 + 2 + 2 + 4}));
    EXPECT_EQ(PopupEntryText("x"), " x");
    EXPECT_EQ(PopupColumnWidths(120), (std::vector<int>{1, 119}));
}

TEST(PopupFont, PointSizesBecomeCharacterHeightsOfA96DpiScreen) {
    EXPECT_EQ(PixelHeightOfPoints(10), 13);
    EXPECT_EQ(PixelHeightOfPoints(12), 16);
    EXPECT_EQ(PixelHeightOfPoints(9), 12);
}

TEST(TextBoxSize, LinesAreBlankLedAndTheBoxGrowsWithEachLine) {
    EXPECT_EQ(TextBoxLabelText({"one", "two"}), " one\r two\r");
    EXPECT_EQ(TextBoxSize({"one", "three"}, SevenPerByte, 16), (Size{10 + 6 * 7, 21 + 2 * 16}));
    EXPECT_EQ(TextBoxSize({""}, SevenPerByte, 16), (Size{10 + 10, 21 + 16}));
}

TEST(PopupPlacement, ABoxPassingTheRightEdgeMovesLeftButNotOffTheLeftEdge) {
    EXPECT_EQ(KeepOnScreenRight({700, 300}, 90, 800), (Point{700, 300}));
    EXPECT_EQ(KeepOnScreenRight({750, 590}, 90, 800), (Point{710, 590}));  // no vertical correction
    EXPECT_EQ(KeepOnScreenRight({100, 0}, 900, 800), (Point{0, 0}));
}

TEST(PopupWatch, ThePopupStaysOverItselfOrItsButtonEdgesIncluded) {
    const EdgeRect box{500, 100, 600, 150};
    const EdgeRect button{470, 100, 498, 128};
    EXPECT_FALSE(PopupBoxClosesOnTick(true, {600, 150}, box, button));
    EXPECT_FALSE(PopupBoxClosesOnTick(true, {470, 128}, box, button));
    EXPECT_TRUE(PopupBoxClosesOnTick(true, {499, 110}, box, button));  // the gap between them
    EXPECT_TRUE(PopupBoxClosesOnTick(false, {550, 120}, box, button));
    // An all-zero anchor is none, even at the screen's corner.
    EXPECT_TRUE(PopupBoxClosesOnTick(true, {0, 0}, box, EdgeRect{}));
}

TEST(PopupWatch, TheTextBoxClosesOnlyWhileItIsActive) {
    const EdgeRect box{500, 100, 600, 150};
    const EdgeRect button{470, 100, 498, 128};
    EXPECT_TRUE(TextBoxClosesOnTick(true, {10, 10}, box, button));
    EXPECT_FALSE(TextBoxClosesOnTick(false, {10, 10}, box, button));
    EXPECT_FALSE(TextBoxClosesOnTick(true, {480, 110}, box, button));
}

TEST(PopupRelease, TheRightButtonChoosesNothing) {
    EXPECT_EQ(PopupChoiceOnRelease(2, false), 2);
    EXPECT_EQ(PopupChoiceOnRelease(2, true), -1);
}

}  // namespace
}  // namespace corvina
