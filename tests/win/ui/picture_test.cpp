#include "ui/picture.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "support/gdi_leak_check.h"
#include "support/memory_dib.h"
#include "support/temp_folder.h"
#include "sys/files.h"
#include "sys/text.h"
#include "ui/canvas.h"
#include "ui/color.h"
#include "ui/jpeg_decoder.h"
#include "ui/picture_error.h"

namespace corvina::ui {
namespace {

constexpr COLORREF kGround = RGB(10, 20, 30);

// A JPEG of `components` samples a pixel in `space`; `sample(x, c)` gives
// sample c of column x, the same on every row.
template <typename Sample>
std::string EncodeJpeg(int width, int height, int components, J_COLOR_SPACE space, Sample sample) {
    const auto n = static_cast<std::size_t>(components);
    std::vector<unsigned char> row(n * static_cast<std::size_t>(width));
    for (int x = 0; x < width; ++x) {
        for (int c = 0; c < components; ++c) {
            row[n * static_cast<std::size_t>(x) + static_cast<std::size_t>(c)] = sample(x, c);
        }
    }
    jpeg_compress_struct info{};
    jpeg_error_mgr error{};
    info.err = jpeg_std_error(&error);  // valid input: libjpeg's own exit on error never runs
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = components;
    info.in_color_space = space;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    JSAMPROW rowPointer = row.data();
    while (info.next_scanline < info.image_height) jpeg_write_scanlines(&info, &rowPointer, 1);
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::string bytes(reinterpret_cast<const char*>(buffer), size);
    std::free(buffer);
    return bytes;
}

// Left half red, right half blue: colours that survive JPEG compression.
std::string EncodeJpeg(int width, int height) {
    return EncodeJpeg(width, height, 3, JCS_RGB, [width](int x, int c) -> unsigned char {
        const bool left = x < width / 2;
        return (c == 0 && left) || (c == 2 && !left) ? 255 : 0;
    });
}

void Put(std::string& s, std::size_t at, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) s[at + static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

// One 32-bit image, opaque, of one colour.
std::string IconFile(int side, Color color) {
    const auto n = static_cast<std::size_t>(side);
    const std::size_t image = 40 + 4 * n * n + 4 * n;  // header, colours, AND-mask rows of 4 bytes
    std::string s(6 + 16 + image, '\0');
    Put(s, 2, 1, 2);
    Put(s, 4, 1, 2);
    s[6] = static_cast<char>(side);
    s[7] = static_cast<char>(side);
    Put(s, 6 + 4, 1, 2);
    Put(s, 6 + 6, 32, 2);
    Put(s, 6 + 8, static_cast<std::uint32_t>(image), 4);
    Put(s, 6 + 12, 22, 4);
    Put(s, 22, 40, 4);
    Put(s, 26, static_cast<std::uint32_t>(side), 4);
    Put(s, 30, static_cast<std::uint32_t>(2 * side), 4);  // colours and mask
    Put(s, 34, 1, 2);
    Put(s, 36, 32, 2);
    for (std::size_t i = 0; i < n * n; ++i) {
        const std::size_t p = 62 + 4 * i;
        s[p] = static_cast<char>(color.Blue());
        s[p + 1] = static_cast<char>(color.Green());
        s[p + 2] = static_cast<char>(color.Red());
        s[p + 3] = static_cast<char>(0xFF);
    }
    return s;
}

int ScreenDpi() {
    const win32::ReleasedDC screen = win32::ReleasedDC::Of(nullptr);
    return GetDeviceCaps(screen.Get(), LOGPIXELSX);
}

// A width × height (pixels) enhanced metafile filled green, as file bytes.
std::string EmfFile(int width, int height) {
    const int dpi = ScreenDpi();
    const RECT frame{0, 0, width * 2540 / dpi, height * 2540 / dpi};
    win32::ScopedEnhMetaFile metafile;
    {
        HDC recorder = CreateEnhMetaFileW(nullptr, nullptr, &frame, nullptr);
        const win32::GdiObject<HBRUSH> green(CreateSolidBrush(RGB(0, 255, 0)));
        const RECT all{0, 0, width, height};
        FillRect(recorder, &all, green.Get());
        metafile.Reset(CloseEnhMetaFile(recorder));
    }
    const UINT size = GetEnhMetaFileBits(metafile.Get(), 0, nullptr);
    std::string bytes(size, '\0');
    GetEnhMetaFileBits(metafile.Get(), size, reinterpret_cast<BYTE*>(bytes.data()));
    return bytes;
}

// The same drawing as a Windows metafile behind a placeable header that
// gives its size in twips (1/1440 inch).
std::string PlaceableWmfFile(int width, int height) {
    const std::string emf = EmfFile(width, height);
    const win32::ScopedEnhMetaFile metafile(
        SetEnhMetaFileBits(static_cast<UINT>(emf.size()), reinterpret_cast<const BYTE*>(emf.data())));
    const win32::ReleasedDC screen = win32::ReleasedDC::Of(nullptr);
    const UINT size = GetWinMetaFileBits(metafile.Get(), 0, nullptr, MM_ANISOTROPIC, screen.Get());
    std::string wmf(size, '\0');
    GetWinMetaFileBits(metafile.Get(), size, reinterpret_cast<BYTE*>(wmf.data()), MM_ANISOTROPIC, screen.Get());

    std::string header(22, '\0');
    Put(header, 0, 0x9AC6CDD7, 4);
    Put(header, 10, static_cast<std::uint32_t>(width * 1440 / ScreenDpi()), 2);
    Put(header, 12, static_cast<std::uint32_t>(height * 1440 / ScreenDpi()), 2);
    Put(header, 14, 1440, 2);
    std::uint16_t checksum = 0;
    for (std::size_t i = 0; i < 20; i += 2)
        checksum ^= static_cast<std::uint16_t>(static_cast<unsigned char>(header[i]) |
                                               (static_cast<unsigned char>(header[i + 1]) << 8));
    Put(header, 20, checksum, 2);
    return header + wmf;
}

bool Near(Color a, Color b) {
    auto close = [](int x, int y) { return x - y < 40 && y - x < 40; };
    return close(a.Red(), b.Red()) && close(a.Green(), b.Green()) && close(a.Blue(), b.Blue());
}

class PictureTest : public test::NoGdiLeaks {
protected:
    Big5 Write(const char* name, const std::string& bytes) {
        const Big5 path = folder_.File(name);
        WriteFileBytes(path, bytes);
        return path;
    }

    test::TempFolder folder_;
};

TEST_F(PictureTest, ReadsJpegFilesWhole) {
    Picture picture;
    picture.LoadFromFile(Write("photo.jpg", EncodeJpeg(64, 32)));
    EXPECT_EQ(picture.GetKind(), Picture::Kind::Jpeg);
    ASSERT_EQ(picture.Width(), 64);
    ASSERT_EQ(picture.Height(), 32);
    ASSERT_NE(picture.Bitmap(), nullptr);
    EXPECT_TRUE(Near(picture.Bitmap()->Pixel({5, 16}), Color::Rgb(255, 0, 0)));
    EXPECT_TRUE(Near(picture.Bitmap()->Pixel({60, 16}), Color::Rgb(0, 0, 255)));

    const test::MemoryDib dib(70, 40, kGround);
    Canvas canvas(dib.Dc());
    canvas.Draw({3, 3}, picture);
    EXPECT_TRUE(Near(FromColorRef(dib.At(8, 20)), Color::Rgb(255, 0, 0)));
    EXPECT_EQ(dib.At(68, 38), kGround);
}

TEST_F(PictureTest, ReadsGreyAndCmykJpegs) {
    Picture picture;
    picture.LoadFromFile(
        Write("grey.jpg", EncodeJpeg(16, 8, 1, JCS_GRAYSCALE, [](int, int) -> unsigned char { return 128; })));
    EXPECT_TRUE(Near(picture.Bitmap()->Pixel({8, 4}), Color::Rgb(128, 128, 128)));

    // libjpeg marks CMYK files as Adobe's, whose inks are stored inverted: red is
    // full magenta and yellow, no cyan, no black.
    constexpr std::array<unsigned char, 4> kInvertedRed{255, 0, 0, 255};
    picture.LoadFromFile(Write("print.jpg", EncodeJpeg(16, 8, 4, JCS_CMYK, [&](int, int c) {
                                   return kInvertedRed[static_cast<std::size_t>(c)];
                               })));
    EXPECT_EQ(picture.Width(), 16);
    EXPECT_TRUE(Near(picture.Bitmap()->Pixel({8, 4}), Color::Rgb(255, 0, 0))) << picture.Bitmap()->Pixel({8, 4}).value;
}

TEST_F(PictureTest, LargeJpegsDecodeReducedForASmallPlace) {
    const Big5 path = Write("big.jpg", EncodeJpeg(200, 100));
    Picture picture;
    picture.LoadFromFile(path, 30, 10);
    EXPECT_EQ(picture.Width(), 50) << "2/8: 1/8 would give fewer than 30 columns";
    EXPECT_EQ(picture.Height(), 25);
    EXPECT_TRUE(Near(picture.Bitmap()->Pixel({2, 12}), Color::Rgb(255, 0, 0)));

    picture.LoadFromFile(path, 25, 12);
    EXPECT_EQ(picture.Width(), 25);
    EXPECT_EQ(picture.Height(), 13) << "libjpeg rounds up";

    picture.LoadFromFile(path, 150, 50);
    EXPECT_EQ(picture.Width(), 150) << "6/8";
    EXPECT_EQ(picture.Height(), 75);

    picture.LoadFromFile(path, 176, 50);
    EXPECT_EQ(picture.Width(), 200) << "7/8 gives 175: too few";
}

// The menu's pictures are decoded into memory kept from one to the next and
// fitted from there into the bitmap that is drawn.
TEST_F(PictureTest, AJpegDecodedIntoKeptMemoryIsTheSamePictureAndFitsItsPlace) {
    std::vector<std::uint8_t> kept;
    const std::string photo = EncodeJpeg(200, 100);
    const Bitmap reference = DecodeJpeg(photo, "photo.jpg", 30, 10);
    const PixelView24 view = DecodeJpegInto(photo, "photo.jpg", 30, 10, kept);
    ASSERT_EQ(view.width, reference.Width());
    ASSERT_EQ(view.height, reference.Height());
    for (const Point at : {Point{2, 12}, Point{47, 3}, Point{25, 24}}) {
        const std::uint8_t* pixel = view.Pixel(at.x, at.y);
        EXPECT_EQ(Color::Rgb(pixel[2], pixel[1], pixel[0]), reference.Pixel(at));
    }

    const Bitmap fitted = Bitmap::Fitted(view, 20, 8);
    EXPECT_EQ(fitted.Depth(), PixelDepth::Bgrx32);
    ASSERT_EQ(fitted.Width(), 20);
    EXPECT_TRUE(Near(fitted.Pixel({1, 4}), Color::Rgb(255, 0, 0)));
    EXPECT_TRUE(Near(fitted.Pixel({18, 4}), Color::Rgb(0, 0, 255)));
    EXPECT_TRUE(Bitmap::Fitted(PixelView24{}, 20, 8).Empty());

    // The next picture, a print shop's, reuses the memory; a damaged one throws.
    constexpr std::array<unsigned char, 4> kInvertedRed{255, 0, 0, 255};
    const PixelView24 print = DecodeJpegInto(
        EncodeJpeg(16, 8, 4, JCS_CMYK, [&](int, int c) { return kInvertedRed[static_cast<std::size_t>(c)]; }),
        "print.jpg", 0, 0, kept);
    EXPECT_EQ(print.bits, kept.data());
    EXPECT_TRUE(
        Near(Color::Rgb(print.Pixel(8, 4)[2], print.Pixel(8, 4)[1], print.Pixel(8, 4)[0]), Color::Rgb(255, 0, 0)));
    EXPECT_THROW(DecodeJpegInto(photo.substr(0, 40), "cut.jpg", 0, 0, kept), PictureError);
}

TEST_F(PictureTest, ReadsBitmapsIconsAndMetafilesByContent) {
    Picture picture;
    picture.LoadFromFile(Write("icon.bmp", IconFile(16, Color::Rgb(255, 0, 0))));  // the name does not matter
    EXPECT_EQ(picture.GetKind(), Picture::Kind::Icon);
    EXPECT_EQ(picture.Width(), 16);
    EXPECT_EQ(picture.Height(), 16);
    EXPECT_EQ(picture.Bitmap(), nullptr);
    {
        const test::MemoryDib dib(40, 40, kGround);
        Canvas canvas(dib.Dc());
        canvas.Draw({2, 2}, picture);
        EXPECT_EQ(dib.At(10, 10), RGB(255, 0, 0));
        EXPECT_EQ(dib.At(20, 20), kGround);
        canvas.StretchDraw({20, 20, 40, 40}, picture);
        EXPECT_EQ(dib.At(38, 38), RGB(255, 0, 0));
    }

    picture.LoadFromFile(Write("drawing.emf", EmfFile(40, 30)));
    EXPECT_EQ(picture.GetKind(), Picture::Kind::Metafile);
    EXPECT_NEAR(picture.Width(), 40, 1);
    EXPECT_NEAR(picture.Height(), 30, 1);
    {
        const test::MemoryDib dib(100, 100, kGround);
        Canvas canvas(dib.Dc());
        canvas.StretchDraw({10, 10, 90, 90}, picture);
        EXPECT_EQ(dib.At(50, 50), RGB(0, 255, 0));
        EXPECT_EQ(dib.At(5, 5), kGround);
    }
}

TEST_F(PictureTest, ReadsWindowsMetafilesWithOrWithoutAPlaceableHeader) {
    const std::string placeable = PlaceableWmfFile(60, 20);
    Picture picture;
    picture.LoadFromFile(Write("drawing.wmf", placeable));
    EXPECT_EQ(picture.GetKind(), Picture::Kind::Metafile);
    EXPECT_NEAR(picture.Width(), 60, 1);
    EXPECT_NEAR(picture.Height(), 20, 1);
    const test::MemoryDib dib(100, 100, kGround);
    Canvas canvas(dib.Dc());
    canvas.StretchDraw({10, 10, 90, 90}, picture);
    EXPECT_EQ(dib.At(50, 50), RGB(0, 255, 0));
    EXPECT_EQ(dib.At(95, 95), kGround);

    picture.LoadFromFile(Write("plain.wmf", placeable.substr(22)));
    EXPECT_EQ(picture.GetKind(), Picture::Kind::Metafile);
    EXPECT_GT(picture.Width(), 0);
}

TEST_F(PictureTest, CopiesAreDeepForEveryKind) {
    Picture icon;
    icon.LoadFromFile(Write("a.ico", IconFile(16, Color::Rgb(0, 0, 255))));
    Picture metafile;
    metafile.LoadFromFile(Write("a.emf", EmfFile(20, 20)));
    Picture bitmap(Bitmap(4, 4));
    for (const Picture* original : {&icon, &metafile, &bitmap}) {
        auto copy = std::make_unique<Picture>(*original);
        EXPECT_EQ(copy->GetKind(), original->GetKind());
        EXPECT_EQ(copy->Width(), original->Width());
        copy.reset();
        // The original still draws after its copy is gone.
        const test::MemoryDib dib(30, 30, kGround);
        Canvas canvas(dib.Dc());
        canvas.Draw({0, 0}, *original);
        EXPECT_NE(dib.At(2, 2), kGround);
    }
}

TEST_F(PictureTest, DamagedOrForeignFilesThrowNamingTheFileAndKeepThePicture) {
    Picture picture(Bitmap(3, 3));
    const std::string jpeg = EncodeJpeg(16, 16);
    std::string garbled = jpeg.substr(0, 3) + std::string(200, '\x01');
    std::string cut = IconFile(16, Color::Rgb(1, 2, 3));
    cut.resize(cut.size() / 2);
    const std::vector<Big5> paths = {
        Write("broken.jpg", garbled),
        Write("broken.ico", cut),
        Write("broken.emf", EmfFile(10, 10).substr(0, 60)),
        Write("text.png", "not a picture"),
        Write("empty.bmp", ""),
        folder_.File(T(u8"不存在.jpg")),
    };
    for (const Big5& path : paths) {
        try {
            picture.LoadFromFile(path);
            ADD_FAILURE() << Utf8FromBig5(path) << " loaded";
        } catch (const PictureError& error) {
            EXPECT_NE(std::string(error.what()).find(path), std::string::npos) << Utf8FromBig5(error.what());
        }
        EXPECT_EQ(picture.GetKind(), Picture::Kind::Bitmap) << Utf8FromBig5(path);
        EXPECT_EQ(picture.Width(), 3);
    }
}

TEST_F(PictureTest, EmptyPicturesDrawNothing) {
    Picture picture;
    EXPECT_TRUE(picture.Empty());
    EXPECT_EQ(picture.Width(), 0);
    const test::MemoryDib dib(4, 4, kGround);
    Canvas canvas(dib.Dc());
    canvas.Draw({0, 0}, picture);
    canvas.StretchDraw({0, 0, 4, 4}, picture);
    EXPECT_EQ(dib.At(1, 1), kGround);

    picture.SetBitmap(Bitmap());
    EXPECT_TRUE(picture.Empty());
}

}  // namespace
}  // namespace corvina::ui
