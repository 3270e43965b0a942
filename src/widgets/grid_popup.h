#pragma once
// The striped grid as the popup list box `TPopMenuBOX` sets it up.

#include <vector>

#include "sys/big5.h"
#include "sys/popup_sizes.h"
#include "ui/font.h"
#include "widgets/grid_model.h"

namespace corvina {

// Two columns, no fixed ones, no grid lines; the stripes and the focused
// row from the style, the focus following the mouse; one row per entry,
// its text blank-led in column 1, the focus on row 0. `font` is the
// style's font as the window made it; the focused rows show it regular in
// the selected-row text colour.
void SetUpPopupGrid(EvGridModel& grid, const std::vector<Big5>& entries, const PopupBoxStyle& style,
                    const ui::Font& font, int rowHeight, int gridWidth);

}  // namespace corvina
