#include "cafe-sim/cafe_system_key.h"

#include <windows.h>

#include "cafe/cafe_system.h"
#include "sys/win32/registry.h"

namespace corvina::cafesim {

namespace {

std::string KeyName() { return "HKCU\\" + std::string(kCafeSystemKey); }

std::string Failure(std::string_view what, LSTATUS status) {
    return "error cannot " + std::string(what) + " " + KeyName() + " (error " + std::to_string(status) + ")";
}

}  // namespace

std::string CreateCafeSystemKey() {
    const LSTATUS status = CreateRegistryKey(HKEY_CURRENT_USER, kCafeSystemKey);
    if (status != ERROR_SUCCESS) return Failure("create", status);
    return "info created " + KeyName();
}

std::string RemoveCafeSystemKey() {
    const LSTATUS status = DeleteRegistryKey(HKEY_CURRENT_USER, kCafeSystemKey);
    if (status == ERROR_FILE_NOT_FOUND) return "info " + KeyName() + " was not there";
    if (status != ERROR_SUCCESS) return Failure("remove", status);
    return "info removed " + KeyName();
}

}  // namespace corvina::cafesim
