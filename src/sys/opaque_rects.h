#pragma once
// The opaque part of a picture with a transparent colour, as a few
// rectangles. A framed picture, transparent only at its rounded corners, is
// then drawn as plain copies of them: far cheaper than masking all of it.

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

#include "sys/edge_rect.h"

namespace corvina {

// Rectangles that together cover exactly the pixels for which `transparent`
// is false, each pixel once; neighbouring rows with the same opaque runs
// share rectangles. Nothing when more than `limit` would be needed.
std::optional<std::vector<EdgeRect>> OpaqueRects(int width, int height,
                                                 const std::function<bool(int x, int y)>& transparent,
                                                 std::size_t limit);

}  // namespace corvina
