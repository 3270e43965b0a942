#pragma once
// A registry key whose values nobody may change while this lives, as a
// machine-wide key is for a user without an administrator's rights; its
// access list comes back as it was.

#include <windows.h>
// After windows.h, which it needs.
#include <sddl.h>

#include <stdexcept>
#include <vector>

#include "sys/win32/handles.h"

namespace corvina::test {

class ValueChangesDenied {
public:
    ValueChangesDenied(HKEY root, const wchar_t* path) {
        HKEY opened = nullptr;
        if (RegOpenKeyExW(root, path, 0, READ_CONTROL | WRITE_DAC, &opened) != ERROR_SUCCESS) {
            throw std::runtime_error("cannot open the key's access list");
        }
        key_.Reset(opened);
        DWORD size = 0;
        RegGetKeySecurity(key_.Get(), DACL_SECURITY_INFORMATION, nullptr, &size);
        saved_.resize(size);
        if (RegGetKeySecurity(key_.Get(), DACL_SECURITY_INFORMATION, saved_.data(), &size) != ERROR_SUCCESS) {
            throw std::runtime_error("cannot read the key's access list");
        }
        PSECURITY_DESCRIPTOR denying = nullptr;
        // Everybody: setting values (0x2) denied, all else allowed.
        if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(L"D:(D;;0x2;;;WD)(A;;KA;;;WD)", SDDL_REVISION_1,
                                                                  &denying, nullptr)) {
            throw std::runtime_error("cannot make the access list");
        }
        const LSTATUS set = RegSetKeySecurity(key_.Get(), DACL_SECURITY_INFORMATION, denying);
        LocalFree(denying);
        if (set != ERROR_SUCCESS) throw std::runtime_error("cannot set the key's access list");
    }
    ~ValueChangesDenied() { RegSetKeySecurity(key_.Get(), DACL_SECURITY_INFORMATION, saved_.data()); }
    ValueChangesDenied(const ValueChangesDenied&) = delete;
    ValueChangesDenied& operator=(const ValueChangesDenied&) = delete;

private:
    win32::ScopedKey key_;
    std::vector<BYTE> saved_;
};

}  // namespace corvina::test
