#pragma once
// A font as controls carry it: a plain value, compared and copied freely.
// The GDI object is made from it where text is drawn (ui/gdi_font.h).

#include <cstdint>

#include "sys/big5.h"
#include "sys/colors.h"

namespace corvina::ui {

enum class FontStyle : std::uint8_t { None = 0, Bold = 1, Italic = 2, Underline = 4, StrikeOut = 8 };

constexpr FontStyle operator|(FontStyle a, FontStyle b) {
    return static_cast<FontStyle>(static_cast<std::uint8_t>(a) | static_cast<std::uint8_t>(b));
}
constexpr bool Has(FontStyle set, FontStyle style) {
    return (static_cast<std::uint8_t>(set) & static_cast<std::uint8_t>(style)) != 0;
}

// The window-text system colour.
inline constexpr Color kWindowTextColor = Color::System(8);

struct Font {
    Font();
    Font(Big5 face, int height, FontStyle style = FontStyle::None, Color color = kWindowTextColor);

    Big5 face;
    int height;  // of the characters, in pixels
    FontStyle style;
    Color color;

    friend bool operator==(const Font&, const Font&) = default;
};

// The face of a font nobody chose: the usual Traditional Chinese face.
const Big5& DefaultFontFace();
inline constexpr int kDefaultFontHeight = 12;

}  // namespace corvina::ui
