#include "widgets/tabset_layout.h"

#include <gtest/gtest.h>

#include <vector>

namespace corvina {
namespace {

// The main window's channel bar: 40 high, our pieces, offsets -1 and -4.
constexpr int kHeight = 40;
constexpr TabPieceSet kUp{{12, 33}, {4, 33}, {12, 33}};
constexpr TabPieceSet kDown{{12, 27}, {4, 27}, {12, 27}};

TabLayoutInput MainTab(bool selected, int left, int captionWidth, bool transparent = false) {
    TabLayoutInput in;
    in.left = left;
    in.height = kHeight;
    in.pieces = selected ? kUp : kDown;
    in.upHeight = PieceSetHeight(kUp);
    in.downHeight = PieceSetHeight(kDown);
    in.setHeight = selected ? in.upHeight : in.downHeight;
    in.captionOffset = selected ? -1 : -4;
    in.captionWidth = captionWidth;
    in.transparent = transparent;
    return in;
}

std::vector<EdgeRect> Targets(const TabLayout& layout, TabPiece piece) {
    std::vector<EdgeRect> found;
    for (const PiecePlacement& p : layout.pieces) {
        if (p.piece == piece) found.push_back(p.target);
    }
    return found;
}

TEST(TabsetLayout, SetHeightIsTheTallestNonEmptyPiece) {
    EXPECT_EQ(PieceSetHeight(kUp), 33);
    EXPECT_EQ(PieceSetHeight({{12, 20}, {4, 33}, {12, 27}}), 33);
    // A piece without width is empty, however tall it claims to be.
    EXPECT_EQ(PieceSetHeight({{0, 50}, {4, 10}, {}}), 10);
    EXPECT_EQ(PieceSetHeight({}), 0);
}

TEST(TabsetLayout, MainConfigurationCaptionTops) {
    EXPECT_EQ(LayoutTab(MainTab(true, 0, 40)).caption.y, 12);
    EXPECT_EQ(LayoutTab(MainTab(false, 0, 40)).caption.y, 15);
    // Without a down set there is no correction.
    TabLayoutInput in = MainTab(true, 0, 40);
    in.downHeight = 0;
    EXPECT_EQ(LayoutTab(in).caption.y, 6);
}

TEST(TabsetLayout, OpaqueCentreCoversExactlyTheCaptionAndPiecesReachTheBottom) {
    const TabLayout layout = LayoutTab(MainTab(false, 100, 10));
    EXPECT_EQ(layout.width, 12 + 10 + 12);
    ASSERT_EQ(layout.pieces.size(), 5u);
    EXPECT_EQ(layout.pieces[0], (PiecePlacement{TabPiece::Left, {100, 13, 112, 40}, 12}));
    EXPECT_EQ(Targets(layout, TabPiece::Centre),
              (std::vector<EdgeRect>{{112, 13, 116, 40}, {116, 13, 120, 40}, {120, 13, 122, 40}}));
    EXPECT_EQ(layout.pieces[3].sourceWidth, 2);  // cut, not squeezed
    EXPECT_EQ(layout.pieces[4], (PiecePlacement{TabPiece::Right, {122, 13, 134, 40}, 12}));
    EXPECT_EQ(layout.caption, (Point{100 + 17 - 5, 15}));
}

TEST(TabsetLayout, ShortPieceStretchesWhenOpaqueAndKeepsItsHeightWhenTransparent) {
    TabLayoutInput in = MainTab(true, 0, 8);
    in.pieces.left = {12, 20};
    EXPECT_EQ(LayoutTab(in).pieces.front().target, (EdgeRect{0, 7, 12, 40}));
    in.transparent = true;
    EXPECT_EQ(LayoutTab(in).pieces.front().target, (EdgeRect{0, 7, 12, 27}));
}

TEST(TabsetLayout, TransparentCentreCountsWholeCopies) {
    const TabLayout layout = LayoutTab(MainTab(true, 0, 10, true));
    EXPECT_EQ(Targets(layout, TabPiece::Centre),
              (std::vector<EdgeRect>{{12, 7, 16, 40}, {16, 7, 20, 40}, {20, 7, 24, 40}}));
    EXPECT_EQ(layout.width, 12 + 12 + 12);
    EXPECT_EQ(layout.caption.x, 18 - 5);
}

TEST(TabsetLayout, EmptyCentreGivesATabOfItsSidesWithTheCaptionCentredOverThem) {
    TabLayoutInput in = MainTab(false, 50, 21);
    in.pieces.centre = {};
    const TabLayout layout = LayoutTab(in);
    EXPECT_EQ(layout.width, 24);
    EXPECT_TRUE(Targets(layout, TabPiece::Centre).empty());
    EXPECT_EQ(Targets(layout, TabPiece::Right), (std::vector<EdgeRect>{{62, 13, 74, 40}}));
    EXPECT_EQ(layout.caption.x, 50 + 12 - 10);
}

TEST(TabsetLayout, NoCaptionNoCentreAndMissingSidesTakeNoRoom) {
    EXPECT_EQ(LayoutTab(MainTab(true, 0, 0)).width, 24);
    TabLayoutInput in = MainTab(true, 0, 8);
    in.pieces.left = {};
    const TabLayout layout = LayoutTab(in);
    EXPECT_EQ(layout.width, 8 + 12);
    EXPECT_EQ(Targets(layout, TabPiece::Centre).front().left, 0);
}

TEST(TabsetLayout, LineCopiesRunFromTheLastTabPastTheRightEdge) {
    EXPECT_EQ(LinePieceLefts(34, 60, 10), (std::vector<int>{34, 44, 54}));
    EXPECT_TRUE(LinePieceLefts(60, 60, 10).empty());
    EXPECT_TRUE(LinePieceLefts(0, 60, 0).empty());
}

// Three tabs 30, 40 and 50 wide, the middle one selected, in the main bands.
const std::vector<int> kWidths{30, 40, 50};
constexpr TabBands kBands{kHeight, 33, 27};

int Hit(int x, int y, int selected = 1) { return TabAtPoint(kWidths, 3, selected, kBands, {x, y}); }

TEST(TabsetHitTest, MainConfigurationBands) {
    for (const int x : {15, 50, 100}) EXPECT_EQ(Hit(x, 7), -1) << x;  // above every tab
    for (const int y : {8, 13}) {
        EXPECT_EQ(Hit(15, y), -1) << y;  // only the selected tab is that tall
        EXPECT_EQ(Hit(50, y), 1) << y;
        EXPECT_EQ(Hit(100, y), -1) << y;
    }
    EXPECT_EQ(Hit(15, 14), 0);
    EXPECT_EQ(Hit(50, 14), 1);
    EXPECT_EQ(Hit(100, 39), 2);
    EXPECT_EQ(Hit(15, 10, -1), -1);
}

TEST(TabsetHitTest, SpansExcludeTheirLeftColumnAndIncludeTheirRight) {
    EXPECT_EQ(Hit(0, 20), -1);
    EXPECT_EQ(Hit(30, 20), 0);
    EXPECT_EQ(Hit(31, 20), 1);
    EXPECT_EQ(Hit(120, 20), 2);
    EXPECT_EQ(Hit(121, 20), -1);
}

TEST(TabsetHitTest, NothingWhileTheWidthsDoNotMatchTheTabs) {
    EXPECT_EQ(TabAtPoint(kWidths, 4, 1, kBands, {15, 20}), -1);
    EXPECT_EQ(TabArea(kWidths, 2, 0, kHeight, 33), EdgeRect{});
}

TEST(TabsetHitTest, TabAreaReachesUpToTheUpHeight) {
    EXPECT_EQ(TabArea(kWidths, 3, 0, kHeight, 33), (EdgeRect{0, 7, 30, 40}));
    EXPECT_EQ(TabArea(kWidths, 3, 2, kHeight, 33), (EdgeRect{70, 7, 120, 40}));
    EXPECT_EQ(TabArea(kWidths, 3, 3, kHeight, 33), EdgeRect{});
    EXPECT_EQ(TabArea(kWidths, 3, -1, kHeight, 33), EdgeRect{});
}

}  // namespace
}  // namespace corvina
