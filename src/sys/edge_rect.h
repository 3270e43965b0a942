#pragma once
// Rectangles by their four edges, as GDI takes them: right and bottom lie
// just outside. The small integer helpers of the custom-drawn controls sit
// beside them.

#include "sys/geometry.h"

namespace corvina {

struct EdgeRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    friend bool operator==(const EdgeRect&, const EdgeRect&) = default;
};

constexpr EdgeRect EdgesOf(const Rect& r) { return {r.left, r.top, r.left + r.width, r.top + r.height}; }

constexpr EdgeRect OffsetRect(const EdgeRect& r, int dx, int dy) {
    return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

// Whether the two share a pixel; an empty rectangle shares none.
constexpr bool Overlaps(const EdgeRect& a, const EdgeRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom && a.left < a.right &&
           a.top < a.bottom && b.left < b.right && b.top < b.bottom;
}

constexpr int MaxOf(int a, int b) { return a > b ? a : b; }
constexpr int MinOf(int a, int b) { return a < b ? a : b; }

// The low bound wins when the bounds cross.
constexpr int ClampInt(int value, int low, int high) {
    if (value < low) return low;
    if (value > high) return high;
    return value;
}

constexpr void ShrinkRect(EdgeRect& r, int n) { r = {r.left + n, r.top + n, r.right - n, r.bottom - n}; }

// May leave an empty or inverted rectangle; callers that care test it.
constexpr void ClipRectTo(EdgeRect& r, const EdgeRect& bounds) {
    r.left = MaxOf(r.left, bounds.left);
    r.top = MaxOf(r.top, bounds.top);
    r.right = MinOf(r.right, bounds.right);
    r.bottom = MinOf(r.bottom, bounds.bottom);
}

}  // namespace corvina
