#pragma once
// The command line of Corvina2Stats: FOLDER [FROM [TO]] [--menu PATH],
// dates yyyy-mm-dd, both ends included.

#include <optional>
#include <string>
#include <vector>

#include "stats/play_totals.h"

namespace corvina {

struct ReportArguments {
    std::string folder;  // UTF-8
    ReportPeriod period;
    std::optional<std::string> menu;  // UTF-8 path of a Menus.ini
    bool help = false;
    std::string error;  // UTF-8, for the owner; empty when the line is good
};

// Every argument after the program's name, as UTF-8.
ReportArguments ParseReportArguments(const std::vector<std::string>& arguments);

// Windows reads `"C:\Stats\" 2026-12-01` as the one argument
// `C:\Stats" 2026-12-01`: the last backslash takes the closing quote with it.
// No path holds a quote, so each one marks such an end: the backslash is
// given back and the rest of the argument split at its blanks.
std::vector<std::string> MendQuotedBackslashEnds(const std::vector<std::string>& arguments);

std::string ReportUsage();

}  // namespace corvina
