#include "ui/timer.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "support/processes.h"
#include "ui_fixture.h"

namespace corvina::ui::test {
namespace {

using Timers = UiTest;

TEST_F(Timers, TicksWhileEnabledAndStopsWhenDisabled) {
    Timer timer(5);
    int ticks = 0;
    timer.OnTimer = [&](Timer& sender) {
        EXPECT_EQ(&sender, &timer);
        ++ticks;
    };
    EXPECT_TRUE(corvina::test::PumpUntil(2000, [&] { return ticks >= 3; }));
    timer.SetEnabled(false);
    EXPECT_FALSE(timer.Running());
    const int stopped = ticks;
    corvina::test::PumpUntil(60, [] { return false; });
    EXPECT_EQ(ticks, stopped);
    // A zero interval keeps it still even when enabled.
    timer.SetInterval(0);
    timer.SetEnabled(true);
    EXPECT_FALSE(timer.Running());
}

TEST_F(Timers, ATimerThatIsGoneNeverTicks) {
    int ticks = 0;
    auto timer = std::make_unique<Timer>(1);
    timer->OnTimer = [&](Timer&) { ++ticks; };
    timer.reset();
    corvina::test::PumpUntil(60, [] { return false; });
    EXPECT_EQ(ticks, 0);
}

TEST_F(Timers, AFailingHandlerIsReportedAndTheTimerGoesOn) {
    Timer timer(5);
    int ticks = 0;
    timer.OnTimer = [&](Timer&) {
        if (++ticks == 1) throw std::runtime_error("tick failed");
    };
    EXPECT_TRUE(corvina::test::PumpUntil(2000, [&] { return ticks >= 2; }));
    EXPECT_EQ(errors_, std::vector<std::string>{"tick failed"});
}

TEST(TimerWithoutApplication, CannotStart) { EXPECT_THROW(Timer timer(10), std::logic_error); }

}  // namespace
}  // namespace corvina::ui::test
