#include "stats/play_writer.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "support/temp_folder.h"
#include "sys/files.h"
#include "sys/text.h"

namespace corvina {
namespace {

using namespace std::chrono_literals;

Play PlayNumber(int n) {
    Play play;
    play.start = {2026, 12, 9, 10, 0, n, 0};
    play.pc = "PC01";
    play.item = "game";
    return play;
}

template <typename Condition>
bool WaitUntil(Condition condition) {
    const auto deadline = std::chrono::steady_clock::now() + 20s;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(10ms);
    }
    return true;
}

class PlayWriterRun : public ::testing::Test {
protected:
    PlayWriter::Log Log() {
        return [this](std::string_view text) {
            const std::lock_guard lock(mutex_);
            log_.push_back(Utf8FromBig5(text));
        };
    }
    std::vector<std::string> Logged() {
        const std::lock_guard lock(mutex_);
        return log_;
    }
    std::string Month() const { return ReadFileBytes(share_ + "PC01-2026-12.csv").value_or(""); }

    test::TempFolder program_;
    test::TempFolder stats_;
    std::string share_ = stats_.File("share/");
    std::atomic<FolderProbe> answer_{FolderProbe::NoAnswer};
    PlayWriter::Probe probe_ = [this](const Big5&) { return answer_.load(); };
    std::mutex mutex_;
    std::vector<std::string> log_;
};

TEST_F(PlayWriterRun, PlaysWaitWhileTheFolderDoesNotAnswerAndGoOnceWhenItDoes) {
    {
        PlayWriter writer(PlayStore(program_.Path(), share_), Log(), probe_, 1h);
        writer.Add(PlayNumber(1));
        ASSERT_TRUE(WaitUntil([&] { return Logged().size() == 1; }));
        writer.Add(PlayNumber(2));
        ASSERT_TRUE(WaitUntil([&] {
            return ReadFileBytes(program_.File("StatsSpool.csv")).value_or("").ends_with(PlayLine(PlayNumber(2)));
        }));
        EXPECT_EQ(Logged().size(), 1u) << "one line per outage";
        EXPECT_NE(Logged()[0].find("沒有回應"), std::string::npos) << Logged()[0];

        std::filesystem::create_directory(share_);
        answer_ = FolderProbe::Reachable;
        writer.Add(PlayNumber(3));
        ASSERT_TRUE(WaitUntil([&] { return Month().find(PlayLine(PlayNumber(3))) != std::string::npos; }));
    }
    EXPECT_EQ(Month(), std::string(kUtf8ByteOrderMark) + std::string(PlayFileHeader()) + PlayLine(PlayNumber(1)) +
                           PlayLine(PlayNumber(2)) + PlayLine(PlayNumber(3)));
    EXPECT_FALSE(FileExists(program_.File("StatsSpool.csv")));
}

TEST_F(PlayWriterRun, PlaysLeftByAnEarlierRunGoFirstAndThoseOfTheEndWaitInTheSpool) {
    std::filesystem::create_directory(share_);
    PlayStore(program_.Path(), share_).Spool(PlayNumber(1));
    answer_ = FolderProbe::Reachable;
    {
        PlayWriter writer(PlayStore(program_.Path(), share_), Log(), probe_, 1h);
        ASSERT_TRUE(WaitUntil([&] { return !Month().empty(); }));
        writer.Add(PlayNumber(2));
    }
    // Handed in as the menu ends: in the spool for the next run, whatever
    // the share does meanwhile.
    const std::string spool = ReadFileBytes(program_.File("StatsSpool.csv")).value_or("");
    const std::string month = Month();
    EXPECT_EQ(spool.find(PlayLine(PlayNumber(2))) != std::string::npos,
              month.find(PlayLine(PlayNumber(2))) == std::string::npos);
    EXPECT_NE(month.find(PlayLine(PlayNumber(1))), std::string::npos);
    EXPECT_TRUE(Logged().empty());
}

}  // namespace
}  // namespace corvina
