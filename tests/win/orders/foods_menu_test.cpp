// The ordering window driven as the café client and the customer drive it:
// commands, real mouse messages on its cells and buttons, real timers.

#include "orders/foods_menu.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>

#include "orders/order_window_fixture.h"
#include "support/message_box_answerer.h"
#include "sys/day_number.h"
#include "sys/files.h"
#include "sys/text.h"
#include "sys/win32/local_time.h"
#include "widgets/wait_window.h"

namespace corvina {
namespace {

using test::SentCommand;
using ::testing::ElementsAre;

const std::vector<Big5> kTitles{"", "", T(u8"商品名稱"), T(u8"售　價"), T(u8"購買數量"), "", ""};

std::vector<Big5> RowOf(TEvgrid& grid, int row) {
    std::vector<Big5> cells;
    for (int col = 0; col < grid.ColCount(); ++col) cells.push_back(grid.Cells(col, row));
    return cells;
}

CellDrawing Drawn(TEvgrid& grid, int col, int row) {
    return *grid.Model().DrawCell({col, row}, [](int) { return Color{0}; });
}

using OrderWindow = test::OrderWindowTest;

TEST_F(OrderWindow, AsksForDataEveryFifteenSecondsUntilTheCafeClientAnswers) {
    auto window = Open();
    EXPECT_THAT(sent_, ElementsAre(SentCommand{209, ""}));
    EXPECT_TRUE(machine_.calls.empty());
    TEvgrid& grid = window->Ggrid();
    EXPECT_EQ(grid.RowCount(), 2);
    EXPECT_EQ(RowOf(grid, 0), kTitles);
    EXPECT_FALSE(grid.Enabled());
    EXPECT_EQ(window->Lbl_Login().Caption(), NoDateTimeText());
    EXPECT_EQ(window->T_Total().Caption(), "$0.00");
    EXPECT_FALSE(window->B_Buy().Enabled());
    EXPECT_EQ(window->ClockTimer().Interval(), 1000u);
    EXPECT_EQ(window->GetdateTimer().Interval(), 15000u);

    // Repeated on real timer messages, shortened for the test.
    window->GetdateTimer().SetInterval(20);
    ASSERT_TRUE(PumpUntil([&] { return sent_.size() >= 3; }));
    EXPECT_EQ(sent_[1], (SentCommand{209, ""}));

    window->HandleOrderCommand(999, "");
    EXPECT_FALSE(window->GetdateTimer().Enabled());
    EXPECT_TRUE(window->Model().ClientAnswered());
}

TEST_F(OrderWindow, TheClockShowsTheTimeAndItsFirstTickAfterAResetSends210) {
    auto window = Open();
    window->HandleOrderCommand(999, "");
    sent_.clear();
    window->ClockTimer().SetInterval(10);
    ASSERT_TRUE(PumpUntil([&] { return !sent_.empty(); }));
    EXPECT_EQ(sent_[0], (SentCommand{210, ""}));
    EXPECT_FALSE(window->LbL_Now().Caption().empty());
}

TEST_F(OrderWindow, ItsCreationHidesTheTaskbarWhenOrdersComeFirstOrTheTaskbarIsHidden) {
    settings_.MustSelectMenu = true;
    Open();
    settings_.MustSelectMenu = false;
    settings_.HideTaskBar = true;
    Open();
    EXPECT_THAT(machine_.calls, ElementsAre("ShowTaskbar(false)", "ShowTaskbar(false)"));
}

TEST_F(OrderWindow, GoodsFillTheGridOncePerIdentifierAndANewListStartsAnew) {
    auto window = Open();
    window->HandleOrderCommand(114, "");
    window->HandleOrderCommand(115, T(u8"ab,可樂,35"));
    window->HandleOrderCommand(115, T(u8"AB,雪碧,30"));
    window->HandleOrderCommand(115, T(u8"9,熱狗,1,250.5"));
    window->HandleOrderCommand(115, ",,");
    TEvgrid& grid = window->Ggrid();
    ASSERT_EQ(grid.RowCount(), 3);
    EXPECT_TRUE(grid.Enabled());
    EXPECT_EQ(RowOf(grid, 1), (std::vector<Big5>{"", "ab", T(u8"可樂"), "35", "0", "0", "0"}));
    EXPECT_EQ(RowOf(grid, 2), (std::vector<Big5>{"", "9", T(u8"熱狗"), "1,250.5", "0", "0", "0"}));

    window->HandleOrderCommand(116, "");
    EXPECT_EQ(grid.RowCount(), 2);
    EXPECT_FALSE(grid.Enabled());
    window->HandleOrderCommand(115, T(u8"ab,雪碧,30"));
    EXPECT_EQ(grid.RowCount(), 2);
    EXPECT_EQ(grid.Cells(2, 1), T(u8"雪碧"));
}

TEST_F(OrderWindow, CellsAreDrawnAsQuantitiesAndPushButtons) {
    auto window = Open();
    OfferGoods(*window);
    TEvgrid& grid = window->Ggrid();
    grid.SelectCell(2, 2);
    EXPECT_EQ(Drawn(grid, 5, 0).content.edge, TDrawEdge::Etched);
    EXPECT_EQ(Drawn(grid, 6, 0).content.edge, TDrawEdge::Etched);
    EXPECT_EQ(Drawn(grid, 4, 0).content.edge, TDrawEdge::Plain);

    const CellDrawing quantity = Drawn(grid, 4, 1);
    EXPECT_EQ(quantity.text, "       0");
    EXPECT_EQ(quantity.ground.font.color, Color{0x000080});
    EXPECT_EQ(Drawn(grid, 4, 2).ground.font.color, Color{0x0000FF});  // the focused row
    const CellDrawing buy = Drawn(grid, 5, 1);
    EXPECT_EQ(buy.text, T(u8"購買"));
    EXPECT_EQ(buy.content.edge, TDrawEdge::Raised);
    EXPECT_EQ(buy.ground.font.color, Color{0});
    EXPECT_EQ(Drawn(grid, 6, 1).text, T(u8"取消"));

    PressCell(grid, 5, 1);
    EXPECT_EQ(Drawn(grid, 5, 1).content.edge, TDrawEdge::Sunken);
    ReleaseCell(grid, 5, 1);
    EXPECT_EQ(Drawn(grid, 5, 1).content.edge, TDrawEdge::Raised);
    EXPECT_EQ(Drawn(grid, 4, 1).text, "       1");
    // The click moved the focus to row 1: lime on navy.
    EXPECT_EQ(Drawn(grid, 4, 1).ground.font.color, Color{0x00FF00});
}

TEST_F(OrderWindow, BuyAndCancelClicksCountTheQuantityAndTheTotal) {
    auto window = Open();
    OfferGoods(*window);
    TEvgrid& grid = window->Ggrid();
    ClickCell(grid, 5, 1, 3);
    EXPECT_EQ(grid.Cells(4, 1), "3");
    EXPECT_EQ(window->T_Total().Caption(), "$105.00");
    EXPECT_TRUE(window->B_Buy().Enabled());
    ClickCell(grid, 6, 1);
    EXPECT_EQ(grid.Cells(4, 1), "2");
    EXPECT_EQ(window->T_Total().Caption(), "$70.00");
    ClickCell(grid, 6, 1, 2);
    EXPECT_EQ(window->T_Total().Caption(), "$0.00");
    EXPECT_FALSE(window->B_Buy().Enabled());

    // A reset empties the goods, and with them goes their total.
    ClickCell(grid, 5, 2);
    EXPECT_EQ(window->T_Total().Caption(), "$50.00");
    window->ResetOrderWindow();
    EXPECT_EQ(window->T_Total().Caption(), "$0.00");
    EXPECT_FALSE(window->B_Buy().Enabled());
    EXPECT_FALSE(grid.Enabled());
}

TEST_F(OrderWindow, APressDraggedOffTheCellChangesNothing) {
    auto window = Open();
    OfferGoods(*window);
    TEvgrid& grid = window->Ggrid();
    PressCell(grid, 5, 1);
    EXPECT_EQ(grid.Cells(5, 1), "1");
    ReleaseCell(grid, 2, 1);
    EXPECT_EQ(grid.Cells(5, 1), "0");
    EXPECT_EQ(grid.Cells(4, 1), "0");
    EXPECT_EQ(window->T_Total().Caption(), "$0.00");
}

TEST_F(OrderWindow, ACancelAtZeroWarnsAndAPaidPackageRefusesEveryPress) {
    std::vector<ui::test::SeenBox> boxes;
    const ui::test::BoxAnswerer answerer(boxes, IDOK);
    auto window = Open();
    OfferGoods(*window);
    TEvgrid& grid = window->Ggrid();
    ClickCell(grid, 6, 2);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, L"購買數量為 0！");
    EXPECT_EQ(grid.Cells(4, 2), "0");

