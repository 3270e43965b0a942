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

std::string ReportUsage();

}  // namespace corvina
