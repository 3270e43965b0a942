#include "cafe/cafe_system_check.h"

#include <windows.h>

#include "cafe/cafe_system.h"
#include "sys/text.h"
#include "sys/win32/handles.h"
#include "ui/message_box.h"

namespace corvina {

bool CafeSystemInstalled() {
    HKEY opened = nullptr;
    const LSTATUS status = RegOpenKeyExW(HKEY_CURRENT_USER, WideFromBig5(kCafeSystemKey).c_str(), 0, KEY_READ, &opened);
    const win32::ScopedKey key(status == ERROR_SUCCESS ? opened : nullptr);
    if (key) return true;
    ui::ShowInformation(CafeSystemMissingMessage());
    return false;
}

}  // namespace corvina