    window->HandleOrderCommand(117, "1,45000.5,45000.75,A12");
    ClickCell(grid, 5, 2);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1].text, L"非常抱歉！\r由於您包台已結帳，若欲購買餐飲及商品請至櫃臺。\r");
    EXPECT_EQ(grid.Cells(4, 2), "0");
    EXPECT_EQ(grid.Cells(5, 2), "0");
}

TEST_F(OrderWindow, SessionDataShowsTheTimesOfItsKindAndTheSeat) {
    auto window = Open();
    const auto shown = [](double value) { return ShortDateLongTimeText(*CalendarFromDayNumber(value)); };
    window->HandleOrderCommand(117, "0,45000.5,45000.75,A12");
    EXPECT_EQ(window->Lbl_Login().Caption(), shown(45000.5));
    EXPECT_EQ(window->Lbl_LogOut().Caption(), NoDateTimeText());
    EXPECT_EQ(window->LbL_CID().Caption(), "A12");
    EXPECT_EQ(sent_.back(), (SentCommand{208, ""}));

    window->HandleOrderCommand(117, "1,45000.5,45000.75,A12,b");
    EXPECT_EQ(window->Lbl_LogOut().Caption(), shown(45000.75));
    EXPECT_EQ(window->LbL_CID().Caption(), "A12,b");
    EXPECT_NE(window->Lbl_LogOut().Caption().find("2023"), std::string::npos);

    window->HandleOrderCommand(117, "0,45000.5");
    EXPECT_EQ(window->Lbl_Login().Caption(), NoDateTimeText());
}

