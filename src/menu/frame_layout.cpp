#include "menu/frame_layout.h"

#include "menu/menu_data.h"
#include "sys/big5.h"
#include "sys/folder_rules.h"

namespace corvina {

namespace {

// Control bounds relative to the frame's top-left corner.
struct FrameOffsets {
    Rect pictureButton;
    Rect firstSmallButton;  // as if numbered 0: button i lies i steps lower
    int smallButtonStep;
    Rect captionLabel;
    int captionFontSize;
};

constexpr std::array<FrameOffsets, 2> kFrameOffsets{{
    {{6, 25, 208, 140}, {217, 76, 20, 21}, 20, {5, 3, 210, 22}, 14},
    {{5, 19, 162, 110}, {171, 60, 15, 15}, 16, {3, 2, 167, 17}, 12},
}};

constexpr int kRowGap = 10;

const FrameOffsets& OffsetsOf(FrameSize size) { return kFrameOffsets[static_cast<std::size_t>(size)]; }

Rect At(Point origin, Rect offset) {
    return {origin.x + offset.left, origin.y + offset.top, offset.width, offset.height};
}

std::string SmallSuffixed(std::string name, FrameSize size) {
    if (size == FrameSize::Small) name += "_S";
    return name;
}

}  // namespace

int ItemButtonCode(SmallButton button, int itemIndex) {
    return ActionKind(button) * static_cast<int>(kMaxMenuItems) + itemIndex;
}

Rect FrameBounds(FrameSize size, Point origin) {
    const ItemFrameSize& frame = FrameSizeValues(size);
    return {origin.x, origin.y, frame.width, frame.height};
}

Rect PictureButtonBounds(FrameSize size, Point origin) { return At(origin, OffsetsOf(size).pictureButton); }

Rect SmallButtonBounds(FrameSize size, Point origin, SmallButton button) {
    const FrameOffsets& offsets = OffsetsOf(size);
    Rect bounds = At(origin, offsets.firstSmallButton);
    bounds.top += offsets.smallButtonStep * ActionKind(button);
    return bounds;
}

Rect CaptionLabelBounds(FrameSize size, Point origin) { return At(origin, OffsetsOf(size).captionLabel); }

int CaptionFontSize(FrameSize size) { return OffsetsOf(size).captionFontSize; }

std::string FrameResourceName(FrameSize size) { return SmallSuffixed("ITEMFRAME", size); }

GlyphNames SmallButtonGlyphNames(FrameSize size, SmallButton button) {
    // Records, links and note, each in a light normal and a darker hover look.
    constexpr std::array<const char*, 3> kStems{"B_L", "B_P", "B_M"};
    const std::string stem = kStems[static_cast<std::size_t>(ActionKind(button) - 1)];
    return {.Glyph = SmallSuffixed(stem + "_H", size), .Glyphfocus = SmallSuffixed(stem + "_L", size)};
}

bool TargetIsProgram(std::string_view target) {
    const std::string_view extension = FileExtension(target);
    return EqualsIgnoreAsciiCase(extension, ".exe") || EqualsIgnoreAsciiCase(extension, ".com") ||
           EqualsIgnoreAsciiCase(extension, ".bat");
}

Point NextItemOrigin(FrameSize size, int screenWidth, Point origin) {
    const ItemFrameSize& frame = FrameSizeValues(size);
    const Point next{origin.x + frame.width + frame.gap, origin.y};
    if (screenWidth < next.x + frame.width) return {kChannelStart.x, origin.y + frame.height + kRowGap};
    return next;
}

int FramesInView(FrameSize size, int screenWidth, int pageHeight) {
    int count = 0;
    // Each frame lies right of the one before or on a lower row, so this ends.
    for (Point origin = kChannelStart; origin.y < pageHeight; origin = NextItemOrigin(size, screenWidth, origin)) {
        ++count;
    }
    return count;
}

}  // namespace corvina
