#pragma once
// The settings of the glyph button that its looks and layout depend on.

namespace corvina {

enum class TAlignment { taAutoSpacing, taLeft, taRight, taTop, taBottom };
enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum class TbuttonStyle { byNone, byNormal, byMs98, byOutLook };
enum class TCheckeffect { efNone, efDark, efFrame, efFrameDot };

// What the pointer and the mouse button are doing to the button right now.
struct GlyphButtonState {
    bool enabled = true;
    bool pressed = false;
    bool hovered = false;
    bool checked = false;
};

// The published settings that choose a look, with a new button's values.
struct GlyphButtonLook {
    TbuttonStyle style = TbuttonStyle::byNormal;
    TCheckeffect checkeffect = TCheckeffect::efNone;
    bool transparent = false;
    bool pressFocus = false;
    bool pressMove = true;
    bool ctl3D = true;
};

}  // namespace corvina
