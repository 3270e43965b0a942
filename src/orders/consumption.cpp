#include "orders/consumption.h"

#include <array>
#include <utility>

#include "orders/session_data.h"
#include "sys/numbers.h"
#include "sys/strings.h"
#include "sys/text.h"

namespace corvina {

namespace {

constexpr std::array<std::u8string_view, 6> kLabels = {u8"計價方式", u8"累積分數", u8"計時金額",
                                                       u8"消費金額", u8"免費優待", u8"總金額"};

Big5 LabelCell(std::size_t index) { return ' ' + T(kLabels[index]) + ':'; }

}  // namespace

Big5 BillingModeName(std::uint8_t mode, std::string_view billingCode) {
    if (mode == kMeteredSession) return T(u8"一般");
    if (mode != kPaidPackage) return {};
    Big5 name = T(u8"包台");
    if (billingCode.starts_with('#')) name = T(u8"續時");
    if (billingCode.starts_with('*')) name = T(u8"轉包");
    if (billingCode.find('&') != std::string_view::npos) name += T(u8" 提前");
    return name;
}

ConsumptionView ConsumptionList(std::uint8_t mode, std::string_view data) {
    if (mode == kPaidPackage) return {ConsumptionLayout::PaidPackage, {}};
    if (mode != kMeteredSession) return {ConsumptionLayout::Blank, {}};
    if (data.empty()) return {ConsumptionLayout::NotShown, {}};

    std::array<Big5, 5> fields;
    Big5 rest{data};
    for (std::size_t i = 0; i < 4; ++i) {
        SplitResult split = SplitAtSeparator(rest, '|');
        fields[i] = std::move(split.head);
        rest = std::move(split.tail);
    }
    fields[4] = std::move(rest);

    const Big5 minutes = T(u8" 分鐘");
    const Big5 money = T(u8" (元)");
    fields[0] += minutes;
    fields[1] += money;
    fields[2] += money;
    fields[3] = ParseIntegerOr(fields[3], 0) == 0 ? Big5{} : fields[3] + minutes;
    fields[4] += money;

    ConsumptionView view{ConsumptionLayout::Figures, {}};
    view.rows.push_back({LabelCell(0), BillingModeName(kMeteredSession, {})});
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (!fields[i].empty()) view.rows.push_back({LabelCell(i + 1), fields[i]});
    }
    return view;
}

std::vector<Big5> ConsumptionLabels() {
    std::vector<Big5> labels;
    for (const std::u8string_view label : kLabels) labels.push_back(T(label));
    return labels;
}

Big5 ConsumptionTitle() { return T(u8"截至目前消費統計："); }

Big5 ConsumptionPaidCaption() { return T(u8"已結帳！"); }

Big5 ConsumptionNotes() {
    return T(
        u8" ※ 注意事項：\r 　1. 若金額與實際金額若有不符，以結帳金額為準。\r 　2. 對於金額若有疑問，請向櫃臺洽詢。");
}

}  // namespace corvina
