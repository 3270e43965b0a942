// Menus.ini is written by hand with other tools: any bytes must parse
// without a fault, one line at a time and as a whole file.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "menu/menu_data.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);

    if (const auto line = corvina::ParseMenuLine(input)) {
        // Every field is a piece of the line, so none can be longer than it.
        const std::size_t fieldBytes = line->item.Caption.size() + line->item.Target.size() + line->picture.size();
        if (fieldBytes > size) __builtin_trap();
    }

    const corvina::MenuData menu = corvina::ReadMenu(corvina::ProfileText(std::string(input)));
    std::size_t items = 0;
    for (const corvina::MenuChannel& channel : menu.channels) items += channel.lines.size();
    if (items > corvina::kMaxMenuItems) __builtin_trap();
    if (menu.itemsLeftOut > 0 && items != corvina::kMaxMenuItems) __builtin_trap();

    corvina::MenuItemTable table;
    for (const corvina::MenuChannel& channel : menu.channels) {
        for (const corvina::MenuLine& menuLine : channel.lines) table.Append(menuLine.item);
    }
    if (table.Find(table.Count()) != nullptr || table.Find(-1) != nullptr) __builtin_trap();
    return 0;
}
