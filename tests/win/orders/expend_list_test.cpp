// The consumption list shown modally, looked at from a timer while it runs.

#include "orders/expend_list.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "orders/order_window_fixture.h"

namespace corvina {
namespace {

using ::testing::ElementsAre;

struct SeenList {
    std::vector<std::vector<Big5>> rows;
    bool gridVisible = false;
    bool notesVisible = false;
    Big5 caption;
    bool topmost = false;
    Rect client;
    bool secondListShown = false;
};

class ConsumptionListTest : public test::OrderWindowTest {
protected:
    // Shows the list; a timer writes down what it shows, tries a second
    // list meanwhile and closes it.
    std::optional<SeenList> ShowAndLook(const std::function<void()>& show) {
        std::optional<SeenList> seen;
        ui::Timer look(30);
        look.OnTimer = [&seen](ui::Timer& timer) {
            TfExpendList* list = ShownConsumptionList();
            if (list == nullptr) return;
            timer.SetEnabled(false);
            SeenList found;
            TEvgrid& grid = list->ExpGrid();
            for (int row = 0; row < grid.RowCount(); ++row) {
                found.rows.push_back({grid.Cells(0, row), grid.Cells(1, row)});
            }
            found.gridVisible = grid.Visible();
            found.notesVisible = list->Lbl_info().Visible();
            found.caption = list->Pnl_Clt().Caption();
            found.topmost = (GetWindowLongW(list->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
            RECT client{};
            GetClientRect(list->Handle(), &client);
            found.client = {0, 0, client.right, client.bottom};
            ShowConsumptionList(0, "1|2|3|4|5");
            found.secondListShown = ShownConsumptionList() != list;
            seen = found;
            CloseConsumptionList();
        };
        show();
        EXPECT_EQ(ShownConsumptionList(), nullptr);
        EXPECT_EQ(FindWindowW(L"TfExpendList", nullptr), nullptr);
        return seen;
    }

    static std::vector<Big5> Row(const char8_t* label, const char8_t* value) { return {T(label), T(value)}; }
};

TEST_F(ConsumptionListTest, AMeteredSessionShowsItsFiguresWithTheFreeMinutesOnlyWhenThereAreAny) {
    const auto five = ShowAndLook([] { ShowConsumptionList(0, "125|50|35|0|85"); });
    ASSERT_TRUE(five);
    EXPECT_THAT(five->rows, ElementsAre(Row(u8" 計價方式:", u8"一般"), Row(u8" 累積分數:", u8"125 分鐘"),
                                        Row(u8" 計時金額:", u8"50 (元)"), Row(u8" 消費金額:", u8"35 (元)"),
                                        Row(u8" 總金額:", u8"85 (元)")));
    EXPECT_TRUE(five->gridVisible);
    EXPECT_TRUE(five->notesVisible);
    EXPECT_TRUE(five->topmost);
    EXPECT_EQ(five->client, (Rect{0, 0, 320, 227}));
    EXPECT_FALSE(five->secondListShown);

    const auto six = ShowAndLook([] { ShowConsumptionList(0, "125|50|35|30|55"); });
    ASSERT_TRUE(six);
    ASSERT_EQ(six->rows.size(), 6u);
    EXPECT_EQ(six->rows[4], Row(u8" 免費優待:", u8"30 分鐘"));
}

TEST_F(ConsumptionListTest, APaidPackageShowsOnlyThatItIsPaidAndOtherModesAnEmptyList) {
    const auto paid = ShowAndLook([] { ShowConsumptionList(1, "125|50|35|0|85"); });
    ASSERT_TRUE(paid);
    EXPECT_FALSE(paid->gridVisible);
    EXPECT_FALSE(paid->notesVisible);
    EXPECT_EQ(paid->caption, T(u8"已結帳！"));

    const auto other = ShowAndLook([] { ShowConsumptionList(7, "125|50|35|0|85"); });
    ASSERT_TRUE(other);
    EXPECT_TRUE(other->gridVisible);
    EXPECT_TRUE(other->notesVisible);
    EXPECT_TRUE(other->caption.empty());
    EXPECT_THAT(other->rows, ::testing::Each(std::vector<Big5>{"", ""}));

    // A metered session without figures shows nothing at all.
    EXPECT_FALSE(ShowAndLook([] { ShowConsumptionList(0, ""); }));
}

TEST_F(ConsumptionListTest, TheOrderingWindowShowsItOnCommand120WithTheSessionsKind) {
    auto window = Open();
    window->HandleOrderCommand(117, "1,45000.5,45000.75,A12");
    const auto paid = ShowAndLook([&] { window->HandleOrderCommand(120, "125|50|35|0|85"); });
    ASSERT_TRUE(paid);
    EXPECT_EQ(paid->caption, T(u8"已結帳！"));
}

TEST_F(ConsumptionListTest, ClosesItselfAfterFiveSeconds) {
    const DWORD start = GetTickCount();
    ShowConsumptionList(0, "125|50|35|0|85");
    const DWORD elapsed = GetTickCount() - start;
    EXPECT_GE(elapsed, 4900u);
    EXPECT_LT(elapsed, 9000u);  // showing a window under Wine may take two seconds more
    EXPECT_EQ(ShownConsumptionList(), nullptr);
}

}  // namespace
}  // namespace corvina
