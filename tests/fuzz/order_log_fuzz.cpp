// The order log and the data fields of commands 114 to 121 come from files
// and another program as any bytes: reading them must never fault, what is
// logged must read back as one row, amounts must survive their text, and
// the ordering model must keep its total equal to its rows.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "orders/money.h"
#include "orders/order_log.h"
#include "orders/order_model.h"
#include "orders/session_data.h"
#include "sys/day_number.h"
#include "sys/decimal_number.h"

namespace {

using namespace corvina;
using fuzz::Check;

void CheckFields(std::string_view text, char separator) {
    if (const std::optional<Money> money = ParseMoney(text, separator)) {
        // Four places carry every ten-thousandth: the text reads back exactly.
        Big5 shown = FormatMoney(*money, 4, "");
        shown.erase(std::remove(shown.begin(), shown.end(), ','), shown.end());
        Check(ParseMoney(shown, '.') == *money);
        const std::optional<double> value = ParseDecimal(text, separator);
        Check(value.has_value());
        if (std::abs(*money) < (Money{1} << 50)) Check(std::abs(*value * 10000 - static_cast<double>(*money)) <= 0.51);
    }
    const double day = ParseDayNumber(text, separator);
    Check(day == 0 || CalendarFromDayNumber(day).has_value());
    const SessionData session = ParseSessionData(text, separator);
    Check(session.packageFlag != 0 || session.logoutTime == 0);
    const ServerTimeDecision decision = DecideServerTime(day, 45000.5, session.loginTime);
    Check(!decision.minutesUsed || *decision.minutesUsed >= 0);
}

void CheckLog(std::string_view contents) {
    for (const OrderedRow& row : LoadOrderLog(contents)) {
        Check(row.name.find_first_of("\r\n") == std::string::npos);
        Check(row.quantity.find_first_of("\r\n") == std::string::npos);
        const std::vector<OrderedRow> again = LoadOrderLog(OrderLogEntry({"id", row.name, 1}));
        Check(again.size() == 1 && again[0].name == row.name);
    }
}

// Lines of the input drive the model: "115:data" goes to the model as a
// command, a line beginning with '#' clicks cells, "!" buys, "<" leaves.
void RunModel(std::string_view input, char separator) {
    fuzz::SilentOrderWindow window;
    OrderWindowModel model(window, OrderSettings{input.size() % 2 == 0, separator});
    model.ResetOrderWindow();
    while (!input.empty()) {
        const std::size_t end = std::min(input.find('\n'), input.size());
        const std::string_view line = input.substr(0, end);
        input.remove_prefix(std::min(end + 1, input.size()));
        if (line.starts_with('#') && line.size() >= 3) {
            const GridCell cell{line[1] % 8, line[2] % 6};
            if (line.size() % 2 == 0) model.GgridMouseDown(cell);
            model.GgridMouseUp(cell);
        } else if (line == "!") {
            model.BuyClick();
        } else if (line.starts_with('<')) {
            model.LeaveClick(static_cast<std::int32_t>(line.size()) - 2);
        } else if (line.size() >= 4 && line[3] == ':') {
            const int number = (line[0] - '0') * 100 + (line[1] - '0') * 10 + (line[2] - '0');
            model.HandleOrderCommand(number, line.substr(4));
        } else {
            model.ClockTimerTick();
        }
        Check(SelectedAmount(model.Goods(), separator) == model.OrderTotal());
        Check(model.BuyEnabled() == (SelectedUnitCount(model.Goods()) > 0));
        Check(model.Goods().RowCount() >= 1);
        for (const GoodsRow& row : model.Goods().Rows()) Check(row.quantity >= 0);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const char separator = size > 0 && data[0] % 2 == 1 ? ',' : '.';
    CheckFields(input, separator);
    CheckLog(input);
    RunModel(input, separator);
    return 0;
}
