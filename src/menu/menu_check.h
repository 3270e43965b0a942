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

// The first line of the sample menu that the installer and the zip lay down:
// while it stands in Menus.ini, the menu is still the sample.
inline constexpr std::string_view kSampleMenuMark = "; Corvina2 sample menu";

// What a target gives every customer who clicks it, when it is a command
// prompt, Explorer, Control Panel, a system tool or a program whose file
// dialogs browse the whole PC; nothing for any other target. In English.
std::optional<std::string> WhatItOpensToCustomers(std::string_view target);

// `programFolder` ends in a backslash, as ProgramFolder does.
std::vector<CheckFinding> CheckCafeFolder(const Big5& programFolder, CafeFolderReader& reader);

// "Menus.ini, line 12: problem\n    Fix: fix\n"
std::string FormatFinding(const CheckFinding& finding);

}  // namespace corvina
