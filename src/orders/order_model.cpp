#include "orders/order_model.h"

#include <limits>
#include <string>
#include <utility>

#include "orders/order_texts.h"
#include "orders/session_data.h"
#include "sys/cafe_protocol.h"
#include "sys/day_number.h"
#include "sys/numbers.h"

namespace corvina {

void OrderWindowModel::ResetOrderWindow() {
    clientAnswered_ = false;
    requestTimerEnabled_ = true;
    logRows_ = 0;
    clockAccumulator_ = kClockTickEveryMs;
    loginTime_ = 0;
    logoutTime_ = 0;
    if (const std::optional<std::string> log = port_.ReadOrderLog()) {
        std::vector<OrderedRow> rows = LoadOrderLog(*log);
        logRows_ = rows.size();
        // A log without lines adds no row, so the list keeps what it showed.
        if (!rows.empty()) ordered_ = std::move(rows);
    }
    port_.SendCafeCommand(kCafeDataRequest, {});
    // The goods go, and with them their quantities and total.
    ResetGoods();
}

void OrderWindowModel::ResetGoods() {
    goods_.Reset();
    goodsOverflowLogged_ = false;
    pressedCell_ = {};
    Recount();
}

void OrderWindowModel::HandleOrderCommand(std::int32_t number, std::string_view data) {
    clientAnswered_ = true;
    requestTimerEnabled_ = false;
    switch (number) {
        case kCafeGoodsListStart:
        case kCafeGoodsListRestart:
            listReceived_ = true;
            ResetGoods();
            break;
        case kCafeGoodsItem:
            TakeGoodsItem(data);
            break;
        case kCafeSessionData:
            TakeSessionData(data);
            port_.SendCafeCommand(kCafeSessionDataReceived, {});
            break;
        case kCafeServerTime:
            TakeServerTime(data);
            break;
        case kCafeConsumption:
            port_.ShowConsumptionList(packageFlag_, data);
            break;
        case kCafeEntryAnswer:
            EntryAnswer(data);
            break;
        default:
            break;
    }
}

void OrderWindowModel::TakeGoodsItem(std::string_view data) {
    const std::optional<GoodsItem> item = ParseGoodsItem(data);
    if (!item || goods_.Add(*item) != GoodsGrid::Added::Full || goodsOverflowLogged_) return;
    goodsOverflowLogged_ = true;
    port_.WriteAdminLog(GoodsListTooLongLogText(GoodsGrid::kMaxRows));
}

void OrderWindowModel::TakeSessionData(std::string_view data) {
    SessionData session = ParseSessionData(data, settings_.decimalSeparator);
    packageFlag_ = session.packageFlag;
    loginTime_ = session.loginTime;
    logoutTime_ = session.logoutTime;
    seatId_ = std::move(session.seatId);
}

void OrderWindowModel::TakeServerTime(std::string_view data) {
    const double serverTime = ParseDayNumber(data, settings_.decimalSeparator);
    const ServerTimeDecision decision = DecideServerTime(serverTime, port_.Now(), loginTime_, clockLimits_);
    if (decision.outsideLimits && !outsideLimitsLogged_) {
        outsideLimitsLogged_ = true;
        port_.WriteAdminLog(ServerTimeOutsideLimitsText(serverTime, clockLimits_));
    }
    if (decision.setClockTo) port_.SetClock(*decision.setClockTo);
    if (decision.minutesUsed) minutesUsed_ = decision.minutesUsed;
}

void OrderWindowModel::EntryAnswer(std::string_view data) {
    if (ParseIntegerOr(data, 0) != 1) {
        // Refusals that come while one shows add no box of their own.
        if (refusalShowing_) return;
        refusalShowing_ = true;
        struct Shown {
            bool& flag;
            ~Shown() { flag = false; }
        } shown{refusalShowing_};
        port_.ShowInformation(MustOrderFirstNotice());
        return;
    }
    port_.GrantEntry();
    if (orderTotal_ >= kMoneyUnit && !port_.AskYesNo(GiveUpSelectionQuestion())) return;
    if (leaveTarget_ == kLeaveToWebPage) port_.OpenHomePage();
    if (leaveTarget_ == kLeaveToGame) port_.CloseOrderWindow();
}

void OrderWindowModel::ClockTimerTick() {
    clockAccumulator_ += kClockTimerIntervalMs;
    if (clockAccumulator_ < kClockTickEveryMs) return;
    clockAccumulator_ = 0;
    port_.SendCafeCommand(kCafeClockTick, {});
}

bool OrderWindowModel::RefuseIfPackagePaid() {
    if (packageFlag_ != kPaidPackage) return false;
    port_.ShowInformation(PackagePaidNotice());
    return true;
}

namespace {

bool IsButtonCell(GridCell cell) {
    return cell.row >= 1 && (cell.column == kBuyColumn || cell.column == kCancelColumn);
}

}  // namespace

void OrderWindowModel::GgridMouseDown(GridCell cell) {
    // A press whose release never came is given up, so no cell stays sunken.
    goods_.SetPressed(std::exchange(pressedCell_, GridCell{}), false);
    // A disabled grid (no goods yet) takes no mouse input.
    if (!goods_.Enabled() || RefuseIfPackagePaid()) return;
    if (!IsButtonCell(cell) || goods_.At(cell.row) == nullptr) return;
    pressedCell_ = cell;
    goods_.SetPressed(cell, true);
}

void OrderWindowModel::GgridMouseUp(GridCell cell) {
    const GridCell pressed = std::exchange(pressedCell_, GridCell{});
    goods_.SetPressed(pressed, false);
    // Only a release on the cell that was pressed acts: a press dragged off
    // does nothing, nor does a release without a press (it would bypass the
    // paid-package refusal).
    if (pressed.row <= 0 || pressed != cell) return;
    GoodsRow* const row = goods_.At(cell.row);
    if (row == nullptr) return;
    if (cell.column == kBuyColumn) {
        ChangeQuantity(*row, +1);
    } else if (row->quantity < 1) {
        port_.ShowWarning(NothingToCancelWarning());
    } else {
        ChangeQuantity(*row, -1);
    }
}

void OrderWindowModel::ChangeQuantity(GoodsRow& row, int step) {
    const std::int32_t before = row.quantity;
    if (step > 0 && before == std::numeric_limits<std::int32_t>::max()) return;
    // A price too large for any total would otherwise count as 0: refused.
    const char separator = settings_.decimalSeparator;
    if (!ParseMoney(row.item.price, separator) && ParseDecimal(row.item.price, separator)) return;
    row.quantity = before + step;
    // A total beyond 64 bits cannot be shown or charged: the click is refused.
    if (!SelectedAmount(goods_, separator)) row.quantity = before;
    Recount();
}

void OrderWindowModel::Recount() {
    orderTotal_ = SelectedAmount(goods_, settings_.decimalSeparator).value_or(0);
    selectedUnits_ = SelectedUnitCount(goods_);
}

void OrderWindowModel::BuyClick() {
    if (!goods_.Enabled()) return;
    const std::uint64_t sessionEnds = port_.SessionEndsArrived();
    std::vector<OrderLine> notDelivered;
    std::vector<OrderLine> unconfirmed;
    bool sessionEnded = false;
    try {
        for (int gridRow = 1; gridRow <= static_cast<int>(goods_.RowCount()); ++gridRow) {
            GoodsRow& row = *goods_.At(gridRow);
            const OrderLine line{row.item.id, row.item.name, row.quantity};
            if (!notDelivered.empty()) {
                if (line.quantity > 0) notDelivered.push_back(line);
                continue;
            }
            if (line.quantity <= 0) {
                row.quantity = 0;
                continue;
            }
            const CafeDelivery delivery = port_.SendCafeCommand(kCafeOrderLine, FormatOrderLine(line));
            // The session's log was deleted with its end: nothing goes into it now.
            sessionEnded = port_.SessionEndsArrived() != sessionEnds;
            if (sessionEnded) break;
            if (delivery == CafeDelivery::NotSent) {
                notDelivered.push_back(line);
                continue;
            }
            if (delivery == CafeDelivery::Unconfirmed) {
                // Named at once: a log write that fails below must not hide it.
                port_.WriteAdminLog(UnconfirmedOrderLogText(line));
                unconfirmed.push_back(line);
            }
            row.quantity = 0;
            // Listed before logging: what was sent is shown even when the
            // log cannot be written.
            if (logRows_ < 1) ordered_.clear();
            ordered_.push_back(OrderedRow{line.name, std::to_string(line.quantity)});
            ++logRows_;
            port_.AppendOrderLog(OrderLogEntry(line));
        }
    } catch (...) {
        // The rows not reached keep their quantities, and the total says so.
        Recount();
        throw;
    }
    Recount();
    if (sessionEnded) return;
    if (!notDelivered.empty()) {
        port_.WriteAdminLog(UndeliveredOrderLogText(notDelivered));
        Big5 message = OrderNotDeliveredMessage();
        if (!unconfirmed.empty()) message += "\r\n\r\n" + UnconfirmedOrderMessage(unconfirmed);
        port_.ShowError(message);
        return;
    }
    if (unconfirmed.empty()) {
        port_.ShowPurchaseWait(PurchaseWaitText());
    } else {
        port_.ShowWarning(UnconfirmedOrderMessage(unconfirmed));
    }
    if (settings_.mustSelectMenu && !port_.EntryGranted()) port_.SendCafeCommand(kCafeOrderBeforeEntry, {});
}

void OrderWindowModel::QueryMoneyClick() { port_.SendCafeCommand(kCafeConsumptionRequest, {}); }

void OrderWindowModel::LeaveClick(std::int32_t tag) {
    leaveTarget_ = tag;
    if (listReceived_ && packageFlag_ == kMeteredSession && settings_.mustSelectMenu && !port_.EntryGranted()) {
        port_.SendCafeCommand(kCafeLeaveRequest, {});
        return;
    }
    HandleOrderCommand(kCafeEntryAnswer, "1");
}

}  // namespace corvina
