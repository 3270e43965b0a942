#include "sys/popup_sizes.h"

#include <algorithm>

namespace corvina {

namespace {

constexpr int kLineSpacing = 6;
constexpr int kPopupExtra = 4;
constexpr int kPopupMinTextWidth = 50;
constexpr int kTextBoxExtraHeight = 21;
constexpr int kTextBoxExtraWidth = 10;
constexpr int kTextBoxMinLineWidth = 10;

bool Contains(const EdgeRect& r, Point p) { return p.x >= r.left && p.x <= r.right && p.y >= r.top && p.y <= r.bottom; }

// Appended piece by piece: GCC 12 warns falsely (-Wrestrict) on " " + text.
Big5 BlankLed(std::string_view text) {
    Big5 led(1, ' ');
    led.append(text);
    return led;
}

}  // namespace

Big5 PopupEntryText(std::string_view entry) { return BlankLed(entry); }

int PopupRowHeight(int heightOfF) { return heightOfF + kLineSpacing; }

std::vector<int> PopupColumnWidths(int gridWidth) { return {1, std::max(gridWidth - 1, 0)}; }

Size PopupBoxClientSize(const std::vector<Big5>& entries, const TextWidthOf& widthOf, int heightOfF, int heightOfBlank,
                        int panelBorderWidth, bool border3D) {
    int widest = kPopupMinTextWidth;
    for (const Big5& entry : entries) widest = std::max(widest, widthOf(PopupEntryText(entry)));
    const int rows = static_cast<int>(entries.size());
    const int height = PopupRowHeight(heightOfF) * rows + 2 * panelBorderWidth + 2 * (border3D ? 1 : 0) + kPopupExtra;
    return {widest + heightOfBlank + 2 * panelBorderWidth, height};
}

Big5 TextBoxLabelText(const std::vector<Big5>& lines) {
    Big5 text;
    for (const Big5& line : lines) text.append(BlankLed(line)).push_back('\r');
    return text;
}

Size TextBoxSize(const std::vector<Big5>& lines, const TextWidthOf& widthOf, int firstLineHeight) {
    int widest = kTextBoxMinLineWidth;
    for (const Big5& line : lines) widest = std::max(widest, widthOf(BlankLed(line)));
    const int count = static_cast<int>(lines.size());
    return {kTextBoxExtraWidth + widest, kTextBoxExtraHeight + count * firstLineHeight};
}

Point KeepOnScreenRight(Point topLeft, int boxWidth, int screenWidth) {
    if (topLeft.x + boxWidth > screenWidth) topLeft.x = std::max(screenWidth - boxWidth, 0);
    return topLeft;
}

bool InsideBoxOrAnchor(Point cursor, const EdgeRect& box, const EdgeRect& anchor) {
    return Contains(box, cursor) || (anchor != EdgeRect{} && Contains(anchor, cursor));
}

bool PopupBoxClosesOnTick(bool active, Point cursor, const EdgeRect& box, const EdgeRect& anchor) {
    return !active || !InsideBoxOrAnchor(cursor, box, anchor);
}

bool TextBoxClosesOnTick(bool active, Point cursor, const EdgeRect& box, const EdgeRect& anchor) {
    return active && !InsideBoxOrAnchor(cursor, box, anchor);
}

}  // namespace corvina
