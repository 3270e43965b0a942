#include "widgets/page_control_layout.h"

namespace corvina {

namespace {
constexpr int kTabPadding = 8;
}  // namespace

EdgeRect PageArea(int clientWidth, int clientHeight, bool border, bool tabRow) {
    EdgeRect area{0, tabRow ? kPageTabHeight : 0, clientWidth, clientHeight};
    if (border) ShrinkRect(area, kPageFrameWidth);
    if (area.right < area.left) area.right = area.left;
    if (area.bottom < area.top) area.bottom = area.top;
    return area;
}

std::vector<EdgeRect> TabRects(std::span<const int> textWidths) {
    std::vector<EdgeRect> tabs;
    int x = kPageFrameWidth;
    for (const int width : textWidths) {
        if (width < 0) {
            tabs.push_back({x, 0, x, 0});
            continue;
        }
        const int right = x + width + 2 * kTabPadding;
        tabs.push_back({x, 0, right, kPageTabHeight});
        x = right;
    }
    return tabs;
}

int TabAt(std::span<const EdgeRect> tabs, int x, int y) {
    for (std::size_t i = 0; i < tabs.size(); ++i) {
        const EdgeRect& t = tabs[i];
        if (x >= t.left && x < t.right && y >= t.top && y < t.bottom) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace corvina
