#pragma once
// Turning a 24-bit picture about a centre, with bilinear sampling. Works on
// a view of pixel memory so that both a DIB section and a plain buffer can
// be turned.

#include <cstddef>
#include <cstdint>

namespace corvina {

// Three bytes a pixel, blue, green, red. Row 0 is the top row; a bottom-up
// DIB is viewed from its last stored row with a negative stride.
struct PixelView24 {
    std::uint8_t* bits = nullptr;
    int width = 0;
    int height = 0;
    std::ptrdiff_t stride = 0;

    bool Empty() const { return bits == nullptr || width <= 0 || height <= 0; }
    std::uint8_t* Pixel(int x, int y) const { return bits + y * stride + 3 * static_cast<std::ptrdiff_t>(x); }
};

// Destination pixels whose source point falls outside `source` keep their
// old value. A negative angle turns the other way.
void RotateBitmap(const PixelView24& source, const PixelView24& destination, double angle, double cy, double cx);

// Turns by `angle` degrees about the centre, clockwise on the screen.
void RotateBitmapInPlace(const PixelView24& bitmap, double angle);

}  // namespace corvina
