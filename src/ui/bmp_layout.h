#pragma once
// Where the parts of a .bmp file lie, checked against the file's length so
// that GDI is never handed a header or pixels that run past the end.

#include <cstddef>
#include <optional>
#include <string_view>

namespace corvina::ui {

struct BmpLayout {
    std::size_t infoOffset = 0;  // the BITMAPINFO: header, colour masks, palette
    std::size_t infoSize = 0;
    std::size_t bitsOffset = 0;
    int width = 0;
    int height = 0;  // rows, whichever way up they are stored
    int bitCount = 0;
};

// Sides beyond this are taken for damage, not for a picture.
inline constexpr int kMaxBitmapSide = 16384;

// Nothing when the bytes are not a bitmap file GDI can draw (Windows
// headers of 40 bytes or more; 1 to 32 bits a pixel; plain, RLE or
// bit-field pixels) or when a part is cut short.
std::optional<BmpLayout> ParseBmpFile(std::string_view bytes);

}  // namespace corvina::ui