TEST_F(OrderWindow, TheServerTimeSetsAClockThatIsOffByMoreThanThreeMinutesThroughTheMachine) {
    auto window = Open();
    constexpr double kMinute = 1.0 / 1440;
    const double now = LocalNowDayNumber();
    window->HandleOrderCommand(117, "0," + std::to_string(now - 90.5 * kMinute) + ",0,A1");

    window->HandleOrderCommand(119, std::to_string(now + 2 * kMinute));
    EXPECT_TRUE(machine_.clockSettings.empty());
    EXPECT_EQ(window->LbL_UsesTime().Caption(), "92");

    // Half a second past a whole second: the text's six decimals (86 ms)
    // cannot carry it into another second than the one expected.
    const double ahead = (std::floor((now + 10 * kMinute) * 86400) + 0.5) / 86400;
    window->HandleOrderCommand(119, std::to_string(ahead));
    ASSERT_EQ(machine_.clockSettings.size(), 1u);
    const SYSTEMTIME set = machine_.clockSettings[0];
    const CalendarTime expected = *CalendarFromDayNumber(ahead);
    EXPECT_EQ((CalendarTime{set.wYear, set.wMonth, set.wDay, set.wHour, set.wMinute, set.wSecond, 0}),
              (CalendarTime{expected.year, expected.month, expected.day, expected.hour, expected.minute,
                            expected.second, 0}));
    EXPECT_EQ(window->LbL_UsesTime().Caption(), "100");

    // A time that is no number counts as none: no clock change, 0 minutes.
    window->HandleOrderCommand(119, "not a time");
    EXPECT_EQ(machine_.clockSettings.size(), 1u);
    EXPECT_EQ(window->LbL_UsesTime().Caption(), "0");
}

