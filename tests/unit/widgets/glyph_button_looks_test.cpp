#include "widgets/glyph_button_looks.h"

#include <gtest/gtest.h>

namespace corvina {
namespace {

using enum TbuttonStyle;

GlyphButtonState Hovered() { return {.hovered = true}; }
GlyphButtonState Pressed() { return {.pressed = true, .hovered = true}; }

TEST(GlyphPictureChoice, DisabledThenFocusLookThenNormal) {
    const GlyphPictures all{.hasGlyphfocus = true, .hasGlyphDis = true};
    const GlyphButtonLook look;
    EXPECT_EQ(ChooseGlyphPicture({.enabled = false}, look, all), GlyphPicture::GlyphDis);
    EXPECT_EQ(ChooseGlyphPicture({.enabled = false}, look, {.hasGlyphfocus = true}), GlyphPicture::Glyph);
    EXPECT_EQ(ChooseGlyphPicture({}, look, all), GlyphPicture::Glyph);
    EXPECT_EQ(ChooseGlyphPicture(Hovered(), look, all), GlyphPicture::Glyphfocus);
    EXPECT_EQ(ChooseGlyphPicture(Pressed(), look, all), GlyphPicture::Glyphfocus);
    EXPECT_EQ(ChooseGlyphPicture(Hovered(), look, {}), GlyphPicture::Glyph);
}

TEST(GlyphPictureChoice, WithPressFocusTheHoverPictureShowsOnlyWhilePressed) {
    const GlyphButtonLook look{.pressFocus = true};
    const GlyphPictures focus{.hasGlyphfocus = true};
    EXPECT_EQ(ChooseGlyphPicture(Hovered(), look, focus), GlyphPicture::Glyph);
    EXPECT_EQ(ChooseGlyphPicture(Pressed(), look, focus), GlyphPicture::Glyphfocus);
}

TEST(GlyphButtonLooks, PressOffsetOnlyWithPressMoveAndWithoutPressFocus) {
    EXPECT_EQ(PressOffset(Pressed(), {}), 1);
    EXPECT_EQ(PressOffset(Hovered(), {}), 0);
    EXPECT_EQ(PressOffset(Pressed(), {.pressMove = false}), 0);
    EXPECT_EQ(PressOffset(Pressed(), {.pressFocus = true}), 0);
}

TEST(GlyphButtonLooks, BackgroundKeepsTheEdgeOfAHoveredBorderAndIsMissingWhenTransparent) {
    const EdgeRect whole{0, 0, 30, 20};
    const EdgeRect inner{1, 1, 29, 19};
    EXPECT_EQ(BackgroundRect(30, 20, {}, {}), whole);
    for (auto style : {byNormal, byMs98, byOutLook})
        EXPECT_EQ(BackgroundRect(30, 20, Hovered(), {.style = style}), inner);
    EXPECT_EQ(BackgroundRect(30, 20, Hovered(), {.style = byNone}), whole);

    EXPECT_FALSE(BackgroundRect(30, 20, {}, {.transparent = true}));
    EXPECT_FALSE(BackgroundRect(30, 20, Hovered(), {.style = byMs98, .transparent = true}));
    EXPECT_FALSE(BackgroundRect(30, 20, {}, {.style = byOutLook, .transparent = true}));
    EXPECT_EQ(BackgroundRect(30, 20, Hovered(), {.style = byOutLook, .transparent = true}), inner);
}

TEST(GlyphButtonBorder, NoneStyleNeverDrawsAndPressedOrCheckedIsSunken) {
    EXPECT_EQ(ChooseBorder(Pressed(), {.style = byNone}, false), BorderLook::None);
    EXPECT_EQ(ChooseBorder({.checked = true}, {.style = byNone, .checkeffect = TCheckeffect::efFrame}, true),
              BorderLook::None);
    for (auto style : {byNormal, byMs98, byOutLook}) {
        EXPECT_EQ(ChooseBorder(Pressed(), {.style = style}, false), BorderLook::Sunken);
        EXPECT_EQ(ChooseBorder({.checked = true}, {.style = style, .checkeffect = TCheckeffect::efDark}, false),
                  BorderLook::Sunken);
    }
    // efNone keeps a checked button looking like any other.
    EXPECT_EQ(ChooseBorder({.checked = true}, {.style = byNormal}, false), BorderLook::Raised);
}

TEST(GlyphButtonBorder, Ms98IsRaisedOnlyWhileHoveredAndErasesItsBevelOnLeaving) {
    const GlyphButtonLook opaque{.style = byMs98};
    const GlyphButtonLook transparent{.style = byMs98, .transparent = true};
    EXPECT_EQ(ChooseBorder(Hovered(), opaque, false), BorderLook::Raised);
    EXPECT_EQ(ChooseBorder({}, opaque, false), BorderLook::None);
    EXPECT_EQ(ChooseBorder({}, opaque, true), BorderLook::FrameInColor);
    EXPECT_EQ(ChooseBorder({}, transparent, true), BorderLook::EraseParentStrips);
    EXPECT_EQ(ChooseBorder(Hovered(), transparent, true), BorderLook::Raised);
}

TEST(GlyphButtonBorder, OpaqueOutLookBehavesAsMs98AndTransparentOutLookNeverErases) {
    EXPECT_EQ(ChooseBorder({}, {.style = byOutLook}, true), BorderLook::FrameInColor);
    EXPECT_EQ(ChooseBorder({}, {.style = byOutLook, .transparent = true}, true), BorderLook::None);
    EXPECT_EQ(ChooseBorder(Hovered(), {.style = byOutLook, .transparent = true}, false), BorderLook::Raised);
    EXPECT_EQ(ChooseBorder({}, {.style = byNormal}, false), BorderLook::Raised);
}

TEST(GlyphButtonBorder, WithoutCtl3DBevelsBecomeFlatRectangles) {
    EXPECT_EQ(ChooseBorder({}, {.style = byNormal, .ctl3D = false}, false), BorderLook::Flat);
    EXPECT_EQ(ChooseBorder(Pressed(), {.style = byMs98, .ctl3D = false}, false), BorderLook::Flat);
    EXPECT_EQ(ChooseBorder({}, {.style = byMs98, .ctl3D = false}, true), BorderLook::FrameInColor);
}

TEST(GlyphButtonHover, RepaintsWholeForAHoverPictureElseOnlyTheBorderWhereItChanges) {
    EXPECT_EQ(HoverRepaintOf({.style = byNone}, true), HoverRepaint::Whole);
    EXPECT_EQ(HoverRepaintOf({.style = byNone}, false), HoverRepaint::None);
    EXPECT_EQ(HoverRepaintOf({.style = byNormal}, false), HoverRepaint::None);
    EXPECT_EQ(HoverRepaintOf({.style = byMs98}, false), HoverRepaint::BorderOnly);
    EXPECT_EQ(HoverRepaintOf({.style = byOutLook}, false), HoverRepaint::BorderOnly);
    EXPECT_EQ(HoverRepaintOf({.style = byOutLook, .transparent = true}, false), HoverRepaint::Whole);
}

TEST(GlyphButtonHover, EdgeStripsAreOnePixelAlongEachSide) {
    const auto strips = EdgeStrips({10, 20, 40, 50});
    EXPECT_EQ(strips[0], (EdgeRect{10, 20, 40, 21}));
    EXPECT_EQ(strips[1], (EdgeRect{10, 20, 11, 50}));
    EXPECT_EQ(strips[2], (EdgeRect{39, 20, 40, 50}));
    EXPECT_EQ(strips[3], (EdgeRect{10, 49, 40, 50}));
}

}  // namespace
}  // namespace corvina
