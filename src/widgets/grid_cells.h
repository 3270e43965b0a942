#pragma once
// The texts of the grid's cells, and the two row operations with which the
// ordering window and the consumption list fill their grids.

#include <string_view>
#include <vector>

#include "sys/big5.h"

namespace corvina {

class GridCells {
public:
    GridCells(int colCount, int rowCount);

    int ColCount() const { return colCount_; }
    int RowCount() const { return rowCount_; }
    // Cells inside both the old and the new size keep their texts.
    void Resize(int colCount, int rowCount);

    // Empty outside the grid.
    const Big5& Cell(int col, int row) const;
    // Ignored outside the grid.
    void SetCell(int col, int row, std::string_view text);

    // `SetTitleRow`: fixedRows + 1 rows, one column per text, every cell
    // emptied, then the non-empty texts into row 0.
    void SetTitleRow(const std::vector<Big5>& texts, int fixedRows);
    // `AddRow`: the texts, as many as there are columns, into the last row
    // when it is the only data row (the only row without fixed rows) and
    // its cells for them are empty, otherwise into a new row. Returns the row.
    int AddRow(const std::vector<Big5>& texts, int fixedRows);

private:
    std::vector<std::vector<Big5>> rows_;  // rows_[row][col]
    int colCount_ = 0;
    int rowCount_ = 0;
};

}  // namespace corvina