TEST_F(OrderWindow, AClockTheSystemRefusesIsLoggedOnceWithTheRightItNeeds) {
    machine_.clockAnswer = ERROR_PRIVILEGE_NOT_HELD;
    auto window = Open();
    const double now = LocalNowDayNumber();
    window->HandleOrderCommand(119, std::to_string(now + 0.5));
    window->HandleOrderCommand(119, std::to_string(now + 0.25));
    EXPECT_EQ(machine_.clockSettings.size(), 2u);
    ASSERT_EQ(adminLog_.size(), 1u);
    EXPECT_NE(Utf8FromBig5(adminLog_[0]).find("「變更系統時間」"), std::string::npos);
}

TEST_F(OrderWindow, AServerTimeBeforeTheBuildOrDecadesAheadLeavesTheClockAndIsLoggedOnce) {
    auto window = Open();
    window->HandleOrderCommand(119, std::to_string(DayNumberFromCalendar({1950, 1, 1})));
    window->HandleOrderCommand(119, std::to_string(DayNumberFromCalendar({9999, 12, 31})));
    EXPECT_TRUE(machine_.clockSettings.empty());
    EXPECT_EQ(adminLog_.size(), 1u);
}

// Alt+F4 comes as the window menu's Close; any program may post WM_CLOSE.
TEST_F(OrderWindow, WithOrdersFirstAltF4DoesNotCloseItUntilTheGrant) {
    settings_.MustSelectMenu = true;
    auto window = Open();
    window->Show();
    SendMessageW(window->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
    SendMessageW(window->Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindowVisible(window->Handle()));
    // What the window manager's Close comes to once let through.
    entryGranted_ = true;
    SendMessageW(window->Handle(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindowVisible(window->Handle()));
}

TEST_F(OrderWindow, WithoutOrdersFirstACloseFromOutsideClosesIt) {
    auto window = Open();
    window->Show();
    SendMessageW(window->Handle(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindowVisible(window->Handle()));
}

TEST_F(OrderWindow, APurchaseSendsLogsAndListsTheOrderedRowsTopToBottom) {
    settings_.MustSelectMenu = true;
    auto window = Open();
    OfferGoods(*window);
    TEvgrid& grid = window->Ggrid();
    ClickCell(grid, 5, 1, 2);
    ClickCell(grid, 5, 3);
    sent_.clear();

    const DWORD start = GetTickCount();
    ClickButton(window->B_Buy());
    EXPECT_GE(GetTickCount() - start, 990u);
    EXPECT_EQ(ShownWaitText(), nullptr);
    EXPECT_TRUE(errors_.empty());
    EXPECT_THAT(
        sent_, ElementsAre(SentCommand{207, T(u8"7,可樂,2")}, SentCommand{207, T(u8"9,熱狗,1")}, SentCommand{213, ""}));
    EXPECT_EQ(ReadFileBytes(folder_.File("GoodsLog.Lst")), T(u8"7,可樂,2\r\n9,熱狗,1\r\n"));
    TEvgrid& ordered = window->GoodsLst();
    ASSERT_EQ(ordered.RowCount(), 2);
    EXPECT_EQ(RowOf(ordered, 0), (std::vector<Big5>{T(u8"可樂"), "2", ""}));
    EXPECT_EQ(RowOf(ordered, 1), (std::vector<Big5>{T(u8"熱狗"), "1", ""}));
    // Right-aligned, with as many blanks as the cell has room for.
    EXPECT_EQ(Drawn(ordered, 1, 0).text, "   2");
    EXPECT_EQ(grid.Cells(4, 1), "0");
    EXPECT_EQ(grid.Cells(4, 3), "0");
    EXPECT_EQ(window->T_Total().Caption(), "$0.00");
    EXPECT_FALSE(window->B_Buy().Enabled());

    // A second purchase appends, and a reopened window shows the session's orders.
    ClickCell(grid, 5, 2);
    ClickButton(window->B_Buy());
    EXPECT_EQ(ReadFileBytes(folder_.File("GoodsLog.Lst")), T(u8"7,可樂,2\r\n9,熱狗,1\r\n8,漢堡,1\r\n"));
    EXPECT_EQ(window->GoodsLst().RowCount(), 3);
    auto reopened = Open();
    ASSERT_EQ(reopened->GoodsLst().RowCount(), 3);
    EXPECT_EQ(reopened->GoodsLst().Cells(0, 2), T(u8"漢堡"));
}

TEST_F(OrderWindow, ALogThatCannotBeWrittenStopsThePurchaseWithAnErrorAndKeepsTheRest) {
    auto window = Open();
    OfferGoods(*window);
    TEvgrid& grid = window->Ggrid();
    ClickCell(grid, 5, 1);
    ClickCell(grid, 5, 3);
    CreateDirectoryW(WideFromBig5(folder_.File("GoodsLog.Lst")).c_str(), nullptr);
    sent_.clear();
    ClickButton(window->B_Buy());
    ASSERT_EQ(errors_.size(), 1u);
    EXPECT_NE(errors_[0].find("GoodsLog.Lst"), std::string::npos);
    EXPECT_THAT(sent_, ElementsAre(SentCommand{207, T(u8"7,可樂,1")}));
    EXPECT_EQ(grid.Cells(4, 1), "0");
    EXPECT_EQ(grid.Cells(4, 3), "1");
    EXPECT_EQ(window->T_Total().Caption(), "$40.00");
    EXPECT_TRUE(window->B_Buy().Enabled());
    EXPECT_EQ(ShownWaitText(), nullptr);
}

TEST_F(OrderWindow, WithOrdersFirstLeavingWaitsForTheCafeClientsGrant) {
    settings_.MustSelectMenu = true;
    std::vector<ui::test::SeenBox> boxes;
    const ui::test::BoxAnswerer answerer(boxes, IDOK);
    auto window = Open();
    window->Show();
    OfferGoods(*window);
    sent_.clear();
    ClickButton(window->B_ToGame());
    EXPECT_THAT(sent_, ElementsAre(SentCommand{214, ""}));
    EXPECT_TRUE(IsWindowVisible(window->Handle()));

    window->HandleOrderCommand(121, "0");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, L"非常抱歉，您必須先點餐！");
    EXPECT_FALSE(entryGranted_);

    window->HandleOrderCommand(121, "1");
    EXPECT_TRUE(entryGranted_);
    EXPECT_FALSE(IsWindowVisible(window->Handle()));
    EXPECT_EQ(homePages_, 0);
}

TEST_F(OrderWindow, AGrantWithGoodsSelectedAsksWhetherToGiveThemUp) {
    std::vector<ui::test::SeenBox> boxes;
    auto window = Open();
    OfferGoods(*window);
    ClickCell(window->Ggrid(), 5, 1);
    {
        const ui::test::BoxAnswerer answerer(boxes, IDNO);
        window->HandleOrderCommand(121, "1");
    }
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, L"已有選購餐飲，是否放棄？");
    EXPECT_EQ(homePages_, 0);
    {
        const ui::test::BoxAnswerer answerer(boxes, IDYES);
        ClickButton(window->B_ToWebPage());
    }
    EXPECT_EQ(boxes.size(), 2u);
    EXPECT_EQ(homePages_, 1);
}

TEST_F(OrderWindow, WithoutAGoodsListTheLeaveButtonsActAtOnceAndTheQueryAsksForTheFigures) {
    settings_.MustSelectMenu = true;
    auto window = Open();
    ClickButton(window->B_ToWebPage());
    EXPECT_EQ(homePages_, 1);
    ClickButton(window->B_QueryMoney());
    EXPECT_THAT(SentNumbers(), ElementsAre(209, 211));
}

// A 2 × 2 red 24-bit BMP file.
std::string RedBmp() {
    std::string bytes = "BM";
    const auto put = [&bytes](std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i) bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    };
    put(14 + 40 + 16, 4);
    put(0, 4);
    put(14 + 40, 4);
    put(40, 4);
    put(2, 4);
    put(2, 4);
    put(1, 2);
    put(24, 2);
    put(0, 4);
    put(16, 4);
    put(0, 16);
    for (int row = 0; row < 2; ++row) bytes.append("\x00\x00\xFF\x00\x00\xFF\x00\x00", 8);
    return bytes;
}

