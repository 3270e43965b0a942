#include "widgets/grid_popup.h"

namespace corvina {

void SetUpPopupGrid(EvGridModel& grid, const std::vector<Big5>& entries, const PopupBoxStyle& style,
                    const ui::Font& font, int rowHeight, int gridWidth) {
    grid.SetColCount(2);
    grid.SetFixedCols(0);
    grid.SetFixedRows(0);
    grid.SetGridLineWidth(0);
    GridLooks looks = grid.Looks();
    looks.fixedColor = Color{0xFFFFFF};
    looks.font = font;
    looks.font.color = style.textColor;
    looks.evenRowColor = style.evenRowColor;
    looks.oddRowColor = style.oddRowColor;
    looks.focusedColor = style.selectedRowColor;
    looks.focusedFont = font;
    looks.focusedFont.style = ui::FontStyle::None;
    looks.focusedFont.color = style.selectedTextColor;
    grid.SetLooks(looks);
    grid.SetFocusHighLight(true);
    grid.SetFocusAutomove(true);
    grid.SetRowCount(static_cast<int>(entries.size()));
    grid.SetDefaultRowHeight(rowHeight);
    const std::vector<int> widths = PopupColumnWidths(gridWidth);
    for (int col = 0; col < 2; ++col) grid.SetColWidth(col, widths[static_cast<std::size_t>(col)]);
    for (int row = 0; row < grid.RowCount(); ++row) {
        grid.SetCell(1, row, PopupEntryText(entries[static_cast<std::size_t>(row)]));
    }
    grid.SelectCell({1, 0});
}

}  // namespace corvina
