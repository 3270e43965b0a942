#include "ui/icon_directory.h"

#include <cstdint>

#include "ui/le_bytes.h"

namespace corvina::ui {

namespace {

constexpr std::size_t kDirectorySize = 6;
constexpr std::size_t kEntrySize = 16;

// A side of 0 in the directory means 256.
int Side(std::string_view bytes, std::size_t at) {
    const auto side = static_cast<unsigned char>(bytes[at]);
    return side == 0 ? 256 : side;
}

}  // namespace

std::optional<IconImage> LargestIconImage(std::string_view bytes) {
    if (bytes.size() < kDirectorySize || Le16(bytes, 0) != 0 || Le16(bytes, 2) != 1) return std::nullopt;
    const std::size_t count = Le16(bytes, 4);
    if (count == 0 || bytes.size() < kDirectorySize + count * kEntrySize) return std::nullopt;

    std::optional<IconImage> best;
    int bestBits = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t entry = kDirectorySize + i * kEntrySize;
        const IconImage image{Le32(bytes, entry + 12), Le32(bytes, entry + 8), Side(bytes, entry),
                              Side(bytes, entry + 1)};
        const int bits = Le16(bytes, entry + 6);
        const long area = static_cast<long>(image.width) * image.height;
        const long bestArea = best ? static_cast<long>(best->width) * best->height : -1;
        if (area > bestArea || (area == bestArea && bits > bestBits)) {
            best = image;
            bestBits = bits;
        }
    }
    if (best->size == 0 || best->offset > bytes.size() || best->size > bytes.size() - best->offset) return std::nullopt;
    return best;
}

}  // namespace corvina::ui
