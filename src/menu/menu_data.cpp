#include "menu/menu_data.h"

#include <string>
#include <utility>

#include "sys/numbers.h"
#include "sys/strings.h"
#include "sys/text.h"

namespace corvina {

std::optional<MenuLine> ParseMenuLine(std::string_view line) {
    const std::string_view trimmed = TrimBlanks(line);
    if (trimmed.empty()) return std::nullopt;
    const SplitResult atEquals = SplitAtSeparator(trimmed, '=');
    const SplitResult atTarget = SplitAtSeparator(atEquals.tail, ',');
    const SplitResult atPicture = SplitAtSeparator(atTarget.tail, ',');
    return MenuLine{
        .item = {.Flag = ParseIntegerOr(atPicture.tail, 0) == 1, .Target = atTarget.head, .Caption = atEquals.head},
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

}  // namespace corvina
