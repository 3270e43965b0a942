#include "sys/folder_probe.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <thread>

namespace corvina {
namespace {

using namespace std::chrono_literals;

// A share that answers only when the test lets it.
struct HeldAnswer {
    std::mutex mutex;
    std::condition_variable released;
    bool go = false;
    std::atomic<bool> finished{false};
};

TEST(FolderProbe, AnswersPassThroughAndAnExceptionIsAMissingFolder) {
    EXPECT_EQ(ProbeWithDeadline([] { return true; }, 5s), FolderProbe::Reachable);
    EXPECT_EQ(ProbeWithDeadline([] { return false; }, 5s), FolderProbe::Missing);
    EXPECT_EQ(ProbeWithDeadline([]() -> bool { throw std::runtime_error("network"); }, 5s), FolderProbe::Missing);
}

TEST(FolderProbe, AShareThatHangsCostsTheDeadlineAndItsLateAnswerGoesNowhere) {
    auto held = std::make_shared<HeldAnswer>();
    const auto start = std::chrono::steady_clock::now();
    const FolderProbe probe = ProbeWithDeadline(
        [held] {
            std::unique_lock lock(held->mutex);
            held->released.wait(lock, [&] { return held->go; });
            held->finished = true;
            return true;
        },
        200ms);
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(probe, FolderProbe::NoAnswer);
    EXPECT_GE(waited, 200ms);
    EXPECT_LT(waited, 3s);
    {
        const std::lock_guard lock(held->mutex);
        held->go = true;
    }
    held->released.notify_all();
    // The abandoned probe still ends by itself once the share answers.
    const auto until = std::chrono::steady_clock::now() + 10s;
    while (!held->finished && std::chrono::steady_clock::now() < until) std::this_thread::sleep_for(1ms);
    EXPECT_TRUE(held->finished);
}

TEST(FolderProbe, AMissingLocalFolderAnswersAtOnce) {
    EXPECT_EQ(ProbeFolder("/nonexistent-corvina-folder/x/", 5s), FolderProbe::Missing);
}

}  // namespace
}  // namespace corvina
