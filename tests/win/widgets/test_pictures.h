#pragma once
// Pictures made pixel by pixel, and reading back what a canvas painted.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <utility>

#include "sys/colors.h"
#include "ui/bitmap.h"
#include "ui/color.h"
#include "ui/picture.h"

namespace corvina::test {

inline ui::Picture PictureOf(int width, int height, const std::function<Color(int x, int y)>& color) {
    ui::Bitmap bitmap(width, height);
    const PixelView24 pixels = bitmap.Pixels();
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Color c = color(x, y);
            std::uint8_t* p = pixels.Pixel(x, y);
            p[0] = c.Blue();
            p[1] = c.Green();
            p[2] = c.Red();
        }
    }
    return ui::Picture(std::move(bitmap));
}

inline ui::Picture SolidPicture(int width, int height, Color color) {
    return PictureOf(width, height, [color](int, int) { return color; });
}

// Each pixel tells where it came from (sides below 256).
inline Color WhereColor(int x, int y) {
    return Color::Rgb(static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), 7);
}

inline COLORREF Ref(Color color) { return ui::ToColorRef(color); }

}  // namespace corvina::test
