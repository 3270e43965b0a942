#include "ui/bitmap.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "support/gdi_leak_check.h"
#include "support/memory_dib.h"
#include "support/temp_folder.h"
#include "sys/files.h"
#include "sys/rotate_bitmap.h"
#include "sys/text.h"
#include "ui/bitmap_canvas.h"
#include "ui/canvas.h"
#include "ui/color.h"
#include "ui/picture_error.h"

namespace corvina::ui {
namespace {

constexpr Color kRed = Color::Rgb(255, 0, 0);
constexpr Color kGreen = Color::Rgb(0, 255, 0);
constexpr Color kBlue = Color::Rgb(0, 0, 255);
constexpr Color kWhite = Color::Rgb(255, 255, 255);

void Put(std::string& s, std::size_t at, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) s[at + static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

// A .bmp file whose pixel (x, y) has the colour `code(x, y)`; 8-bit files
// get a palette where entry i is the colour of code i.
template <typename Code>
std::string BmpFile(int width, int height, int bits, bool topDown, Code code) {
    const std::size_t palette = bits == 8 ? 1024 : 0;
    const std::size_t rowBytes = ((static_cast<std::size_t>(width) * static_cast<std::size_t>(bits) + 31) / 32) * 4;
    const std::size_t offset = 54 + palette;
    std::string s(offset + rowBytes * static_cast<std::size_t>(height), '\0');
    s[0] = 'B';
    s[1] = 'M';
    Put(s, 2, static_cast<std::uint32_t>(s.size()), 4);
    Put(s, 10, static_cast<std::uint32_t>(offset), 4);
    Put(s, 14, 40, 4);
    Put(s, 18, static_cast<std::uint32_t>(width), 4);
    Put(s, 22, static_cast<std::uint32_t>(topDown ? -height : height), 4);
    Put(s, 26, 1, 2);
    Put(s, 28, static_cast<std::uint32_t>(bits), 2);
    for (std::uint32_t i = 0; i < palette / 4; ++i) Put(s, 54 + 4 * i, (i * 0x010305u) & 0xFFFFFF, 4);
    for (int y = 0; y < height; ++y) {
        const int stored = topDown ? y : height - 1 - y;
        for (int x = 0; x < width; ++x) {
            const std::size_t at = offset + static_cast<std::size_t>(stored) * rowBytes;
            if (bits == 8) {
                s[at + static_cast<std::size_t>(x)] = static_cast<char>(code(x, y));
            } else {
                const Color c = Color{code(x, y)};  // 0x00BBGGRR
                const std::size_t p = at + 3 * static_cast<std::size_t>(x);
                s[p] = static_cast<char>(c.Blue());
                s[p + 1] = static_cast<char>(c.Green());
                s[p + 2] = static_cast<char>(c.Red());
            }
        }
    }
    return s;
}

std::uint32_t Code(int x, int y) { return static_cast<std::uint32_t>(0x102030 + 0x040404 * (5 * y + x)); }

using BitmapTest = test::NoGdiLeaks;

TEST_F(BitmapTest, NewBitmapsAreWhiteAndEmptyOnesHaveNoSize) {
    const Bitmap bitmap(3, 2);
    EXPECT_FALSE(bitmap.Empty());
    EXPECT_EQ(bitmap.Width(), 3);
    EXPECT_EQ(bitmap.Height(), 2);
    EXPECT_EQ(bitmap.Pixel({2, 1}), kWhite);
    EXPECT_EQ(bitmap.Pixel({3, 0}), kColorNone);

    EXPECT_TRUE(Bitmap().Empty());
    EXPECT_TRUE(Bitmap(0, 5).Empty());
    EXPECT_EQ(Bitmap(0, 5).Width(), 0);
}

TEST_F(BitmapTest, PixelViewAndGdiSeeTheSamePixels) {
    Bitmap bitmap(5, 3);  // 15 bytes a row: the stride is padded to 16
    const PixelView24 view = bitmap.Pixels();
    EXPECT_EQ(view.width, 5);
    EXPECT_EQ(view.height, 3);
    EXPECT_EQ(view.stride, 16);
    std::uint8_t* p = view.Pixel(4, 2);
    p[0] = 0x11;  // blue
    p[1] = 0x22;
    p[2] = 0x33;  // red
    {
        BitmapCanvas paint(bitmap);
        EXPECT_EQ(paint->Pixel({4, 2}), Color::Rgb(0x33, 0x22, 0x11)) << "row 0 of the view is the top row";
        paint->SetPixel({0, 0}, kBlue);
    }
    const PixelView24 again = bitmap.Pixels();
    EXPECT_EQ(again.Pixel(0, 0)[0], 0xFF);
    EXPECT_EQ(again.Pixel(0, 0)[2], 0x00);
}

TEST_F(BitmapTest, TheViewCanBeTurnedInPlace) {
    Bitmap bitmap(3, 3);
    {
        BitmapCanvas paint(bitmap);
        paint->SetPixel({0, 0}, kRed);
    }
    RotateBitmapInPlace(bitmap.Pixels(), 90);
    EXPECT_EQ(bitmap.Pixel({2, 0}), kRed) << "a quarter turn clockwise";
    EXPECT_EQ(bitmap.Pixel({0, 0}), kWhite);
}

TEST_F(BitmapTest, CopiesShareOneDibUntilEitherIsWrittenTo) {
    Bitmap original(2, 2);
    original.SetTransparent(true);
    original.SetTransparentColor(kGreen);
    const long before = win32::GdiObject<HBITMAP>::Live();
    Bitmap copy = original;
    const Bitmap third = original;
    EXPECT_EQ(win32::GdiObject<HBITMAP>::Live(), before) << "copies cost no GDI object";
    EXPECT_TRUE(copy.SharesPixelsWith(original));

    {
        BitmapCanvas paint(copy);  // drawing into a shared DIB takes a copy first
        paint->SetPixel({0, 0}, kRed);
    }
    EXPECT_EQ(copy.Pixel({0, 0}), kRed);
    EXPECT_EQ(original.Pixel({0, 0}), kWhite);
    EXPECT_EQ(third.Pixel({0, 0}), kWhite);
    EXPECT_FALSE(copy.SharesPixelsWith(original));
    EXPECT_TRUE(third.SharesPixelsWith(original));
    EXPECT_TRUE(copy.Transparent());
    EXPECT_EQ(copy.TransparentColor(), kGreen);

    RotateBitmapInPlace(original.Pixels(), 90);  // so does writing through the view
    EXPECT_FALSE(third.SharesPixelsWith(original));

    Bitmap moved = std::move(copy);
    EXPECT_TRUE(copy.Empty());  // NOLINT(bugprone-use-after-move): a moved-from bitmap is empty
    EXPECT_EQ(copy.Width(), 0);
    EXPECT_EQ(moved.Pixel({0, 0}), kRed);
}

TEST_F(BitmapTest, ALoneBitmapIsWrittenInPlace) {
    Bitmap bitmap(2, 2);
    const HBITMAP handle = bitmap.Handle();
    bitmap.Pixels();
    { BitmapCanvas paint(bitmap); }
    EXPECT_EQ(bitmap.Handle(), handle);
}

TEST_F(BitmapTest, TransparentColourIsTheBottomLeftPixelUnlessSet) {
    Bitmap bitmap(4, 4);
    {
        BitmapCanvas paint(bitmap);
        paint->SetPixel({0, 3}, kBlue);
    }
    EXPECT_EQ(bitmap.TransparentColor(), kBlue);
    bitmap.SetTransparentColor(kRed);
    EXPECT_EQ(bitmap.TransparentColor(), kRed);
    bitmap.ResetTransparentColor();
    EXPECT_EQ(bitmap.TransparentColor(), kBlue);
}

TEST_F(BitmapTest, ReadsBmpFilesOfEveryLayout) {
    const test::TempFolder folder;
    const Big5 path = folder.File(T(u8"圖片.bmp"));

    WriteFileBytes(path, BmpFile(5, 3, 24, false, Code));
    Bitmap bottomUp = Bitmap::LoadFromFile(path);
    ASSERT_EQ(bottomUp.Width(), 5);
    ASSERT_EQ(bottomUp.Height(), 3);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) EXPECT_EQ(bottomUp.Pixel({x, y}), Color{Code(x, y)}) << x << "," << y;
    }

