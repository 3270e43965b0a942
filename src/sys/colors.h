#pragma once
// Colours as the settings files and the controls spell them: the classic
// 0x00BBGGRR value, system colours as 0xFF000000 | COLOR_xxx index, and
// the colour-name table ("clRed", "clBtnFace", "clNone", ...).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace corvina {

struct Color {
    std::uint32_t value = 0;

    static constexpr Color Rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
        return Color{static_cast<std::uint32_t>(red) | (static_cast<std::uint32_t>(green) << 8) |
                     (static_cast<std::uint32_t>(blue) << 16)};
    }
    static constexpr Color System(int index) { return Color{0xFF000000u | static_cast<std::uint32_t>(index)}; }

    constexpr bool IsSystem() const { return (value & 0xFF000000u) == 0xFF000000u; }
    constexpr int SystemIndex() const { return static_cast<int>(value & 0xFFu); }
    constexpr std::uint8_t Red() const { return static_cast<std::uint8_t>(value & 0xFF); }
    constexpr std::uint8_t Green() const { return static_cast<std::uint8_t>((value >> 8) & 0xFF); }
    constexpr std::uint8_t Blue() const { return static_cast<std::uint8_t>((value >> 16) & 0xFF); }

    friend constexpr bool operator==(Color, Color) = default;
};

inline constexpr Color kColorNone{0x1FFFFFFFu};
inline constexpr Color kColorDefault{0x20000000u};
// The ground of a menu page without a colour of its own.
inline constexpr Color kLightOrange = Color::Rgb(251, 207, 125);

// A name of the colour table, compared without letter case.
std::optional<Color> ColorFromName(std::string_view name);
// A name of the table, else an integer (decimal, "$" or "0x" hexadecimal);
// nothing when the text is neither.
std::optional<Color> ColorFromText(std::string_view text);
// The table's name of a colour, else "$00BBGGRR".
std::string ColorToText(Color color);

}  // namespace corvina
