#pragma once
// The drawing tools a canvas holds, as plain values.

#include <cstdint>

#include "sys/colors.h"

namespace corvina::ui {

class Bitmap;

enum class PenStyle { Solid, Dot, Clear };

struct Pen {
    Color color = Color::Rgb(0, 0, 0);
    int width = 1;
    PenStyle style = PenStyle::Solid;
    friend bool operator==(const Pen&, const Pen&) = default;
};

enum class BrushStyle { Solid, Clear, Pattern };

struct Brush {
    Color color = Color::Rgb(255, 255, 255);
    BrushStyle style = BrushStyle::Solid;
    // Pattern brushes only; not owned, it must outlive the canvas's use of it.
    const Bitmap* pattern = nullptr;
    friend bool operator==(const Brush&, const Brush&) = default;
};

// The DrawText layout flags the controls use.
enum class TextFormat : std::uint16_t {
    Left = 0,
    Center = 1,
    Right = 2,
    VCenter = 4,
    Bottom = 8,
    SingleLine = 16,
    WordBreak = 32,
    ExpandTabs = 64,
    NoPrefix = 128,
    CalcRect = 256,
    RtlReading = 512,
};

constexpr TextFormat operator|(TextFormat a, TextFormat b) {
    return static_cast<TextFormat>(static_cast<std::uint16_t>(a) | static_cast<std::uint16_t>(b));
}
constexpr bool Has(TextFormat set, TextFormat flag) {
    return (static_cast<std::uint16_t>(set) & static_cast<std::uint16_t>(flag)) != 0;
}

}  // namespace corvina::ui
