#include "widgets/glyph_button_looks.h"

namespace corvina {

GlyphPicture ChooseGlyphPicture(const GlyphButtonState& state, const GlyphButtonLook& look,
                                const GlyphPictures& pictures) {
    if (!state.enabled && pictures.hasGlyphDis) return GlyphPicture::GlyphDis;
    const bool focusLook = state.pressed || (state.hovered && !look.pressFocus);
    if (focusLook && pictures.hasGlyphfocus) return GlyphPicture::Glyphfocus;
    return GlyphPicture::Glyph;
}

int PressOffset(const GlyphButtonState& state, const GlyphButtonLook& look) {
    return look.pressMove && state.pressed && !look.pressFocus ? 1 : 0;
}

std::optional<EdgeRect> BackgroundRect(int width, int height, const GlyphButtonState& state,
                                       const GlyphButtonLook& look) {
    const bool filled = !look.transparent || (state.hovered && look.style == TbuttonStyle::byOutLook);
    if (!filled) return std::nullopt;
    if (state.hovered && look.style != TbuttonStyle::byNone) return EdgeRect{1, 1, width - 1, height - 1};
    return EdgeRect{0, 0, width, height};
}

BorderLook ChooseBorder(const GlyphButtonState& state, const GlyphButtonLook& look, bool erase) {
    if (look.style == TbuttonStyle::byNone) return BorderLook::None;
    const BorderLook raised = look.ctl3D ? BorderLook::Raised : BorderLook::Flat;
    const BorderLook sunken = look.ctl3D ? BorderLook::Sunken : BorderLook::Flat;

    if (state.pressed || (state.checked && look.checkeffect != TCheckeffect::efNone)) return sunken;

    TbuttonStyle style = look.style;
    if (style == TbuttonStyle::byOutLook && !look.transparent) style = TbuttonStyle::byMs98;
    switch (style) {
        case TbuttonStyle::byNormal:
            return raised;
        case TbuttonStyle::byMs98:
            if (state.hovered) return raised;
            if (!erase) return BorderLook::None;
            return look.transparent ? BorderLook::EraseParentStrips : BorderLook::FrameInColor;
        case TbuttonStyle::byOutLook:
            return state.hovered ? raised : BorderLook::None;
        case TbuttonStyle::byNone:
            break;
    }
    return BorderLook::None;
}

HoverRepaint HoverRepaintOf(const GlyphButtonLook& look, bool hasGlyphfocus) {
    if (hasGlyphfocus) return HoverRepaint::Whole;
    switch (look.style) {
        case TbuttonStyle::byMs98:
            return HoverRepaint::BorderOnly;
        case TbuttonStyle::byOutLook:
            return look.transparent ? HoverRepaint::Whole : HoverRepaint::BorderOnly;
        case TbuttonStyle::byNone:
        case TbuttonStyle::byNormal:
            break;
    }
    return HoverRepaint::None;
}

std::array<EdgeRect, 4> EdgeStrips(const EdgeRect& b) {
    return {{{b.left, b.top, b.right, b.top + 1},
             {b.left, b.top, b.left + 1, b.bottom},
             {b.right - 1, b.top, b.right, b.bottom},
             {b.left, b.bottom - 1, b.right, b.bottom}}};
}

}  // namespace corvina
