#pragma once
// Where the full-screen forms go each time they are shown.

#include <optional>

#include "sys/edge_rect.h"
#include "sys/geometry.h"

namespace corvina {

// The whole screen when the taskbar is hidden, otherwise the work area the
// system reports (the whole screen when it reports none).
Rect HintFormBounds(bool hideTaskBar, const std::optional<EdgeRect>& workArea, int screenWidth, int screenHeight);

}  // namespace corvina
