#pragma once
// Picture files for tests that give the program a file to show.

#include <cstdint>
#include <string>

#include "sys/colors.h"

namespace corvina::test {

// A 24-bit .bmp file of one colour.
inline std::string SolidBmp(int width, int height, Color color) {
    const int rowBytes = (width * 3 + 3) / 4 * 4;
    std::string file(54 + static_cast<std::size_t>(rowBytes * height), '\0');
    const auto put = [&](std::size_t at, std::uint32_t value) {
        for (int i = 0; i < 4; ++i) file[at + static_cast<std::size_t>(i)] = static_cast<char>(value >> (8 * i));
    };
    file[0] = 'B';
    file[1] = 'M';
    put(2, static_cast<std::uint32_t>(file.size()));
    put(10, 54);
    put(14, 40);
    put(18, static_cast<std::uint32_t>(width));
    put(22, static_cast<std::uint32_t>(height));
    put(26, 1 | (24 << 16));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::size_t at = 54 + static_cast<std::size_t>(y * rowBytes + 3 * x);
            file[at] = static_cast<char>(color.Blue());
            file[at + 1] = static_cast<char>(color.Green());
            file[at + 2] = static_cast<char>(color.Red());
        }
    }
    return file;
}

}  // namespace corvina::test
