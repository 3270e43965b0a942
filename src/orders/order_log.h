#pragma once
// Ordered lines and the session's order log GoodsLog.Lst: one line per
// ordered goods row, "id,name,quantity", each ended by CR LF, Big5 as
// received, appended in order and read back into the ordered list.

#include <cstdint>
#include <string_view>
#include <vector>

#include "sys/big5.h"

namespace corvina {

struct OrderLine {
    Big5 id;
    Big5 name;
    std::int32_t quantity = 0;
};

// "7,可樂,2": the data of command 207 and the text of a log line.
Big5 FormatOrderLine(const OrderLine& line);

// The bytes appended to the log for one line: the text and CR LF. A line
// break inside a name would split the line on reading back, so CR and LF
// become blanks here (the café client still gets the line as it was).
Big5 OrderLogEntry(const OrderLine& line);

// A row of the ordered list `GoodsLst`: name, quantity, empty.
struct OrderedRow {
    Big5 name;
    Big5 quantity;  // as logged; the list shows it as a number

    friend bool operator==(const OrderedRow&, const OrderedRow&) = default;
};

// `LoadOrderLog` on the log's contents: lines end at CR LF, CR or LF;
// empty lines are skipped; a line with fewer than two "," gives an empty
// name and quantity and is still a row.
std::vector<OrderedRow> LoadOrderLog(std::string_view contents);

}  // namespace corvina
