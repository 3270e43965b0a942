#include "sys/contrast_color.h"

namespace corvina {

Color ContrastColor(Color color, const SystemColorLookup& systemRgb) {
    if (color == Color{0x808080}) return Color{0x000000};
    const Color rgb = color.IsSystem() ? systemRgb(color.SystemIndex()) : color;
    return Color{0xFFFFFFu - (rgb.value & 0xFFFFFFu)};
}

}  // namespace corvina
