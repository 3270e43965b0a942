#pragma once
// How one cell of the striped grid is painted: its ground and font by the
// row-stripe, focus and mark rules, where the "FLAG" marker goes, and where
// the text, the edge or the check box lands. The Win32 grid draws these.

#include "sys/colors.h"
#include "sys/contrast_color.h"
#include "sys/edge_rect.h"
#include "sys/geometry.h"
#include "ui/font.h"
#include "widgets/grid_types.h"

namespace corvina {

inline constexpr Color kClWindow = Color::System(5);
inline constexpr Color kClBtnFace = Color::System(15);

// The grid's published colours and fonts, with their values at creation.
struct GridLooks {
    Color color = kClWindow;  // the string grid's own ground
    Color fixedColor = kClBtnFace;
    Color oddRowColor{16777215};
    Color evenRowColor{14807280};
    Color focusedColor{8388608};
    ui::Font font;
    ui::Font focusedFont = FocusedFontOf(ui::Font{});

    // A copy of the grid's font, bold, white.
    static ui::Font FocusedFontOf(ui::Font font);
    friend bool operator==(const GridLooks&, const GridLooks&) = default;
};

// Where a cell stands; `marked` counts only with Multiselect on and off column 0.
struct CellState {
    bool fixed = false;
    bool focused = false;  // FocusHighLight on, the focused row, not a fixed row
    bool marked = false;
    bool focusAutomove = false;
    bool oddRow = false;
    bool flagColumn = false;  // column 0 of a grid with a fixed column
};

struct CellGround {
    Color brush;
    bool fixedPattern = false;  // fill with `FixedPattern` when it is not empty
    ui::Font font;
    bool flag = false;  // draw "FLAG" centred
    friend bool operator==(const CellGround&, const CellGround&) = default;
};

CellGround CellGroundOf(const GridLooks& looks, const CellState& state, const SystemColorLookup& systemRgb);

inline constexpr Size kFlagSize{9, 13};
EdgeRect FlagRect(const EdgeRect& cell);

// The content drawn over the ground once `OnSetting` had its say.
struct CellContent {
    TDrawEdge edge = TDrawEdge::Plain;
    EdgeRect textClip;  // plain: the cell; edges: inside the edge
    Point textOrigin;
    EdgeRect frame;     // the drawn edge, or the check-box cell
    int edgeStyle = 0;  // the system's edge style for the framed kinds
    int checkBoxSize = 0;
    int checkGlyphSize = 0;
    bool checked = false;
    bool checkBoxDisabled = false;  // the light grey face; the caption always looks enabled
    friend bool operator==(const CellContent&, const CellContent&) = default;
};

CellContent CellContentOf(const EdgeRect& cell, TDrawEdge edge, bool gridEnabled);

}  // namespace corvina
