#include "orders/goods_grid.h"

#include <limits>
#include <string>
#include <utility>

#include "sys/big5.h"
#include "sys/strings.h"
#include "sys/text.h"

namespace corvina {

std::optional<GoodsItem> ParseGoodsItem(std::string_view data) {
    if (data.empty()) return std::nullopt;
    const SplitResult id = SplitAtSeparator(data, ',');
    const SplitResult name = SplitAtSeparator(id.tail, ',');
    if (id.head.empty() || name.head.empty()) return std::nullopt;
    return GoodsItem{id.head, name.head, name.tail};
}

GoodsCells GoodsTitles() { return {"", "", T(u8"商品名稱"), T(u8"售　價"), T(u8"購買數量"), "", ""}; }

GoodsCells GoodsRowCells(const GoodsRow& row) {
    return {"",
            row.item.id,
            row.item.name,
            row.item.price,
            std::to_string(row.quantity),
            row.buyPressed ? "1" : "0",
            row.cancelPressed ? "1" : "0"};
}

void GoodsGrid::Reset() {
    rows_.assign(1, GoodsRow{});
    ids_.clear();
    enabled_ = false;
}

GoodsGrid::Added GoodsGrid::Add(const GoodsItem& item) {
    std::string id = FoldAsciiCase(item.id);
    if (ids_.contains(id)) return Added::Listed;
    if (ids_.size() >= kMaxRows) return Added::Full;
    if (enabled_) {
        rows_.push_back(GoodsRow{item});
    } else {
        rows_.assign(1, GoodsRow{item});
        enabled_ = true;
    }
    ids_.insert(std::move(id));
    return Added::Yes;
}

const GoodsRow* GoodsGrid::At(int gridRow) const {
    if (gridRow < 1 || static_cast<std::size_t>(gridRow) > rows_.size()) return nullptr;
    return &rows_[static_cast<std::size_t>(gridRow - 1)];
}

GoodsRow* GoodsGrid::At(int gridRow) { return const_cast<GoodsRow*>(std::as_const(*this).At(gridRow)); }

void GoodsGrid::SetPressed(GridCell cell, bool pressed) {
    GoodsRow* const row = At(cell.row);
    if (row == nullptr) return;
    if (cell.column == kBuyColumn) row->buyPressed = pressed;
    if (cell.column == kCancelColumn) row->cancelPressed = pressed;
}

std::optional<Money> SelectedAmount(const GoodsGrid& goods, char decimalSeparator) {
    Money positive = 0;
    Money negative = 0;  // as a magnitude
    for (const GoodsRow& row : goods.Rows()) {
        if (row.quantity == 0) continue;
        Money amount = 0;
        if (__builtin_mul_overflow(ParseMoneyOr0(row.item.price, decimalSeparator), Money{row.quantity}, &amount)) {
            return std::nullopt;
        }
        if (amount == std::numeric_limits<Money>::min()) return std::nullopt;
        Money& side = amount >= 0 ? positive : negative;
        if (__builtin_add_overflow(side, amount >= 0 ? amount : -amount, &side)) return std::nullopt;
    }
    return positive - negative;
}

std::int64_t SelectedUnitCount(const GoodsGrid& goods) {
    std::int64_t units = 0;
    for (const GoodsRow& row : goods.Rows()) units += row.quantity;
    return units;
}

}  // namespace corvina
