#include "settings/item_file.h"

#include <utility>

#include "sys/folder_rules.h"

namespace corvina {

namespace {

constexpr std::string_view kWebLinkSection = "WebLink";
constexpr std::string_view kMemoSection = "Memo";

}  // namespace

Big5 ItemFilePath(std::string_view programFolder, std::string_view caption) {
    Big5 path{programFolder};
    path += caption;
    path += ".ini";
    return path;
}

Big5 ItemPicturePath(std::string_view programFolder, std::string_view picture) {
    Big5 path{programFolder};
    path += "LinkBMP\\";
    path += picture;
    return path;
}

std::vector<WebLink> ReadWebLinks(const ProfileText& itemFile) {
    std::vector<WebLink> links;
    for (Big5& name : itemFile.KeyNames(kWebLinkSection)) {
        if (name.empty()) continue;
        Big5 address = itemFile.ReadString(kWebLinkSection, name);
        links.push_back({.name = std::move(name), .address = std::move(address)});
    }
    return links;
}

std::vector<Big5> ReadMemoLines(const ProfileText& itemFile) {
    std::vector<Big5> lines;
    for (const Big5& key : itemFile.KeyNames(kMemoSection)) {
        lines.push_back(itemFile.ReadString(kMemoSection, key));
    }
    return lines;
}

SaveFileOptions ReadSaveFileOptions(const ProfileText& itemFile) {
    return {.SaveFilePath = itemFile.ReadString(kOptionsSection, "SaveFilePath"),
            .SaveFileExt = itemFile.ReadString(kOptionsSection, "SaveFileExt")};
}

SaveFileOptions ReadSaveFileOptions(const ProfileText& itemFile, std::string_view programFolder) {
    SaveFileOptions options = ReadSaveFileOptions(itemFile);
    options.SaveFilePath = InProgramFolder(programFolder, options.SaveFilePath);
    return options;
}

}  // namespace corvina
