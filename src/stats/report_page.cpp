#include "stats/report_page.h"

#include <algorithm>
#include <map>

#include "stats/report_charts.h"

namespace corvina {

namespace {

// Bars in the two charts of items; the table below lists them all.
constexpr std::size_t kTopItems = 15;
// Bad lines named one by one; the rest are counted.
constexpr std::size_t kBadLinesNamed = 100;

constexpr std::string_view kStyle =
    "body{font-family:\"Microsoft JhengHei\",\"PMingLiU\",\"AR PL UMing TW\",\"Noto Sans CJK TC\",sans-serif;"
    "margin:24px auto;max-width:820px;color:#222;background:#fff}"
    "h1{font-size:26px;margin-bottom:4px}h2{font-size:19px;margin-top:32px;border-bottom:2px solid #3a6ea5;"
    "padding-bottom:4px}.meta{color:#555;font-size:14px}.summary{display:flex;gap:14px;margin:18px 0}"
    ".figure{flex:1;background:#eef3f9;border-radius:6px;padding:10px 14px}.figure b{display:block;font-size:26px;"
    "color:#12407a}.figure span{font-size:14px;color:#444}.empty{font-size:20px;padding:24px;background:#fdf3e1;"
    "border-radius:6px;text-align:center}svg.chart text{font-size:13px;fill:#222}svg.chart text.value{fill:#555}"
    "svg.chart text.small{font-size:11px;fill:#666}table{border-collapse:collapse;width:100%;font-size:14px}"
    "th,td{border-bottom:1px solid #ddd;padding:4px 8px;text-align:left}td.n,th.n{text-align:right}"
    ".note{color:#555;font-size:14px}.warn{color:#a33}";

std::string Count(std::int64_t value) { return std::to_string(value); }

std::string PeriodText(const ReportInput& input) {
    const auto& totals = input.totals;
    const auto from = input.period.from ? input.period.from : totals.firstDay;
    const auto to = input.period.to ? input.period.to : totals.lastDay;
    if (!from && !to) return "全部紀錄";
    return (from ? ReportDateText(*from) : "最早") + " 至 " + (to ? ReportDateText(*to) : "最新");
}

std::string Figure(const std::string& value, std::string_view what) {
    return "<div class=\"figure\"><b>" + value + "</b><span>" + std::string(what) + "</span></div>";
}

std::string ItemBars(const std::vector<ItemTotal>& items, bool byHours) {
    std::vector<Bar> bars;
    for (std::size_t i = 0; i < items.size() && i < kTopItems; ++i) {
        const ItemTotal& item = items[i];
        const std::string both = HoursText(item.seconds) + " 小時，" + Count(item.starts) + " 次";
        bars.push_back({item.item, static_cast<double>(byHours ? item.seconds : item.starts),
                        byHours ? HoursText(item.seconds) + " 小時" : Count(item.starts) + " 次",
                        item.item + "（" + item.channel + "）：" + both});
    }
    return HorizontalBarsSvg(bars);
}

std::string PcBars(const std::vector<PcTotal>& pcs) {
    std::vector<Bar> bars;
    for (const PcTotal& pc : pcs)
        bars.push_back(
            {pc.pc, static_cast<double>(pc.seconds), HoursText(pc.seconds) + " 小時，" + Count(pc.starts) + " 次", {}});
    return HorizontalBarsSvg(bars);
}

std::string WeekColumns(const std::vector<WeekTotal>& weeks) {
    std::vector<Bar> bars;
    for (const WeekTotal& week : weeks) {
        const std::string first = ReportDateText(week.firstDay);
        const std::string days = week.days < 7 ? "（" + std::to_string(week.days) + " 天）" : "";
        bars.push_back({first.substr(5, 2) + "/" + first.substr(8, 2) + " 起" + days, static_cast<double>(week.seconds),
                        HoursText(week.seconds),
                        first + " 起" + (days.empty() ? "的一週" : days) + "：" + HoursText(week.seconds) + " 小時，" +
                            Count(week.starts) + " 次"});
    }
    return ColumnsSvg(bars);
}

std::string AverageMinutes(const ItemTotal& item) {
    return item.starts > 0 ? std::to_string((item.seconds / item.starts + 30) / 60) : "0";
}

std::string ItemTable(const std::vector<ItemTotal>& items) {
    std::string html =
        "<table><tr><th>項目</th><th>頻道</th><th class=\"n\">時數</th><th class=\"n\">啟動次數</th>"
        "<th class=\"n\">平均每次（分鐘）</th><th>最後啟動</th></tr>";
    for (const ItemTotal& item : items)
        html += "<tr><td>" + EscapeHtml(item.item) + "</td><td>" + EscapeHtml(item.channel) + "</td><td class=\"n\">" +
                HoursText(item.seconds) + "</td><td class=\"n\">" + Count(item.starts) + "</td><td class=\"n\">" +
                AverageMinutes(item) + "</td><td>" + PlayTimeText(item.lastStart).substr(0, 16) + "</td></tr>";
    return html + "</table>";
}

std::string NeverStartedSection(const std::optional<std::vector<MenuEntry>>& never) {
    std::string html = "<h2>從未啟動的項目</h2>";
    if (!never)
        return html +
               "<p class=\"note\">加上 <code>--menu</code> 與選單檔 Menus.ini 的路徑，"
               "即可列出此期間從未被啟動的項目，作為移除的參考。</p>";
    if (never->empty()) return html + "<p>選單中的每個項目在此期間都至少啟動過一次。</p>";
    html += "<p>選單中共 " + std::to_string(never->size()) + " 個項目在此期間從未被啟動：</p>";
    html += "<table><tr><th>頻道</th><th>項目</th></tr>";
    for (const MenuEntry& entry : *never)
        html += "<tr><td>" + EscapeHtml(entry.channel) + "</td><td>" + EscapeHtml(entry.item) + "</td></tr>";
    return html + "</table>";
}

std::string ReasonText(const std::string& why) {
    static const std::map<std::string, std::string, std::less<>> kReasons = {
        {"a quote is not closed", "引號未成對"},     {"not 7 fields", "欄位數不是 7 個"},
        {"no start time", "開始時間不正確"},         {"a bad end time or seconds", "結束時間或秒數不正確"},
        {"seconds out of range", "秒數超出範圍"},    {"no PC or item", "缺少電腦或項目名稱"},
        {"the file cannot be read", "無法開啟檔案"},
    };
    const auto found = kReasons.find(why);
    return found != kReasons.end() ? found->second : why;
}

std::string BadLinesSection(const std::vector<BadPlayLine>& badLines) {
    if (badLines.empty()) return {};
    std::string html = "<h2>無法讀取的行</h2><p class=\"warn\">共有 " + std::to_string(badLines.size()) +
                       " 行無法讀取，已略過，未計入上面的統計：</p><table><tr><th>檔案</th><th class=\"n\">行</th>"
                       "<th>原因</th></tr>";
    for (std::size_t i = 0; i < badLines.size() && i < kBadLinesNamed; ++i)
        html += "<tr><td>" + EscapeHtml(badLines[i].file) + "</td><td class=\"n\">" + std::to_string(badLines[i].line) +
                "</td><td>" + EscapeHtml(ReasonText(badLines[i].why)) + "</td></tr>";
    html += "</table>";
    if (badLines.size() > kBadLinesNamed)
        html += "<p class=\"note\">另有 " + std::to_string(badLines.size() - kBadLinesNamed) + " 行未列出。</p>";
    return html;
}

}  // namespace

std::string ReportPage(const ReportInput& input) {
    const PlayTotals& totals = input.totals;
    std::string html =
        "<!DOCTYPE html>\n<html lang=\"zh-Hant\"><head><meta charset=\"utf-8\">"
        "<meta name=\"viewport\" content=\"width=device-width\"><title>Corvina2 遊玩統計</title><style>" +
        std::string(kStyle) + "</style></head><body>";
    html += "<h1>Corvina2 遊玩統計</h1><p class=\"meta\">期間：" + PeriodText(input) + "　資料夾：" +
            EscapeHtml(input.folder) + "（" + std::to_string(input.filesRead) + " 個檔案）　製作時間：" +
            EscapeHtml(input.madeAt) + "</p>";
    if (totals.starts == 0) {
        html += "<p class=\"empty\">此期間沒有遊玩紀錄。</p>";
        if (input.filesRead == 0)
            html +=
                "<p class=\"note\">此資料夾中沒有統計檔（檔名為「電腦名稱-yyyy-mm.csv」）："
                "請確認各電腦 Params.ini 的 StatsFolder 指向這個資料夾。</p>";
    } else {
        html += "<div class=\"summary\">" + Figure(HoursText(totals.seconds), "總遊玩時數") +
                Figure(Count(totals.starts), "總啟動次數") +
                Figure(Count(static_cast<std::int64_t>(totals.pcs.size())), "電腦台數") +
                Figure(Count(static_cast<std::int64_t>(totals.itemsByHours.size())), "啟動過的項目") + "</div>";
        html += "<h2>遊玩時數最多的項目</h2>" + ItemBars(totals.itemsByHours, true);
        html += "<h2>啟動次數最多的項目</h2>" + ItemBars(totals.itemsByStarts, false);
        html +=
            "<h2>各時段遊玩時數（星期 × 小時）</h2><p class=\"note\">顏色越深，該時段玩得越久；"
            "跨越整點的遊玩依實際時間分到各小時。</p>" +
            WeekHourHeatMapSvg(totals.secondsByWeekdayHour);
        html += "<h2>各電腦使用量</h2>" + PcBars(totals.pcs);
        html += "<h2>每週趨勢（遊玩時數）</h2>";
        if (totals.weeksLeftOut > 0)
            html += "<p class=\"note\">只顯示最後 " + std::to_string(totals.weeks.size()) + " 週；之前的 " +
                    std::to_string(totals.weeksLeftOut) + " 週未畫出（其遊玩仍計入其他統計）。</p>";
        html += WeekColumns(totals.weeks);
    }
    html += NeverStartedSection(input.neverStarted);
    if (totals.starts > 0) html += "<h2>全部項目</h2>" + ItemTable(totals.itemsByHours);
    html += BadLinesSection(input.badLines);
    html += "<p class=\"note\">只開啟文件或網址、沒有自己程式的項目只記錄啟動，不計時數。</p>";
    return html + "</body></html>\n";
}

}  // namespace corvina
