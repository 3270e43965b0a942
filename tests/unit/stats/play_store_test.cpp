#include "stats/play_store.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>
#include <string>

#include "support/temp_folder.h"
#include "sys/files.h"

namespace corvina {
namespace {

const std::string kStart = std::string(kUtf8ByteOrderMark) + std::string(PlayFileHeader());

Play PlayOn(int month, int day, std::string pc = "PC01") {
    Play play;
    play.start = {2026, month, day, 10, 0, 0, 0};
    play.end = CalendarTime{2026, month, day, 11, 0, 0, 0};
    play.seconds = 3600;
    play.pc = std::move(pc);
    play.channel = "遊戲";
    play.item = "game " + std::to_string(day);
    play.target = "C:\\g.exe";
    return play;
}

class PlayStoreFiles : public ::testing::Test {
protected:
    std::string Share(const std::string& file) const { return ReadFileBytes(share_ + file).value_or("(none)"); }
    void DeliverAll() {
        store_.TakeSpool();
        store_.Deliver();
    }

    test::TempFolder program_;
    test::TempFolder stats_;
    std::string share_ = stats_.File("share/");
    PlayStore store_{program_.Path(), share_};
};

TEST_F(PlayStoreFiles, PlaysWaitInTheSpoolUntilTheFolderIsThereThenGoOnceToTheFileOfTheirPcAndMonth) {
    std::filesystem::create_directory(share_);
    store_.Spool(PlayOn(11, 30));
    store_.Spool(PlayOn(12, 1));
    store_.Spool(PlayOn(12, 2, "PC02"));
    EXPECT_EQ(ReadFileBytes(store_.SpoolPath()),
              kStart + PlayLine(PlayOn(11, 30)) + PlayLine(PlayOn(12, 1)) + PlayLine(PlayOn(12, 2, "PC02")))
        << "the spool opens in Excel as it is";
    DeliverAll();
    EXPECT_EQ(Share("PC01-2026-11.csv"), kStart + PlayLine(PlayOn(11, 30)));
    EXPECT_EQ(Share("PC01-2026-12.csv"), kStart + PlayLine(PlayOn(12, 1)));
    EXPECT_EQ(Share("PC02-2026-12.csv"), kStart + PlayLine(PlayOn(12, 2, "PC02")));
    EXPECT_FALSE(store_.HasWaiting());

    store_.Spool(PlayOn(12, 3));
    DeliverAll();
    DeliverAll();
    EXPECT_EQ(Share("PC01-2026-12.csv"), kStart + PlayLine(PlayOn(12, 1)) + PlayLine(PlayOn(12, 3)))
        << "appended once, without a second header";
}

TEST_F(PlayStoreFiles, AFolderMissingMidwayKeepsThePlaysAndLaterOnesQueueBehindThem) {
    store_.Spool(PlayOn(12, 1));
    EXPECT_THROW(DeliverAll(), std::runtime_error);
    EXPECT_TRUE(store_.HasWaiting());
    store_.Spool(PlayOn(12, 2));
    EXPECT_THROW(DeliverAll(), std::runtime_error);

    std::filesystem::create_directory(share_);
    DeliverAll();
    EXPECT_TRUE(store_.HasWaiting()) << "the later play waits for the next round";
    DeliverAll();
    EXPECT_EQ(Share("PC01-2026-12.csv"), kStart + PlayLine(PlayOn(12, 1)) + PlayLine(PlayOn(12, 2)));
    EXPECT_FALSE(store_.HasWaiting());
}

TEST_F(PlayStoreFiles, WhereverADeliveryStoppedTheNextOneAppendsExactlyWhatIsMissing) {
    std::filesystem::create_directory(share_);
    const std::string file = "PC01-2026-12.csv";
    const std::string earlier = kStart + PlayLine(PlayOn(12, 1));
    const std::string lines = PlayLine(PlayOn(12, 2)) + PlayLine(PlayOn(12, 3));
    const std::string sending = program_.File(std::string(kPlaySendingName));
    const std::string batch = program_.File(std::string(kPlayBatchName));
    const std::string whole = earlier + lines;
    struct Stop {
        const char* where;
        std::string shareBefore;
        bool batchLeft;
    };
    for (const Stop& stop : {
             Stop{"after writing down, before appending", earlier, true},
             Stop{"in the middle of the append", earlier + lines.substr(0, 30), false},
             Stop{"after the append", whole, false},
         }) {
        WriteFileBytes(share_ + file, stop.shareBefore);
        WriteFileBytes(sending, SendingText({{file, earlier.size(), lines}}));
        if (stop.batchLeft) WriteFileBytes(batch, kStart + lines);
        store_.Deliver();
        EXPECT_EQ(Share(file), whole) << stop.where;
        EXPECT_FALSE(store_.HasWaiting()) << stop.where;
    }

    // Moved aside but not yet written down: the batch goes as a whole.
    WriteFileBytes(share_ + file, earlier);
    WriteFileBytes(batch, kStart + lines);
    DeliverAll();
    EXPECT_EQ(Share(file), whole);
}

TEST(PlayAppend, WhatIsMissingIsFoundAtTheRecordedSizeOrTheWholeAppendGoesAgain) {
    const PlayAppend append{"f.csv", 4, "lineA\r\nlineB\r\n"};
    EXPECT_EQ(MissingRest(append, std::string("headlineA\r\nli")), "neB\r\n");
    EXPECT_EQ(MissingRest(append, std::string("headlineA\r\nlineB\r\nlater")), "");
    EXPECT_EQ(MissingRest(append, std::string("headother lines")), append.bytes) << "changed by someone";
    EXPECT_EQ(MissingRest(append, std::string("he")), append.bytes) << "cut shorter";
    EXPECT_EQ(MissingRest(append, std::nullopt), kStart + append.bytes) << "deleted: it starts anew";
    const PlayAppend fresh{"f.csv", 0, kStart + "lineA\r\n"};
    EXPECT_EQ(MissingRest(fresh, std::nullopt), fresh.bytes);
    EXPECT_EQ(MissingRest(fresh, kStart.substr(0, 5)), fresh.bytes.substr(5));
}

TEST(PlayAppend, TheSendingTextReadsBackAndAnythingElseIsRefused) {
    const std::vector<PlayAppend> appends{{"PC01-2026-11.csv", 120, "a\r\n"}, {"PC01-2026-12.csv", 0, "b\tc\r\n\r\n"}};
    EXPECT_EQ(ParseSendingText(SendingText(appends)), appends);
    EXPECT_EQ(ParseSendingText(SendingText({})), std::vector<PlayAppend>{});
    const std::string text = SendingText(appends);
    EXPECT_FALSE(ParseSendingText(text.substr(0, text.size() - 1))) << "cut short";
    EXPECT_FALSE(ParseSendingText(text + "x"));
    EXPECT_FALSE(ParseSendingText("f.csv\t-1\t3\r\n\r\nabc"));
    EXPECT_FALSE(ParseSendingText(""));
}

TEST(PlayAppend, SpoolLinesGoByFileAndALineCutByACrashIsSetAside) {
    std::vector<std::string> unreadable;
    const std::string spool = kStart + PlayLine(PlayOn(12, 1)) + "2026-12-01 10:0" + "\r\n" + PlayLine(PlayOn(11, 2)) +
                              PlayLine(PlayOn(12, 3));
    const std::vector<PlayAppend> appends = GroupPlayLines(spool, unreadable);
    ASSERT_EQ(appends.size(), 2u);
    EXPECT_EQ(appends[0].file, "PC01-2026-12.csv");
    EXPECT_EQ(appends[0].bytes, PlayLine(PlayOn(12, 1)) + PlayLine(PlayOn(12, 3)));
    EXPECT_EQ(appends[1].file, "PC01-2026-11.csv");
    EXPECT_EQ(unreadable, std::vector<std::string>{"2026-12-01 10:0"});
}

TEST_F(PlayStoreFiles, APlaySpooledAfterACutLineStaysALineOfItsOwn) {
    WriteFileBytes(store_.SpoolPath(), kStart + "2026-12-01 10:0");
    store_.Spool(PlayOn(12, 2));
    std::vector<std::string> unreadable;
    const std::vector<PlayAppend> appends = GroupPlayLines(*ReadFileBytes(store_.SpoolPath()), unreadable);
    ASSERT_EQ(appends.size(), 1u);
    EXPECT_EQ(appends[0].bytes, PlayLine(PlayOn(12, 2)));
    EXPECT_EQ(unreadable.size(), 1u);
}

}  // namespace
}  // namespace corvina
