// Goods rows from command 115, and how the cells of both grids are drawn.

#include "orders/goods_grid.h"

#include <gtest/gtest.h>

#include <string>

#include "orders/grid_looks.h"
#include "sys/text.h"

namespace corvina {
namespace {

TEST(ParseGoodsItem, IdNameAndThePriceWithFurtherCommas) {
    EXPECT_EQ(ParseGoodsItem("7,Cola,25"), (GoodsItem{"7", "Cola", "25"}));
    EXPECT_EQ(ParseGoodsItem("7,Cola,25,5"), (GoodsItem{"7", "Cola", "25,5"}));
    EXPECT_EQ(ParseGoodsItem("7,Cola,"), (GoodsItem{"7", "Cola", ""}));
    const Big5 name = T(u8"許功蓋可樂");
    EXPECT_EQ(ParseGoodsItem("A1," + name + ",35"), (GoodsItem{"A1", name, "35"}));
}

TEST(ParseGoodsItem, EmptyDataIdOrNameIsIgnored) {
    EXPECT_EQ(ParseGoodsItem(""), std::nullopt);
    EXPECT_EQ(ParseGoodsItem(",Cola,25"), std::nullopt);
    EXPECT_EQ(ParseGoodsItem("7,,25"), std::nullopt);
    // Without the second "," the name is lost as well.
    EXPECT_EQ(ParseGoodsItem("7,Cola"), std::nullopt);
    EXPECT_EQ(ParseGoodsItem("7"), std::nullopt);
}

TEST(GoodsGrid, TheFirstItemFillsTheEmptyRowThenRowsAreAppended) {
    GoodsGrid grid;
    ASSERT_EQ(grid.RowCount(), 1u);
    EXPECT_FALSE(grid.Enabled());
    EXPECT_EQ(grid.At(1)->item, GoodsItem{});
    EXPECT_EQ(grid.Add({"7", "Cola", "25"}), GoodsGrid::Added::Yes);
    EXPECT_EQ(grid.Add({"9", "Hot dog", "35"}), GoodsGrid::Added::Yes);
    EXPECT_TRUE(grid.Enabled());
    ASSERT_EQ(grid.RowCount(), 2u);
    EXPECT_EQ(grid.At(1)->item.id, "7");
    EXPECT_EQ(grid.At(2)->item.id, "9");
    EXPECT_EQ(grid.At(0), nullptr);
    EXPECT_EQ(grid.At(3), nullptr);
    grid.Reset();
    EXPECT_EQ(grid.RowCount(), 1u);
    EXPECT_FALSE(grid.Enabled());
}

TEST(GoodsGrid, IdentifiersListedAlreadyAreIgnoredWhateverTheirLetterCase) {
    GoodsGrid grid;
    EXPECT_EQ(grid.Add({"ab", "Cola", "25"}), GoodsGrid::Added::Yes);
    EXPECT_EQ(grid.Add({"ab", "Other", "1"}), GoodsGrid::Added::Listed);
    EXPECT_EQ(grid.Add({"AB", "Other", "1"}), GoodsGrid::Added::Listed);
    EXPECT_EQ(grid.Add({"abc", "Tea", "1"}), GoodsGrid::Added::Yes);
    // Double-byte identifiers compare exactly.
    EXPECT_EQ(grid.Add({T(u8"甲"), "A", "1"}), GoodsGrid::Added::Yes);
    EXPECT_EQ(grid.Add({T(u8"甲"), "B", "1"}), GoodsGrid::Added::Listed);
    EXPECT_EQ(grid.RowCount(), 3u);
    EXPECT_EQ(grid.At(1)->item.name, "Cola");
}

TEST(GoodsGrid, OnlyTheLettersOfSingleByteCharactersFoldAndTheGridStopsAtItsLimit) {
    GoodsGrid grid;
    // Trail bytes 0x41 and 0x61 are the codes of "A" and "a": two characters.
    EXPECT_EQ(grid.Add({"\xA4\x41", "A", "1"}), GoodsGrid::Added::Yes);
    EXPECT_EQ(grid.Add({"\xA4\x61", "B", "1"}), GoodsGrid::Added::Yes);
    for (std::size_t i = grid.RowCount(); i < GoodsGrid::kMaxRows; ++i) {
        ASSERT_EQ(grid.Add({"id" + std::to_string(i), "N", "1"}), GoodsGrid::Added::Yes);
    }
    EXPECT_EQ(grid.Add({"one more", "N", "1"}), GoodsGrid::Added::Full);
    EXPECT_EQ(grid.Add({"ID2", "N", "1"}), GoodsGrid::Added::Listed);
    EXPECT_EQ(grid.RowCount(), GoodsGrid::kMaxRows);
    grid.Reset();
    EXPECT_EQ(grid.Add({"one more", "N", "1"}), GoodsGrid::Added::Yes);
}

TEST(GoodsGrid, CellTextsAndPressedButtons) {
    GoodsGrid grid;
    grid.Add({"7", "Cola", "25"});
    grid.SetPressed({kBuyColumn, 1}, true);
    grid.SetPressed({kCancelColumn, 2}, true);  // no such row
    grid.SetPressed({kPriceColumn, 1}, true);   // no button
    EXPECT_EQ(GoodsRowCells(*grid.At(1)), (GoodsCells{"", "7", "Cola", "25", "0", "1", "0"}));
    EXPECT_EQ(GoodsTitles()[kQuantityColumn], T(u8"購買數量"));
    EXPECT_EQ(GoodsTitles()[kPriceColumn], T(u8"售　價"));
}

TEST(SelectedAmount, PricesRoundedFirstThenTimesTheQuantity) {
    GoodsGrid grid;
    grid.Add({"1", "A", "35"});
    grid.Add({"2", "B", "0.00015"});
    grid.Add({"3", "C", "not a price"});
    grid.At(1)->quantity = 3;
    grid.At(2)->quantity = 3;
    grid.At(3)->quantity = 4;
    EXPECT_EQ(SelectedAmount(grid, '.'), 1050000 + 3 * 2);
    EXPECT_EQ(SelectedUnitCount(grid), 10);
}

TEST(SelectedAmount, NothingWhenEitherSideOverflows) {
    GoodsGrid grid;
    grid.Add({"1", "A", "900000000000000"});
    grid.Add({"2", "B", "-900000000000000"});
    grid.At(1)->quantity = 1;
    grid.At(2)->quantity = 1;
    EXPECT_EQ(SelectedAmount(grid, '.'), 0);
    grid.At(1)->quantity = 2;
    EXPECT_EQ(SelectedAmount(grid, '.'), std::nullopt);
}

TEST(GgridCellLook, QuantitiesInGreenOrMaroonPaddedTo8) {
    EXPECT_EQ(GgridCellLook(kQuantityColumn, 1, "3", false, '.'), (CellLook{"       3", kColorGreen, {}, {}, false}));
    EXPECT_EQ(GgridCellLook(kQuantityColumn, 2, "3", true, '.').fontColor, kColorLime);
    EXPECT_EQ(GgridCellLook(kQuantityColumn, 1, "0", false, '.'), (CellLook{"       0", kColorMaroon, {}, {}, false}));
    EXPECT_EQ(GgridCellLook(kQuantityColumn, 1, "0", true, '.').fontColor, kColorRed);
    EXPECT_EQ(GgridCellLook(kQuantityColumn, 1, "1234", false, '.').text, "   1,234");
    EXPECT_EQ(GgridCellLook(kQuantityColumn, 1, "", false, '.').text, "       0");
}

TEST(GgridCellLook, ButtonCellsRaisedAt0SunkenOtherwise) {
    const CellLook raisedBuy = GgridCellLook(kBuyColumn, 1, "0", false, '.');
    EXPECT_EQ(raisedBuy, (CellLook{T(u8"購買"), kColorBlack, 12, kEdgeRaised, false}));
    EXPECT_EQ(GgridCellLook(kCancelColumn, 1, "1", true, '.'),
              (CellLook{T(u8"取消"), kColorBlack, 12, kEdgeSunken, false}));
    EXPECT_EQ(GgridCellLook(kBuyColumn, 0, "", false, '.'), (CellLook{{}, {}, {}, kEdgeEtched, false}));
    EXPECT_EQ(GgridCellLook(kQuantityColumn, 0, "x", false, '.'), CellLook{});
    EXPECT_EQ(GgridCellLook(kPriceColumn, 1, "25", false, '.'), CellLook{});
}

TEST(GoodsLstCellLook, AlternatingNameColoursAndQuantitiesInSixPlaces) {
    EXPECT_EQ(GoodsLstCellLook(0, 0, "Cola", '.').fontColor, 0xD90000u);
    EXPECT_EQ(GoodsLstCellLook(0, 1, "Cola", '.').fontColor, 0x0000EAu);
    EXPECT_EQ(GoodsLstCellLook(1, 0, "2", '.'), (CellLook{"     2", {}, {}, {}, true}));
    // A log line without its quantity shows 0.
    EXPECT_EQ(GoodsLstCellLook(1, 3, "x", '.').text, "     0");
    EXPECT_EQ(GoodsLstCellLook(1, 3, "", '.'), CellLook{});
    EXPECT_EQ(GoodsLstCellLook(0, 3, "", '.'), CellLook{});
}

}  // namespace
}  // namespace corvina
