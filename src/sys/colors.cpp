#include "sys/colors.h"

#include <array>
#include <cstdio>
#include <string>

#include "sys/big5.h"
#include "sys/numbers.h"

namespace corvina {

namespace {

struct NamedColor {
    std::string_view name;
    Color color;
};

// The system colour indexes are those of GetSysColor (COLOR_xxx).
constexpr std::array kColorTable{
    NamedColor{"clBlack", Color{0x000000}},
    NamedColor{"clMaroon", Color{0x000080}},
    NamedColor{"clGreen", Color{0x008000}},
    NamedColor{"clOlive", Color{0x008080}},
    NamedColor{"clNavy", Color{0x800000}},
    NamedColor{"clPurple", Color{0x800080}},
    NamedColor{"clTeal", Color{0x808000}},
    NamedColor{"clGray", Color{0x808080}},
    NamedColor{"clSilver", Color{0xC0C0C0}},
    NamedColor{"clRed", Color{0x0000FF}},
    NamedColor{"clLime", Color{0x00FF00}},
    NamedColor{"clYellow", Color{0x00FFFF}},
    NamedColor{"clBlue", Color{0xFF0000}},
    NamedColor{"clFuchsia", Color{0xFF00FF}},
    NamedColor{"clAqua", Color{0xFFFF00}},
    NamedColor{"clWhite", Color{0xFFFFFF}},
    NamedColor{"clMoneyGreen", Color{0xC0DCC0}},
    NamedColor{"clSkyBlue", Color{0xF0CAA6}},
    NamedColor{"clCream", Color{0xF0FBFF}},
    NamedColor{"clMedGray", Color{0xA4A0A0}},
    NamedColor{"clScrollBar", Color::System(0)},
    NamedColor{"clBackground", Color::System(1)},
    NamedColor{"clActiveCaption", Color::System(2)},
    NamedColor{"clInactiveCaption", Color::System(3)},
    NamedColor{"clMenu", Color::System(4)},
    NamedColor{"clWindow", Color::System(5)},
    NamedColor{"clWindowFrame", Color::System(6)},
    NamedColor{"clMenuText", Color::System(7)},
    NamedColor{"clWindowText", Color::System(8)},
    NamedColor{"clCaptionText", Color::System(9)},
    NamedColor{"clActiveBorder", Color::System(10)},
    NamedColor{"clInactiveBorder", Color::System(11)},
    NamedColor{"clAppWorkSpace", Color::System(12)},
    NamedColor{"clHighlight", Color::System(13)},
    NamedColor{"clHighlightText", Color::System(14)},
    NamedColor{"clBtnFace", Color::System(15)},
    NamedColor{"clBtnShadow", Color::System(16)},
    NamedColor{"clGrayText", Color::System(17)},
    NamedColor{"clBtnText", Color::System(18)},
    NamedColor{"clInactiveCaptionText", Color::System(19)},
    NamedColor{"clBtnHighlight", Color::System(20)},
    NamedColor{"cl3DDkShadow", Color::System(21)},
    NamedColor{"cl3DLight", Color::System(22)},
    NamedColor{"clInfoText", Color::System(23)},
    NamedColor{"clInfoBk", Color::System(24)},
    NamedColor{"clHotLight", Color::System(26)},
    NamedColor{"clGradientActiveCaption", Color::System(27)},
    NamedColor{"clGradientInactiveCaption", Color::System(28)},
    NamedColor{"clMenuHighlight", Color::System(29)},
    NamedColor{"clMenuBar", Color::System(30)},
    NamedColor{"clNone", kColorNone},
    NamedColor{"clDefault", kColorDefault},
};

}  // namespace

std::optional<Color> ColorFromName(std::string_view name) {
    for (const NamedColor& entry : kColorTable) {
        if (EqualsIgnoreAsciiCase(entry.name, name)) return entry.color;
    }
    return std::nullopt;
}

std::optional<Color> ColorFromText(std::string_view text) {
    if (auto named = ColorFromName(text)) return named;
    if (auto number = ParseInteger(text)) return Color{static_cast<std::uint32_t>(*number)};
    return std::nullopt;
}

std::string ColorToText(Color color) {
    for (const NamedColor& entry : kColorTable) {
        if (entry.color == color) return std::string(entry.name);
    }
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "$%08X", static_cast<unsigned>(color.value));
    return buffer;
}

}  // namespace corvina
