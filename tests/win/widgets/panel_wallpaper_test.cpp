#include "widgets/panel_wallpaper.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "support/memory_dib.h"
#include "test_pictures.h"
#include "ui/canvas.h"

namespace corvina::test {
namespace {

using enum TPanelWallpaperStyle;

constexpr Color kBlack = Color::Rgb(0, 0, 0);
constexpr Color kBlue = Color::Rgb(0, 0, 255);
constexpr Color kGreen = Color::Rgb(0, 255, 0);
constexpr Color kRed = Color::Rgb(255, 0, 0);

// Paints `wallpaper` into `rect` of a black surface of the given size.
struct Painted {
    Painted(const TPanelWallpaper& wallpaper, int width, int height, const EdgeRect& rect)
        : dib(width, height, RGB(0, 0, 0), true), width_(width), height_(height) {
        ui::Canvas canvas(dib.Dc());
        wallpaper.Paint(canvas, rect, kRed);
    }
    COLORREF At(int x, int y) const { return dib.At(x, y); }
    int Count(Color color) const {
        int count = 0;
        for (int y = 0; y < height_; ++y) {
            for (int x = 0; x < width_; ++x) count += dib.At(x, y) == Ref(color) ? 1 : 0;
        }
        return count;
    }
    MemoryDib dib;
    int width_;
    int height_;
};

TPanelWallpaper WallpaperOf(const ui::Picture& picture, TPanelWallpaperStyle style) {
    TPanelWallpaper wallpaper;
    wallpaper.SetPicture(picture);
    wallpaper.SetStyle(style);
    return wallpaper;
}

TEST(WallpaperPaint, TileCoversTheRectangleRowByRowFromItsCornerWithoutAnExtraCopy) {
    // Blue marks each copy's top-left pixel.
    const auto picture = PictureOf(10, 10, [](int x, int y) { return x == 0 && y == 0 ? kBlue : kGreen; });
    // The surface is larger than the rectangle: a copy at 30 would show.
    const Painted painted(WallpaperOf(picture, wpTile), 40, 40, {0, 0, 25, 25});
    EXPECT_EQ(painted.Count(kBlue), 9);
    for (int y : {0, 10, 20}) {
        for (int x : {0, 10, 20}) EXPECT_EQ(painted.At(x, y), Ref(kBlue)) << x << "," << y;
    }
    EXPECT_EQ(painted.At(29, 29), Ref(kGreen));
    EXPECT_EQ(painted.At(30, 5), Ref(kBlack));
    EXPECT_EQ(painted.At(5, 30), Ref(kBlack));
}

TEST(WallpaperPaint, PicturesAtTheirOwnSizeGoToTheirCornerOrTheCentre) {
    const auto picture = SolidPicture(10, 10, kBlue);
    struct Case {
        TPanelWallpaperStyle style;
        Point inside;
        Point outside;
    };
    const std::array cases{
        Case{wpLeftTop, {0, 0}, {10, 10}},    Case{wpRightTop, {29, 0}, {19, 10}},
        Case{wpLeftBottom, {0, 19}, {10, 9}}, Case{wpRightBottom, {29, 19}, {19, 9}},
        Case{wpCenter, {10, 5}, {9, 4}},
    };
    for (const Case& c : cases) {
        const Painted painted(WallpaperOf(picture, c.style), 30, 20, {0, 0, 30, 20});
        EXPECT_EQ(painted.Count(kBlue), 100) << static_cast<int>(c.style);
        EXPECT_EQ(painted.At(c.inside.x, c.inside.y), Ref(kBlue)) << static_cast<int>(c.style);
        EXPECT_EQ(painted.At(c.outside.x, c.outside.y), Ref(kBlack)) << static_cast<int>(c.style);
    }
}

TEST(WallpaperPaint, ACentredPictureLargerThanItsRectangleKeepsItsCentreInTheMiddle) {
    const auto picture = PictureOf(30, 20, WhereColor);
    const Painted painted(WallpaperOf(picture, wpCenter), 10, 10, {0, 0, 10, 10});
    // Placed at (-10, -5).
    EXPECT_EQ(painted.At(0, 0), Ref(WhereColor(10, 5)));
    EXPECT_EQ(painted.At(9, 9), Ref(WhereColor(19, 14)));
}

TEST(WallpaperPaint, StretchFillsFromTheCornerToTheWidthAndHeight) {
    const auto picture = PictureOf(2, 2, [](int x, int y) { return x == 0 ? (y == 0 ? kBlue : kGreen) : kRed; });
    {
        const Painted painted(WallpaperOf(picture, wpStretch), 20, 10, {0, 0, 20, 10});
        EXPECT_EQ(painted.At(0, 0), Ref(kBlue));
        EXPECT_EQ(painted.At(9, 4), Ref(kBlue));
        EXPECT_EQ(painted.At(9, 5), Ref(kGreen));
        EXPECT_EQ(painted.At(10, 0), Ref(kRed));
        EXPECT_EQ(painted.At(19, 9), Ref(kRed));
    }
    {
        // From (4, 4) to (20, 20), the rectangle's width and height.
        const Painted painted(WallpaperOf(picture, wpStretch), 30, 30, {4, 4, 24, 24});
        EXPECT_EQ(painted.At(3, 3), Ref(kBlack));
        EXPECT_EQ(painted.At(4, 4), Ref(kBlue));
        EXPECT_EQ(painted.At(19, 19), Ref(kRed));
        EXPECT_EQ(painted.At(20, 20), Ref(kBlack));
    }
}

TEST(WallpaperPaint, AnEmptyPicturePaintsNothingWhateverTheStyle) {
    for (auto style : {wpLeftTop, wpRightTop, wpLeftBottom, wpRightBottom, wpCenter, wpStretch, wpTile}) {
        const Painted painted(WallpaperOf(ui::Picture(), style), 12, 12, {0, 0, 12, 12});
        EXPECT_EQ(painted.Count(kBlack), 144) << static_cast<int>(style);
    }
}

struct Recorder {
    TPanelWallpaper::ChangeEvent Event() {
        return [this](TPanelWallpaper& sender) { senders.push_back(&sender); };
    }
    std::vector<TPanelWallpaper*> senders;
};

TEST(WallpaperChanges, ChangesThroughTheWallpaperNotifyItsOwnerOnceAndInPlaceChangesDoNot) {
    Recorder owner;
    TPanelWallpaper wallpaper(owner.Event());
    EXPECT_EQ(wallpaper.Style(), wpTile);
    EXPECT_TRUE(wallpaper.Picture().Empty());

    wallpaper.SetStyle(wpTile);
    EXPECT_TRUE(owner.senders.empty());
    wallpaper.SetStyle(wpCenter);
    EXPECT_EQ(owner.senders, std::vector<TPanelWallpaper*>{&wallpaper});

    ui::Picture picture = SolidPicture(4, 3, kBlue);
    wallpaper.SetPicture(picture);
    EXPECT_EQ(owner.senders.size(), 2u);
    // The wallpaper holds its own copy.
    picture.Clear();
    EXPECT_EQ(wallpaper.Picture().Width(), 4);

    wallpaper.Picture().SetBitmap(ui::Bitmap(7, 7));
    wallpaper.Picture().Clear();
    EXPECT_EQ(owner.senders.size(), 2u);
}

TEST(WallpaperChanges, AssignmentCopiesPictureAndStyleAndNotifiesTheTargetsOwnerOnly) {
    Recorder sourceOwner;
    Recorder targetOwner;
    TPanelWallpaper source(sourceOwner.Event());
    source.SetPicture(SolidPicture(5, 6, kGreen));
    source.SetStyle(wpStretch);
    sourceOwner.senders.clear();

    TPanelWallpaper target(targetOwner.Event());
    target.Assign(source);
    EXPECT_EQ(targetOwner.senders, std::vector<TPanelWallpaper*>{&target});
    EXPECT_TRUE(sourceOwner.senders.empty());
    EXPECT_EQ(target.Style(), wpStretch);
    EXPECT_EQ(target.Picture().Height(), 6);
    // Independent copies.
    source.Picture().Clear();
    EXPECT_EQ(target.Picture().Width(), 5);

    target = source;
    EXPECT_EQ(targetOwner.senders.size(), 2u);
    EXPECT_TRUE(target.Picture().Empty());

    // A copy is a free value: it does not report to the owner of the original.
    TPanelWallpaper copy(target);
    copy.SetStyle(wpLeftTop);
    EXPECT_EQ(targetOwner.senders.size(), 2u);
    EXPECT_EQ(copy.Style(), wpLeftTop);
    EXPECT_EQ(target.Style(), wpStretch);
}

}  // namespace
}  // namespace corvina::test
