#pragma once
// The rows of the goods grid `Ggrid`: what the café client offers (115),
// the selected quantities and the pressed state of the buy and cancel cells.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "sys/big5.h"
#include "sys/decimal_number.h"

namespace corvina {

// Columns of `Ggrid`; row 0 is the title row, data rows count from 1.
inline constexpr int kMarkerColumn = 0;
inline constexpr int kGoodsIdColumn = 1;
inline constexpr int kGoodsNameColumn = 2;
inline constexpr int kPriceColumn = 3;
inline constexpr int kQuantityColumn = 4;
inline constexpr int kBuyColumn = 5;
inline constexpr int kCancelColumn = 6;
inline constexpr std::size_t kGoodsColumnCount = 7;

struct GridCell {
    int column = 0;
    int row = 0;

    friend bool operator==(const GridCell&, const GridCell&) = default;
};

struct GoodsItem {
    Big5 id;
    Big5 name;
    Big5 price;  // as received

    friend bool operator==(const GoodsItem&, const GoodsItem&) = default;
};

// "id,name,price", the price keeping further commas. Nothing for an empty
// identifier or name.
std::optional<GoodsItem> ParseGoodsItem(std::string_view data);

struct GoodsRow {
    GoodsItem item;
    std::int32_t quantity = 0;
    bool buyPressed = false;
    bool cancelPressed = false;

    friend bool operator==(const GoodsRow&, const GoodsRow&) = default;
};

using GoodsCells = std::array<Big5, kGoodsColumnCount>;

// "", "", "商品名稱", "售　價", "購買數量", "", "".
GoodsCells GoodsTitles();

// The seven cell texts of a row: marker, id, name, price, quantity, and
// "1" or "0" for a pressed or raised button cell.
GoodsCells GoodsRowCells(const GoodsRow& row);

class GoodsGrid {
public:
    GoodsGrid() { Reset(); }

    // One empty data row and the grid disabled: no goods yet.
    void Reset();

    // What became of an item given to Add.
    enum class Added { Yes, Listed, Full };
    // The most rows the grid takes: the rest of a longer list is left out.
    static constexpr std::size_t kMaxRows = 2000;

    // Appended, or filling the empty row while disabled; Listed when the
    // identifier is listed already (letter case aside), Full at kMaxRows.
    Added Add(const GoodsItem& item);

    bool Enabled() const { return enabled_; }
    const std::vector<GoodsRow>& Rows() const { return rows_; }
    std::size_t RowCount() const { return rows_.size(); }

    // The data row of a grid row number (1 is the first), if it exists.
    GoodsRow* At(int gridRow);
    const GoodsRow* At(int gridRow) const;

    // Pressed state of a buy or cancel cell; other cells do nothing.
    void SetPressed(GridCell cell, bool pressed);

private:
    std::vector<GoodsRow> rows_;
    // The listed identifiers, case folded: each check takes constant time.
    std::unordered_set<std::string> ids_;
    bool enabled_ = false;
};

// The money of the selected quantities at their prices, each price rounded
// to ten-thousandths first. Nothing when the rows' positive or negative
// amounts do not fit 64 bits; once they fit, so does every subset.
std::optional<Money> SelectedAmount(const GoodsGrid& goods, char decimalSeparator);

// The sum of the selected quantities.
std::int64_t SelectedUnitCount(const GoodsGrid& goods);

}  // namespace corvina
