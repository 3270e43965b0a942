#pragma once
// The plays of the statistics files, read from their contents. The files
// come from a share every PC writes to: any line may be broken, and a broken
// line is counted and named, never fatal.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "stats/play_line.h"

namespace corvina {

struct BadPlayLine {
    std::string file;      // the file's name, UTF-8
    std::size_t line = 0;  // from 1
    std::string why;

    friend bool operator==(const BadPlayLine&, const BadPlayLine&) = default;
};

struct PlayFiles {
    std::vector<Play> plays;
    std::vector<BadPlayLine> badLines;
    std::size_t filesRead = 0;
};

// True for "<PC>-<yyyy-mm>.csv" (any letter case of ".csv"): other files
// of the folder are left alone.
bool IsPlayFileName(std::string_view name);

// Adds the plays of one file to `into`. The byte-order mark and the header
// are optional; lines end in CRLF or LF; blank lines are skipped.
void ReadPlayFile(std::string_view name, std::string_view contents, PlayFiles& into);

}  // namespace corvina
