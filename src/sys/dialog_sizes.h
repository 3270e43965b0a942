#pragma once
// Sizes of the small windows the program builds in code, from text
// measurements handed in by the window side.

#include <functional>
#include <string_view>

#include "sys/big5.h"
#include "sys/geometry.h"

namespace corvina {

using TextWidthOf = std::function<int(std::string_view)>;

// The text a blank wait-window text becomes.
Big5 DefaultWaitText();

// The wait window's client size: the text padded with two blanks at each
// end, lines split at CR; each line as high as "F" plus 6, plus 4 in all;
// as wide as the widest padded line.
Size WaitWindowClientSize(std::string_view text, const TextWidthOf& widthOf, int heightOfF);

}  // namespace corvina
