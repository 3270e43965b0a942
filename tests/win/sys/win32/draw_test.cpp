#include "sys/win32/draw.h"

#include <gtest/gtest.h>

#include "support/memory_dib.h"

namespace corvina::win32 {
namespace {

using test::MemoryDib;

constexpr COLORREF kRed = 0x0000FF;
constexpr COLORREF kBlue = 0xFF0000;
constexpr COLORREF kGreen = 0x00FF00;
constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kSilver = 0xC0C0C0;

TEST(DrawBevel, SidesAndCornersGoToTheLineThatReachesThemFirst) {
    const MemoryDib dib(20, 20, kGreen);
    DrawBevel(dib.Dc(), {2, 3, 12, 10}, Color{kRed}, Color{kBlue});

    EXPECT_EQ(dib.At(2, 3), kRed);    // top-left
    EXPECT_EQ(dib.At(2, 9), kRed);    // bottom-left
    EXPECT_EQ(dib.At(11, 3), kBlue);  // top-right: the end point of the first line
    EXPECT_EQ(dib.At(11, 9), kBlue);  // bottom-right
    EXPECT_EQ(dib.At(2, 6), kRed);
    EXPECT_EQ(dib.At(7, 3), kRed);
    EXPECT_EQ(dib.At(11, 6), kBlue);
    EXPECT_EQ(dib.At(7, 9), kBlue);
    // Nothing inside or beyond the right and bottom edges.
    EXPECT_EQ(dib.At(3, 4), kGreen);
    EXPECT_EQ(dib.At(12, 3), kGreen);
    EXPECT_EQ(dib.At(2, 10), kGreen);
}

TEST(DrawBevel, LeavesTheCallersPenInPlace) {
    const MemoryDib dib(8, 8, kGreen);
    HGDIOBJ before = GetCurrentObject(dib.Dc(), OBJ_PEN);
    const long pens = GdiObject<HPEN>::Live();
    DrawBevel(dib.Dc(), {0, 0, 8, 8}, Color::System(COLOR_BTNHIGHLIGHT), Color::System(COLOR_BTNSHADOW));
    EXPECT_EQ(GetCurrentObject(dib.Dc(), OBJ_PEN), before);
    EXPECT_EQ(GdiObject<HPEN>::Live(), pens);
    EXPECT_EQ(dib.At(0, 0), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(dib.At(7, 7), GetSysColor(COLOR_BTNSHADOW));
}

TEST(FillDither, PaintsACheckerboardOfWhiteAndSilverAndRestoresTheDc) {
    const MemoryDib dib(16, 16, kGreen);
    SetTextColor(dib.Dc(), kRed);
    SetBkColor(dib.Dc(), kBlue);
    HGDIOBJ brushBefore = GetCurrentObject(dib.Dc(), OBJ_BRUSH);

    FillDither(dib.Dc(), {2, 2, 14, 14}, PATCOPY);

    for (int y = 2; y < 14; ++y) {
        for (int x = 2; x < 14; ++x) {
            const COLORREF pixel = dib.At(x, y);
            EXPECT_TRUE(pixel == kWhite || pixel == kSilver) << x << "," << y;
            EXPECT_NE(pixel, dib.At(x + 1 < 14 ? x + 1 : x - 1, y)) << x << "," << y;
            EXPECT_NE(pixel, dib.At(x, y + 1 < 14 ? y + 1 : y - 1)) << x << "," << y;
        }
    }
    EXPECT_EQ(dib.At(1, 1), kGreen);
    EXPECT_EQ(dib.At(14, 14), kGreen);
    EXPECT_EQ(GetTextColor(dib.Dc()), kRed);
    EXPECT_EQ(GetBkColor(dib.Dc()), kBlue);
    EXPECT_EQ(GetCurrentObject(dib.Dc(), OBJ_BRUSH), brushBefore);
}

TEST(FillDither, OtherRasterOperationsCombineWithWhatIsThere) {
    // Pattern AND destination: black stays black under both colours.
    const MemoryDib dib(4, 4, 0x000000);
    FillDither(dib.Dc(), {0, 0, 4, 4}, 0x00A000C9);
    EXPECT_EQ(dib.At(0, 0), 0x000000u);
    EXPECT_EQ(dib.At(1, 0), 0x000000u);
}

// Every pixel of a picture up to 4 × 4 different.
COLORREF Code(int x, int y) { return static_cast<COLORREF>(0x102030 + 0x010101 * (4 * y + x)); }

TEST(RotateBitmapInPlace, ADibTurnsAQuarterClockwiseOnTheScreenAndStaysByZero) {
    // 3 pixels wide leaves padding at each row's end.
    for (int n : {4, 3}) {
        for (bool topDown : {false, true}) {
            SCOPED_TRACE(testing::Message() << n << (topDown ? " top-down" : " bottom-up"));
            MemoryDib painted(n, n, 0, topDown);
            for (int y = 0; y < n; ++y) {
                for (int x = 0; x < n; ++x) painted.Set(x, y, Code(x, y));
            }
            const GdiObject<HBITMAP> dib = painted.Take();

            ASSERT_TRUE(RotateBitmapInPlace(dib.Get(), 0));
            for (int y = 0; y < n; ++y) {
                for (int x = 0; x < n; ++x) EXPECT_EQ(BitmapPixel(dib.Get(), x, y), Code(x, y)) << x << "," << y;
            }

            ASSERT_TRUE(RotateBitmapInPlace(dib.Get(), 90));
            for (int y = 0; y < n; ++y) {
                for (int x = 0; x < n; ++x) {
                    EXPECT_EQ(BitmapPixel(dib.Get(), x, y), Code(y, n - 1 - x)) << x << "," << y;
                }
            }
        }
    }
}

TEST(RotateBitmapInPlace, RefusesOtherPixelFormats) {
    const GdiObject<HBITMAP> mono(CreateBitmap(4, 4, 1, 1, nullptr));
    EXPECT_FALSE(RotateBitmapInPlace(mono.Get(), 90));
    EXPECT_FALSE(RotateBitmapInPlace(nullptr, 90));
}

TEST(DrawBitmapTransparent, StretchesAndSkipsTheTransparentColour) {
    MemoryDib painted(2, 2, kRed);
    painted.Set(1, 1, kBlue);
    const GdiObject<HBITMAP> glyph = painted.Take();
    ASSERT_EQ(BitmapPixel(glyph.Get(), 1, 1), kBlue);

    const MemoryDib target(8, 8, kGreen);
    DrawBitmapTransparent(target.Dc(), {2, 2, 6, 6}, glyph.Get(), kBlue);
    EXPECT_EQ(target.At(2, 2), kRed);
    EXPECT_EQ(target.At(5, 3), kRed);
    EXPECT_EQ(target.At(3, 5), kRed);
    EXPECT_EQ(target.At(4, 4), kGreen);
    EXPECT_EQ(target.At(5, 5), kGreen);
    EXPECT_EQ(target.At(6, 2), kGreen);
    EXPECT_EQ(target.At(1, 1), kGreen);
}

TEST(ContrastColor, UsesThisMachinesSystemColours) {
    EXPECT_EQ(ContrastColor(Color{0x808080}), Color{0});
    EXPECT_EQ(ContrastColor(Color::System(COLOR_WINDOW)), Color{0xFFFFFFu - GetSysColor(COLOR_WINDOW)});
}

}  // namespace
}  // namespace corvina::win32
