#include "stats/report_page.h"

#include <gtest/gtest.h>

#include <string>

#include "stats/report_charts.h"

namespace corvina {
namespace {

Play Sample(std::string item, std::int64_t seconds) {
    Play play;
    play.start = {2026, 12, 7, 20, 0, 0, 0};
    play.end = play.start;
    play.seconds = seconds;
    play.pc = "PC<01>";
    play.channel = "\"頻道\"";
    play.item = std::move(item);
    return play;
}

std::size_t Occurrences(const std::string& text, std::string_view part) {
    std::size_t count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

TEST(ReportPage, TextFromTheFilesAndTheMenuIsEscapedEverywhere) {
    const std::string hostile = "<script>alert('x')</script>&\"";
    ReportInput input;
    input.totals = TotalPlays({Sample(hostile, 3600), Sample("<img src=x onerror=y>", 60)}, {});
    input.folder = "\\\\server\\stats<&>";
    input.badLines = {{"<b>PC-2026-12.csv", 4, "<i>"}};
    input.neverStarted = std::vector<MenuEntry>{{"<ch>", "<u>never</u>"}};
    const std::string page = ReportPage(input);
    EXPECT_EQ(page.find("<script"), std::string::npos);
    EXPECT_EQ(page.find("<img"), std::string::npos);
    EXPECT_EQ(page.find("<b>PC"), std::string::npos);
    EXPECT_EQ(page.find("<u>"), std::string::npos);
    EXPECT_EQ(page.find("<i>"), std::string::npos);
    EXPECT_EQ(page.find("stats<"), std::string::npos);
    EXPECT_EQ(page.find("PC<01>"), std::string::npos);
    // The hostile caption is shown (escaped) in both charts, their hints and the table.
    EXPECT_GE(Occurrences(page, "&lt;script&gt;alert(&#39;x&#39;)&lt;/script&gt;&amp;&quot;"), 3u);
    EXPECT_NE(page.find("&lt;u&gt;never&lt;/u&gt;"), std::string::npos);
}

TEST(ReportPage, ThePageNeedsNothingFromOutside) {
    ReportInput input;
    input.totals = TotalPlays({Sample("極速狂飆", 5400)}, {});
    const std::string page = ReportPage(input);
    EXPECT_TRUE(page.starts_with("<!DOCTYPE html>"));
    EXPECT_NE(page.find("<meta charset=\"utf-8\">"), std::string::npos);
    for (const char* outside : {"<script", "src=", "href=", "url(", "@import", "http:", "https:", "<link"})
        EXPECT_EQ(page.find(outside), std::string::npos) << outside;
    EXPECT_EQ(Occurrences(page, "<svg"), 5u);          // two item charts, heat map, PCs, weeks
    EXPECT_NE(page.find(">1.5<"), std::string::npos);  // the total hours
    EXPECT_NE(page.find("極速狂飆"), std::string::npos);
}

TEST(ReportPage, AnEmptyPeriodSaysSoAndStillListsTheMenuAndTheBadLines) {
    ReportInput input;
    input.badLines = {{"PC01-2026-12.csv", 7, "not 7 fields"}};
    input.neverStarted = std::vector<MenuEntry>{{"熱門遊戲", "星際戰機"}};
    input.period = {ParseReportDate("2026-12-01"), ParseReportDate("2026-12-31")};
    const std::string page = ReportPage(input);
    EXPECT_NE(page.find("此期間沒有遊玩紀錄"), std::string::npos);
    EXPECT_NE(page.find("此資料夾中沒有統計檔"), std::string::npos);  // no file read at all
    input.filesRead = 1;
    EXPECT_EQ(ReportPage(input).find("此資料夾中沒有統計檔"), std::string::npos);
    EXPECT_EQ(page.find("<svg"), std::string::npos);
    EXPECT_NE(page.find("2026-12-01 至 2026-12-31"), std::string::npos);
    EXPECT_NE(page.find("星際戰機"), std::string::npos);
    EXPECT_NE(page.find("<td>PC01-2026-12.csv</td><td class=\"n\">7</td><td>欄位數不是 7 個</td>"), std::string::npos);
}

TEST(ReportCharts, LongCaptionsAreShortenedOnCharacterBoundaries) {
    EXPECT_EQ(ShortenUtf8("天空之城 Online", 4), "天空之城…");
    EXPECT_EQ(ShortenUtf8("天空之城", 4), "天空之城");
    EXPECT_EQ(ShortenUtf8("abc", 0), "…");
    EXPECT_EQ(EscapeHtml("a\x01<b\n"), "a &lt;b ");
    EXPECT_EQ(HoursText(5400), "1.5");
    EXPECT_EQ(HoursText(0), "0.0");
}

}  // namespace
}  // namespace corvina
