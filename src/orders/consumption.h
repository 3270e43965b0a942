#pragma once
// The rows of the consumption list `TfExpendList` from command 120.

#include <cstdint>
#include <string_view>
#include <vector>

#include "sys/big5.h"

namespace corvina {

// The billing-mode names of the café system: 0 "一般"; 1 "包台", or "續時"
// for a code beginning with "#", "轉包" for one beginning with "*", with
// " 提前" added when the code holds "&". Other modes have no name.
Big5 BillingModeName(std::uint8_t mode, std::string_view billingCode);

struct ConsumptionRow {
    Big5 label;  // " 計價方式:"
    Big5 value;

    friend bool operator==(const ConsumptionRow&, const ConsumptionRow&) = default;
};

enum class ConsumptionLayout {
    NotShown,     // metered session without figures: no window at all
    Figures,      // the grid with its rows and the notes
    PaidPackage,  // only the caption "已結帳！"
    Blank,        // any other mode: the window as designed, the grid empty
};

struct ConsumptionView {
    ConsumptionLayout layout = ConsumptionLayout::Blank;
    std::vector<ConsumptionRow> rows;
};

// mode is the ordering window's `PackageFlag`; data "125|50|35|0|85":
// minutes, time charge, goods charge, free minutes (left out when 0) and
// total, after the billing mode.
ConsumptionView ConsumptionList(std::uint8_t mode, std::string_view data);

// "計價方式", "累積分數", "計時金額", "消費金額", "免費優待", "總金額".
std::vector<Big5> ConsumptionLabels();

// The window's fixed texts.
Big5 ConsumptionTitle();        // "截至目前消費統計："
Big5 ConsumptionPaidCaption();  // "已結帳！"
Big5 ConsumptionNotes();        // the three lines of `Lbl_info`, joined by CR

}  // namespace corvina
