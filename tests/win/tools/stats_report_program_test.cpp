// Corvina2Stats.exe itself: wide file names (a PC name without a Big5 form
// still names its file), the Big5 menu read with code page 950, the page
// written into the current folder, and its exit status.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "support/processes.h"
#include "support/temp_folder.h"
#include "sys/files.h"
#include "sys/text.h"

namespace corvina {
namespace {

std::wstring Program() { return test::WinePath(STATS_EXE); }

void WriteWide(const std::wstring& path, std::string_view bytes) {
    std::ofstream out(std::filesystem::path(path), std::ios::binary);
    out << bytes;
}

TEST(StatsReportProgram, WritesThePageIntoTheCurrentFolderFromWideNamedFiles) {
    test::TempFolder folder;
    const std::wstring root = WideFromBig5(folder.Path());
    std::filesystem::create_directory(std::filesystem::path(root + L"stats"));
    std::filesystem::create_directory(std::filesystem::path(root + L"out"));
    // "櫃台" and a character Big5 lacks.
    WriteWide(root + L"stats\\\u6ac3\u53f0\u00e9-2026-12.csv",
              "\xEF\xBB\xBF"
              "2026-12-01 20:00:00,2026-12-01 22:00:00,7200,PC01,熱門遊戲,極速狂飆,C:\\a.exe\r\nbroken\r\n");
    WriteFileBytes(folder.File("Menus.ini"), T(u8"[熱門遊戲]\r\n極速狂飆=a.exe,,\r\n許功蓋=b.exe,,\r\n"));

    test::ChildProcess report(Program(), L"\"" + root + L"stats\" 2026-12-01 --menu \"" + root + L"Menus.ini\"",
                              root + L"out");
    ASSERT_EQ(report.WaitForExit(60000), 0u) << report.Output();
    EXPECT_NE(report.Output().find("1 次啟動，2.0 小時，1 行無法讀取"), std::string::npos) << report.Output();
    const auto page = ReadFileBytes(folder.File("out\\Corvina2-stats.html"));
    ASSERT_TRUE(page.has_value());
    EXPECT_NE(page->find("<td>極速狂飆</td>"), std::string::npos);
    EXPECT_NE(page->find("<td>櫃台é-2026-12.csv</td><td class=\"n\">2</td>"), std::string::npos);
    // The never-started item, its trail bytes 0x5C read as part of it.
    EXPECT_NE(page->find("<td>許功蓋</td>"), std::string::npos);
}

TEST(StatsReportProgram, AMissingFolderOrABadDateIsNoReport) {
    test::TempFolder folder;
    const std::wstring root = WideFromBig5(folder.Path());
    test::ChildProcess missing(Program(), L"\"" + root + L"none\"", root);
    EXPECT_EQ(missing.WaitForExit(60000), 2u);
    // Without the last backslash, which would escape the closing quote.
    test::ChildProcess badDate(Program(), L"\"" + root.substr(0, root.size() - 1) + L"\" 2026-02-30", root);
    EXPECT_EQ(badDate.WaitForExit(60000), 1u);
    EXPECT_NE(badDate.Output().find("2026-02-30"), std::string::npos);
    EXPECT_FALSE(FileExists(folder.File("Corvina2-stats.html")));
}

}  // namespace
}  // namespace corvina
