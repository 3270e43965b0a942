#include "widgets/grid_paint.h"

#include <cstdlib>

namespace corvina {

namespace {
constexpr Color kBlack{0x000000};
constexpr Color kWhite{0xFFFFFF};
}  // namespace

ui::Font GridLooks::FocusedFontOf(ui::Font font) {
    font.style = font.style | ui::FontStyle::Bold;
    font.color = kWhite;
    return font;
}

CellGround CellGroundOf(const GridLooks& looks, const CellState& state, const SystemColorLookup& systemRgb) {
    CellGround ground{looks.color, false, looks.font, state.focused && state.flagColumn};
    if (state.fixed) {
        ground.brush = looks.fixedColor;
        ground.fixedPattern = true;
        ground.font.color = kBlack;
        return ground;
    }
    ground.brush = state.oddRow ? looks.oddRowColor : looks.evenRowColor;
    if (state.focused) {
        ground.brush = looks.focusedColor;
        ground.font = looks.focusedFont;
    }
    if (state.marked) {
        if (state.focused && state.focusAutomove) {
            // The focus follows the mouse over marked rows: keep both visible.
            ground.brush = ContrastColor(ground.brush, systemRgb);
            ground.font.color = ContrastColor(ground.font.color, systemRgb);
        } else {
            ground.brush = looks.focusedColor;
            ground.font = looks.focusedFont;
        }
    }
    return ground;
}

EdgeRect FlagRect(const EdgeRect& cell) {
    const int left = cell.left + (cell.Width() - kFlagSize.width) / 2;
    const int top = cell.top + (cell.Height() - kFlagSize.height) / 2;
    return {left, top, left + kFlagSize.width, top + kFlagSize.height};
}

CellContent CellContentOf(const EdgeRect& cell, TDrawEdge edge, bool gridEnabled) {
    CellContent content;
    content.edge = edge;
    switch (edge) {
        case TDrawEdge::Plain:
            content.textClip = cell;
            content.textOrigin = {cell.left + 2, cell.top + 2};
            return content;
        case TDrawEdge::Sunken:
        case TDrawEdge::Raised:
        case TDrawEdge::Etched:
        case TDrawEdge::Bump: {
            content.frame = cell;
            ShrinkRect(content.frame, 1);
            content.textClip = cell;
            ShrinkRect(content.textClip, 3);
            content.textOrigin = {content.textClip.left + 2, content.textClip.top + 2};
            content.edgeStyle = EdgeStyleOf(edge);
            return content;
        }
        case TDrawEdge::Checked:
        case TDrawEdge::Unchecked: {
            content.frame = cell;
            ShrinkRect(content.frame, 1);
            content.frame.left += 2;
            const int h = std::abs(content.frame.Height() - 2);
            content.checkBoxSize = h + 1;
            // A cell too low for a glyph gets none rather than a negative one.
            content.checkGlyphSize = h >= 2 ? h - 2 : 0;
            content.checked = edge == TDrawEdge::Checked;
            content.checkBoxDisabled = !gridEnabled;
            content.textClip = content.frame;
            return content;
        }
    }
    return content;
}

}  // namespace corvina
