#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "ui/bmp_layout.h"
#include "ui/icon_directory.h"
#include "ui/jpeg_scale.h"
#include "ui/metafile_header.h"
#include "ui/picture_format.h"

namespace corvina::ui {
namespace {

void Put16(std::string& s, std::size_t at, unsigned value) {
    s[at] = static_cast<char>(value & 0xFF);
    s[at + 1] = static_cast<char>((value >> 8) & 0xFF);
}
void Put32(std::string& s, std::size_t at, std::uint32_t value) {
    Put16(s, at, value & 0xFFFF);
    Put16(s, at + 2, value >> 16);
}

// A complete bitmap file: 40-byte header, palette for 8 bits and below.
std::string BmpFile(int width, int height, int bits, std::uint32_t compression = 0) {
    const std::size_t palette = bits <= 8 ? 4u << bits : 0;
    const std::size_t rowBytes = ((static_cast<std::size_t>(width) * static_cast<std::size_t>(bits) + 31) / 32) * 4;
    const std::size_t rows = static_cast<std::size_t>(height < 0 ? -height : height);
    const std::size_t offset = 14 + 40 + palette;
    std::string s(offset + rowBytes * rows, '\0');
    s[0] = 'B';
    s[1] = 'M';
    Put32(s, 2, static_cast<std::uint32_t>(s.size()));
    Put32(s, 10, static_cast<std::uint32_t>(offset));
    Put32(s, 14, 40);
    Put32(s, 18, static_cast<std::uint32_t>(width));
    Put32(s, 22, static_cast<std::uint32_t>(height));
    Put16(s, 26, 1);
    Put16(s, 28, static_cast<unsigned>(bits));
    Put32(s, 30, compression);
    return s;
}

TEST(DetectPictureFormat, TellsEachKindByItsFirstBytes) {
    EXPECT_EQ(DetectPictureFormat(BmpFile(2, 2, 24)), PictureFormat::Bitmap);
    EXPECT_EQ(DetectPictureFormat(std::string("\xFF\xD8\xFF\xE0", 4)), PictureFormat::Jpeg);
    EXPECT_EQ(DetectPictureFormat(std::string("\0\0\1\0\1\0", 6)), PictureFormat::Icon);

    std::string emf(88, '\0');
    Put32(emf, 0, 1);
    Put32(emf, 40, 0x464D4520);
    EXPECT_EQ(DetectPictureFormat(emf), PictureFormat::EnhMetafile);
    Put32(emf, 40, 0x464D4521);
    EXPECT_EQ(DetectPictureFormat(emf), PictureFormat::Unknown);

    EXPECT_EQ(DetectPictureFormat(std::string("\xD7\xCD\xC6\x9A", 4)), PictureFormat::Metafile);
    std::string wmf(18, '\0');
    Put16(wmf, 0, 1);
    Put16(wmf, 2, 9);
    Put16(wmf, 4, 0x300);
    EXPECT_EQ(DetectPictureFormat(wmf), PictureFormat::Metafile);
}

TEST(DetectPictureFormat, ShortOrForeignBytesAreUnknown) {
    EXPECT_EQ(DetectPictureFormat(""), PictureFormat::Unknown);
    EXPECT_EQ(DetectPictureFormat("B"), PictureFormat::Unknown);
    EXPECT_EQ(DetectPictureFormat("\xFF\xD8"), PictureFormat::Unknown);
    EXPECT_EQ(DetectPictureFormat("GIF89a"), PictureFormat::Unknown);
    EXPECT_EQ(DetectPictureFormat(std::string("\0\0\1\0\0\0", 6)), PictureFormat::Unknown);  // no images
    EXPECT_EQ(DetectPictureFormat("\x89PNG\r\n\x1a\n"), PictureFormat::Unknown);
}

TEST(ParseBmpFile, FindsTheBitsAfterThePaletteForEveryDepth) {
    for (int bits : {1, 4, 8, 16, 24, 32}) {
        const auto layout = ParseBmpFile(BmpFile(5, 3, bits));
        ASSERT_TRUE(layout) << bits;
        EXPECT_EQ(layout->infoOffset, 14u);
        EXPECT_EQ(layout->infoSize, 40u + (bits <= 8 ? 4u << bits : 0u));
        EXPECT_EQ(layout->bitsOffset, 14u + 40u + (bits <= 8 ? 4u << bits : 0u));
        EXPECT_EQ(layout->width, 5);
        EXPECT_EQ(layout->height, 3);
        EXPECT_EQ(layout->bitCount, bits);
    }
    const auto topDown = ParseBmpFile(BmpFile(4, -6, 24));
    ASSERT_TRUE(topDown);
    EXPECT_EQ(topDown->height, 6);
}

TEST(ParseBmpFile, RejectsDamagedFiles) {
    const std::string good = BmpFile(7, 5, 24);
    EXPECT_FALSE(ParseBmpFile(good.substr(0, good.size() - 1))) << "last row cut short";
    EXPECT_FALSE(ParseBmpFile(good.substr(0, 30))) << "header cut short";

    auto changed = [&](std::size_t at, std::uint32_t value, bool wide = true) {
        std::string s = good;
        if (wide)
            Put32(s, at, value);
        else
            Put16(s, at, value);
        return ParseBmpFile(s);
    };
    EXPECT_FALSE(changed(10, static_cast<std::uint32_t>(good.size()))) << "bits beyond the end";
    EXPECT_FALSE(changed(10, 20)) << "bits inside the header";
    EXPECT_FALSE(changed(14, 12)) << "old OS/2 header";
    EXPECT_FALSE(changed(18, 0)) << "no width";
    EXPECT_FALSE(changed(18, 0xFFFFFFFF)) << "negative width";
    EXPECT_FALSE(changed(22, 0)) << "no height";
    EXPECT_FALSE(changed(18, kMaxBitmapSide + 1)) << "absurd width";
    EXPECT_FALSE(changed(26, 2, false)) << "two planes";
    EXPECT_FALSE(changed(28, 7, false)) << "seven bits a pixel";
    EXPECT_FALSE(changed(30, 1)) << "RLE8 on a 24-bit picture";
    EXPECT_FALSE(changed(30, 9)) << "unknown compression";

    std::string palette = BmpFile(4, 4, 8);
    Put32(palette, 46, 257);
    EXPECT_FALSE(ParseBmpFile(palette)) << "palette larger than 8 bits allow";
}

TEST(ParseBmpFile, RunLengthPixelsAreBoundByTheirStatedSize) {
    std::string rle = BmpFile(4, 4, 8, 1);
    rle.resize(14 + 40 + 1024 + 6);
    Put32(rle, 34, 6);
    EXPECT_TRUE(ParseBmpFile(rle));
    Put32(rle, 34, 7);
    EXPECT_FALSE(ParseBmpFile(rle));
    Put32(rle, 22, static_cast<std::uint32_t>(-4));
    Put32(rle, 34, 6);
    EXPECT_FALSE(ParseBmpFile(rle)) << "run-length pixels cannot be stored top-down";
}

std::string IconFile(std::initializer_list<std::array<unsigned, 3>> entries, std::size_t imageSize = 40) {
    std::string s(6 + 16 * entries.size(), '\0');
    Put16(s, 2, 1);
    Put16(s, 4, static_cast<unsigned>(entries.size()));
    std::size_t at = 6;
    for (const auto& [side, bits, unused] : entries) {
        s[at] = static_cast<char>(side);
        s[at + 1] = static_cast<char>(side);
        Put16(s, at + 6, bits);
        Put32(s, at + 8, static_cast<std::uint32_t>(imageSize));
        Put32(s, at + 12, static_cast<std::uint32_t>(s.size()));
        s.append(imageSize, static_cast<char>(side));
        at += 16;
    }
    return s;
}

TEST(LargestIconImage, PicksTheLargestThenTheDeepest) {
    const std::string icon = IconFile({{16, 32, 0}, {32, 4, 0}, {32, 32, 0}, {32, 8, 0}});
    const auto image = LargestIconImage(icon);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width, 32);
    EXPECT_EQ(image->height, 32);
    EXPECT_EQ(icon[image->offset], 32);
    EXPECT_EQ(image->offset, 6u + 4 * 16 + 2 * 40);
    EXPECT_EQ(image->size, 40u);

