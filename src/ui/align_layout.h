#pragma once
// Alignment of a container's children, the classic way: top and bottom
// children take full-width strips off the client rectangle in creation
// order, then left and right take full-height strips off what is left,
// and client children fill the rest. Portable, so it is unit-tested natively.

#include <span>
#include <vector>

#include "sys/geometry.h"

namespace corvina::ui {

enum class Align { None, Top, Bottom, Left, Right, Client };

struct AlignedChild {
    Align align = Align::None;
    Rect bounds;
    bool visible = true;
};

// The children's new bounds, in the order given. Unaligned and invisible
// children keep theirs; the remaining space never goes below zero.
std::vector<Rect> LayOutAligned(const Rect& client, std::span<const AlignedChild> children);

}  // namespace corvina::ui
