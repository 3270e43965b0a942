#pragma once
// The settings files in the program's folder.

#include <vector>

#include "settings/settings.h"

namespace corvina {

// Relative paths (folders, the logo, page pictures, SubItemMAP) come back
// taken from the program folder; `HomePage` keeps its own rule.
void ReadLocalSettings(const Big5& programFolder, MenuSettings& settings);
std::vector<UnreadableColor> ReadMenuSettings(const Big5& programFolder, MenuSettings& settings);
// Rewrites only the version key of Corvina2.ini; throws when it cannot be written.
void StoreLocalVersion(const Big5& programFolder, const MenuSettings& settings);

}  // namespace corvina
