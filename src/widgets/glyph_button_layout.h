#pragma once
// Where a glyph button puts its picture and its wrapped caption.

#include <string_view>

#include "sys/big5.h"
#include "sys/edge_rect.h"
#include "widgets/caption_wrap.h"
#include "widgets/glyph_button_types.h"

namespace corvina {

// Width the caption may take beside or above the picture. `glyphWidth` is
// 0 when the picture is not laid out (MaptoFront off); `spacing` is the
// value before this paint.
int CaptionAvailableWidth(int buttonWidth, int glyphWidth, TButtonLayout layout, int spacing);

struct MeasuredCaption {
    Big5 text;  // wrapped, carriage return between lines
    int width = 0;
    int height = 0;
};

// `lineHeight` is the text height of "T" in the button's font. The width
// is that of the whole wrapped text measured as one line, capped at the
// available width.
MeasuredCaption MeasureCaption(std::string_view caption, int availableWidth, int lineHeight,
                               const TextWidthFn& textWidth);

struct GlyphButtonLayoutInput {
    int width = 30;
    int height = 30;
    int glyphWidth = 0;  // of the chosen picture, 0 for none
    int glyphHeight = 0;
    bool maptoFront = true;
    int captionWidth = 0;
    int captionHeight = 0;
    TButtonLayout layout = TButtonLayout::blGlyphTop;
    TAlignment alignment = TAlignment::taAutoSpacing;
    int spacing = 0;
    bool spacingAuto = true;
    int pressOffset = 0;
};

struct GlyphButtonGeometry {
    int spacing = 0;     // computed when automatic, to be stored back
    Point glyph;         // top-left of the picture, press offset included
    EdgeRect caption;    // press offset included
    EdgeRect captionAt;  // without the press offset: the engraved look's place
    friend bool operator==(const GlyphButtonGeometry&, const GlyphButtonGeometry&) = default;
};

GlyphButtonGeometry LayoutGlyphButton(const GlyphButtonLayoutInput& in);

}  // namespace corvina