    const auto big = LargestIconImage(IconFile({{48, 32, 0}, {0, 32, 0}}));
    ASSERT_TRUE(big);
    EXPECT_EQ(big->width, 256) << "a side of 0 means 256";
}

TEST(LargestIconImage, RejectsDirectoriesAndImagesPastTheEnd) {
    const std::string icon = IconFile({{16, 32, 0}});
    EXPECT_FALSE(LargestIconImage(icon.substr(0, icon.size() - 1)));
    EXPECT_FALSE(LargestIconImage(icon.substr(0, 10)));
    std::string cursor = icon;
    Put16(cursor, 2, 2);
    EXPECT_FALSE(LargestIconImage(cursor)) << "a cursor file";
    std::string hugeOffset = icon;
    Put32(hugeOffset, 6 + 12, 0xFFFFFFF0);
    EXPECT_FALSE(LargestIconImage(hugeOffset));
}

TEST(ParsePlaceableMetafile, GivesTheFrameAndWhereTheMetafileStarts) {
    std::string wmf(22 + 18, '\0');
    Put32(wmf, 0, 0x9AC6CDD7);
    Put16(wmf, 6, static_cast<unsigned>(-100 & 0xFFFF));
    Put16(wmf, 8, 0);
    Put16(wmf, 10, 1340);
    Put16(wmf, 12, 720);
    Put16(wmf, 14, 1440);
    const auto header = ParsePlaceableMetafile(wmf);
    ASSERT_TRUE(header);
    EXPECT_EQ(header->dataOffset, 22u);
    EXPECT_EQ(header->width, 1440);
    EXPECT_EQ(header->height, 720);
    EXPECT_EQ(UnitsToPixels(header->width, header->unitsPerInch, 96), 96);
    EXPECT_EQ(UnitsToPixels(header->height, header->unitsPerInch, 96), 48);

    Put16(wmf, 14, 0);
    EXPECT_FALSE(ParsePlaceableMetafile(wmf)) << "no units";
    Put16(wmf, 14, 1440);
    Put16(wmf, 12, 0);
    EXPECT_FALSE(ParsePlaceableMetafile(wmf)) << "empty frame";
    EXPECT_FALSE(ParsePlaceableMetafile(wmf.substr(0, 30)));
}

TEST(JpegScaleEighths, ReducesOnlyAsFarAsTheWantedSizeAllows) {
    EXPECT_EQ(JpegScaleEighths(1600, 1200, 200, 150), 1);
    EXPECT_EQ(JpegScaleEighths(1600, 1200, 201, 150), 2);
    EXPECT_EQ(JpegScaleEighths(640, 480, 208, 140), 3) << "240 x 180 is the first that covers the button";
    EXPECT_EQ(JpegScaleEighths(640, 480, 162, 110), 3);
    EXPECT_EQ(JpegScaleEighths(1600, 1200, 1400, 10), 7);
    EXPECT_EQ(JpegScaleEighths(1600, 1200, 1401, 600), 8);
    EXPECT_EQ(JpegScaleEighths(1600, 1200, 3200, 2400), 8) << "enlarged pictures decode whole";
    // Rounding up keeps odd sides whole: 1001 * 1/8 is 125.125, decoded as 126.
    EXPECT_EQ(JpegScaleEighths(1001, 1001, 126, 126), 1);
    EXPECT_EQ(ScaledJpegSide(1001, 1), 126);
    EXPECT_EQ(ScaledJpegSide(640, 3), 240);
}

TEST(JpegScaleEighths, NoWantedSizeMeansFullSize) {
    EXPECT_EQ(JpegScaleEighths(1600, 1200, 0, 0), 8);
    EXPECT_EQ(JpegScaleEighths(1600, 1200, 0, 100), 8);
    EXPECT_EQ(JpegScaleEighths(1600, 1200, -5, -5), 8);
}

}  // namespace
}  // namespace corvina::ui