TEST_F(OrderWindow, ShowsTheLogoFileAndADamagedOneLeavesTheDesignPicture) {
    settings_.Logo = folder_.File("logo.bmp");
    WriteFileBytes(settings_.Logo, RedBmp());
    EXPECT_EQ(Open()->LogoImage().Picture().Width(), 2);

    WriteFileBytes(settings_.Logo, "not a picture");
    sent_.clear();
    auto window = Open();
    EXPECT_TRUE(window->LogoImage().Picture().Empty());
    EXPECT_THAT(sent_, ElementsAre(SentCommand{209, ""}));
    EXPECT_TRUE(errors_.empty());
}

TEST_F(OrderWindow, TheDesignIsCentredOnTheScreenAtEightHundredBySixHundred) {
    auto window = Open();
    window->Show();
    Pump();
    const Rect panel = ui::test::ScreenBounds(window->Pnl_Clt().Handle());
    EXPECT_EQ(panel,
              (Rect{GetSystemMetrics(SM_CXSCREEN) / 2 - 400, GetSystemMetrics(SM_CYSCREEN) / 2 - 300, 800, 600}));
    const Rect grid = ui::test::ScreenBounds(window->Ggrid().Handle());
    EXPECT_EQ((Rect{grid.left - panel.left, grid.top - panel.top, grid.width, 0}), (Rect{8, 139, 525, 0}));
    const Rect ordered = ui::test::ScreenBounds(window->GoodsLst().Handle());
    EXPECT_EQ((Rect{ordered.left - panel.left, ordered.top - panel.top, ordered.width, ordered.height}),
              (Rect{553, 156, 228, 362}));
    EXPECT_EQ(window->B_ToWebPage().Bounds(), (Rect{68, 538, 183, 40}));
    EXPECT_EQ(window->B_ToGame().Bounds(), (Rect{296, 538, 183, 40}));
    EXPECT_EQ(window->B_QueryMoney().Bounds(), (Rect{586, 538, 183, 40}));
}

}  // namespace
}  // namespace corvina

