// The data of the café client's goods (115), session (117), server time
// (119) and consumption (120) texts arrive as any bytes: the first input
// byte picks the command and the decimal separator, the rest is the data.
// Parsing must never fault, a goods row must log and read back as itself,
// a clock the window would set must be a real time, and the ordering
// model must keep its total equal to its rows after the command and after
// a purchase.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "fuzz_support.h"
#include "orders/consumption.h"
#include "orders/goods_grid.h"
#include "orders/order_log.h"
#include "orders/order_model.h"
#include "orders/session_data.h"
#include "sys/big5.h"
#include "sys/day_number.h"

namespace {

using namespace corvina;
using fuzz::Check;

constexpr std::int32_t kCommands[] = {115, 117, 119, 120};

void CheckGoods(std::string_view data, char separator) {
    const std::optional<GoodsItem> item = ParseGoodsItem(data);
    if (!item) return;
    Check(!item->id.empty() && !item->name.empty());
    Check(item->id.find(',') == Big5::npos && item->name.find(',') == Big5::npos);
    GoodsGrid grid;
    Check(grid.Add(*item) == GoodsGrid::Added::Yes);
    Check(grid.Add(*item) == GoodsGrid::Added::Listed);
    // Its identifier in other letter cases is listed too.
    Check(grid.Add({FoldAsciiCase(item->id), "x", "1"}) == GoodsGrid::Added::Listed);
    Check(grid.RowCount() == 1 && grid.Enabled());
    grid.At(1)->quantity = 3;
    const GoodsCells cells = GoodsRowCells(*grid.At(1));
    Check(cells[kGoodsIdColumn] == item->id && cells[kQuantityColumn] == "3");
    (void)SelectedAmount(grid, separator);
    // What a purchase logs reads back as one row, line breaks in the name blanked.
    Big5 shown = item->name;
    std::replace_if(
        shown.begin(), shown.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    const std::vector<OrderedRow> logged = LoadOrderLog(OrderLogEntry({item->id, item->name, 3}));
    Check(logged.size() == 1 && logged[0].name == shown && logged[0].quantity == "3");
}

void CheckSession(std::string_view data, char separator) {
    const SessionData session = ParseSessionData(data, separator);
    Check(session.loginTime == 0 || CalendarFromDayNumber(session.loginTime).has_value());
    Check(session.logoutTime == 0 || CalendarFromDayNumber(session.logoutTime).has_value());
    Check(session.packageFlag != kMeteredSession || session.logoutTime == 0);
    // The seat is what follows the third comma, untouched.
    Check(data.ends_with(session.seatId));
}

void CheckServerTime(std::string_view data, char separator) {
    const double server = ParseDayNumber(data, separator);
    Check(server == 0 || CalendarFromDayNumber(server).has_value());
    for (const double now : {0.0, 45000.5, kFirstDayNumber, kEndDayNumber - 1}) {
        for (const double login : {0.0, 45000.25, server}) {
            const ServerTimeDecision decision = DecideServerTime(server, now, login);
            if (decision.setClockTo) Check(CalendarFromDayNumber(*decision.setClockTo).has_value());
            if (decision.minutesUsed) Check(*decision.minutesUsed >= 0);
        }
    }
}

void CheckConsumption(std::uint8_t mode, std::string_view data) {
    const ConsumptionView view = ConsumptionList(mode, data);
    if (view.layout != ConsumptionLayout::Figures) {
        Check(view.rows.empty());
        return;
    }
    Check(mode == kMeteredSession && !data.empty());
    // The billing mode, then at most five figures.
    Check(view.rows.size() >= 2 && view.rows.size() <= 6);
    for (const ConsumptionRow& row : view.rows) Check(row.label.size() > 2 && !row.value.empty());
}

// The command as the ordering window receives it, after goods and a session.
void RunModel(std::int32_t number, std::string_view data, char separator, bool mustSelectMenu) {
    fuzz::SilentOrderWindow window;
    OrderWindowModel model(window, OrderSettings{mustSelectMenu, separator});
    model.ResetOrderWindow();
    model.HandleOrderCommand(115, "A01,tea,25");
    model.HandleOrderCommand(117, "0,45000.25,0,A12");
    for (int round = 0; round < 2; ++round) {
        model.HandleOrderCommand(number, data);
        model.GgridMouseDown({kBuyColumn, 1});
        model.GgridMouseUp({kBuyColumn, 1});
        Check(SelectedAmount(model.Goods(), separator) == model.OrderTotal());
        Check(model.BuyEnabled() == (SelectedUnitCount(model.Goods()) > 0));
        for (const GoodsRow& row : model.Goods().Rows()) Check(row.quantity >= 0);
    }
    // A line the café client does not take keeps its quantity, and the
    // total stays that of the rows left.
    model.BuyClick();
    Check(SelectedAmount(model.Goods(), separator) == model.OrderTotal());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    if (size == 0) return 0;
    const std::uint8_t selector = bytes[0];
    const std::int32_t number = kCommands[selector % 4];
    const char separator = (selector & 4) != 0 ? ',' : '.';
    const std::string_view data(reinterpret_cast<const char*>(bytes + 1), size - 1);
    switch (number) {
        case 115:
            CheckGoods(data, separator);
            break;
        case 117:
            CheckSession(data, separator);
            break;
        case 119:
            CheckServerTime(data, separator);
            break;
        default:
            CheckConsumption(static_cast<std::uint8_t>(selector >> 3 & 3), data);
            break;
    }
    RunModel(number, data, separator, (selector & 0x80) != 0);
    return 0;
}
