#include "widgets/grid_cells.h"

#include <algorithm>
#include <cstddef>

namespace corvina {

namespace {
std::size_t At(int index) { return static_cast<std::size_t>(index); }
}  // namespace

GridCells::GridCells(int colCount, int rowCount) { Resize(colCount, rowCount); }

void GridCells::Resize(int colCount, int rowCount) {
    colCount_ = std::max(colCount, 0);
    rowCount_ = std::max(rowCount, 0);
    rows_.resize(At(rowCount_));
    for (auto& row : rows_) row.resize(At(colCount_));
}

const Big5& GridCells::Cell(int col, int row) const {
    static const Big5 kEmpty;
    if (col < 0 || col >= colCount_ || row < 0 || row >= rowCount_) return kEmpty;
    return rows_[At(row)][At(col)];
}

void GridCells::SetCell(int col, int row, std::string_view text) {
    if (col < 0 || col >= colCount_ || row < 0 || row >= rowCount_) return;
    rows_[At(row)][At(col)] = Big5{text};
}

void GridCells::SetTitleRow(const std::vector<Big5>& texts, int fixedRows) {
    rows_.clear();
    Resize(static_cast<int>(texts.size()), std::max(fixedRows, 0) + 1);
    for (std::size_t i = 0; i < texts.size(); ++i) rows_[0][i] = texts[i];
}

int GridCells::AddRow(const std::vector<Big5>& texts, int fixedRows) {
    const int n = std::min(static_cast<int>(texts.size()), colCount_);
    const int onlyDataRows = fixedRows == 1 ? 2 : 1;
    const bool reuse =
        rowCount_ > 0 && rowCount_ == onlyDataRows &&
        std::all_of(rows_.back().begin(), rows_.back().begin() + n, [](const Big5& cell) { return cell.empty(); });
    if (!reuse) Resize(colCount_, rowCount_ + 1);
    const int row = rowCount_ - 1;
    for (int i = 0; i < n; ++i) rows_[At(row)][At(i)] = texts[At(i)];
    return row;
}

}  // namespace corvina
