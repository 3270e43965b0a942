#pragma once
// The header that drawing programs put before a Windows metafile to give
// it a size: its picture frame in units of 1/inch of an inch.

#include <cstddef>
#include <optional>
#include <string_view>

namespace corvina::ui {

struct PlaceableMetafile {
    std::size_t dataOffset = 0;  // where the plain metafile starts
    int width = 0;               // in 1/unitsPerInch of an inch
    int height = 0;
    int unitsPerInch = 0;
};

// Nothing unless the bytes start with a placeable header with a non-empty
// frame, followed by at least a metafile header.
std::optional<PlaceableMetafile> ParsePlaceableMetafile(std::string_view bytes);

// A length of `units` of 1/unitsPerInch inch in pixels of `pixelsPerInch`.
int UnitsToPixels(int units, int unitsPerInch, int pixelsPerInch);

}  // namespace corvina::ui
