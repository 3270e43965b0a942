// The ordering window's decisions, driven as the window drives them:
// commands from the café client, timers and clicks, against a fake port
// that records every effect in order.

#include "orders/order_model.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <deque>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "orders/money.h"
#include "orders/order_texts.h"
#include "sys/text.h"

namespace corvina {
namespace {

using Log = std::vector<std::string>;
constexpr double kLogin = 45000.5;
constexpr double kMinute = 1.0 / 1440;

// A day number as the café client writes it, to well below a millisecond.
std::string DayText(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.9f", value);
    return text;
}

class FakeWindow final : public OrderWindowPort {
public:
    CafeDelivery SendCafeCommand(std::int32_t number, std::string_view data) override {
        log.push_back(std::to_string(number) + ":" + std::string(data));
        if (onSend) onSend(number);
        if (!answers.empty()) {
            const CafeDelivery answer = answers.front();
            answers.pop_front();
            return answer;
        }
        return deliveries-- > 0 ? CafeDelivery::Taken : CafeDelivery::NotSent;
    }
    std::uint64_t SessionEndsArrived() override { return sessionEnds; }
    double Now() override { return now; }
    void SetClock(double dayNumber) override { log.push_back("clock " + std::to_string(dayNumber)); }
    std::optional<std::string> ReadOrderLog() override { return orderLog; }
    void AppendOrderLog(std::string_view bytes) override {
        if (failAppend) throw std::runtime_error("disk full");
        orderLog = orderLog.value_or("") + std::string(bytes);
    }
    bool EntryGranted() override { return granted; }
    void GrantEntry() override {
        granted = true;
        log.push_back("granted");
    }
    void ShowError(const Big5& text) override { log.push_back("error " + text); }
    void ShowInformation(const Big5& text) override {
        log.push_back("info " + text);
        // What the café client sends while the box is open.
        if (whileInformation) std::exchange(whileInformation, nullptr)();
    }
    void ShowWarning(const Big5& text) override { log.push_back("warning " + text); }
    bool AskYesNo(const Big5& text) override {
        log.push_back("ask " + text);
        return answerYes;
    }
    void ShowPurchaseWait(const Big5& text) override { log.push_back("wait " + text); }
    void OpenHomePage() override { log.push_back("home page"); }
    void CloseOrderWindow() override { log.push_back("close"); }
    void ShowConsumptionList(std::uint8_t mode, std::string_view data) override {
        log.push_back("list " + std::to_string(mode) + " " + std::string(data));
    }
    void WriteAdminLog(std::string_view text) override { log.push_back("admin " + std::string(text)); }

    Log Take() { return std::exchange(log, {}); }

    Log log;
    // What the next sends become, before `deliveries` counts.
    std::deque<CafeDelivery> answers;
    // How many of the next sends the café client takes.
    int deliveries = 1000000;
    std::uint64_t sessionEnds = 0;
    std::function<void(std::int32_t number)> onSend;
    std::function<void()> whileInformation;
    double now = kLogin;
    std::optional<std::string> orderLog;
    bool failAppend = false;
    bool granted = false;
    bool answerYes = true;
};

class OrderModelTest : public ::testing::Test {
protected:
    explicit OrderModelTest(OrderSettings settings = {}) : model(window, settings) {
        model.ResetOrderWindow();
        window.Take();
    }

    // A goods list as the café client sends it.
    void Goods(std::initializer_list<const char*> items) {
        model.HandleOrderCommand(114, "");
        for (const char* item : items) model.HandleOrderCommand(115, item);
    }
    void Click(int column, int row, int times = 1) {
        for (int i = 0; i < times; ++i) {
            model.GgridMouseDown({column, row});
            model.GgridMouseUp({column, row});
        }
    }
    std::int32_t Quantity(int row) const { return model.Goods().At(row)->quantity; }

