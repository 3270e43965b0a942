#include "widgets/hint_form_placement.h"

namespace corvina {

Rect HintFormBounds(bool hideTaskBar, const std::optional<EdgeRect>& workArea, int screenWidth, int screenHeight) {
    const EdgeRect target = (!hideTaskBar && workArea) ? *workArea : EdgeRect{0, 0, screenWidth, screenHeight};
    return Rect{target.left, target.top, target.right - target.left, target.bottom - target.top};
}

}  // namespace corvina
