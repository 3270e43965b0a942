#pragma once
// The menu checker's findings: a café folder read as the menu reads it
// (Menus.ini, Params.ini, the per-item files and the pictures), with every
// problem the administrator can mend before a customer sees it.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sys/big5.h"

namespace corvina {

// The files of the folder as the checker sees them. Paths are Big5 and
// Windows-style, built by the menu's own path rules.
class CafeFolderReader {
public:
    virtual ~CafeFolderReader() = default;
    // Nothing when the file is missing or cannot be read.
    virtual std::optional<std::string> ReadFile(const Big5& path) = 0;
    virtual bool FileExists(const Big5& path) = 0;
    // Why the menu could not show these bytes as a picture, in English;
    // nothing when it can.
    virtual std::optional<std::string> PictureProblem(std::string_view bytes) = 0;
};

// Texts are UTF-8, for the console; names from the files are converted
// from Big5 for it.
struct CheckFinding {
    std::string file;  // relative to the folder when inside it
    int line = 0;      // from 1; 0 when the finding is about the whole file
    std::string problem;
    std::string fix;

    friend bool operator==(const CheckFinding&, const CheckFinding&) = default;
};

// `programFolder` ends in a backslash, as ProgramFolder does.
std::vector<CheckFinding> CheckCafeFolder(const Big5& programFolder, CafeFolderReader& reader);

// "Menus.ini, line 12: problem\n    Fix: fix\n"
std::string FormatFinding(const CheckFinding& finding);

// A target or picture path without a drive, a leading backslash or slash is
// taken from the folder the menu starts in; the checker takes it from the
// café folder.
Big5 ResolveInFolder(std::string_view programFolder, std::string_view path);

}  // namespace corvina
