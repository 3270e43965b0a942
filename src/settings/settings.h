#pragma once
// The settings record and its readers, on the contents of Corvina2.ini
// (the PC's own paths and update state) and Params.ini (the menu's
// behaviour, prepared by the café's administrator).

#include <cstdint>
#include <string_view>
#include <vector>

#include "sys/big5.h"
#include "sys/colors.h"
#include "sys/profile.h"

namespace corvina {

inline constexpr std::string_view kLocalSettingsFile = "Corvina2.ini";
inline constexpr std::string_view kMenuSettingsFile = "Params.ini";

struct PageBackground {
    Color color = kLightOrange;
    Big5 picture;
};

struct MenuSettings {
    // Corvina2.ini
    Big5 Remote_iniPath;
    Big5 Remote_SavePath;
    Big5 Logo;
    std::uint16_t Remote_Update = 0;
    bool Remote_AutoUpdate = false;
    // Params.ini
    std::vector<PageBackground> PageBackgrounds;
    Big5 HomePage;
    Big5 SubItemMAP;
    bool HideDeskTop = false;
    bool HideTaskBar = false;
    bool Support = true;       // fixed: the file's value is not honoured
    bool AutoIntoMenu = true;  // fixed likewise
    bool MustSelectMenu = false;
    bool FrameSmallSize = false;
    bool CanQuit = true;
    // Where the plays go; empty: none are recorded.
    Big5 StatsFolder;
};

struct PageBackgroundEntry {
    Big5 colorText;
    Big5 picture;
    bool found = false;
};

// Page 0 reads "BackGroudColor"/"BackGroud", page n "BackGroudColor<n>"/"BackGroud<n>".
// An entry with a picture and no colour gets light orange.
PageBackgroundEntry ReadPageBackground(const ProfileText& params, int page);

void ReadLocalSettings(const ProfileText& corvinaIni, MenuSettings& settings);

// A page colour that is neither a colour name nor a number.
struct UnreadableColor {
    Big5 key;
    Big5 text;
};

// Reads every key of Params.ini. A page colour that cannot be read gives
// that page light orange and is returned, so that one typo costs one
// page its colour instead of the whole menu.
std::vector<UnreadableColor> ReadMenuSettings(const ProfileText& params, MenuSettings& settings);

// One Big5 message for the administrator naming every unreadable colour.
Big5 UnreadableColorMessage(const std::vector<UnreadableColor>& colors);

void StoreLocalVersion(ProfileText& corvinaIni, const MenuSettings& settings);

}  // namespace corvina
