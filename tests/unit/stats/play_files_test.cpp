#include "stats/play_files.h"

#include <gtest/gtest.h>

#include <string>

namespace corvina {
namespace {

constexpr std::string_view kGood1 = "2026-12-07 20:00:00,2026-12-07 21:00:00,3600,PC01,熱門遊戲,極速狂飆,C:\\a.exe";
constexpr std::string_view kGood2 = "2026-12-08 10:00:00,,,PC01,工具,使用須知,說明\\x.txt";

TEST(PlayFiles, ReadsEveryPlayAndNamesEveryBadLineWithoutStopping) {
    const std::string contents = std::string(kUtf8ByteOrderMark) + std::string(PlayFileHeader()) + std::string(kGood1) +
                                 "\r\n" +
                                 "2026-12-07 25:00:00,,,PC01,c,i,t\r\n"  // an hour that does not exist
                                 "\r\n" +                                // blank lines are no plays
                                 std::string(kGood2) +
                                 "\n"  // an LF line from an editor
                                 "\"open quote,,,,,,\n" +
                                 std::string(kGood1);  // the last line may lack its line end
    PlayFiles files;
    ReadPlayFile("PC01-2026-12.csv", contents, files);
    EXPECT_EQ(files.filesRead, 1u);
    ASSERT_EQ(files.plays.size(), 3u);
    EXPECT_EQ(files.plays[0].item, "極速狂飆");
    EXPECT_EQ(files.plays[0].seconds, 3600);
    EXPECT_FALSE(files.plays[1].end.has_value());
    EXPECT_EQ(files.plays[1].target, "說明\\x.txt");
    ASSERT_EQ(files.badLines.size(), 2u);
    EXPECT_EQ(files.badLines[0], (BadPlayLine{"PC01-2026-12.csv", 3, "no start time"}));
    EXPECT_EQ(files.badLines[1].line, 6u);

    // Neither the mark nor the header is required; a header further down is a bad line.
    PlayFiles bare;
    ReadPlayFile("PC02-2026-12.csv", std::string(kGood1) + "\r\n" + std::string(PlayFileHeader()), bare);
    EXPECT_EQ(bare.plays.size(), 1u);
    ASSERT_EQ(bare.badLines.size(), 1u);
    EXPECT_EQ(bare.badLines[0].line, 2u);

    PlayFiles empty;
    ReadPlayFile("PC03-2026-12.csv", "", empty);
    ReadPlayFile("PC03-2026-11.csv", std::string(kUtf8ByteOrderMark), empty);
    EXPECT_EQ(empty.filesRead, 2u);
    EXPECT_TRUE(empty.plays.empty());
    EXPECT_TRUE(empty.badLines.empty());
}

TEST(PlayFiles, OnlyTheFilesOfAPcAndMonthAreRead) {
    EXPECT_TRUE(IsPlayFileName("PC01-2026-12.csv"));
    EXPECT_TRUE(IsPlayFileName("櫃台-A-2027-01.CSV"));
    EXPECT_TRUE(IsPlayFileName(PlayFileName("PC:7", 2026, 9)));
    EXPECT_FALSE(IsPlayFileName("-2026-12.csv"));  // no PC
    EXPECT_FALSE(IsPlayFileName("PC01-2026-13.csv"));
    EXPECT_FALSE(IsPlayFileName("PC01-2026-1.csv"));
    EXPECT_FALSE(IsPlayFileName("PC01-2026-12.csv.bak"));
    EXPECT_FALSE(IsPlayFileName("report.csv"));
    EXPECT_FALSE(IsPlayFileName("Corvina2-stats.html"));
}

}  // namespace
}  // namespace corvina
