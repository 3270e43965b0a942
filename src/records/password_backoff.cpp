#include "records/password_backoff.h"

#include <algorithm>

namespace corvina {

void PasswordBackoff::WrongPassword(std::uint64_t nowMs) {
    // Doubling stops once the cap is reached, so the shift never overflows.
    const std::uint64_t wait = std::min(kPasswordWaitFirstMs << std::min(failures_, 5), kPasswordWaitMaxMs);
    ++failures_;
    nextTryMs_ = nowMs + wait;
}

std::uint64_t PasswordBackoff::WaitLeftMs(std::uint64_t nowMs) const {
    return nowMs < nextTryMs_ ? nextTryMs_ - nowMs : 0;
}

int PasswordBackoff::WaitLeftSeconds(std::uint64_t nowMs) const {
    return static_cast<int>((WaitLeftMs(nowMs) + 999) / 1000);
}

}  // namespace corvina
