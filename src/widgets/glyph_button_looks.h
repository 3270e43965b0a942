#pragma once
// Which picture, background and border a glyph button shows in a given
// state. The control draws the answers.

#include <array>
#include <optional>

#include "sys/edge_rect.h"
#include "widgets/glyph_button_types.h"

namespace corvina {

enum class GlyphPicture { Glyph, Glyphfocus, GlyphDis };

struct GlyphPictures {
    bool hasGlyphfocus = false;
    bool hasGlyphDis = false;
};

// An empty choice falls back to Glyph (which may be empty too).
GlyphPicture ChooseGlyphPicture(const GlyphButtonState& state, const GlyphButtonLook& look,
                                const GlyphPictures& pictures);

// 1 while the picture and caption sink under the pointer, else 0.
int PressOffset(const GlyphButtonState& state, const GlyphButtonLook& look);

// The rectangle filled with the button's colour, none when the parent
// shows through. A hovered bordered button keeps its one-pixel edge.
std::optional<EdgeRect> BackgroundRect(int width, int height, const GlyphButtonState& state,
                                       const GlyphButtonLook& look);

enum class BorderLook {
    None,
    Raised,             // highlight upper-left, shadow lower-right
    Sunken,             // shadow upper-left, highlight lower-right
    Flat,               // one-pixel rectangle in BorderColor
    FrameInColor,       // one-pixel rectangle in the button's Color
    EraseParentStrips,  // the parent repaints the four edge strips
};

// With `erase` off (a full paint) a non-hovered Ms98 border is simply not
// drawn; with it on (hover change only) the old bevel must be wiped.
BorderLook ChooseBorder(const GlyphButtonState& state, const GlyphButtonLook& look, bool erase);

enum class HoverRepaint { None, Whole, BorderOnly };

// What a hover change repaints when Press_Focus is off.
HoverRepaint HoverRepaintOf(const GlyphButtonLook& look, bool hasGlyphfocus);

// The top row, left column, right column and bottom row of `bounds`.
std::array<EdgeRect, 4> EdgeStrips(const EdgeRect& bounds);

}  // namespace corvina
