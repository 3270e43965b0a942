#pragma once
// The report's inputs on disk: the statistics files of a folder and the
// menu's items. Paths are std::filesystem paths, wide on Windows, so a PC
// name without a Big5 form still names its file.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "stats/play_files.h"
#include "stats/play_totals.h"

namespace corvina {

// Every statistics file of the folder, in name order; a file that cannot
// be read is named as a bad line 0. Nothing when the folder cannot be
// listed.
std::optional<PlayFiles> ReadStatsFolder(const std::filesystem::path& folder);

// The items of a Menus.ini (Big5, read with code page 950) as UTF-8, in
// file order; nothing when the file cannot be read.
std::optional<std::vector<MenuEntry>> ReadMenuEntries(const std::filesystem::path& menusIni);

// The path as UTF-8 text, for the page and the console.
std::string Utf8Path(const std::filesystem::path& path);
std::filesystem::path PathFromUtf8(const std::string& utf8);

}  // namespace corvina
