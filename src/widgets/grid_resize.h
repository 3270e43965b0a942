#pragma once
// Column scaling of the grid's resize query (`AutoResize`).

#include <vector>

#include "widgets/grid_types.h"

namespace corvina {

struct ColumnScaling {
    TColReSizeStyle style = TColReSizeStyle::rsNone;
    int fixedCols = 0;
    int width = 0;        // the grid's current outer width
    int clientWidth = 0;  // its current client width
};

// The column widths for a new outer width: the non-fixed columns scaled
// by new client width / base (rounded half to even), the base being the
// client width for rsEquidistance and the sum of all widths for
// rsMakeLoose, whose last column (unless fixed) takes what is left less one pixel. The
// widths come back unchanged for rsNone and for a base of 0 or less;
// no width comes back negative.
std::vector<int> ScaledColumnWidths(const std::vector<int>& widths, const ColumnScaling& scaling, int newWidth);

// The resize query's answer: a pure move keeps the size and is always
// allowed; otherwise the string grid's own answer stands.
constexpr bool ResizeAllowed(int width, int height, int newWidth, int newHeight, bool ownAnswer) {
    return (newWidth == width && newHeight == height) || ownAnswer;
}

}  // namespace corvina
