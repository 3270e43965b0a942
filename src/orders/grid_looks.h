#pragma once
// How the cells of the goods grid `Ggrid` and the ordered list `GoodsLst`
// are drawn (their OnSetting events): text, font colour, size and edge.

#include <cstdint>
#include <optional>
#include <string_view>

#include "sys/big5.h"

namespace corvina {

// Colours as 0x00BBGGRR values.
inline constexpr std::uint32_t kColorGreen = 0x008000;
inline constexpr std::uint32_t kColorMaroon = 0x000080;
inline constexpr std::uint32_t kColorLime = 0x00FF00;
inline constexpr std::uint32_t kColorRed = 0x0000FF;
inline constexpr std::uint32_t kColorBlack = 0x000000;

// Edge values of the grid's cell edges.
inline constexpr int kEdgeSunken = 1;
inline constexpr int kEdgeRaised = 2;
inline constexpr int kEdgeEtched = 3;

// What a cell's OnSetting changes; empty members leave the default.
struct CellLook {
    std::optional<Big5> text;
    std::optional<std::uint32_t> fontColor;
    std::optional<int> fontSize;
    std::optional<int> edge;
    bool boldUnderlined = false;

    friend bool operator==(const CellLook&, const CellLook&) = default;
};

// `GgridSetting`: quantities as "       3" in green or maroon (lime or red
// on the focused row), the buy and cancel cells as raised or sunken
// buttons "購買" and "取消", the titles above them etched.
CellLook GgridCellLook(int column, int row, std::string_view text, bool focusedRow, char decimalSeparator);

// `GoodsLstSetting`: names in alternating colours, quantities bold,
// underlined and right-aligned in six places. Empty cells stay as they are.
CellLook GoodsLstCellLook(int column, int row, std::string_view text, char decimalSeparator);

}  // namespace corvina