    WriteFileBytes(path, BmpFile(5, 3, 24, true, Code));
    EXPECT_EQ(Bitmap::LoadFromFile(path).Pixel({4, 0}), Color{Code(4, 0)}) << "top-down";

    WriteFileBytes(path, BmpFile(4, 2, 8, false, [](int x, int y) { return static_cast<std::uint32_t>(4 * y + x); }));
    const Bitmap paletted = Bitmap::LoadFromFile(path);
    EXPECT_EQ(paletted.Pixel({3, 1}), Color::Rgb(0x07, 0x15, 0x23)) << "entry 7 of the palette";
}

TEST_F(BitmapTest, UnreadableFilesThrowNamingTheFile) {
    const test::TempFolder folder;
    const Big5 path = folder.File(T(u8"壞圖.bmp"));
    auto expectError = [&](const char* why) {
        try {
            (void)Bitmap::LoadFromFile(path);
            ADD_FAILURE() << why;
        } catch (const PictureError& error) {
            EXPECT_NE(std::string(error.what()).find(path), std::string::npos) << why;
            EXPECT_EQ(error.File(), path);
        }
    };
    expectError("missing");
    const std::string good = BmpFile(5, 3, 24, false, Code);
    WriteFileBytes(path, good.substr(0, good.size() - 4));
    expectError("cut short");
    WriteFileBytes(path, "hello");
    expectError("not a bitmap");
}

TEST_F(BitmapTest, CopiesOtherGdiBitmaps) {
    test::MemoryDib dib(3, 2, RGB(255, 0, 0));
    dib.Set(2, 0, RGB(0, 255, 0));
    const win32::GdiObject<HBITMAP> handle = dib.Take();
    const Bitmap copy = Bitmap::FromHandle(handle.Get());
    EXPECT_EQ(copy.Width(), 3);
    EXPECT_EQ(copy.Height(), 2);
    EXPECT_EQ(copy.Pixel({0, 1}), kRed);
    EXPECT_EQ(copy.Pixel({2, 0}), kGreen);
    EXPECT_TRUE(Bitmap::FromHandle(nullptr).Empty());
}

TEST_F(BitmapTest, LoadsBitmapResourcesByName) {
    const Bitmap bitmap = Bitmap::LoadFromResource("TESTBMP");
    ASSERT_EQ(bitmap.Width(), 2);
    ASSERT_EQ(bitmap.Height(), 2);
    EXPECT_EQ(bitmap.Pixel({0, 0}), kRed);
    EXPECT_EQ(bitmap.Pixel({1, 0}), kWhite);
    EXPECT_EQ(bitmap.Pixel({0, 1}), kBlue);
    EXPECT_EQ(bitmap.Pixel({1, 1}), kGreen);

    try {
        (void)Bitmap::LoadFromResource("NOSUCHBMP");
        ADD_FAILURE() << "no such resource";
    } catch (const PictureError& error) {
        EXPECT_NE(std::string(error.what()).find("NOSUCHBMP"), std::string::npos);
    }
}

// Drawn at its own size, a transparent picture goes through a mask made
// once; the mask must follow the colour asked for and the pixels.
TEST_F(BitmapTest, TransparentDrawingLeavesTheGroundAndFollowsColourAndPixels) {
    Bitmap bitmap(4, 4);
    {
        const PixelView24 pixels = bitmap.Pixels();
        for (int y = 0; y < 4; ++y) {
            for (int x = 0; x < 4; ++x) {
                const Color c = x == 2 && y == 1 ? kGreen : kBlue;
                pixels.Pixel(x, y)[0] = c.Blue();
                pixels.Pixel(x, y)[1] = c.Green();
                pixels.Pixel(x, y)[2] = c.Red();
            }
        }
    }
    bitmap.SetTransparent(true);
    bitmap.SetTransparentColor(kBlue);
    const auto drawnAt = [](const Bitmap& picture, int x, int y) {
        const test::MemoryDib dib(6, 6, ToColorRef(kWhite));
        {
            Canvas canvas(dib.Dc());
            picture.Draw(canvas, {1, 1});
        }
        return dib.At(x, y);
    };
    EXPECT_EQ(drawnAt(bitmap, 1, 1), ToColorRef(kWhite)) << "the ground through the transparent colour";
    EXPECT_EQ(drawnAt(bitmap, 3, 2), ToColorRef(kGreen));

    bitmap.Pixels().Pixel(0, 0)[2] = 255;  // blue turns magenta
    EXPECT_EQ(drawnAt(bitmap, 1, 1), ToColorRef(Color::Rgb(255, 0, 255))) << "a changed pixel shows";
    EXPECT_EQ(drawnAt(bitmap, 2, 2), ToColorRef(kWhite));

    Bitmap copy = bitmap;
    copy.SetTransparentColor(kGreen);
    EXPECT_EQ(drawnAt(copy, 3, 2), ToColorRef(kWhite)) << "another transparent colour, another mask";
    EXPECT_EQ(drawnAt(copy, 2, 2), ToColorRef(kBlue));
    EXPECT_EQ(drawnAt(bitmap, 3, 2), ToColorRef(kGreen));
}

// Whatever the depth and however few or many pieces its opaque part has,
// a transparent picture leaves exactly its transparent pixels unpainted.
TEST_F(BitmapTest, EveryPixelLandsInBothDepthsWhetherCopiedInPiecesOrMasked) {
    constexpr int kSide = 7;
    const auto make = [](bool checker) {
        Bitmap bitmap(kSide, kSide);
        const PixelView24 pixels = bitmap.Pixels();
        for (int y = 0; y < kSide; ++y) {
            for (int x = 0; x < kSide; ++x) {
                const bool corner = (x < 2 || x >= kSide - 2) && (y < 2 || y >= kSide - 2) && (x + y) % 2 == 0;
                const bool hole = checker ? (x + y) % 2 == 1 : corner;
                const Color c = hole ? kBlue
                                     : Color::Rgb(static_cast<std::uint8_t>(Code(x, y) & 0xFF),
                                                  static_cast<std::uint8_t>(9 * y), static_cast<std::uint8_t>(9 * x));
                pixels.Pixel(x, y)[0] = c.Blue();
                pixels.Pixel(x, y)[1] = c.Green();
                pixels.Pixel(x, y)[2] = c.Red();
            }
        }
        bitmap.SetTransparent(true);
        bitmap.SetTransparentColor(kBlue);
        return bitmap;
    };
    for (const bool checker : {false, true}) {
        const Bitmap narrow = make(checker);
        const Bitmap wide = narrow.ForDrawing();
        ASSERT_EQ(wide.Depth(), PixelDepth::Bgrx32);
        EXPECT_TRUE(wide.Transparent());
        EXPECT_EQ(wide.ByteSize(), static_cast<std::size_t>(4 * kSide * kSide));
        for (const Bitmap* picture : {&narrow, &wide}) {
            const test::MemoryDib dib(kSide + 3, kSide + 3, ToColorRef(kWhite), true);
            {
                Canvas canvas(dib.Dc());
                picture->Draw(canvas, {2, 1});
            }
            for (int y = 0; y < kSide; ++y) {
                for (int x = 0; x < kSide; ++x) {
                    const Color c = narrow.Pixel({x, y});
                    EXPECT_EQ(dib.At(x + 2, y + 1), ToColorRef(c == kBlue ? kWhite : c))
                        << x << "," << y << (checker ? " masked" : " in pieces") << ", depth "
                        << static_cast<int>(picture->Depth());
                }
            }
            EXPECT_EQ(dib.At(1, 1), ToColorRef(kWhite)) << "nothing beside the picture";
        }
    }

    // Read back as 24-bit pixels, the wide copy is the picture it came from,
    // and stretched it still fills the whole place.
    Bitmap wide = make(false).ForDrawing();
    wide.SetTransparent(false);
    const test::MemoryDib stretched(2 * kSide, 2 * kSide, ToColorRef(kWhite));
    {
        Canvas canvas(stretched.Dc());
        wide.StretchDraw(canvas, {0, 0, 2 * kSide, 2 * kSide});
    }
    EXPECT_EQ(stretched.At(2 * kSide - 1, 2 * kSide - 1), ToColorRef(wide.Pixel({kSide - 1, kSide - 1})));
    EXPECT_EQ(stretched.At(5, 4), ToColorRef(wide.Pixel({2, 2})));
    const Color middle = wide.Pixel({3, 4});
    const PixelView24 back = wide.Pixels();
    EXPECT_EQ(wide.Depth(), PixelDepth::Bgr24);
    EXPECT_EQ(Color::Rgb(back.Pixel(3, 4)[2], back.Pixel(3, 4)[1], back.Pixel(3, 4)[0]), middle);
}

}  // namespace
}  // namespace corvina::ui
