#include "ui/font.h"

#include <utility>

#include "sys/text.h"

namespace corvina::ui {

Font::Font() : Font(DefaultFontFace(), kDefaultFontHeight) {}

Font::Font(Big5 faceName, int pixelHeight, FontStyle fontStyle, Color fontColor)
    : face(std::move(faceName)), height(pixelHeight), style(fontStyle), color(fontColor) {}

const Big5& DefaultFontFace() {
    static const Big5 face = T(u8"新細明體");
    return face;
}

}  // namespace corvina::ui
