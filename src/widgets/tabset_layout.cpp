#include "widgets/tabset_layout.h"

#include <cstddef>

namespace corvina {

int PieceSetHeight(const TabPieceSet& set) {
    int height = 0;
    for (const PieceSize& piece : {set.left, set.centre, set.right}) {
        if (!piece.Empty()) height = MaxOf(height, piece.height);
    }
    return height;
}

namespace {

// Opaque pieces reach the bottom edge whatever their own height.
PiecePlacement Place(const TabLayoutInput& in, TabPiece piece, const PieceSize& size, int x, int y, int width) {
    const int bottom = in.transparent ? y + size.height : in.height;
    return {piece, {x, y, x + width, bottom}, width};
}

}  // namespace

TabLayout LayoutTab(const TabLayoutInput& in) {
    TabLayout layout;
    const int y = in.height - in.setHeight;
    int& w = layout.width;

    const auto side = [&](TabPiece piece, const PieceSize& size) {
        if (size.Empty()) return;
        layout.pieces.push_back(Place(in, piece, size, in.left + w, y, size.width));
        w += size.width;
    };

    side(TabPiece::Left, in.pieces.left);
    const PieceSize& centre = in.pieces.centre;
    if (!centre.Empty() && in.captionWidth > 0) {
        int covered = 0;
        while (covered < in.captionWidth) {
            // Opaque copies stop exactly at the caption's width; transparent ones count whole.
            const int width = in.transparent ? centre.width : MinOf(centre.width, in.captionWidth - covered);
            layout.pieces.push_back(Place(in, TabPiece::Centre, centre, in.left + w + covered, y, width));
            covered += width;
        }
        w += covered;
    }
    side(TabPiece::Right, in.pieces.right);

    const int correction = in.downHeight != 0 ? in.upHeight - in.downHeight : 0;
    layout.caption = {in.left + w / 2 - in.captionWidth / 2, y + in.captionOffset + correction};
    return layout;
}

std::vector<int> LinePieceLefts(int from, int controlWidth, int lineWidth) {
    std::vector<int> lefts;
    if (lineWidth <= 0) return lefts;
    for (int x = from; x < controlWidth; x += lineWidth) lefts.push_back(x);
    return lefts;
}

namespace {

bool WidthsFit(std::span<const int> widths, int tabCount) {
    return tabCount >= 0 && widths.size() == static_cast<std::size_t>(tabCount);
}

}  // namespace

int TabAtPoint(std::span<const int> widths, int tabCount, int selected, const TabBands& bands, Point point) {
    if (!WidthsFit(widths, tabCount) || point.y <= bands.height - bands.upHeight) return -1;
    const bool inDownBand = point.y > bands.height - bands.downHeight;
    int left = 0;
    for (int i = 0; i < tabCount; ++i) {
        const int right = left + widths[static_cast<std::size_t>(i)];
        if (point.x > left && point.x <= right && (i == selected || inDownBand)) return i;
        left = right;
    }
    return -1;
}

EdgeRect TabArea(std::span<const int> widths, int tabCount, int index, int height, int upHeight) {
    if (!WidthsFit(widths, tabCount) || index < 0 || index >= tabCount) return {};
    int left = 0;
    for (int i = 0; i < index; ++i) left += widths[static_cast<std::size_t>(i)];
    return {left, height - upHeight, left + widths[static_cast<std::size_t>(index)], height};
}

}  // namespace corvina
