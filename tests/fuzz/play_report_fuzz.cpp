// A statistics file comes from a share every PC writes to, as any bytes:
// reading, totalling and writing the page must never fault, every second
// counted must land in exactly one cell of the heat map, and no text of the
// file may open an element of the page.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "stats/play_files.h"
#include "stats/play_totals.h"
#include "stats/report_page.h"

namespace {

using namespace corvina;
using fuzz::Check;

std::size_t Count(std::string_view text, std::string_view part) {
    std::size_t count = 0;
    for (auto at = text.find(part); at != std::string_view::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

// Every element of the page is one the page itself writes.
bool IsOwnTag(std::string_view after) {
    if (after.starts_with("!DOCTYPE html>")) return true;
    if (after.starts_with('/')) after.remove_prefix(1);
    for (const std::string_view tag :
         {"html", "head", "meta", "title", "style", "body", "h1",    "h2", "p",  "div", "b",
          "span", "svg",  "g",    "text",  "rect",  "line", "table", "tr", "th", "td",  "code"}) {
        if (after.starts_with(tag) && after.size() > tag.size() &&
            std::string_view(" >/").find(after[tag.size()]) != std::string_view::npos)
            return true;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view contents(reinterpret_cast<const char*>(data), size);
    PlayFiles files;
    ReadPlayFile("PC01-2026-12.csv", contents, files);
    Check(files.plays.size() + files.badLines.size() <= Count(contents, "\n") + 1);

    const PlayTotals totals = TotalPlays(files.plays, {});
    std::int64_t spread = 0;
    for (const auto& day : totals.secondsByWeekdayHour)
        for (const std::int64_t seconds : day) spread += seconds;
    Check(spread == totals.seconds);
    std::int64_t byItem = 0;
    for (const ItemTotal& item : totals.itemsByHours) byItem += item.seconds;
    Check(byItem == totals.seconds);

    ReportInput input;
    input.totals = totals;
    input.badLines = files.badLines;
    input.neverStarted = std::vector<MenuEntry>{{"ch", "item"}};
    const std::string page = ReportPage(input);
    for (std::size_t at = page.find('<'); at != std::string::npos; at = page.find('<', at + 1))
        Check(IsOwnTag(std::string_view(page).substr(at + 1)));
    return 0;
}
