#pragma once
// The menu data: Menus.ini (every section a channel, every entry an item,
// both in file order) and the item table the main window keeps. Works on
// file contents; the per-item file is read by settings/item_file.h.

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "sys/big5.h"
#include "sys/profile.h"

namespace corvina {

inline constexpr std::string_view kMenusIniName = "Menus.ini";

// Item buttons carry the index in a code of action kind × 1000 + index.
inline constexpr std::size_t kMaxMenuItems = 1000;

struct MenuItem {
    bool Flag = false;
    Big5 Target;
    Big5 Caption;
};

// One entry of Menus.ini: the item, and the picture needed only to place it.
struct MenuLine {
    MenuItem item;
    Big5 picture;
};

// caption "=" target "," picture "," flag. A missing separator drops the
// rest (SplitAtSeparator), so a value without commas has no target. The
// flag is set only when its text reads as the integer 1. Empty lines give
// nothing.
std::optional<MenuLine> ParseMenuLine(std::string_view line);

struct MenuChannel {
    Big5 name;
    std::vector<MenuLine> lines;
};

struct MenuData {
    std::vector<MenuChannel> channels;
    // Items past the first kMaxMenuItems of the whole file; their channels stay.
    std::size_t itemsLeftOut = 0;
};

// No channels means no menu data: see NoMenuDataMessage.
MenuData ReadMenu(const ProfileText& menusIni);

Big5 NoMenuDataMessage();
Big5 ItemsLeftOutMessage(std::size_t itemsLeftOut);

// Index = running number over the whole menu since the last Clear.
class MenuItemTable {
public:
    void Clear() { items_.clear(); }
    // Returns the index the item gets.
    int Append(MenuItem item);
    int Count() const { return static_cast<int>(items_.size()); }
    // Null unless 0 <= index < Count(): button codes may name any number.
    const MenuItem* Find(int index) const;

private:
    std::vector<MenuItem> items_;
};

}  // namespace corvina
