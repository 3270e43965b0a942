#include "cafe/cafe_system_check.h"

#include <windows.h>

#include "cafe/cafe_system.h"
#include "sys/win32/registry.h"
#include "ui/message_box.h"

namespace corvina {

bool CafeSystemInstalled() {
    if (RegistryKeyExists(HKEY_CURRENT_USER, kCafeSystemKey)) return true;
    ui::ShowInformation(CafeSystemMissingMessage());
    return false;
}

}  // namespace corvina
