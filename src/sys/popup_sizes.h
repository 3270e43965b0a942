#pragma once
// The popup list box `TPopMenuBOX` and the text box `THintBoX` without
// their windows: their looks, sizes, the move left at the screen's right
// edge and the 200 ms cursor watch that closes them.

#include <string_view>
#include <vector>

#include "sys/big5.h"
#include "sys/colors.h"
#include "sys/dialog_sizes.h"
#include "sys/edge_rect.h"
#include "sys/geometry.h"

namespace corvina {

// `ShowPopupBox`'s looks.
struct PopupBoxStyle {
    Color evenRowColor;
    Color oddRowColor;
    Color panelColor;
    int panelBorderWidth = 0;
    bool border3D = false;
    Color selectedRowColor;
    Color selectedTextColor;
    Color textColor;
    int fontSize = 0;
    Big5 fontName;
    friend bool operator==(const PopupBoxStyle&, const PopupBoxStyle&) = default;
};

// `ShowTextBox`'s looks.
struct TextBoxStyle {
    Color backColor;
    Color textColor;
    int fontSize = 0;
    friend bool operator==(const TextBoxStyle&, const TextBoxStyle&) = default;
};

// A font size in points as a character height in pixels on a 96-dpi
// screen, rounded down as the system rounds it.
constexpr int PixelHeightOfPoints(int points) { return points * 96 / 72; }

// A list row: the entry with one blank in front.
Big5 PopupEntryText(std::string_view entry);
// Each row as high as "F" plus 6.
int PopupRowHeight(int heightOfF);
// Column 0 is 1 pixel wide, column 1 takes the rest of the grid's width.
std::vector<int> PopupColumnWidths(int gridWidth);
// Rows × row height plus both panel borders, both 3-D borders and 4; the
// widest row text (at least 50) plus the height of a blank plus both
// panel borders.
Size PopupBoxClientSize(const std::vector<Big5>& entries, const TextWidthOf& widthOf, int heightOfF, int heightOfBlank,
                        int panelBorderWidth, bool border3D);

// The text box's label: a blank, the line and a CR for each line.
Big5 TextBoxLabelText(const std::vector<Big5>& lines);
// 21 + lines × the first line's height high; 10 + the widest " " + line
// (at least 10) wide.
Size TextBoxSize(const std::vector<Big5>& lines, const TextWidthOf& widthOf, int firstLineHeight);

// A box passing the screen's right edge moves left to end there, though
// never past the screen's left edge. No vertical correction.
Point KeepOnScreenRight(Point topLeft, int boxWidth, int screenWidth);

// Edges count as inside; an all-zero anchor is none.
bool InsideBoxOrAnchor(Point cursor, const EdgeRect& box, const EdgeRect& anchor);

// The popup list closes on a tick when it is not the active window or the
// cursor left both rectangles; the text box only while it is active.
bool PopupBoxClosesOnTick(bool active, Point cursor, const EdgeRect& box, const EdgeRect& anchor);
bool TextBoxClosesOnTick(bool active, Point cursor, const EdgeRect& box, const EdgeRect& anchor);
inline constexpr int kPopupWatchMs = 200;

// The chosen entry when a mouse button is released on the list: none with
// the right button held.
constexpr int PopupChoiceOnRelease(int currentRow, bool rightButtonHeld) { return rightButtonHeld ? -1 : currentRow; }

}  // namespace corvina
