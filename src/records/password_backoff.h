#pragma once
// Wrong passwords in one account dialog slow the next try: 1, 2, 4 …
// seconds, at most 30, counted from the wrong answer. Times are
// milliseconds of a monotonic clock the caller reads.

#include <cstdint>

namespace corvina {

inline constexpr std::uint64_t kPasswordWaitFirstMs = 1000;
inline constexpr std::uint64_t kPasswordWaitMaxMs = 30000;

class PasswordBackoff {
public:
    void WrongPassword(std::uint64_t nowMs);
    // Milliseconds left before the next try counts; 0 when it may be made.
    std::uint64_t WaitLeftMs(std::uint64_t nowMs) const;
    // The wait left in whole seconds, rounded up.
    int WaitLeftSeconds(std::uint64_t nowMs) const;

private:
    int failures_ = 0;
    std::uint64_t nextTryMs_ = 0;
};

}  // namespace corvina
