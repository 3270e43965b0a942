#include "orders/order_log.h"

#include <algorithm>
#include <string>

#include "sys/strings.h"

namespace corvina {

Big5 FormatOrderLine(const OrderLine& line) {
    Big5 text = line.id;
    text += ',';
    text += line.name;
    text += ',';
    text += std::to_string(line.quantity);
    return text;
}

Big5 OrderLogEntry(const OrderLine& line) {
    // Big5 trail bytes never take the values of CR or LF.
    Big5 text = FormatOrderLine(line);
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    text += "\r\n";
    return text;
}

std::vector<OrderedRow> LoadOrderLog(std::string_view contents) {
    std::vector<OrderedRow> rows;
    while (!contents.empty()) {
        const std::size_t end = std::min(contents.find_first_of("\r\n"), contents.size());
        const std::string_view line = contents.substr(0, end);
        const std::string_view rest = contents.substr(end);
        contents = rest.substr(rest.starts_with("\r\n") ? 2 : std::min<std::size_t>(rest.size(), 1));
        if (line.empty()) continue;
        const SplitResult id = SplitAtSeparator(line, ',');
        const SplitResult name = SplitAtSeparator(id.tail, ',');
        rows.push_back(OrderedRow{name.head, name.tail});
    }
    return rows;
}

}  // namespace corvina
