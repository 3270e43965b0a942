#include "sys/fit_pixels.h"

#include <vector>

namespace corvina {

namespace {

// The source index under the centre of destination index `i`.
int CentreSource(int i, int sourceSide, int destinationSide) {
    return static_cast<int>((2 * static_cast<std::int64_t>(i) + 1) * sourceSide / (2 * destinationSide));
}

}  // namespace

void FitNearest(const PixelView24& source, const PixelView32& destination) {
    if (source.Empty() || destination.Empty()) return;
    std::vector<std::ptrdiff_t> columns(static_cast<std::size_t>(destination.width));
    for (int x = 0; x < destination.width; ++x) {
        columns[static_cast<std::size_t>(x)] =
            3 * static_cast<std::ptrdiff_t>(CentreSource(x, source.width, destination.width));
    }
    for (int y = 0; y < destination.height; ++y) {
        const std::uint8_t* from = source.Pixel(0, CentreSource(y, source.height, destination.height));
        std::uint8_t* to = destination.bits + y * destination.stride;
        for (const std::ptrdiff_t column : columns) {
            to[0] = from[column];
            to[1] = from[column + 1];
            to[2] = from[column + 2];
            to[3] = 0;
            to += 4;
        }
    }
}

}  // namespace corvina
