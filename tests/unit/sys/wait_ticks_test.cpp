#include "sys/wait_ticks.h"

#include <gtest/gtest.h>

namespace corvina {
namespace {

struct FakeClock {
    std::uint32_t now;
    std::uint32_t step;
    int readings = 0;
    std::uint32_t operator()() {
        ++readings;
        const std::uint32_t value = now;
        now += step;
        return value;
    }
};

TEST(WaitTicks, EndsWhenTheCounterWrapsDuringTheWait) {
    FakeClock clock{0xFFFFFFF0u, 5};
    int pumped = 0;
    WaitTicks(15, true, std::ref(clock), [&] { ++pumped; });
    EXPECT_EQ(clock.readings, 4);  // start, then 5, 10, 15 ms later
    EXPECT_EQ(pumped, 2);
}

TEST(WaitTicks, PumpsOnlyWhenAsked) {
    FakeClock clock{1000, 1};
    int pumped = 0;
    WaitTicks(10, false, std::ref(clock), [&] { ++pumped; });
    EXPECT_EQ(pumped, 0);
    EXPECT_GE(clock.now, 1010u);
}

TEST(WaitTicks, NonPositiveWaitReadsTheCounterOnce) {
    FakeClock clock{0, 100};
    WaitTicks(0, true, std::ref(clock), [] { FAIL() << "no messages for a zero wait"; });
    WaitTicks(-5, true, std::ref(clock), [] { FAIL() << "no messages for a negative wait"; });
    EXPECT_EQ(clock.readings, 2);
}

}  // namespace
}  // namespace corvina
