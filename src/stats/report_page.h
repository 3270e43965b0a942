#pragma once
// The report the owner opens in a browser: one self-contained UTF-8 page
// in Traditional Chinese. Every text from the statistics files or the menu
// is escaped: the share is written by every PC and trusted by none.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "stats/play_files.h"
#include "stats/play_totals.h"

namespace corvina {

inline constexpr std::string_view kReportFileName = "Corvina2-stats.html";

struct ReportInput {
    PlayTotals totals;
    ReportPeriod period;
    std::string folder;  // UTF-8, as shown
    std::size_t filesRead = 0;
    std::vector<BadPlayLine> badLines;
    // Nothing when no menu was given.
    std::optional<std::vector<MenuEntry>> neverStarted;
    std::string madeAt;  // "yyyy-mm-dd hh:mm"
};

std::string ReportPage(const ReportInput& input);

}  // namespace corvina
