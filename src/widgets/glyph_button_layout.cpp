#include "widgets/glyph_button_layout.h"

#include <utility>

namespace corvina {

namespace {

struct AxisPlaces {
    int first = 0;
    int second = 0;
};

// Two items centred together along one axis; no gap when either is missing.
AxisPlaces PlaceAlongAxis(int total, int a, int b, int spacing) {
    const int gap = (a != 0 && b != 0) ? spacing : 0;
    const int start = (total - (a + b + gap)) / 2;
    return {start, start + a + gap};
}

bool Vertical(TButtonLayout layout) {
    return layout == TButtonLayout::blGlyphTop || layout == TButtonLayout::blGlyphBottom;
}

}  // namespace

int CaptionAvailableWidth(int buttonWidth, int glyphWidth, TButtonLayout layout, int spacing) {
    return Vertical(layout) ? buttonWidth - 2 : buttonWidth - glyphWidth - spacing - 2;
}

MeasuredCaption MeasureCaption(std::string_view caption, int availableWidth, int lineHeight,
                               const TextWidthFn& textWidth) {
    if (caption.empty()) return {};
    WrappedCaption wrapped = WrapCaption(caption, availableWidth, textWidth);
    const int width = MinOf(textWidth(wrapped.text), availableWidth);
    return {std::move(wrapped.text), width, lineHeight * (wrapped.breaks + 1)};
}

GlyphButtonGeometry LayoutGlyphButton(const GlyphButtonLayoutInput& in) {
    const int w = in.width;
    const int h = in.height;
    const int gw = in.maptoFront ? in.glyphWidth : 0;
    const int gh = in.maptoFront ? in.glyphHeight : 0;
    const int tw = in.captionWidth;
    const int th = in.captionHeight;

    int spacing = in.spacing;
    if (in.spacingAuto) spacing = Vertical(in.layout) ? (h - gh - th) / 3 : (w - gw - tw) / 3;

    int gx = (w - gw) / 2;
    int gy = (h - gh) / 2;
    int tx = (w - tw) / 2;
    int ty = (h - th) / 2;

    switch (in.layout) {
        case TButtonLayout::blGlyphLeft: {
            const AxisPlaces p = PlaceAlongAxis(w, gw, tw, spacing);
            gx = p.first;
            tx = p.second;
            break;
        }
        case TButtonLayout::blGlyphRight: {
            const AxisPlaces p = PlaceAlongAxis(w, tw, gw, spacing);
            tx = p.first;
            gx = p.second;
            break;
        }
        case TButtonLayout::blGlyphTop: {
            const AxisPlaces p = PlaceAlongAxis(h, gh, th, spacing);
            gy = p.first;
            ty = p.second;
            break;
        }
        case TButtonLayout::blGlyphBottom: {
            const AxisPlaces p = PlaceAlongAxis(h, th, gh, spacing);
            ty = p.first;
            gy = p.second;
            break;
        }
    }

    // The centred position of a missing picture still takes part here.
    int shiftX = 0;
    int shiftY = 0;
    switch (in.alignment) {
        case TAlignment::taLeft:
            shiftX = 2 - MinOf(gx, tx);
            break;
        case TAlignment::taRight:
            shiftX = (w - 2) - MaxOf(gx + gw, tx + tw);
            break;
        case TAlignment::taTop:
            shiftY = 2 - MinOf(gy, ty);
            break;
        case TAlignment::taBottom:
            shiftY = (h - 2) - MaxOf(gy + gh, ty + th);
            break;
        case TAlignment::taAutoSpacing:
            break;
    }
    gx += shiftX;
    tx += shiftX;
    gy += shiftY;
    ty += shiftY;

    const int k = in.pressOffset;
    GlyphButtonGeometry out;
    out.spacing = spacing;
    out.glyph = in.maptoFront ? Point{gx + k, gy + k} : Point{k, k};
    out.captionAt = {tx, ty, tx + tw, ty + th};
    out.caption = OffsetRect(out.captionAt, k, k);
    return out;
}

}  // namespace corvina
