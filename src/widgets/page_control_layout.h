#pragma once
// The page control's geometry: where its pages go, and its row of tabs.

#include <span>
#include <vector>

#include "sys/edge_rect.h"

namespace corvina {

inline constexpr int kPageTabHeight = 20;
inline constexpr int kPageFrameWidth = 2;

// The pages' rectangle in the control's client area: below the tab row
// when one shows, inside a two-pixel frame with a border. A control
// without border and tabs gives its pages everything.
EdgeRect PageArea(int clientWidth, int clientHeight, bool border, bool tabRow);

// One tab per entry of `textWidths` (a negative width: the page shows no
// tab, and its rectangle is empty), left to right from x = 2.
std::vector<EdgeRect> TabRects(std::span<const int> textWidths);

// The index of the tab at a point, or -1.
int TabAt(std::span<const EdgeRect> tabs, int x, int y);

}  // namespace corvina
