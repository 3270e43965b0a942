#include "stats/play_line.h"

#include <gtest/gtest.h>

#include <string>

namespace corvina {
namespace {

Play Sample() {
    Play play;
    play.start = {2026, 12, 9, 14, 5, 0, 0};
    play.end = CalendarTime{2026, 12, 9, 15, 35, 30, 0};
    play.seconds = 5430;
    play.pc = "PC07";
    play.channel = "線上遊戲";
    play.item = "魔獸, \"世界\"";
    play.target = "C:\\Games\\wow.exe";
    return play;
}

std::string WithoutLineEnd(const std::string& line) { return line.substr(0, line.size() - 2); }

TEST(PlayLine, WrittenLinesReadBackAsTheSamePlay) {
    const Play play = Sample();
    const std::string line = PlayLine(play);
    EXPECT_EQ(line,
              "2026-12-09 14:05:00,2026-12-09 15:35:30,5430,PC07,線上遊戲,\"魔獸, \"\"世界\"\"\","
              "C:\\Games\\wow.exe\r\n");
    std::string why;
    EXPECT_EQ(ParsePlayLine(WithoutLineEnd(line), why), play);

    Play startOnly = Sample();
    startOnly.end.reset();
    startOnly.seconds = 0;
    const std::string shortLine = PlayLine(startOnly);
    EXPECT_EQ(shortLine.substr(0, 22), "2026-12-09 14:05:00,,,");
    EXPECT_EQ(ParsePlayLine(WithoutLineEnd(shortLine), why), startOnly);

    // A caption can never split a play over two lines.
    Play broken = Sample();
    broken.item = "a\r\nb";
    EXPECT_EQ(PlayLine(broken).find("\r\n"), PlayLine(broken).size() - 2);
}

TEST(PlayLine, LinesThatAreNotPlaysAreRefusedWithAReason) {
    for (const std::string_view line : {
             "",
             "2026-12-09 14:05:00,2026-12-09 15:35:30,5430,PC07,c,i",     // six fields
             "2026-02-30 14:05:00,,,PC07,c,i,t",                          // no such day
             "2026-12-09 24:05:00,,,PC07,c,i,t",                          // no such hour
             "2026-12-09 14:05:00,2026-12-09 15:35:30,-1,PC07,c,i,t",     // negative
             "2026-12-09 14:05:00,2026-12-10 14:05:00,86400,PC07,c,i,t",  // over 12 hours
             "2026-12-09 14:05:00,2026-12-09 15:35:30,12x,PC07,c,i,t",    // not a number
             "2026-12-09 14:05:00,,5,PC07,c,i,t",                         // seconds without end
             "2026-12-09 14:05:00,,,PC07,c,\"open,t",                     // quote left open
             "2026-12-09 14:05:00,,,PC07,c,i\"x,t",                       // stray quote
             "2026-12-09 14:05:00,,,,c,i,t",                              // no PC
         }) {
        std::string why;
        EXPECT_FALSE(ParsePlayLine(line, why)) << line;
        EXPECT_FALSE(why.empty()) << line;
    }
    std::string why;
    EXPECT_TRUE(IsPlayFileHeader(PlayFileHeader().substr(0, PlayFileHeader().size() - 2)));
    EXPECT_FALSE(ParsePlayLine(PlayFileHeader().substr(0, PlayFileHeader().size() - 2), why));
    EXPECT_TRUE(ParsePlayTime("2024-02-29 00:00:00"));
    EXPECT_FALSE(ParsePlayTime("2023-02-29 00:00:00"));
}

TEST(PlayLine, FileNamesHoldOnlyWhatAFolderAccepts) {
    EXPECT_EQ(PlayFileName("PC07", 2026, 3), "PC07-2026-03.csv");
    EXPECT_EQ(PlayFileName("a\\b/c:d*?\"<>|", 2026, 12), "a_b_c_d______-2026-12.csv");
    EXPECT_EQ(PlayFileName("", 2026, 12), "_-2026-12.csv");
}

}  // namespace
}  // namespace corvina
