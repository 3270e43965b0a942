#pragma once
// A grid model set up the way the tests use it: rows 21 high with 1-pixel
// lines, so row r starts at 22 × r; column 1 spans x 13 to 62.

#include "widgets/grid_model.h"

namespace corvina::grid_test {

// `rows` rows in a client `visibleRows` rows high, a 2-pixel border.
inline EvGridModel GridOf(int rows, int visibleRows = 30) {
    EvGridModel grid;
    grid.SetRowCount(rows);
    const Size client{300, 22 * visibleRows};
    grid.SetBounds({client.width + 4, client.height + 4}, client);
    grid.TakeRepaint();
    return grid;
}

// A point in column 1 of a row as it shows now.
inline Point InRow(const EvGridModel& grid, int row, int dy = 5) { return {30, grid.RowRect(row)->top + dy}; }

inline ui::ShiftState Keys(bool shift, bool ctrl) {
    ui::ShiftState state;
    state.shift = shift;
    state.ctrl = ctrl;
    return state;
}

}  // namespace corvina::grid_test
