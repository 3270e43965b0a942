#pragma once
// The two-colour frames of bevels, panels and group boxes.

#include "sys/colors.h"
#include "sys/edge_rect.h"

namespace corvina::ui {

class Canvas;

inline constexpr corvina::Color kHighlight = corvina::Color::System(20);  // COLOR_BTNHIGHLIGHT
inline constexpr corvina::Color kShadow = corvina::Color::System(16);     // COLOR_BTNSHADOW

// A frame `width` pixels wide: `upperLeft` on the top and left sides,
// `lowerRight` on the others; `rect` shrinks by it.
void Frame3D(Canvas& canvas, EdgeRect& rect, corvina::Color upperLeft, corvina::Color lowerRight, int width);

}  // namespace corvina::ui
