#include "sys/fit_pixels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

namespace corvina {
namespace {

// Each source pixel carries its column in blue and its row in green; red
// is fixed so that a channel mix-up shows.
struct Source {
    int width;
    int height;
    std::vector<std::uint8_t> bytes;

    Source(int w, int h) : width(w), height(h), bytes(static_cast<std::size_t>(3 * w * h)) {
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                std::uint8_t* pixel = &bytes[static_cast<std::size_t>(3 * (y * w + x))];
                pixel[0] = static_cast<std::uint8_t>(x);
                pixel[1] = static_cast<std::uint8_t>(y);
                pixel[2] = 200;
            }
        }
    }
    PixelView24 View() { return {bytes.data(), width, height, 3 * width}; }
    // Stored bottom row first, as a bottom-up DIB is.
    PixelView24 BottomUpView() {
        std::vector<std::uint8_t> flipped(bytes.size());
        const auto row = static_cast<std::size_t>(3 * width);
        for (int y = 0; y < height; ++y) {
            std::copy_n(&bytes[static_cast<std::size_t>(y) * row], row,
                        &flipped[static_cast<std::size_t>(height - 1 - y) * row]);
        }
        bytes = std::move(flipped);
        return {bytes.data() + static_cast<std::ptrdiff_t>((height - 1) * 3 * width), width, height, -3 * width};
    }
};

// A padded stride: bytes past each row must stay as they were.
struct Destination {
    static constexpr std::uint8_t kPad = 0xAB;
    int width;
    int height;
    std::ptrdiff_t stride;
    std::vector<std::uint8_t> bytes;

    Destination(int w, int h)
        : width(w), height(h), stride(4 * w + 8), bytes(static_cast<std::size_t>(stride * h), kPad) {}
    PixelView32 View() { return {bytes.data(), width, height, stride}; }
    const std::uint8_t* At(int x, int y) const { return &bytes[static_cast<std::size_t>(y * stride + 4 * x)]; }
    // The source column and row a pixel was taken from.
    std::pair<int, int> From(int x, int y) const { return {At(x, y)[0], At(x, y)[1]}; }
};

void ExpectTakenFrom(const Destination& fitted, const std::vector<int>& columns, const std::vector<int>& rows) {
    for (int y = 0; y < fitted.height; ++y) {
        for (int x = 0; x < fitted.width; ++x) {
            const std::uint8_t* pixel = fitted.At(x, y);
            EXPECT_EQ(fitted.From(x, y),
                      std::make_pair(columns[static_cast<std::size_t>(x)], rows[static_cast<std::size_t>(y)]))
                << "at " << x << ", " << y;
            EXPECT_EQ(pixel[2], 200);
            EXPECT_EQ(pixel[3], 0);
        }
        for (std::ptrdiff_t pad = 4 * fitted.width; pad < fitted.stride; ++pad) {
            EXPECT_EQ(fitted.bytes[static_cast<std::size_t>(y * fitted.stride + pad)], Destination::kPad);
        }
    }
}

TEST(FitNearest, TakesTheSourcePixelUnderEachPixelsCentre) {
    {
        Source source(4, 3);
        Destination same(4, 3);
        FitNearest(source.View(), same.View());
        ExpectTakenFrom(same, {0, 1, 2, 3}, {0, 1, 2});
    }
    {
        Source source(4, 4);
        Destination half(2, 2);
        FitNearest(source.View(), half.View());
        ExpectTakenFrom(half, {1, 3}, {1, 3});
    }
    {
        Source source(2, 3);
        Destination larger(5, 4);
        FitNearest(source.BottomUpView(), larger.View());
        ExpectTakenFrom(larger, {0, 0, 1, 1, 1}, {0, 1, 1, 2});
    }
}

TEST(FitNearest, AMenuPictureReachesBothEdgesAndNoFurther) {
    Source source(240, 180);
    Destination fitted(204, 136);
    FitNearest(source.View(), fitted.View());
    EXPECT_EQ(fitted.From(0, 0), std::make_pair(0, 0));
    EXPECT_EQ(fitted.From(203, 135), std::make_pair(239, 179));
    for (int x = 1; x < fitted.width; ++x) EXPECT_GT(fitted.From(x, 0).first, fitted.From(x - 1, 0).first);
}

TEST(FitNearest, AnEmptySideWritesNothing) {
    Source source(3, 3);
    Destination fitted(2, 2);
    FitNearest(PixelView24{source.bytes.data(), 0, 3, 0}, fitted.View());
    FitNearest(source.View(), PixelView32{fitted.bytes.data(), 2, 0, fitted.stride});
    for (const std::uint8_t byte : fitted.bytes) EXPECT_EQ(byte, Destination::kPad);
}

}  // namespace
}  // namespace corvina
