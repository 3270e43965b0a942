#include "orders/grid_looks.h"

#include "orders/goods_grid.h"
#include "orders/money.h"
#include "sys/decimal_number.h"
#include "sys/text.h"

namespace corvina {

namespace {

constexpr std::size_t kQuantityWidth = 8;
constexpr std::size_t kOrderedQuantityWidth = 6;
constexpr int kButtonFontSize = 12;
constexpr std::uint32_t kEvenRowNameColor = 0xD90000;
constexpr std::uint32_t kOddRowNameColor = 0x0000EA;

// A cell's number as a whole amount, right-aligned.
Big5 WholeNumberText(Money value, std::size_t width) { return PadLeft(FormatMoney(value, 0, ""), width); }

}  // namespace

CellLook GgridCellLook(int column, int row, std::string_view text, bool focusedRow, char decimalSeparator) {
    CellLook look;
    if (row == 0) {
        if (column > kQuantityColumn) look.edge = kEdgeEtched;
        return look;
    }
    if (row < 0 || column < kQuantityColumn || column > kCancelColumn) return look;
    const Money x = ParseMoneyOr0(text, decimalSeparator);
    if (column == kQuantityColumn) {
        look.fontColor = x > 0 ? (focusedRow ? kColorLime : kColorGreen) : (focusedRow ? kColorRed : kColorMaroon);
        look.text = WholeNumberText(x, kQuantityWidth);
        return look;
    }
    look.text = column == kBuyColumn ? T(u8"購買") : T(u8"取消");
    look.fontColor = kColorBlack;
    look.fontSize = kButtonFontSize;
    look.edge = x == 0 ? kEdgeRaised : kEdgeSunken;
    return look;
}

CellLook GoodsLstCellLook(int column, int row, std::string_view text, char decimalSeparator) {
    CellLook look;
    if (text.empty()) return look;
    if (column == 0) look.fontColor = row % 2 == 0 ? kEvenRowNameColor : kOddRowNameColor;
    if (column == 1) {
        look.boldUnderlined = true;
        look.text = WholeNumberText(ParseMoneyOr0(text, decimalSeparator), kOrderedQuantityWidth);
    }
    return look;
}

}  // namespace corvina
