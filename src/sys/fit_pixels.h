#pragma once
// A 24-bit picture fitted to another size, into 32-bit pixels that the
// screen takes without converting: each pixel is the source pixel under its
// centre, the look of GDI's COLORONCOLOR stretch, without a DC and on any
// thread.

#include <cstddef>
#include <cstdint>

#include "sys/rotate_bitmap.h"

namespace corvina {

// Blue, green, red and a zero byte a pixel; row 0 is the top row.
struct PixelView32 {
    std::uint8_t* bits = nullptr;
    int width = 0;
    int height = 0;
    std::ptrdiff_t stride = 0;

    bool Empty() const { return bits == nullptr || width <= 0 || height <= 0; }
};

// Every pixel of `destination` is written; nothing when either is empty.
void FitNearest(const PixelView24& source, const PixelView32& destination);

}  // namespace corvina
