#include "widgets/grid_automove.h"

#include <algorithm>

namespace corvina {

ScrollBands ScrollBandsOf(const AxisSpan& topVisibleRow, int gridHeight) {
    const int b = std::max((topVisibleRow.end - topVisibleRow.start) / 2, 10);
    return {topVisibleRow.start + b, gridHeight - b};
}

FollowStep DecideFollowStep(const FollowPoint& point, const ScrollBands& bands, bool bof, bool eof, bool moveFocus) {
    if (point.rowUnder < 0) return FollowStep::None;
    if (point.y < bands.top && !bof) return FollowStep::MoveUp;
    if (point.y > bands.bottom && !eof) return FollowStep::MoveDown;
    if (point.dataRow && moveFocus) return FollowStep::FocusRowUnderMouse;
    return FollowStep::None;
}

}  // namespace corvina
