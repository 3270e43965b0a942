#pragma once
// The geometry of the glyph tab set: where each piece of a tab goes, where
// its caption stands, which tab a point falls on and what a tab covers.
// The control draws these answers; nothing here touches a surface.

#include <span>
#include <vector>

#include "sys/edge_rect.h"
#include "sys/geometry.h"

namespace corvina {

// A piece without area counts as empty.
struct PieceSize {
    int width = 0;
    int height = 0;
    constexpr bool Empty() const { return width <= 0 || height <= 0; }
};

// One look of a tab: the up (selected) or the down set.
struct TabPieceSet {
    PieceSize left;
    PieceSize centre;
    PieceSize right;
};

// The greatest height among the set's non-empty pieces, 0 for none.
int PieceSetHeight(const TabPieceSet& set);

enum class TabPiece { Left, Centre, Right };

struct PiecePlacement {
    TabPiece piece = TabPiece::Left;
    EdgeRect target;      // stretched into it when opaque, own size when transparent
    int sourceWidth = 0;  // columns taken from the piece's left edge
    friend bool operator==(const PiecePlacement&, const PiecePlacement&) = default;
};

struct TabLayoutInput {
    int left = 0;        // the tab's left edge in the control
    int height = 0;      // the control's
    TabPieceSet pieces;  // of the look in use
    int setHeight = 0;   // of that look: the up or the down height
    int upHeight = 0;    // both heights, for the caption's correction
    int downHeight = 0;
    int captionOffset = 0;  // Select_Dist or UnSelect_Dist
    int captionWidth = 0;   // of the caption in its font
    bool transparent = false;
};

struct TabLayout {
    std::vector<PiecePlacement> pieces;  // in drawing order
    int width = 0;
    Point caption;  // the caption's top-left
};

TabLayout LayoutTab(const TabLayoutInput& in);

// The left edges of the line piece's copies from `from` to the right edge;
// the last copy may run past it.
std::vector<int> LinePieceLefts(int from, int controlWidth, int lineWidth);

struct TabBands {
    int height = 0;  // the control's
    int upHeight = 0;
    int downHeight = 0;
};

// The tab at a point of the control, -1 for none. The widths are those of
// the last paint; while their count differs from `tabCount` nothing is hit.
int TabAtPoint(std::span<const int> widths, int tabCount, int selected, const TabBands& bands, Point point);

// What tab `index` covers in the control, up to the up height, so that it
// holds the tab in either look; empty when the index or the widths do not fit.
EdgeRect TabArea(std::span<const int> widths, int tabCount, int index, int height, int upHeight);

}  // namespace corvina
