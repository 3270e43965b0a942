#include "widgets/wallpaper_layout.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace corvina {
namespace {

using enum TPanelWallpaperStyle;

EdgeRect OwnSize(int x, int y, int w, int h) { return {x, y, x + w, y + h}; }

WallpaperDraw Single(TPanelWallpaperStyle style, int pw, int ph, const EdgeRect& rect) {
    const auto draws = WallpaperDraws(style, pw, ph, rect);
    EXPECT_EQ(draws.size(), 1u);
    return draws.empty() ? WallpaperDraw{} : draws.front();
}

TEST(WallpaperLayout, EachStyleInARectangleFromTheOrigin) {
    const EdgeRect rect{0, 0, 100, 80};
    EXPECT_EQ(Single(wpLeftTop, 30, 20, rect), (WallpaperDraw{OwnSize(0, 0, 30, 20), false}));
    EXPECT_EQ(Single(wpRightTop, 30, 20, rect), (WallpaperDraw{OwnSize(70, 0, 30, 20), false}));
    EXPECT_EQ(Single(wpLeftBottom, 30, 20, rect), (WallpaperDraw{OwnSize(0, 60, 30, 20), false}));
    EXPECT_EQ(Single(wpRightBottom, 30, 20, rect), (WallpaperDraw{OwnSize(70, 60, 30, 20), false}));
    EXPECT_EQ(Single(wpCenter, 30, 20, rect), (WallpaperDraw{OwnSize(35, 30, 30, 20), false}));
    EXPECT_EQ(Single(wpStretch, 30, 20, rect), (WallpaperDraw{rect, true}));
}

TEST(WallpaperLayout, PositionsComeFromTheSizeOfAnOffsetRectangle) {
    // The image button's rectangle: two pixels in at the top-left only.
    const EdgeRect rect{2, 2, 40, 30};
    EXPECT_EQ(Single(wpStretch, 10, 10, rect).destination, (EdgeRect{2, 2, 38, 28}));
    EXPECT_EQ(Single(wpLeftTop, 10, 10, rect).destination, OwnSize(2, 2, 10, 10));
    EXPECT_EQ(Single(wpRightTop, 10, 10, rect).destination, OwnSize(28, 2, 10, 10));
    EXPECT_EQ(Single(wpLeftBottom, 10, 10, rect).destination, OwnSize(0, 18, 10, 10));
    EXPECT_EQ(Single(wpRightBottom, 10, 10, rect).destination, OwnSize(28, 18, 10, 10));
}

TEST(WallpaperLayout, CentredPictureLargerThanTheRectangleStartsAtNegativeCoordinates) {
    EXPECT_EQ(Single(wpCenter, 50, 41, {0, 0, 20, 20}).destination, OwnSize(-15, -10, 50, 41));
}

TEST(WallpaperLayout, TileCoversTheRectangleRowByRowIncludingTheLastPartialTile) {
    const auto draws = WallpaperDraws(wpTile, 10, 10, {0, 0, 25, 25});
    ASSERT_EQ(draws.size(), 9u);
    std::set<std::pair<int, int>> corners;
    for (const WallpaperDraw& d : draws) {
        EXPECT_FALSE(d.stretched);
        EXPECT_EQ(d.destination.Width(), 10);
        EXPECT_EQ(d.destination.Height(), 10);
        corners.insert({d.destination.left, d.destination.top});
    }
    EXPECT_EQ(corners.size(), 9u);
    for (int y : {0, 10, 20}) {
        for (int x : {0, 10, 20}) EXPECT_TRUE(corners.count({x, y})) << x << "," << y;
    }
    EXPECT_EQ(draws[1].destination.left, 10);  // columns inside rows
    EXPECT_EQ(draws[1].destination.top, 0);

    // An exact fit still draws one more row and column, wholly outside.
    EXPECT_EQ(WallpaperDraws(wpTile, 10, 10, {0, 0, 20, 20}).size(), 9u);
}

TEST(WallpaperLayout, TileCountsFromTheCornerAsAnIndex) {
    // A corner of (1, 2) skips the first column and the first two rows.
    const auto draws = WallpaperDraws(wpTile, 10, 10, {1, 2, 31, 42});
    ASSERT_EQ(draws.size(), 3u * 3u);  // rows 2..4, columns 1..3
    EXPECT_EQ(draws.front().destination, OwnSize(10, 20, 10, 10));
    EXPECT_EQ(draws.back().destination, OwnSize(30, 40, 10, 10));
}

TEST(WallpaperLayout, APictureWithoutAreaDrawsNothingInAnyStyle) {
    for (auto style : {wpLeftTop, wpRightTop, wpLeftBottom, wpRightBottom, wpCenter, wpStretch, wpTile}) {
        EXPECT_TRUE(WallpaperDraws(style, 0, 0, {0, 0, 100, 100}).empty());
        EXPECT_TRUE(WallpaperDraws(style, 10, 0, {0, 0, 100, 100}).empty());
        EXPECT_TRUE(WallpaperDraws(style, -1, 10, {0, 0, 100, 100}).empty());
    }
}

}  // namespace
}  // namespace corvina