namespace corvina {
namespace {

// Filled as in a session, painted on the screen. With CORVINA_HOLD_MS set it
// stays up that long, for a screenshot.
TEST_F(OrderWindow, PaintsFilledWithGoodsOrdersAndTheSession) {
    WriteFileBytes(folder_.File("GoodsLog.Lst"), T(u8"3,熱咖啡,1\r\n4,奶茶,2\r\n"));
    auto window = Open();
    window->Show();
    window->HandleOrderCommand(114, "");
    const char8_t* goods[] = {u8"1,可口可樂,25", u8"2,雪碧,25",  u8"3,熱咖啡,45",  u8"4,奶茶,35",   u8"5,牛肉麵,90",
                              u8"6,排骨飯,85",   u8"7,熱狗,30",  u8"8,洋芋片,20",  u8"9,礦泉水,15", u8"10,三明治,40",
                              u8"11,關東煮,50",  u8"12,泡麵,35", u8"13,冰淇淋,30", u8"14,香腸,25"};
    for (const char8_t* item : goods) window->HandleOrderCommand(115, T(item));
    window->HandleOrderCommand(117, "0,45000.5,0,A12");
    ClickCell(window->Ggrid(), 5, 1, 2);
    ClickCell(window->Ggrid(), 5, 5);
    Pump();
    EXPECT_EQ(window->T_Total().Caption(), "$140.00");
    EXPECT_EQ(window->GoodsLst().Cells(0, 1), T(u8"奶茶"));
    char hold[16]{};
    if (GetEnvironmentVariableA("CORVINA_HOLD_MS", hold, sizeof hold) > 0) {
        PumpUntil([] { return false; }, std::atoi(hold));
    }
}

}  // namespace
}  // namespace corvina
