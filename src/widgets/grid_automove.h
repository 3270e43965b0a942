#pragma once
// `FocusAutomove`: the scroll bands near the grid's top and bottom edges and
// what one step of the focus following the mouse does.

#include "widgets/grid_axis.h"

namespace corvina {

// Client y coordinates: above `top` the focus moves up, below `bottom` down.
struct ScrollBands {
    int top = 0;
    int bottom = 0;
    friend bool operator==(const ScrollBands&, const ScrollBands&) = default;
};

// `ComputeScrollBands`: b = half the top visible row's height, at least
// 10; the top band ends b below that row's top, the bottom one starts b
// above the grid's (outer) height.
ScrollBands ScrollBandsOf(const AxisSpan& topVisibleRow, int gridHeight);

enum class FollowStep { None, MoveUp, MoveDown, FocusRowUnderMouse };

struct FollowPoint {
    int y = 0;
    int rowUnder = -1;  // -1: no cell under the point
    bool dataRow = false;
};

// The band moves come first, each only while its end (`BOF`, `EOF`) is not
// reached; otherwise the row under the mouse takes the focus if asked to.
FollowStep DecideFollowStep(const FollowPoint& point, const ScrollBands& bands, bool bof, bool eof, bool moveFocus);

// The wait before each band move.
inline constexpr int kAutomoveWaitMs = 100;

}  // namespace corvina
