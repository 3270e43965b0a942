#pragma once
// The per-item file, ProgramFolder + Caption + ".ini", prepared by the
// café's administrator beside Menus.ini: the menu reads its links and memo,
// the game records read its save options. Works on file contents.

#include <string_view>
#include <vector>

#include "sys/big5.h"
#include "sys/profile.h"

namespace corvina {

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
// The same, a relative SaveFilePath taken from the program folder.
SaveFileOptions ReadSaveFileOptions(const ProfileText& itemFile, std::string_view programFolder);

}  // namespace corvina
