#include "support/cafe_system_key.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "cafe/cafe_system.h"
#include "sys/text.h"
#include "sys/win32/handles.h"

namespace corvina::test {

bool CafeSystemKeyExists() {
    HKEY opened = nullptr;
    const LSTATUS status = RegOpenKeyExW(HKEY_CURRENT_USER, WideFromBig5(kCafeSystemKey).c_str(), 0, KEY_READ, &opened);
    const win32::ScopedKey key(status == ERROR_SUCCESS ? opened : nullptr);
    return static_cast<bool>(key);
}

void SetCafeSystemKey(bool present) {
    const std::wstring name = WideFromBig5(kCafeSystemKey);
    if (!present) {
        RegDeleteKeyW(HKEY_CURRENT_USER, name.c_str());
        return;
    }
    HKEY opened = nullptr;
    const LSTATUS status =
        RegCreateKeyExW(HKEY_CURRENT_USER, name.c_str(), 0, nullptr, 0, KEY_READ, nullptr, &opened, nullptr);
    const win32::ScopedKey key(status == ERROR_SUCCESS ? opened : nullptr);
}

namespace {

class CafeSystemKeyPresent final : public ::testing::Environment {
public:
    void SetUp() override { scope_ = std::make_unique<CafeSystemKeyScope>(true); }
    void TearDown() override { scope_.reset(); }

private:
    std::unique_ptr<CafeSystemKeyScope> scope_;
};

[[maybe_unused]] ::testing::Environment* const kKeyPresent =
    ::testing::AddGlobalTestEnvironment(new CafeSystemKeyPresent);

}  // namespace
}  // namespace corvina::test
