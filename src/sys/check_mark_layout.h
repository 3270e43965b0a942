#pragma once
// Geometry of a check-box or radio-button cell: box, glyph square, caption
// and the checked dot. The painter draws into these rectangles.

#include <optional>

#include "sys/edge_rect.h"

namespace corvina {

// Where box and caption go in the cell; centred cells have no caption.
enum class CheckPlacement { Left = 0, Right = 1, Centre = 2 };

struct CheckMarkSquares {
    EdgeRect box;
    EdgeRect glyph;
};

// Both squares are centred vertically. The smaller one gets the margin
// that centres it on the larger one; the larger one sits one pixel in.
CheckMarkSquares PlaceCheckMark(const EdgeRect& cell, int boxSize, int glyphSize, CheckPlacement placement);

// The part of the cell beside the squares, one pixel away from them.
std::optional<EdgeRect> CheckCaptionArea(const EdgeRect& cell, const CheckMarkSquares& squares,
                                         CheckPlacement placement);

// Where a caption of the measured size is drawn: two pixels in from the
// area's left side, centred on the cell's height.
EdgeRect CheckCaptionTextRect(const EdgeRect& cell, const EdgeRect& area, int textWidth, int textHeight);

// The drawn caption grown by a pixel, kept inside the cell from the area's
// left side: what the cell reports (and frames for focus).
EdgeRect CheckCaptionReportRect(const EdgeRect& cell, const EdgeRect& area, const EdgeRect& text);

// The filled dot of a checked radio button, about the box's centre.
EdgeRect CheckDotRect(const EdgeRect& box, int boxSize);

}  // namespace corvina