    FakeWindow window;
    OrderWindowModel model;
};

class MustSelectMenuTest : public OrderModelTest {
protected:
    MustSelectMenuTest() : OrderModelTest(OrderSettings{true, '.'}) {}
};

TEST_F(OrderModelTest, ResetAsksForDataAndWaitsForTheClient) {
    window.orderLog = "7,Cola,2\r\n";
    model.HandleOrderCommand(117, "1,45000.5,45000.75,A12");
    model.ResetOrderWindow();
    EXPECT_EQ(window.Take(), (Log{"208:", "209:"}));
    EXPECT_TRUE(model.RequestTimerEnabled());
    EXPECT_FALSE(model.ClientAnswered());
    EXPECT_EQ(model.LoginTime(), 0);
    EXPECT_EQ(model.LogoutTime(), 0);
    EXPECT_EQ(model.SeatId(), "A12");  // not touched
    EXPECT_FALSE(model.Goods().Enabled());
    EXPECT_EQ(model.Goods().RowCount(), 1u);
    EXPECT_EQ(model.OrderedRows(), (std::vector<OrderedRow>{{"Cola", "2"}}));

    // Any command, known or not, stops the repeated request.
    model.HandleOrderCommand(150, "");
    EXPECT_FALSE(model.RequestTimerEnabled());
    EXPECT_TRUE(model.ClientAnswered());
    EXPECT_TRUE(window.Take().empty());
}

TEST_F(OrderModelTest, TheFirstClockTickAfterAResetSends210ThenEvery100) {
    model.ClockTimerTick();
    EXPECT_EQ(window.Take(), (Log{"210:"}));
    for (int i = 0; i < 99; ++i) model.ClockTimerTick();
    EXPECT_TRUE(window.Take().empty());
    model.ClockTimerTick();
    EXPECT_EQ(window.Take(), (Log{"210:"}));
}

TEST_F(OrderModelTest, GoodsListsStartAnewAndSkipListedIdentifiers) {
    EXPECT_FALSE(model.ListReceived());
    Goods({"ab,Cola,25", "AB,Tea,20", "cd,Tea,20", ",NoId,1", "x"});
    EXPECT_TRUE(model.ListReceived());
    ASSERT_EQ(model.Goods().RowCount(), 2u);
    EXPECT_EQ(model.Goods().At(2)->item.id, "cd");
    model.HandleOrderCommand(116, "");
    EXPECT_EQ(model.Goods().RowCount(), 1u);
    EXPECT_FALSE(model.Goods().Enabled());
    EXPECT_TRUE(model.ListReceived());
}

TEST_F(OrderModelTest, AListLongerThanTheGridIsCutAndLoggedOncePerList) {
    for (int list = 0; list < 2; ++list) {
        model.HandleOrderCommand(list == 0 ? 114 : 116, "");
        for (std::size_t i = 0; i < GoodsGrid::kMaxRows + 3; ++i) {
            model.HandleOrderCommand(115, std::to_string(i) + ",N,1");
        }
        EXPECT_EQ(model.Goods().RowCount(), GoodsGrid::kMaxRows);
        EXPECT_EQ(window.Take(), (Log{"admin " + GoodsListTooLongLogText(GoodsGrid::kMaxRows)}));
    }
}

TEST_F(OrderModelTest, SessionDataIsTakenAndAcknowledged) {
    model.HandleOrderCommand(117, "0,45000.5,45000.75,A12");
    EXPECT_EQ(window.Take(), (Log{"208:"}));
    EXPECT_EQ(model.PackageFlag(), 0);
    EXPECT_EQ(model.LoginTime(), 45000.5);
    EXPECT_EQ(model.LogoutTime(), 0);
    EXPECT_EQ(model.SeatId(), "A12");
    model.HandleOrderCommand(117, "1,45000.5,45000.75,A12");
    EXPECT_EQ(model.LogoutTime(), 45000.75);
    model.HandleOrderCommand(117, "0,45000.5");
    EXPECT_EQ(model.LoginTime(), 0);
    EXPECT_EQ(model.SeatId(), "");
}

TEST_F(OrderModelTest, ServerTimeCorrectsTheClockAndCountsMinutes) {
    model.HandleOrderCommand(117, "0,45000.5,0,A12");
    window.Take();
    window.now = kLogin + 80 * kMinute;
    model.HandleOrderCommand(119, DayText(kLogin + 90 * kMinute));
    EXPECT_EQ(window.Take(), (Log{"clock " + std::to_string(kLogin + 90 * kMinute)}));
    EXPECT_EQ(model.MinutesUsed(), 90);

    window.now = kLogin + 93 * kMinute;
    model.HandleOrderCommand(119, DayText(kLogin + 95 * kMinute));
    EXPECT_TRUE(window.Take().empty());
    EXPECT_EQ(model.MinutesUsed(), 95);

    // Before the login the label stays; no number shows 0.
    model.HandleOrderCommand(119, DayText(kLogin - 2 * kMinute));
    EXPECT_EQ(model.MinutesUsed(), 95);
    model.HandleOrderCommand(119, "late");
    EXPECT_EQ(model.MinutesUsed(), 0);
}

TEST_F(OrderModelTest, ServerTimeWithoutALoginCountsNoMinutes) {
    window.now = kLogin;
    model.HandleOrderCommand(119, DayText(kLogin + 10 * kMinute));
    EXPECT_EQ(window.Take().size(), 1u);  // the clock is still corrected
    EXPECT_EQ(model.MinutesUsed(), std::nullopt);
}

TEST_F(OrderModelTest, ServerTimesOutsideTheClockLimitsChangeNothingAndAreLoggedOnce) {
    OrderWindowModel limited(window, OrderSettings{}, ClockLimits{kLogin - 10, kLogin + 10});
    limited.HandleOrderCommand(117, "0,45000.5,0,A12");
    window.Take();
    window.now = kLogin + 80 * kMinute;
    limited.HandleOrderCommand(119, DayText(kLogin + 90 * kMinute));
    EXPECT_EQ(window.Take(), (Log{"clock " + std::to_string(kLogin + 90 * kMinute)}));

    limited.HandleOrderCommand(119, DayText(kLogin + 11));
    Log logged = window.Take();
    ASSERT_EQ(logged.size(), 1u);
    EXPECT_TRUE(logged[0].starts_with("admin ")) << logged[0];
    EXPECT_EQ(limited.MinutesUsed(), 90);
    limited.HandleOrderCommand(119, DayText(kLogin - 11));
    limited.HandleOrderCommand(119, DayText(kLogin + 11));
    EXPECT_TRUE(window.Take().empty());
    EXPECT_EQ(limited.MinutesUsed(), 90);
}

TEST_F(OrderModelTest, BuyAndCancelChangeQuantityAndTotal) {
    Goods({"7,Cola,35", "9,Tea,20"});
    EXPECT_FALSE(model.BuyEnabled());
    Click(kBuyColumn, 1, 3);
    EXPECT_EQ(Quantity(1), 3);
    EXPECT_EQ(TotalText(model.OrderTotal()), "$105.00");
    EXPECT_TRUE(model.BuyEnabled());
    Click(kCancelColumn, 1);
    EXPECT_EQ(Quantity(1), 2);
    EXPECT_EQ(TotalText(model.OrderTotal()), "$70.00");
    EXPECT_EQ(model.SelectedUnits(), 2);
    EXPECT_FALSE(model.Goods().At(1)->buyPressed);
    EXPECT_TRUE(window.Take().empty());
}

TEST_F(OrderModelTest, CancelAt0WarnsAndChangesNothing) {
    Goods({"7,Cola,35"});
    Click(kCancelColumn, 1);
    EXPECT_EQ(window.Take(), (Log{"warning " + NothingToCancelWarning()}));
    EXPECT_EQ(Quantity(1), 0);
    EXPECT_EQ(model.OrderTotal(), 0);
}

TEST_F(OrderModelTest, APressShowsTheCellSunkenAndDraggingOffChangesNothing) {
    Goods({"7,Cola,35", "9,Tea,20"});
    model.GgridMouseDown({kBuyColumn, 1});
    EXPECT_TRUE(model.Goods().At(1)->buyPressed);
    model.GgridMouseUp({kBuyColumn, 2});
    EXPECT_FALSE(model.Goods().At(1)->buyPressed);
    EXPECT_EQ(Quantity(1), 0);
    EXPECT_EQ(Quantity(2), 0);
    // Presses elsewhere in the grid press nothing.
    model.GgridMouseDown({kPriceColumn, 1});
    model.GgridMouseDown({kBuyColumn, 0});
    model.GgridMouseDown({kBuyColumn, 3});
    EXPECT_EQ(GoodsRowCells(*model.Goods().At(1))[kBuyColumn], "0");
}

TEST_F(OrderModelTest, OnlyAReleaseOnThePressedCellActs) {
    Goods({"7,Cola,35"});
    // A press on the name dragged onto a buy cell buys nothing.
    model.GgridMouseDown({kGoodsNameColumn, 1});
    model.GgridMouseUp({kBuyColumn, 1});
    // Nor does a release that no press began, nor the second of two.
    Click(kBuyColumn, 1);
    model.GgridMouseUp({kBuyColumn, 1});
    EXPECT_EQ(Quantity(1), 1);
    // A press whose release was lost is raised by the next press.
    model.GgridMouseDown({kBuyColumn, 1});
    model.GgridMouseDown({kCancelColumn, 1});
    EXPECT_FALSE(model.Goods().At(1)->buyPressed);
    EXPECT_TRUE(model.Goods().At(1)->cancelPressed);
}

TEST_F(OrderModelTest, APaidPackageRefusesEveryPress) {
    Goods({"7,Cola,35"});
    model.HandleOrderCommand(117, "1,45000.5,45000.75,A12");
    window.Take();
    Click(kBuyColumn, 1);
    EXPECT_EQ(window.Take(), (Log{"info " + PackagePaidNotice()}));
    EXPECT_EQ(Quantity(1), 0);
    EXPECT_FALSE(model.Goods().At(1)->buyPressed);
}

TEST_F(OrderModelTest, WithoutGoodsTheGridTakesNoClicks) {
    Click(kBuyColumn, 1);
    EXPECT_EQ(Quantity(1), 0);
    model.BuyClick();
    EXPECT_TRUE(window.Take().empty());
}

TEST_F(OrderModelTest, ANewGoodsListOrAResetDropsTheSelection) {
    Goods({"7,Cola,35"});
    Click(kBuyColumn, 1, 2);
    model.GgridMouseDown({kBuyColumn, 1});
    model.HandleOrderCommand(116, "");
    EXPECT_EQ(model.OrderTotal(), 0);
    EXPECT_FALSE(model.BuyEnabled());
    // The pending press went with its row.
    model.HandleOrderCommand(115, "9,Tea,20");
    model.GgridMouseUp({kBuyColumn, 1});
    EXPECT_EQ(Quantity(1), 0);

    Click(kBuyColumn, 1);
    model.ResetOrderWindow();
    EXPECT_EQ(TotalText(model.OrderTotal()), "$0.00");
    EXPECT_FALSE(model.BuyEnabled());
}

TEST_F(OrderModelTest, APurchaseSendsLogsAndListsEveryRowWithAQuantity) {
    Goods({"7,Cola,35", "8,Tea,20", "9,Hot dog,15"});
    Click(kBuyColumn, 1, 2);
    Click(kBuyColumn, 3);
    model.BuyClick();
    EXPECT_EQ(window.Take(), (Log{"207:7,Cola,2", "207:9,Hot dog,1", "wait " + PurchaseWaitText()}));
    EXPECT_EQ(window.orderLog, "7,Cola,2\r\n9,Hot dog,1\r\n");
    EXPECT_EQ(model.OrderedRows(), (std::vector<OrderedRow>{{"Cola", "2"}, {"Hot dog", "1"}}));
    EXPECT_EQ(Quantity(1), 0);
    EXPECT_EQ(Quantity(3), 0);
    EXPECT_EQ(TotalText(model.OrderTotal()), "$0.00");
    EXPECT_FALSE(model.BuyEnabled());

    // The second purchase appends, and a reset reads it all back.
    Click(kBuyColumn, 2);
    model.BuyClick();
    EXPECT_EQ(model.OrderedRows().size(), 3u);
    model.ResetOrderWindow();
    EXPECT_EQ(model.OrderedRows(), (std::vector<OrderedRow>{{"Cola", "2"}, {"Hot dog", "1"}, {"Tea", "1"}}));
}

TEST_F(OrderModelTest, TheFirstPurchaseAfterAResetWithoutLogReplacesTheList) {
    window.orderLog = "7,Cola,2\r\n";
    model.ResetOrderWindow();
    window.orderLog.reset();  // deleted at a session end
    model.ResetOrderWindow();
    EXPECT_EQ(model.OrderedRows().size(), 1u);  // shown until replaced
    Goods({"9,Tea,20"});
    Click(kBuyColumn, 1);
    model.BuyClick();
    EXPECT_EQ(model.OrderedRows(), (std::vector<OrderedRow>{{"Tea", "1"}}));
}

TEST_F(OrderModelTest, AFailedLogWriteStopsThePurchaseWithTheTotalOfTheRowsLeft) {
    Goods({"7,Cola,35", "9,Tea,20"});
    Click(kBuyColumn, 1);
    Click(kBuyColumn, 2, 2);
    window.failAppend = true;
    EXPECT_THROW(model.BuyClick(), std::runtime_error);
    EXPECT_EQ(window.Take(), (Log{"207:7,Cola,1"}));
    EXPECT_EQ(model.OrderedRows(), (std::vector<OrderedRow>{{"Cola", "1"}}));
    EXPECT_EQ(Quantity(1), 0);
    EXPECT_EQ(Quantity(2), 2);
    EXPECT_EQ(TotalText(model.OrderTotal()), "$40.00");
    EXPECT_EQ(model.SelectedUnits(), 2);
}

TEST_F(MustSelectMenuTest, AnOrderLineTheClientDidNotTakeStopsThePurchaseAndIsNotShownAsBought) {
    Goods({"7,Cola,35", "8,Tea,20", "9,Hot dog,15"});
    Click(kBuyColumn, 1, 2);
    Click(kBuyColumn, 2);
    Click(kBuyColumn, 3, 3);
    window.deliveries = 1;
    model.BuyClick();
    // No wait window, no 213: the customer is told instead, and the
    // administrator learns what did not go.
    EXPECT_EQ(window.Take(), (Log{"207:7,Cola,2", "207:8,Tea,1",
                                  "admin " + UndeliveredOrderLogText({{"8", "Tea", 1}, {"9", "Hot dog", 3}}),
                                  "error " + OrderNotDeliveredMessage()}));
    EXPECT_EQ(window.orderLog, "7,Cola,2\r\n");
    EXPECT_EQ(model.OrderedRows(), (std::vector<OrderedRow>{{"Cola", "2"}}));
    EXPECT_EQ(Quantity(1), 0);
    EXPECT_EQ(Quantity(2), 1);
    EXPECT_EQ(Quantity(3), 3);
    EXPECT_EQ(TotalText(model.OrderTotal()), "$65.00");
    EXPECT_TRUE(model.BuyEnabled());

    // Once the client takes orders again, the same button sends the rest.
    window.deliveries = 1000;
    model.BuyClick();
    EXPECT_EQ(window.Take(), (Log{"207:8,Tea,1", "207:9,Hot dog,3", "wait " + PurchaseWaitText(), "213:"}));
    EXPECT_EQ(window.orderLog, "7,Cola,2\r\n8,Tea,1\r\n9,Hot dog,3\r\n");
}

// A client that timed out may have the line: it is bought, listed and
// logged, never sent again by the next purchase, and both the customer and
// the administrator hear that the counter has not confirmed it. A line
// known not sent after it still stops the purchase.
TEST_F(MustSelectMenuTest, AnOrderLineThatMayHaveArrivedCountsAsSentAndIsNamedUnconfirmed) {
    Goods({"7,Cola,35", "8,Tea,20", "9,Hot dog,15"});
    Click(kBuyColumn, 1, 2);
    Click(kBuyColumn, 3);
    window.answers = {CafeDelivery::Unconfirmed, CafeDelivery::Taken};
    model.BuyClick();
    EXPECT_EQ(window.Take(),
              (Log{"207:7,Cola,2", "admin " + UnconfirmedOrderLogText({"7", "Cola", 2}), "207:9,Hot dog,1",
                   "warning " + UnconfirmedOrderMessage({{"7", "Cola", 2}}), "213:"}));
    EXPECT_EQ(window.orderLog, "7,Cola,2\r\n9,Hot dog,1\r\n");
    EXPECT_EQ(model.OrderedRows(), (std::vector<OrderedRow>{{"Cola", "2"}, {"Hot dog", "1"}}));
    EXPECT_EQ(TotalText(model.OrderTotal()), "$0.00");
    EXPECT_FALSE(model.BuyEnabled());

    // Nothing is left to send: the button cannot send the line again.
    model.BuyClick();
    EXPECT_EQ(window.Take(), (Log{"wait " + PurchaseWaitText(), "213:"}));

    Click(kBuyColumn, 2);
    Click(kBuyColumn, 3);
    window.answers = {CafeDelivery::Unconfirmed, CafeDelivery::NotSent};
    model.BuyClick();
    EXPECT_EQ(window.Take(),
              (Log{"207:8,Tea,1", "admin " + UnconfirmedOrderLogText({"8", "Tea", 1}), "207:9,Hot dog,1",
                   "admin " + UndeliveredOrderLogText({{"9", "Hot dog", 1}}),
                   "error " + OrderNotDeliveredMessage() + "\r\n\r\n" + UnconfirmedOrderMessage({{"8", "Tea", 1}})}));
    EXPECT_EQ(Quantity(2), 0);
    EXPECT_EQ(Quantity(3), 1);
    EXPECT_EQ(model.OrderedRows().size(), 3u);
}

TEST(OrderTexts, TheUnconfirmedNoticeNamesEachLineAndSendsTheCustomerToTheCounter) {
    const Big5 text = UnconfirmedOrderMessage({{"7", T(u8"可樂"), 2}, {"9", T(u8"熱狗"), 1}});
    EXPECT_NE(text.find(T(u8"可樂 × 2")), Big5::npos);
    EXPECT_NE(text.find(T(u8"熱狗 × 1")), Big5::npos);
    EXPECT_NE(text.find(T(u8"請先洽櫃臺確認")), Big5::npos);
    EXPECT_NE(UnconfirmedOrderLogText({"7", "Cola", 2}).find(T(u8"未經用戶端程式確認")), Big5::npos);
}

TEST_F(OrderModelTest, WithoutACafeClientNothingIsBought) {
    Goods({"7,Cola,35"});
    Click(kBuyColumn, 1);
    window.deliveries = 0;
    model.BuyClick();
    EXPECT_EQ(window.Take(), (Log{"207:7,Cola,1", "admin " + UndeliveredOrderLogText({{"7", "Cola", 1}}),
                                  "error " + OrderNotDeliveredMessage()}));
    EXPECT_FALSE(window.orderLog);
    EXPECT_TRUE(model.OrderedRows().empty());
    EXPECT_EQ(Quantity(1), 1);
}

TEST_F(OrderModelTest, ASessionThatEndsWhileThePurchaseSendsEndsThePurchase) {
    Goods({"7,Cola,35", "8,Tea,20"});
    Click(kBuyColumn, 1);
    Click(kBuyColumn, 2);
    // The café client ends the session from inside its handler of the
    // first line, so the session's log is gone before it returns.
    window.onSend = [this](std::int32_t) { ++window.sessionEnds; };
    model.BuyClick();
    EXPECT_EQ(window.Take(), (Log{"207:7,Cola,1"}));
    EXPECT_FALSE(window.orderLog);
    EXPECT_TRUE(model.OrderedRows().empty());
}

TEST_F(OrderModelTest, AmountsBeyond64BitsRefuseTheClick) {
    Goods({"7,Gold,90000000000000"});
    Click(kBuyColumn, 1, 20);
    EXPECT_EQ(Quantity(1), 10);
    EXPECT_EQ(model.OrderTotal(), 9000000000000000000);
    // Neither is a price beyond 64 bits taken as free; a price that is
    // no number at all is 0, as the café client meant nothing else.
    Goods({"8,Moon,1e300", "9,Ask,ask"});
    Click(kBuyColumn, 1);
    Click(kBuyColumn, 2);
    EXPECT_EQ(Quantity(1), 0);
    EXPECT_EQ(Quantity(2), 1);
    EXPECT_TRUE(model.BuyEnabled());
}

TEST_F(OrderModelTest, EntryAnswers) {
    // Granted before any leave button: the web home page.
    model.HandleOrderCommand(121, "1");
    EXPECT_EQ(window.Take(), (Log{"granted", "home page"}));
    model.LeaveClick(kLeaveToGame);
    EXPECT_EQ(window.Take(), (Log{"granted", "close"}));
    model.LeaveClick(7);
    EXPECT_EQ(window.Take(), (Log{"granted"}));
    model.HandleOrderCommand(121, "0");
    EXPECT_EQ(window.Take(), (Log{"info " + MustOrderFirstNotice()}));

    // Refusals that arrive while one shows stack no second box.
    window.whileInformation = [this] {
        model.HandleOrderCommand(121, "0");
        model.HandleOrderCommand(121, "x");
    };
    model.HandleOrderCommand(121, "0");
    EXPECT_EQ(window.Take(), (Log{"info " + MustOrderFirstNotice()}));
    model.HandleOrderCommand(121, "0");
    EXPECT_EQ(window.Take(), (Log{"info " + MustOrderFirstNotice()}));
}

TEST_F(OrderModelTest, LeavingWithASelectionOfAtLeastOneUnitAsksFirst) {
    Goods({"7,Half,0.5"});
    Click(kBuyColumn, 1);
    model.LeaveClick(kLeaveToGame);
    EXPECT_EQ(window.Take(), (Log{"granted", "close"}));
    Click(kBuyColumn, 1);
    window.answerYes = false;
    model.LeaveClick(kLeaveToGame);
    EXPECT_EQ(window.Take(), (Log{"granted", "ask " + GiveUpSelectionQuestion()}));
    window.answerYes = true;
    model.LeaveClick(kLeaveToGame);
    EXPECT_EQ(window.Take(), (Log{"granted", "ask " + GiveUpSelectionQuestion(), "close"}));
}

TEST_F(MustSelectMenuTest, LeavingAsksTheClientUntilItGrants) {
    // Before any goods list the customer may go at once.
    model.LeaveClick(kLeaveToGame);
    EXPECT_EQ(window.Take(), (Log{"granted", "close"}));
    window.granted = false;

    Goods({"7,Cola,35"});
    model.LeaveClick(kLeaveToGame);
    EXPECT_EQ(window.Take(), (Log{"214:"}));
    model.HandleOrderCommand(121, "0");
    EXPECT_EQ(window.Take(), (Log{"info " + MustOrderFirstNotice()}));
    model.HandleOrderCommand(121, "1");
    EXPECT_EQ(window.Take(), (Log{"granted", "close"}));
    model.LeaveClick(kLeaveToWebPage);
    EXPECT_EQ(window.Take(), (Log{"granted", "home page"}));
}

TEST_F(MustSelectMenuTest, APaidPackageLeavesWithoutAsking) {
    Goods({"7,Cola,35"});
    model.HandleOrderCommand(117, "1,45000.5,45000.75,A12");
    window.Take();
    model.LeaveClick(kLeaveToGame);
    EXPECT_EQ(window.Take(), (Log{"granted", "close"}));
}

TEST_F(MustSelectMenuTest, APurchaseBeforeEntrySends213EvenWithNothingSelected) {
    Goods({"7,Cola,35"});
    model.BuyClick();
    EXPECT_EQ(window.Take(), (Log{"wait " + PurchaseWaitText(), "213:"}));
    window.granted = true;
    model.BuyClick();
    EXPECT_EQ(window.Take(), (Log{"wait " + PurchaseWaitText()}));
}

TEST_F(OrderModelTest, ConsumptionQueriesAndFigures) {
    model.QueryMoneyClick();
    model.HandleOrderCommand(120, "125|50|35|0|85");
    model.HandleOrderCommand(117, "1,45000.5,45000.75,A12");
    model.HandleOrderCommand(120, "x");
    EXPECT_EQ(window.Take(), (Log{"211:", "list 0 125|50|35|0|85", "208:", "list 1 x"}));
}

TEST(OrderModelSeparator, PricesAndTimesUseThePcsSeparator) {
    FakeWindow window;
    OrderWindowModel model(window, OrderSettings{false, ','});
    model.ResetOrderWindow();
    model.HandleOrderCommand(114, "");
    model.HandleOrderCommand(115, "7,Cola,12,5");
    model.GgridMouseDown({kBuyColumn, 1});
    model.GgridMouseUp({kBuyColumn, 1});
    EXPECT_EQ(TotalText(model.OrderTotal()), "$12.50");
    model.HandleOrderCommand(119, "45001,5");
    EXPECT_EQ(window.log.back(), "clock " + std::to_string(45001.5));
}

}  // namespace
}  // namespace corvina
