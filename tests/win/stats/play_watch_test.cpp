// The play watch with real processes: a stand-in launcher that starts its
// game and ends at once.

#include "stats/play_watch_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <mutex>
#include <optional>
#include <vector>

#include "support/processes.h"
#include "support/temp_folder.h"
#include "sys/files.h"
#include "sys/text.h"

namespace corvina {
namespace {

constexpr DWORD kTimeoutMs = 30000;

class PlayWatching : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(CopyFileW(test::WinePath(LAUNCHER_PROBE_EXE).c_str(), WideFromBig5(launcher_).c_str(), FALSE));
    }
    // The game goes on after its launcher: the test ends when it has.
    void TearDown() override {
        if (started_) {
            EXPECT_TRUE(test::PumpUntil(kTimeoutMs, [&] { return FileExists(launcher_ + ".done"); }));
        }
    }

    win32::ScopedHandle StartLauncher() {
        std::wstring commandLine = L"\"" + WideFromBig5(launcher_) + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION started{};
        if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                            &started)) {
            return {};
        }
        CloseHandle(started.hThread);
        started_ = true;
        return win32::ScopedHandle(started.hProcess);
    }
    PlayWatch::Ended Record() {
        return [this](Play play) {
            const std::lock_guard lock(mutex_);
            ended_.push_back(std::move(play));
        };
    }
    std::vector<Play> Ended() {
        const std::lock_guard lock(mutex_);
        return ended_;
    }
    static Play Sample() {
        Play play;
        play.start = {2026, 12, 9, 10, 0, 0, 0};
        play.item = "game";
        return play;
    }

    test::TempFolder folder_;
    Big5 launcher_ = folder_.File("launcher.exe");
    bool started_ = false;
    std::mutex mutex_;
    std::vector<Play> ended_;
};

TEST_F(PlayWatching, WithoutAProcessThePlayIsAStartOnlyHandedOnAtOnce) {
    PlayWatch watch(Record(), [](std::string_view) {});
    Play play = Sample();
    play.end = play.start;
    play.seconds = 5;
    watch.Started(play, {});
    ASSERT_EQ(Ended().size(), 1u);
    EXPECT_FALSE(Ended()[0].end.has_value());
    EXPECT_EQ(Ended()[0].seconds, 0);
    EXPECT_EQ(Ended()[0].item, "game");
}

TEST_F(PlayWatching, APlayLastsUntilTheGameItsLauncherStartedHasEnded) {
    std::vector<std::string> log;
    PlayWatch watch(Record(), [&](std::string_view text) { log.emplace_back(text); });
    watch.Started(Sample(), StartLauncher());
    ASSERT_TRUE(test::PumpUntil(kTimeoutMs, [&] { return !Ended().empty(); }));
    EXPECT_TRUE(FileExists(launcher_ + ".done")) << "ended before the game";
    ASSERT_TRUE(Ended()[0].end.has_value());
    EXPECT_GE(Ended()[0].seconds, 3);
    EXPECT_TRUE(log.empty()) << "the job took the launcher";
}

TEST_F(PlayWatching, APlayStillRunningWhenTheWatchEndsClosesWhenLastSeen) {
    {
        PlayWatch watch(Record(), [](std::string_view) {});
        watch.Started(Sample(), StartLauncher());
    }
    ASSERT_EQ(Ended().size(), 1u);
    EXPECT_TRUE(Ended()[0].end.has_value());
    EXPECT_LT(Ended()[0].seconds, 3);
    EXPECT_FALSE(FileExists(launcher_ + ".done")) << "the game still ran";
}

}  // namespace
}  // namespace corvina
