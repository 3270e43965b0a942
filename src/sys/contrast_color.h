#pragma once
// A colour that stands out on a given background, for marks drawn over
// cells of any colour.

#include <functional>

#include "sys/colors.h"

namespace corvina {

// The RGB value of a system colour index; the Win32 layer passes
// GetSysColor, tests a table.
using SystemColorLookup = std::function<Color(int index)>;

// Mid grey is its own inverse, so it gets black. Only the literal grey
// value counts: a system colour that happens to be grey is inverted.
Color ContrastColor(Color color, const SystemColorLookup& systemRgb);

}  // namespace corvina
