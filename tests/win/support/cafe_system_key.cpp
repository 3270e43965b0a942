#include "support/cafe_system_key.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "cafe/cafe_system.h"
#include "sys/win32/registry.h"

namespace corvina::test {

bool CafeSystemKeyExists() { return RegistryKeyExists(HKEY_CURRENT_USER, kCafeSystemKey); }

void SetCafeSystemKey(bool present) {
    const LSTATUS status = present ? CreateRegistryKey(HKEY_CURRENT_USER, kCafeSystemKey)
                                   : DeleteRegistryKey(HKEY_CURRENT_USER, kCafeSystemKey);
    if (status != ERROR_SUCCESS && !(status == ERROR_FILE_NOT_FOUND && !present)) {
        ADD_FAILURE() << "cannot " << (present ? "create" : "delete") << " the cafe system key: error " << status;
    }
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
