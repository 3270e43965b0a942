#include "menu/menu_data.h"

#include <string>
#include <utility>

#include "sys/numbers.h"
#include "sys/strings.h"
#include "sys/text.h"

namespace corvina {

namespace {

constexpr std::string_view kWebLinkSection = "WebLink";
constexpr std::string_view kMemoSection = "Memo";

}  // namespace

std::optional<MenuLine> ParseMenuLine(std::string_view line) {
    const std::string_view trimmed = TrimBlanks(line);
    if (trimmed.empty()) return std::nullopt;
    const SplitResult atEquals = SplitAtSeparator(trimmed, '=');
    const SplitResult atTarget = SplitAtSeparator(atEquals.tail, ',');
    const SplitResult atPicture = SplitAtSeparator(atTarget.tail, ',');
    return MenuLine{
        .item = {.Flag = ParseIntegerOr(atPicture.tail, 0) == 1,
                 .Target = atTarget.head,
                 .Caption = atEquals.head},
        .picture = atPicture.head,
    };
}

MenuData ReadMenu(const ProfileText& menusIni) {
    MenuData menu;
    std::size_t itemCount = 0;
    for (Big5& name : menusIni.SectionNames()) {
        MenuChannel channel{.name = std::move(name), .lines = {}};
        for (const Big5& key : menusIni.KeyNames(channel.name)) {
            std::optional<MenuLine> line = ParseMenuLine(key + "=" + menusIni.ReadString(channel.name, key));
            if (!line) continue;
            if (itemCount == kMaxMenuItems) {
                ++menu.itemsLeftOut;
                continue;
            }
            channel.lines.push_back(std::move(*line));
            ++itemCount;
        }
        menu.channels.push_back(std::move(channel));
    }
    return menu;
}

Big5 NoMenuDataMessage() { return T(u8"未建資料，請先設定選單資料！"); }

Big5 ItemsLeftOutMessage(std::size_t itemsLeftOut) {
    return T(u8"選單最多只能有 ") + std::to_string(kMaxMenuItems) + T(u8" 個項目，其餘 ") +
           std::to_string(itemsLeftOut) + T(u8" 個項目未載入！");
}

int MenuItemTable::Append(MenuItem item) {
    items_.push_back(std::move(item));
    return Count() - 1;
}

const MenuItem* MenuItemTable::Find(int index) const {
    if (index < 0 || index >= Count()) return nullptr;
    return &items_[static_cast<std::size_t>(index)];
}

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

}  // namespace corvina
