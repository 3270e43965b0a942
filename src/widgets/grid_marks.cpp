#include "widgets/grid_marks.h"

#include <algorithm>
#include <cstddef>

namespace corvina {

namespace {
std::size_t At(int index) { return static_cast<std::size_t>(index); }
}  // namespace

void RowMarks::Resize(int rowCount) { marks_.resize(At(std::max(rowCount, 0)), 0); }

bool RowMarks::IsMarked(int row) const { return Contains(row) && marks_[At(row)] != 0; }

int RowMarks::MarkedCount() const {
    return static_cast<int>(std::count_if(marks_.begin(), marks_.end(), [](std::uint8_t m) { return m != 0; }));
}

void RowMarks::Mark(int row, bool value, const CanMultiSelectEvent& canMark, const RowChanged& changed) {
    if (!Contains(row)) return;
    if (value && canMark) canMark(row, value);
    if (IsMarked(row) != value && changed) changed(row);
    marks_[At(row)] = value ? 1 : 0;
}

void RowMarks::Clear(const CanMultiSelectEvent& canMark, const RowChanged& changed) {
    for (int row = 0; row < Count(); ++row) Mark(row, false, canMark, changed);
}

void RowMarks::Click(int row, MarkClick kind, int anchorRow, const CanMultiSelectEvent& canMark,
                     const RowChanged& changed) {
    if (!Contains(row)) return;
    switch (kind) {
        case MarkClick::Shift: {
            Clear(canMark, changed);
            if (anchorRow < 0) {
                Mark(row, true, canMark, changed);
                return;
            }
            // An anchor left behind by a shrunk grid only reaches the last row.
            const int from = std::min(std::min(anchorRow, row), Count() - 1);
            const int to = std::min(std::max(anchorRow, row), Count() - 1);
            for (int r = from; r <= to; ++r) Mark(r, true, canMark, changed);
            return;
        }
        case MarkClick::Ctrl:
            Mark(row, !IsMarked(row), canMark, changed);
            return;
        case MarkClick::Plain: {
            const bool wasMarked = IsMarked(row);
            if (MarkedCount() > 0) Clear(canMark, changed);
            Mark(row, !wasMarked, canMark, changed);
            return;
        }
    }
}

}  // namespace corvina
