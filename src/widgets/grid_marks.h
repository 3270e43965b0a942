#pragma once
// The grid's row marks (`RowMarks`): one flag per row, the owner's veto on
// marking, and what shift, ctrl and plain clicks do to them.

#include <cstdint>
#include <functional>
#include <vector>

namespace corvina {

// `OnCanMultiSelect` (ARow, var CanChoose).
using CanMultiSelectEvent = std::function<void(int row, bool& canChoose)>;

// Told each row whose mark changed.
using RowChanged = std::function<void(int row)>;

enum class MarkClick { Plain, Shift, Ctrl };

class RowMarks {
public:
    int Count() const { return static_cast<int>(marks_.size()); }
    // New rows are unmarked.
    void Resize(int rowCount);

    bool Contains(int row) const { return row >= 0 && row < Count(); }
    // Rows outside read as unmarked.
    bool IsMarked(int row) const;
    int MarkedCount() const;

    // `MarkRow`: ignored outside; a mark to set passes the owner's veto first.
    void Mark(int row, bool value, const CanMultiSelectEvent& canMark, const RowChanged& changed);
    void Clear(const CanMultiSelectEvent& canMark, const RowChanged& changed);

    // A left click on a data row inside the marks. Shift marks the rows from
    // the anchor (-1: none) to the clicked one, ctrl inverts the clicked one,
    // a plain click marks it alone or, on a marked row, clears all marks.
    // Every mark goes through the veto.
    void Click(int row, MarkClick kind, int anchorRow, const CanMultiSelectEvent& canMark, const RowChanged& changed);

private:
    std::vector<std::uint8_t> marks_;
};

}  // namespace corvina
