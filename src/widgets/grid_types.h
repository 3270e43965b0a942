#pragma once
// Small value types of the striped grid `TEvgrid` shared by its model parts.

#include <cstdint>
#include <optional>
#include <vector>

namespace corvina {

struct CellPos {
    int col = 0;
    int row = 0;
    friend bool operator==(const CellPos&, const CellPos&) = default;
};

// What the owner's `OnSetting` may ask for instead of a plain cell; the
// values are those the owners store.
enum class TDrawEdge : std::uint8_t {
    Plain = 0,
    Sunken = 1,
    Raised = 2,
    Etched = 3,
    Bump = 4,
    Checked = 5,
    Unchecked = 6,
};

// A stored value outside the table reads as a plain cell, so its text still shows.
constexpr TDrawEdge DrawEdgeFromValue(int value) {
    return value >= 0 && value <= 6 ? static_cast<TDrawEdge>(value) : TDrawEdge::Plain;
}

// The system's DrawEdge styles for the four framed kinds; 0 for the others.
inline constexpr int kEdgeStyleSunken = 10;
inline constexpr int kEdgeStyleRaised = 5;
inline constexpr int kEdgeStyleEtched = 6;
inline constexpr int kEdgeStyleBump = 9;

constexpr int EdgeStyleOf(TDrawEdge edge) {
    switch (edge) {
        case TDrawEdge::Sunken:
            return kEdgeStyleSunken;
        case TDrawEdge::Raised:
            return kEdgeStyleRaised;
        case TDrawEdge::Etched:
            return kEdgeStyleEtched;
        case TDrawEdge::Bump:
            return kEdgeStyleBump;
        default:
            return 0;
    }
}

// The string grid's moving keys.
enum class GridKey { Up, Down, Left, Right, PageUp, PageDown, Home, End };

enum class TColReSizeStyle { rsNone, rsEquidistance, rsMakeLoose };

// Which scroll bars the grid may show when its cells pass its size.
enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

// Rows to repaint after a change: the whole grid, or only the listed rows.
struct GridRepaint {
    bool all = false;
    bool scrolled = false;  // the scroll bars need their new positions
    std::vector<int> rows;  // ascending, no repeats
};

}  // namespace corvina
