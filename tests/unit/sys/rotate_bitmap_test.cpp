#include "sys/rotate_bitmap.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace corvina {
namespace {

// Every pixel different, so that any misplaced pixel shows.
struct Picture {
    int width;
    int height;
    std::vector<std::uint8_t> bytes;

    Picture(int w, int h) : width(w), height(h), bytes(static_cast<std::size_t>(3 * w * h)) {
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) Set(x, y, Code(x, y));
        }
    }
    static std::uint8_t Code(int x, int y) { return static_cast<std::uint8_t>(10 * y + x + 1); }
    PixelView24 View() { return {bytes.data(), width, height, 3 * width}; }
    std::uint8_t* At(int x, int y) { return &bytes[static_cast<std::size_t>(3 * (y * width + x))]; }
    // Blue carries the code; green and red derive from it, so a channel mix-up shows too.
    void Set(int x, int y, std::uint8_t code) {
        At(x, y)[0] = code;
        At(x, y)[1] = static_cast<std::uint8_t>(code + 100);
        At(x, y)[2] = static_cast<std::uint8_t>(255 - code);
    }
    bool Holds(int x, int y, std::uint8_t code) {
        return At(x, y)[0] == code && At(x, y)[1] == static_cast<std::uint8_t>(code + 100) &&
               At(x, y)[2] == static_cast<std::uint8_t>(255 - code);
    }
};

TEST(RotateBitmapInPlace, ZeroAndFullTurnsLeaveEveryPixel) {
    for (double angle : {0.0, 360.0}) {
        Picture picture(5, 3);
        const std::vector<std::uint8_t> before = picture.bytes;
        RotateBitmapInPlace(picture.View(), angle);
        EXPECT_EQ(picture.bytes, before) << angle;
    }
}

TEST(RotateBitmapInPlace, NinetyDegreesIsAQuarterTurnClockwiseOnTheScreen) {
    for (int n : {4, 3}) {
        Picture picture(n, n);
        RotateBitmapInPlace(picture.View(), 90);
        // The old left column is the new top row, read bottom to top.
        for (int y = 0; y < n; ++y) {
            for (int x = 0; x < n; ++x) {
                EXPECT_TRUE(picture.Holds(x, y, Picture::Code(y, n - 1 - x))) << n << ": " << x << "," << y;
            }
        }
    }
}

TEST(RotateBitmapInPlace, OneEightyMirrorsThroughTheCentre) {
    Picture picture(4, 4);
    RotateBitmapInPlace(picture.View(), 180);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) EXPECT_TRUE(picture.Holds(x, y, Picture::Code(3 - x, 3 - y))) << x << "," << y;
    }
}

TEST(RotateBitmapInPlace, PixelsTurnedInFromOutsideTheSourceKeepTheirOldValue) {
    // 4 × 2: turned upright it is 2 wide, so the outer columns stay.
    Picture picture(4, 2);
    RotateBitmapInPlace(picture.View(), 90);
    for (int y = 0; y < 2; ++y) {
        EXPECT_TRUE(picture.Holds(0, y, Picture::Code(0, y)));
        EXPECT_TRUE(picture.Holds(3, y, Picture::Code(3, y)));
        EXPECT_TRUE(picture.Holds(1, y, Picture::Code(y + 1, 1)));
        EXPECT_TRUE(picture.Holds(2, y, Picture::Code(y + 1, 0)));
    }
}

TEST(RotateBitmapInPlace, BottomUpRowsAndRowPaddingTurnTheSameWayOnTheScreen) {
    // Stored bottom row first with two padding bytes a row, as a DIB is.
    const int n = 3;
    const int stride = 3 * n + 2;
    std::vector<std::uint8_t> stored(static_cast<std::size_t>(stride * n), 0xEE);
    const PixelView24 view{stored.data() + (n - 1) * stride, n, n, -stride};
    for (int y = 0; y < n; ++y) {
        for (int x = 0; x < n; ++x) {
            for (int c = 0; c < 3; ++c) view.Pixel(x, y)[c] = Picture::Code(x, y);
        }
    }
    RotateBitmapInPlace(view, 90);
    for (int y = 0; y < n; ++y) {
        for (int x = 0; x < n; ++x) EXPECT_EQ(view.Pixel(x, y)[1], Picture::Code(y, n - 1 - x)) << x << "," << y;
        EXPECT_EQ(stored[static_cast<std::size_t>(y * stride + 3 * n)], 0xEE);
    }
}

TEST(RotateBitmap, DestinationOfAnotherSizeIsCentredOnTheSource) {
    Picture source(2, 2);
    Picture destination(4, 4);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) destination.Set(x, y, 0);
    }
    RotateBitmap(source.View(), destination.View(), 0, 2.0, 2.0);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            const bool inside = x >= 1 && x <= 2 && y >= 1 && y <= 2;
            EXPECT_TRUE(destination.Holds(x, y, inside ? Picture::Code(x - 1, y - 1) : 0)) << x << "," << y;
        }
    }
}

TEST(RotateBitmap, MissingPicturesAreLeftAlone) {
    Picture picture(2, 2);
    const std::vector<std::uint8_t> before = picture.bytes;
    RotateBitmap(PixelView24{}, picture.View(), 90, 1, 1);
    RotateBitmap(picture.View(), PixelView24{}, 90, 1, 1);
    RotateBitmapInPlace(PixelView24{}, 90);
    EXPECT_EQ(picture.bytes, before);
}

}  // namespace
}  // namespace corvina
