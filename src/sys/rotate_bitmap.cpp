#include "sys/rotate_bitmap.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "sys/edge_rect.h"

namespace corvina {

namespace {

// Ties go to the even neighbour, so that half-way samples do not all lean
// the same way.
double RoundHalfEven(double value) {
    const double down = std::floor(value);
    const double fraction = value - down;
    if (fraction > 0.5) return down + 1.0;
    if (fraction < 0.5) return down;
    return std::fmod(down, 2.0) == 0.0 ? down : down + 1.0;
}

std::uint8_t LowByteOfRounded(double value) {
    return static_cast<std::uint8_t>(static_cast<long long>(RoundHalfEven(value)) & 0xFF);
}

}  // namespace

void RotateBitmap(const PixelView24& source, const PixelView24& destination, double angle, double cy, double cx) {
    if (source.Empty() || destination.Empty()) return;
    const double theta = -angle * std::numbers::pi / 180.0;
    const double cs = std::cos(theta);
    const double sn = std::sin(theta);
    const int dx = (destination.width - source.width) / 2;
    const int dy = (destination.height - source.height) / 2;

    for (int y = 0; y < destination.height; ++y) {
        const double v = std::trunc(2.0 * (y - cy) + 1.0);
        for (int x = 0; x < destination.width; ++x) {
            const double u = std::trunc(2.0 * (x - cx) + 1.0);
            const double sx = cx + (cs * u - sn * v - 1.0) / 2.0 - dx;
            const double sy = cy + (sn * u + cs * v - 1.0) / 2.0 - dy;
            const double a = RoundHalfEven(sx);
            const double b = RoundHalfEven(sy);
            if (a < 0 || a > source.width - 1 || b < 0 || b > source.height - 1) continue;
            const int ia = static_cast<int>(a);
            const int ib = static_cast<int>(b);
            const int ia1 = ClampInt(ia + 1, 0, source.width - 1);
            const int ib1 = ClampInt(ib + 1, 0, source.height - 1);
            const double fx = sx - a;
            const double fy = sy - b;

            const std::uint8_t* p00 = source.Pixel(ia, ib);
            const std::uint8_t* p10 = source.Pixel(ia1, ib);
            const std::uint8_t* p01 = source.Pixel(ia, ib1);
            const std::uint8_t* p11 = source.Pixel(ia1, ib1);
            std::uint8_t* out = destination.Pixel(x, y);
            for (int c = 0; c < 3; ++c) {
                const double top = p00[c] + fx * (p10[c] - p00[c]);
                const double bottom = p01[c] + fx * (p11[c] - p01[c]);
                out[c] = LowByteOfRounded(top + fy * (bottom - top));
            }
        }
    }
}

void RotateBitmapInPlace(const PixelView24& bitmap, double angle) {
    if (bitmap.Empty()) return;
    const std::ptrdiff_t rowBytes = 3 * static_cast<std::ptrdiff_t>(bitmap.width);
    std::vector<std::uint8_t> copy(static_cast<std::size_t>(rowBytes * bitmap.height));
    for (int y = 0; y < bitmap.height; ++y) {
        const std::uint8_t* row = bitmap.Pixel(0, y);
        std::copy(row, row + rowBytes, copy.begin() + y * rowBytes);
    }
    const PixelView24 source{copy.data(), bitmap.width, bitmap.height, rowBytes};
    RotateBitmap(source, bitmap, angle, bitmap.height / 2.0, bitmap.width / 2.0);
}

}  // namespace corvina
