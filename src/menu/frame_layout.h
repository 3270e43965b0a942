#pragma once
// Where the controls of a menu item's frame go, which built-in bitmaps
// they show, and where a channel's next frame starts. Arithmetic only: the
// main window creates the controls from these answers.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "sys/geometry.h"

namespace corvina {

// Index into ItemFrameSizes; small when FrameSmallSize is set.
enum class FrameSize { Normal = 0, Small = 1 };

constexpr FrameSize FrameSizeOf(bool frameSmallSize) { return frameSmallSize ? FrameSize::Small : FrameSize::Normal; }

struct ItemFrameSize {
    int width;
    int height;
    int gap;  // between columns
};

inline constexpr std::array<ItemFrameSize, 2> ItemFrameSizes{{{240, 170, 13}, {187, 133, 8}}};

constexpr const ItemFrameSize& FrameSizeValues(FrameSize size) {
    return ItemFrameSizes[static_cast<std::size_t>(size)];
}

// The three small buttons down the frame's right edge, numbered from the
// top; the number is also the button's action kind.
enum class SmallButton { GameRecords = 1, WebLinks = 2, Note = 3 };

inline constexpr std::array<SmallButton, 3> kSmallButtons{SmallButton::GameRecords, SmallButton::WebLinks,
                                                          SmallButton::Note};

constexpr int ActionKind(SmallButton button) { return static_cast<int>(button); }

// The small button's tag: action kind × 1000 + item index. The picture
// button's tag is the bare index.
int ItemButtonCode(SmallButton button, int itemIndex);

Rect FrameBounds(FrameSize size, Point origin);
Rect PictureButtonBounds(FrameSize size, Point origin);
Rect SmallButtonBounds(FrameSize size, Point origin, SmallButton button);
Rect CaptionLabelBounds(FrameSize size, Point origin);
int CaptionFontSize(FrameSize size);

// Bitmap resource names built into the program.
std::string FrameResourceName(FrameSize size);

struct GlyphNames {
    std::string Glyph;       // normal look
    std::string Glyphfocus;  // hover look
};
GlyphNames SmallButtonGlyphNames(FrameSize size, SmallButton button);

// A target that carries its own icon: ".exe", ".com" or ".bat" in any
// letter case. Other targets show the icon of the program that opens them.
bool TargetIsProgram(std::string_view target);

// Where a 32-pixel icon goes to sit centred on a picture of that size.
constexpr Point IconPoint(int width, int height) { return {(width - 32) / 2, (height - 32) / 2}; }

// Where the first frame of every channel goes.
inline constexpr Point kChannelStart{4, 5};

// The origin of the frame after the one at `origin`. A row wraps when the
// next frame would pass the screen's right edge: the whole screen's width
// counts, not the page's.
Point NextItemOrigin(FrameSize size, int screenWidth, Point origin);

// How many frames, laid out from the start, begin above `pageHeight`: the
// ones a page shows before it is scrolled.
int FramesInView(FrameSize size, int screenWidth, int pageHeight);

}  // namespace corvina
