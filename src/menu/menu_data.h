#pragma once
// The menu data: Menus.ini (every section a channel, every entry an item,
// both in file order), the item table the main window keeps, and the
// per-item file named after an item's caption. Works on file contents.

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

// The per-item file, ProgramFolder + Caption + ".ini"; it may be missing.
Big5 ItemFilePath(std::string_view programFolder, std::string_view caption);
// Item pictures live in ProgramFolder + "LinkBMP\".
Big5 ItemPicturePath(std::string_view programFolder, std::string_view picture);

struct WebLink {
    Big5 name;
    Big5 address;
};

// Keys of [WebLink] in file order, empty names left out.
std::vector<WebLink> ReadWebLinks(const ProfileText& itemFile);
// Values of [Memo] in file order; the keys only order the lines.
std::vector<Big5> ReadMemoLines(const ProfileText& itemFile);

// Raw [Options] values: blank when missing; the record code gives a blank
// extension its meaning.
struct SaveFileOptions {
    Big5 SaveFilePath;
    Big5 SaveFileExt;
};
SaveFileOptions ReadSaveFileOptions(const ProfileText& itemFile);

}  // namespace corvina
