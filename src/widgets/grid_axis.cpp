#include "widgets/grid_axis.h"

#include <algorithm>
#include <cstddef>

namespace corvina {

namespace {
std::size_t At(int index) { return static_cast<std::size_t>(index); }
}  // namespace

GridAxis::GridAxis(int count, int fixed, int defaultExtent)
    : extents_(At(std::max(count, 0)), std::max(defaultExtent, 0)), defaultExtent_(std::max(defaultExtent, 0)) {
    SetFixed(fixed);
}

void GridAxis::SetCount(int count) {
    extents_.resize(At(std::max(count, 0)), defaultExtent_);
    fixed_ = std::min(fixed_, Count());
    SetFirst(first_);
}

void GridAxis::SetFixed(int fixed) {
    fixed_ = std::clamp(fixed, 0, Count());
    SetFirst(first_);
}

void GridAxis::SetDefaultExtent(int extent) {
    defaultExtent_ = std::max(extent, 0);
    std::fill(extents_.begin(), extents_.end(), defaultExtent_);
    SetFirst(first_);
}

int GridAxis::Extent(int index) const { return index >= 0 && index < Count() ? extents_[At(index)] : defaultExtent_; }

void GridAxis::SetExtent(int index, int extent) {
    if (index < 0 || index >= Count()) return;
    extents_[At(index)] = std::max(extent, 0);
    SetFirst(first_);
}

void GridAxis::SetLineWidth(int width) {
    lineWidth_ = std::max(width, 0);
    SetFirst(first_);
}

void GridAxis::SetClientExtent(int extent) {
    clientExtent_ = std::max(extent, 0);
    SetFirst(first_);
}

int GridAxis::FixedBoundary() const {
    int boundary = 0;
    for (int i = 0; i < fixed_; ++i) boundary += Step(i);
    return boundary;
}

int GridAxis::MaxFirst() const {
    const int room = clientExtent_ - FixedBoundary();
    int used = 0;
    int first = Count();
    while (first > fixed_ && used + Extent(first - 1) <= room) {
        used += Step(first - 1);
        --first;
    }
    return std::clamp(first, fixed_, std::max(fixed_, Count() - 1));
}

bool GridAxis::SetFirst(int first) {
    const int clamped = std::clamp(first, fixed_, MaxFirst());
    const bool moved = clamped != first_;
    first_ = clamped;
    return moved;
}

bool GridAxis::ScrollInView(int index) {
    // Before the grid has a size there is no view to scroll into.
    if (index < fixed_ || index >= Count() || clientExtent_ == 0) return false;
    if (index < first_) return SetFirst(index);
    const int room = clientExtent_ - FixedBoundary();
    int start = index;
    int used = Extent(index);
    while (start > first_ && used + Step(start - 1) <= room) {
        used += Step(start - 1);
        --start;
    }
    return start > first_ ? SetFirst(start) : false;
}

std::optional<AxisSpan> GridAxis::SpanOf(int index) const {
    if (index < 0 || index >= Count()) return std::nullopt;
    int start = 0;
    if (index < fixed_) {
        for (int i = 0; i < index; ++i) start += Step(i);
    } else {
        if (index < first_) return std::nullopt;
        start = FixedBoundary();
        for (int i = first_; i < index; ++i) start += Step(i);
    }
    if (start >= clientExtent_) return std::nullopt;
    return AxisSpan{start, start + Extent(index)};
}

int GridAxis::IndexAt(int coordinate) const {
    if (coordinate < 0 || coordinate >= clientExtent_) return -1;
    const int boundary = FixedBoundary();
    int line = coordinate < boundary ? 0 : boundary;
    for (int i = coordinate < boundary ? 0 : first_; i < Count(); ++i) {
        line += Step(i);
        if (coordinate < line) return i;
    }
    return -1;
}

int GridAxis::FullyVisibleCount() const {
    int count = 0;
    int line = FixedBoundary();
    for (int i = first_; i < Count(); ++i) {
        line += Extent(i);
        if (line > clientExtent_) break;
        line += lineWidth_;
        ++count;
    }
    return std::max(count, 1);
}

int GridAxis::LastVisible() const {
    int last = first_ - 1;
    int line = FixedBoundary();
    for (int i = first_; i < Count() && line < clientExtent_; ++i) {
        last = i;
        line += Step(i);
    }
    return last;
}

}  // namespace corvina
