#pragma once
// What several fuzzers share: a failed check that libFuzzer reports as a
// crash, and an ordering window port that does nothing but check what the
// model hands it.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "orders/order_log.h"
#include "orders/order_model.h"
#include "sys/day_number.h"

namespace corvina::fuzz {

inline void Check(bool condition) {
    if (!condition) __builtin_trap();
}

class SilentOrderWindow final : public OrderWindowPort {
public:
    // Now and then the café client does not take a command, or does not
    // say whether it did.
    CafeDelivery SendCafeCommand(std::int32_t number, std::string_view) override {
        Check(number > 0);
        ++sends;
        if (sends % 5 == 0) return CafeDelivery::NotSent;
        return sends % 7 == 0 ? CafeDelivery::Unconfirmed : CafeDelivery::Taken;
    }
    std::uint64_t SessionEndsArrived() override { return 0; }
    double Now() override { return 45000.5; }
    // A clock the window sets must be a calendar time.
    void SetClock(double dayNumber) override { Check(CalendarFromDayNumber(dayNumber).has_value()); }
    std::optional<std::string> ReadOrderLog() override { return log; }
    void AppendOrderLog(std::string_view bytes) override {
        Check(LoadOrderLog(bytes).size() == 1);
        log = log.value_or("") + std::string(bytes);
    }
    bool EntryGranted() override { return granted; }
    void GrantEntry() override { granted = true; }
    void ShowError(const Big5&) override {}
    void ShowInformation(const Big5&) override {}
    void ShowWarning(const Big5&) override {}
    bool AskYesNo(const Big5&) override { return answer = !answer; }
    void ShowPurchaseWait(const Big5&) override {}
    void OpenHomePage() override {}
    void CloseOrderWindow() override {}
    void ShowConsumptionList(std::uint8_t, std::string_view) override {}
    void WriteAdminLog(std::string_view) override {}

    std::optional<std::string> log;
    unsigned sends = 0;
    bool granted = false;
    bool answer = false;
};

}  // namespace corvina::fuzz
