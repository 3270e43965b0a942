#include "cafe-sim/replies.h"

#include <array>
#include <charconv>
#include <optional>

#include "sys/cafe_protocol.h"
#include "sys/numbers.h"

namespace corvina::cafesim {

namespace {

constexpr double kMinutesPerDay = 24.0 * 60.0;

// Minutes after "now", or nothing when the field is not a "now" field.
std::optional<std::int32_t> NowOffset(std::string_view field) {
    if (!field.starts_with("now")) return std::nullopt;
    const std::string_view rest = field.substr(3);
    if (rest.empty()) return 0;
    if (rest.front() != '+' && rest.front() != '-') return std::nullopt;
    const std::string_view digits = rest.substr(1);
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos) return std::nullopt;
    const std::optional<std::int32_t> minutes = ParseInteger(digits);
    if (!minutes) return std::nullopt;
    return rest.front() == '-' ? -*minutes : *minutes;
}

}  // namespace

std::string FormatDayNumber(double value) {
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, 8);
    return std::string(buffer.data(), result.ptr);
}

std::string ExpandTimes(std::string_view fields, double now) {
    std::string expanded;
    for (;;) {
        const std::size_t comma = fields.find(',');
        const std::string_view field = fields.substr(0, comma);
        if (const std::optional<std::int32_t> minutes = NowOffset(field)) {
            expanded += FormatDayNumber(now + *minutes / kMinutesPerDay);
        } else {
            expanded += field;
        }
        if (comma == std::string_view::npos) return expanded;
        expanded += ',';
        fields.remove_prefix(comma + 1);
    }
}

std::vector<Outgoing> RepliesTo(std::int32_t number, const Scenario& scenario, double now) {
    std::vector<Outgoing> replies;
    switch (number) {
        case kCafeDataRequest:
            replies.push_back({kCafeGoodsListStart, {}});
            for (const std::string& item : scenario.goods) replies.push_back({kCafeGoodsItem, item});
            if (!scenario.sessionData.empty()) {
                replies.push_back({kCafeSessionData, ExpandTimes(scenario.sessionData, now)});
            }
            if (!scenario.serverTime.empty())
                replies.push_back({kCafeServerTime, ExpandTimes(scenario.serverTime, now)});
            break;
        case kCafeConsumptionRequest:
            if (!scenario.consumption.empty()) replies.push_back({kCafeConsumption, scenario.consumption});
            break;
        case kCafeLeaveRequest:
            if (!scenario.entryAnswer.empty()) replies.push_back({kCafeEntryAnswer, scenario.entryAnswer});
            break;
        default:
            break;
    }
    return replies;
}

}  // namespace corvina::cafesim
