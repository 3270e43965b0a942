#include <gtest/gtest.h>

#include <vector>

#include "widgets/page_control_layout.h"
#include "widgets/sheet_picture_layout.h"

namespace corvina {
namespace {

using Draws = std::vector<SheetPictureDraw>;

TEST(SheetPicture, OriginalSizeAtEachAlignmentAndCentredPicturesCutEvenly) {
    auto at = [](TPicAlignment align) {
        return SheetPictureDraws(TPictureStyle::psOriginal, align, 30, 20, 100, 50).at(0).destination;
    };
    EXPECT_EQ(at(TPicAlignment::cLeft_Top), (EdgeRect{0, 0, 30, 20}));
    EXPECT_EQ(at(TPicAlignment::cLeft_Bottom), (EdgeRect{0, 30, 30, 50}));
    EXPECT_EQ(at(TPicAlignment::cRight_Top), (EdgeRect{70, 0, 100, 20}));
    EXPECT_EQ(at(TPicAlignment::cRight_Bottom), (EdgeRect{70, 30, 100, 50}));
    EXPECT_EQ(at(TPicAlignment::cCenter), (EdgeRect{35, 15, 65, 35}));
    // The wizard's title picture on its sheet, and one larger than its page.
    EXPECT_EQ(SheetPictureDraws(TPictureStyle::psOriginal, TPicAlignment::cCenter, 308, 189, 422, 255),
              (Draws{{{57, 33, 365, 222}, false}}));
    EXPECT_EQ(SheetPictureDraws(TPictureStyle::psOriginal, TPicAlignment::cCenter, 121, 41, 100, 20),
              (Draws{{{-10, -10, 111, 31}, false}}));
}

TEST(SheetPicture, StretchIgnoresTheAlignmentAndTilesCoverTheEdges) {
    for (TPicAlignment align : {TPicAlignment::cLeft_Top, TPicAlignment::cRight_Bottom, TPicAlignment::cCenter}) {
        EXPECT_EQ(SheetPictureDraws(TPictureStyle::psStretch, align, 30, 20, 100, 50),
                  (Draws{{{0, 0, 100, 50}, true}}));
    }
    const Draws tiles = SheetPictureDraws(TPictureStyle::psFillup, TPicAlignment::cCenter, 40, 30, 100, 60);
    ASSERT_EQ(tiles.size(), 9u);  // rows 0..2 and columns 0..2, both inclusive
    EXPECT_EQ(tiles[0].destination, (EdgeRect{0, 0, 40, 30}));
    EXPECT_EQ(tiles[8].destination, (EdgeRect{80, 60, 120, 90}));
    EXPECT_TRUE(SheetPictureDraws(TPictureStyle::psFillup, TPicAlignment::cLeft_Top, 0, 30, 100, 60).empty());
}

TEST(PageArea, BorderAndTabRowTakeTheirShare) {
    EXPECT_EQ(PageArea(300, 200, false, false), (EdgeRect{0, 0, 300, 200}));
    EXPECT_EQ(PageArea(300, 200, false, true), (EdgeRect{0, kPageTabHeight, 300, 200}));
    EXPECT_EQ(PageArea(300, 200, true, true), (EdgeRect{2, kPageTabHeight + 2, 298, 198}));
    EXPECT_EQ(PageArea(3, 3, true, true), (EdgeRect{2, 22, 2, 22})) << "never inverted";
}

TEST(PageTabs, HiddenTabsTakeNoRoomAndHitTestingFindsTheRest) {
    const std::vector<int> widths{20, -1, 30};
    const std::vector<EdgeRect> tabs = TabRects(widths);
    EXPECT_EQ(tabs[0], (EdgeRect{2, 0, 38, kPageTabHeight}));
    EXPECT_EQ(tabs[1].Width(), 0);
    EXPECT_EQ(tabs[2], (EdgeRect{38, 0, 84, kPageTabHeight}));
    EXPECT_EQ(TabAt(tabs, 40, 5), 2);
    EXPECT_EQ(TabAt(tabs, 38, 5), 2);
    EXPECT_EQ(TabAt(tabs, 1, 5), -1);
    EXPECT_EQ(TabAt(tabs, 10, kPageTabHeight), -1);
}

}  // namespace
}  // namespace corvina
