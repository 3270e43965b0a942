#include "ui/bmp_layout.h"

#include <cstdint>

#include "ui/le_bytes.h"

namespace corvina::ui {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kRgb = 0;
constexpr std::uint32_t kRle8 = 1;
constexpr std::uint32_t kRle4 = 2;
constexpr std::uint32_t kBitFields = 3;

bool KnownInfoHeaderSize(std::uint32_t size) {
    return size == 40 || size == 52 || size == 56 || size == 108 || size == 124;
}

bool CompressionFits(std::uint32_t compression, int bitCount) {
    switch (compression) {
        case kRgb:
            return true;
        case kRle8:
            return bitCount == 8;
        case kRle4:
            return bitCount == 4;
        case kBitFields:
            return bitCount == 16 || bitCount == 32;
        default:
            return false;
    }
}

}  // namespace

std::optional<BmpLayout> ParseBmpFile(std::string_view bytes) {
    if (bytes.size() < kFileHeaderSize + 4 || bytes[0] != 'B' || bytes[1] != 'M') return std::nullopt;
    const std::uint32_t headerSize = Le32(bytes, 14);
    if (!KnownInfoHeaderSize(headerSize) || bytes.size() < kFileHeaderSize + headerSize) return std::nullopt;

    const std::int32_t width = LeInt32(bytes, 18);
    const std::int32_t rawHeight = LeInt32(bytes, 22);
    const int bitCount = Le16(bytes, 28);
    const std::uint32_t compression = Le32(bytes, 30);
    const std::uint32_t imageSize = Le32(bytes, 34);
    const std::uint32_t colorsUsed = Le32(bytes, 46);
    if (width <= 0 || width > kMaxBitmapSide || rawHeight == 0 || rawHeight < -kMaxBitmapSide ||
        rawHeight > kMaxBitmapSide || Le16(bytes, 26) != 1) {
        return std::nullopt;
    }
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 && bitCount != 32) {
        return std::nullopt;
    }
    const bool rle = compression == kRle8 || compression == kRle4;
    if (!CompressionFits(compression, bitCount) || (rle && rawHeight < 0)) return std::nullopt;
    if (colorsUsed > 256 || (bitCount <= 8 && colorsUsed > (1u << bitCount))) return std::nullopt;

    const std::uint64_t masks = (compression == kBitFields && headerSize == 40) ? 12 : 0;
    const std::uint64_t paletteEntries = colorsUsed != 0 ? colorsUsed : (bitCount <= 8 ? (1u << bitCount) : 0);
    const std::uint64_t tableEnd = kFileHeaderSize + headerSize + masks + 4 * paletteEntries;
    const std::uint64_t bitsOffset = Le32(bytes, 10);
    if (tableEnd > bytes.size() || bitsOffset < tableEnd || bitsOffset >= bytes.size()) return std::nullopt;

    const int height = rawHeight < 0 ? -rawHeight : rawHeight;
    const std::uint64_t rowBytes =
        ((static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(bitCount) + 31) / 32) * 4;
    const std::uint64_t pixelBytes = rle ? imageSize : rowBytes * static_cast<std::uint64_t>(height);
    if (pixelBytes == 0 || pixelBytes > bytes.size() - bitsOffset) return std::nullopt;

    return BmpLayout{kFileHeaderSize,
                     static_cast<std::size_t>(tableEnd - kFileHeaderSize),
                     static_cast<std::size_t>(bitsOffset),
                     width,
                     height,
                     bitCount};
}

}  // namespace corvina::ui
