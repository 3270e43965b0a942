#pragma once
// OrderWindowModel: everything the ordering window `TffoodsMenu` decides.
// The window feeds it the café client's commands, its timers and the
// clicks, then draws what it answers; every effect beyond the window's own
// state goes through OrderWindowPort.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "orders/goods_grid.h"
#include "orders/order_log.h"
#include "orders/session_data.h"
#include "sys/big5.h"
#include "sys/cafe_delivery.h"
#include "sys/decimal_number.h"

namespace corvina {

class OrderWindowPort {
public:
    // SendCafeCommand: whether the café client took the command, may have
    // it (the send timed out), or certainly does not (no link among others).
    virtual CafeDelivery SendCafeCommand(std::int32_t number, std::string_view data) = 0;
    // Session ends and closes from the café client, counted as they arrive:
    // a purchase stops when the count moves while it sends.
    virtual std::uint64_t SessionEndsArrived() = 0;
    // The PC's clock as a day number, and setting it (through the machine seam).
    virtual double Now() = 0;
    virtual void SetClock(double dayNumber) = 0;
    // GoodsLog.Lst in the program folder: its contents or nothing when it
    // does not exist; appending creates it. Failures throw.
    virtual std::optional<std::string> ReadOrderLog() = 0;
    virtual void AppendOrderLog(std::string_view bytes) = 0;
    // `EntryGranted` of the main window: it outlives the ordering window.
    virtual bool EntryGranted() = 0;
    virtual void GrantEntry() = 0;
    virtual void ShowError(const Big5& text) = 0;
    virtual void ShowInformation(const Big5& text) = 0;
    virtual void ShowWarning(const Big5& text) = 0;
    virtual bool AskYesNo(const Big5& text) = 0;
    // The wait window after a purchase, for one second.
    virtual void ShowPurchaseWait(const Big5& text) = 0;
    virtual void OpenHomePage() = 0;
    virtual void CloseOrderWindow() = 0;
    virtual void ShowConsumptionList(std::uint8_t mode, std::string_view data) = 0;
    // The administrator's log: faults the customer cannot act on.
    virtual void WriteAdminLog(std::string_view text) = 0;

protected:
    ~OrderWindowPort() = default;
};

struct OrderSettings {
    bool mustSelectMenu = false;
    char decimalSeparator = '.';
};

// `Tag` of the leave buttons `B_ToWebPage` and `B_ToGame`.
inline constexpr std::int32_t kLeaveToWebPage = 0;
inline constexpr std::int32_t kLeaveToGame = 1;

inline constexpr std::int32_t kClockTimerIntervalMs = 1000;
inline constexpr std::int32_t kRequestTimerIntervalMs = 15000;
// ClockTimer sends its tick this often, and on its first tick after a reset.
inline constexpr std::int32_t kClockTickEveryMs = 100000;

class OrderWindowModel {
public:
    // `clockLimits`: the window passes ClockLimitsFrom(BuildDay()).
    OrderWindowModel(OrderWindowPort& port, OrderSettings settings, ClockLimits clockLimits = {})
        : port_(port), settings_(settings), clockLimits_(clockLimits) {}

    // At creation, on a repeated open and on every GetdateTimer tick.
    void ResetOrderWindow();
    // Commands 114 to 121 from the café client; any number stops the
    // repeated request.
    void HandleOrderCommand(std::int32_t number, std::string_view data);
    // One ClockTimer interval has passed.
    void ClockTimerTick();

    // Mouse on `Ggrid`, in grid cells (row 0 is the title row).
    void GgridMouseDown(GridCell cell);
    void GgridMouseUp(GridCell cell);
    // `B_BuyClick`, `B_QueryMoneyClick`, and `INto_Click` with the button's tag.
    // An order line known not to have reached the café client stops the
    // purchase there: it and the rows below keep their quantities and are
    // neither logged nor listed, and the customer is told. A line that may
    // have reached it counts as sent, so that it is never sent twice; the
    // customer is told to ask at the counter before ordering it again. A
    // session that ends meanwhile stops the purchase, silently.
    void BuyClick();
    void QueryMoneyClick();
    void LeaveClick(std::int32_t tag);

    // What the window draws.
    const GoodsGrid& Goods() const { return goods_; }
    // `GoodsLst`; while empty it shows its design rows.
    const std::vector<OrderedRow>& OrderedRows() const { return ordered_; }
    Money OrderTotal() const { return orderTotal_; }
    std::int64_t SelectedUnits() const { return selectedUnits_; }
    bool BuyEnabled() const { return selectedUnits_ > 0; }
    bool RequestTimerEnabled() const { return requestTimerEnabled_; }
    bool ClientAnswered() const { return clientAnswered_; }
    bool ListReceived() const { return listReceived_; }
    std::uint8_t PackageFlag() const { return packageFlag_; }
    double LoginTime() const { return loginTime_; }
    double LogoutTime() const { return logoutTime_; }
    const Big5& SeatId() const { return seatId_; }
    // Nothing until a server time gives a count: the label keeps its text.
    std::optional<std::int64_t> MinutesUsed() const { return minutesUsed_; }

private:
    void ResetGoods();
    void TakeGoodsItem(std::string_view data);
    void TakeSessionData(std::string_view data);
    void TakeServerTime(std::string_view data);
    void EntryAnswer(std::string_view data);
    bool RefuseIfPackagePaid();
    void ChangeQuantity(GoodsRow& row, int step);
    void Recount();

    OrderWindowPort& port_;
    const OrderSettings settings_;
    const ClockLimits clockLimits_;

    GoodsGrid goods_;
    std::vector<OrderedRow> ordered_;
    std::size_t logRows_ = 0;
    GridCell pressedCell_;
    Money orderTotal_ = 0;
    std::int64_t selectedUnits_ = 0;
    bool requestTimerEnabled_ = false;
    bool clientAnswered_ = false;
    bool listReceived_ = false;
    std::int32_t clockAccumulator_ = 0;
    std::int32_t leaveTarget_ = kLeaveToWebPage;
    bool refusalShowing_ = false;
    bool goodsOverflowLogged_ = false;
    std::uint8_t packageFlag_ = 0;
    double loginTime_ = 0;
    double logoutTime_ = 0;
    Big5 seatId_;
    std::optional<std::int64_t> minutesUsed_;
    // A server time outside the clock limits is told once per window.
    bool outsideLimitsLogged_ = false;
};

}  // namespace corvina
