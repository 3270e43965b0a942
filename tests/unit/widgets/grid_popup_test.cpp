#include "widgets/grid_popup.h"

#include <gtest/gtest.h>

#include "menu/item_actions.h"

namespace corvina {
namespace {

Color NoSystemColours(int) { return Color{}; }

TEST(PopupGrid, OneRowPerEntryWithTheFocusOnTheFirstAndFollowingTheMouse) {
    EvGridModel grid;
    const PopupBoxStyle style = WebLinksPopupStyle();
    const ui::Font font{"Face", 13, ui::FontStyle::Bold};
    SetUpPopupGrid(grid, {"Home", "Forum"}, style, font, 18, 120);
    grid.SetBounds({120, 36}, {120, 36});

    EXPECT_EQ(grid.RowCount(), 2);
    EXPECT_EQ(grid.Cell(1, 1), " Forum");
    EXPECT_EQ(grid.Cols().Extents(), (std::vector<int>{1, 119}));
    EXPECT_EQ(grid.Focus(), (CellPos{1, 0}));

    const CellGround chosen = grid.DrawCell({1, 0}, NoSystemColours)->ground;
    EXPECT_EQ(chosen.brush, style.selectedRowColor);
    EXPECT_EQ(chosen.font.color, style.selectedTextColor);
    EXPECT_EQ(chosen.font.style, ui::FontStyle::None);
    const CellGround other = grid.DrawCell({1, 1}, NoSystemColours)->ground;
    EXPECT_EQ(other.brush, style.oddRowColor);
    EXPECT_EQ(other.font.color, style.textColor);

    grid.MouseMove({40, 22});  // between the bands
    EXPECT_EQ(grid.Focus().row, 1);
}

}  // namespace
}  // namespace corvina
