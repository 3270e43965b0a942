#include "stats_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "report_arguments.h"
#include "support/temp_folder.h"
#include "sys/text.h"

namespace corvina {
namespace {

void Write(const std::string& path, std::string_view bytes) {
    std::ofstream out(PathFromUtf8(path), std::ios::binary);
    out << bytes;
}

constexpr std::string_view kLine = "2026-12-07 20:00:00,2026-12-07 21:00:00,3600,PC01,熱門遊戲,極速狂飆,C:\\a.exe\r\n";

TEST(StatsFolder, ReadsOnlyTheStatisticsFilesOfTheFolder) {
    test::TempFolder folder;
    Write(folder.File("PC02-2026-12.csv"), std::string(kUtf8ByteOrderMark) + std::string(kLine) + "broken\r\n");
    Write(folder.File("櫃台-2026-11.csv"), kLine);
    Write(folder.File("notes.txt"), "broken");
    Write(folder.File("PC01-2026-12.csv.tmp"), "broken");
    const auto files = ReadStatsFolder(PathFromUtf8(folder.Path()));
    ASSERT_TRUE(files.has_value());
    EXPECT_EQ(files->filesRead, 2u);
    EXPECT_EQ(files->plays.size(), 2u);
    ASSERT_EQ(files->badLines.size(), 1u);
    EXPECT_EQ(files->badLines[0], (BadPlayLine{"PC02-2026-12.csv", 2, "not 7 fields"}));
}

TEST(StatsFolder, AnEmptyFolderHasNoPlaysAndAMissingOneIsNoFolder) {
    test::TempFolder folder;
    const auto files = ReadStatsFolder(PathFromUtf8(folder.Path()));
    ASSERT_TRUE(files.has_value());
    EXPECT_EQ(files->filesRead, 0u);
    EXPECT_TRUE(files->plays.empty());
    EXPECT_FALSE(ReadStatsFolder(PathFromUtf8(folder.File("missing"))).has_value());
    Write(folder.File("a-file"), "");
    EXPECT_FALSE(ReadStatsFolder(PathFromUtf8(folder.File("a-file"))).has_value());
}

TEST(StatsFolder, MenuEntriesAreReadFromBig5) {
    test::TempFolder folder;
    Write(folder.File("Menus.ini"),
          Big5FromUtf8("[熱門遊戲]\r\n極速狂飆=C:\\Games\\a.exe,a.jpg,1\r\n[工具]\r\n許功蓋=b.exe,,\r\n"));
    const auto entries = ReadMenuEntries(PathFromUtf8(folder.File("Menus.ini")));
    ASSERT_TRUE(entries.has_value());
    ASSERT_EQ(entries->size(), 2u);
    EXPECT_EQ((*entries)[0].channel, "熱門遊戲");
    EXPECT_EQ((*entries)[0].item, "極速狂飆");
    // Trail bytes 0x5C belong to their characters.
    EXPECT_EQ((*entries)[1].item, "許功蓋");
    EXPECT_FALSE(ReadMenuEntries(PathFromUtf8(folder.File("none.ini"))).has_value());
}

TEST(ReportArguments, FolderPeriodAndMenuInAnyOrder) {
    auto parsed = ParseReportArguments({"--menu", "M.ini", "\\\\srv\\stats", "2026-12-01", "2026-12-31"});
    EXPECT_EQ(parsed.error, "");
    EXPECT_EQ(parsed.folder, "\\\\srv\\stats");
    EXPECT_EQ(parsed.menu, "M.ini");
    EXPECT_EQ(parsed.period.from, ParseReportDate("2026-12-01"));
    EXPECT_EQ(parsed.period.to, ParseReportDate("2026-12-31"));

    parsed = ParseReportArguments({"stats", "2026-12-01"});
    EXPECT_EQ(parsed.error, "");
    EXPECT_FALSE(parsed.period.to.has_value());
    EXPECT_TRUE(ParseReportArguments({"/?"}).help);

    for (const std::vector<std::string>& bad : std::vector<std::vector<std::string>>{
             {},
             {"stats", "2026-13-01"},
             {"stats", "2026-12-31", "2026-12-01"},
             {"stats", "2026-12-01", "2026-12-02", "extra"},
             {"stats", "--menu"},
             {"stats", "--from=2026-12-01"},
         })
        EXPECT_NE(ParseReportArguments(bad).error, "") << bad.size();
    EXPECT_NE(ParseReportArguments({"stats", "2026-12-32"}).error.find("2026-12-32"), std::string::npos);
}

TEST(ReportArguments, AQuotedFolderEndingInABackslashKeepsItAndTheArgumentsAfterIt) {
    // What Windows hands over for: "C:\Stats\" 2026-12-01 2026-12-31 --menu "D:\Menus.ini"
    const std::vector<std::string> mended =
        MendQuotedBackslashEnds({"C:\\Stats\" 2026-12-01  2026-12-31", "--menu", "D:\\Menus.ini"});
    EXPECT_EQ(mended, (std::vector<std::string>{"C:\\Stats\\", "2026-12-01", "2026-12-31", "--menu", "D:\\Menus.ini"}));
    const ReportArguments parsed = ParseReportArguments(mended);
    EXPECT_EQ(parsed.error, "");
    EXPECT_EQ(parsed.folder, "C:\\Stats\\");
    EXPECT_EQ(parsed.period.to, ParseReportDate("2026-12-31"));
    EXPECT_EQ(MendQuotedBackslashEnds({"\\\\srv\\share\""}), std::vector<std::string>{"\\\\srv\\share\\"});
}

}  // namespace
}  // namespace corvina
