#pragma once
// One axis of the grid, rows or columns: the count, the fixed ones at the
// start, their extents, the grid lines and the first scrolled-in index
// (TopRow or LeftCol). Rows and columns share every rule of placement.

#include <optional>
#include <vector>

namespace corvina {

// Client coordinates of one row or column: [start, end).
struct AxisSpan {
    int start = 0;
    int end = 0;
    friend bool operator==(const AxisSpan&, const AxisSpan&) = default;
};

class GridAxis {
public:
    GridAxis(int count, int fixed, int defaultExtent);

    int Count() const { return static_cast<int>(extents_.size()); }
    // New entries take the default extent; the fixed count and the first
    // index are kept valid.
    void SetCount(int count);
    int Fixed() const { return fixed_; }
    // Limited to the count, as a grid has at least its fixed lines.
    void SetFixed(int fixed);

    // Resets every extent, as the string grid does.
    void SetDefaultExtent(int extent);
    int Extent(int index) const;
    // Ignored outside the axis; negative extents become 0.
    void SetExtent(int index, int extent);
    const std::vector<int>& Extents() const { return extents_; }

    int LineWidth() const { return lineWidth_; }
    void SetLineWidth(int width);

    int ClientExtent() const { return clientExtent_; }
    void SetClientExtent(int extent);

    int First() const { return first_; }
    int MaxFirst() const;
    // Kept within [Fixed, MaxFirst]; true when it moved.
    bool SetFirst(int first);
    // Scrolls the least that shows the whole of `index` (its start when it
    // is larger than the room); true when it moved. Nothing before the
    // axis has a client extent.
    bool ScrollInView(int index);

    // Where the fixed lines end and the scrolled ones start.
    int FixedBoundary() const;
    // Nothing for an index outside the axis, scrolled out, or starting
    // past the client extent.
    std::optional<AxisSpan> SpanOf(int index) const;
    // The index under a client coordinate, -1 for none (also outside the
    // client area and on the grid line after the last one).
    int IndexAt(int coordinate) const;
    // Scrolled indexes wholly inside the client area, at least 1.
    int FullyVisibleCount() const;
    // The last index that shows, even partly; First() - 1 when none does.
    int LastVisible() const;

private:
    int Step(int index) const { return Extent(index) + lineWidth_; }

    std::vector<int> extents_;
    int fixed_ = 0;
    int defaultExtent_ = 0;
    int lineWidth_ = 1;
    int clientExtent_ = 0;
    int first_ = 0;
};

}  // namespace corvina
