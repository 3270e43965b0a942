#include "ui/metafile_header.h"

#include <cstdint>

#include "ui/le_bytes.h"

namespace corvina::ui {

namespace {

constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr std::size_t kPlaceableSize = 22;
constexpr std::size_t kMetaHeaderSize = 18;

}  // namespace

std::optional<PlaceableMetafile> ParsePlaceableMetafile(std::string_view bytes) {
    if (bytes.size() < kPlaceableSize + kMetaHeaderSize || Le32(bytes, 0) != kPlaceableKey) return std::nullopt;
    const int width = LeInt16(bytes, 10) - LeInt16(bytes, 6);
    const int height = LeInt16(bytes, 12) - LeInt16(bytes, 8);
    const int unitsPerInch = Le16(bytes, 14);
    if (width <= 0 || height <= 0 || unitsPerInch == 0) return std::nullopt;
    return PlaceableMetafile{kPlaceableSize, width, height, unitsPerInch};
}

int UnitsToPixels(int units, int unitsPerInch, int pixelsPerInch) {
    if (unitsPerInch <= 0) return 0;
    const long long scaled = static_cast<long long>(units) * pixelsPerInch;
    return static_cast<int>((scaled + unitsPerInch / 2) / unitsPerInch);
}

}  // namespace corvina::ui
