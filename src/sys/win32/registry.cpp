#include "sys/win32/registry.h"

#include <cstring>
#include <stdexcept>
#include <string>

#include "sys/shell_rules.h"
#include "sys/text.h"
#include "sys/win32/handles.h"

namespace corvina {

namespace {

bool KeyExists(HKEY root, const std::wstring& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    const win32::ScopedKey opened{key};
    return true;
}

struct RawValue {
    DWORD type = REG_NONE;
    std::string bytes;
};

RawValue Dword(std::uint32_t number) { return {REG_DWORD, std::string(reinterpret_cast<const char*>(&number), 4)}; }

template <typename T>
RawValue Binary(const T& value) {
    static_assert(sizeof(T) == 8);
    return {REG_BINARY, std::string(reinterpret_cast<const char*>(&value), 8)};
}

RawValue RawOf(const RegistryValue& value) {
    struct Visitor {
        RawValue operator()(std::monostate) const { return {}; }
        RawValue operator()(std::int32_t number) const { return Dword(static_cast<std::uint32_t>(number)); }
        RawValue operator()(double number) const { return Binary(number); }
        RawValue operator()(RegistryCurrency money) const { return Binary(money.tenThousandths); }
        RawValue operator()(RegistryDateTime time) const { return Binary(time.days); }
        RawValue operator()(bool flag) const { return Dword(flag ? 1u : 0u); }
        RawValue operator()(const Big5& text) const {
            const std::wstring wide = WideFromBig5(text);
            return {REG_SZ,
                    std::string(reinterpret_cast<const char*>(wide.c_str()), (wide.size() + 1) * sizeof(wchar_t))};
        }
    };
    return std::visit(Visitor{}, value);
}

}  // namespace

bool RegistryKeyExists(HKEY root, std::string_view keyPath) { return KeyExists(root, WideFromBig5(keyPath)); }

LSTATUS CreateRegistryKey(HKEY root, std::string_view keyPath) {
    HKEY opened = nullptr;
    const LSTATUS status =
        RegCreateKeyExW(root, WideFromBig5(keyPath).c_str(), 0, nullptr, 0, KEY_READ, nullptr, &opened, nullptr);
    const win32::ScopedKey key(status == ERROR_SUCCESS ? opened : nullptr);
    return status;
}

LSTATUS DeleteRegistryKey(HKEY root, std::string_view keyPath) {
    return RegDeleteKeyW(root, WideFromBig5(keyPath).c_str());
}

bool WriteRegistryValue(HKEY root, std::string_view keyPath, std::string_view valueName, const RegistryValue& value) {
    const std::wstring path = WideFromBig5(keyPath);
    const bool existed = KeyExists(root, path);
    HKEY opened = nullptr;
    const LSTATUS created = RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &opened, nullptr);
    if (created != ERROR_SUCCESS) {
        throw std::runtime_error(T(u8"無法寫入登錄機碼：") + Big5{keyPath});
    }
    win32::ScopedKey key{opened};
    const RawValue raw = RawOf(value);
    if (raw.type == REG_NONE) {
        key.Reset();
        if (!existed) RegDeleteKeyW(root, path.c_str());
        return existed;
    }
    const std::wstring name = WideFromBig5(valueName);
    const LSTATUS written =
        RegSetValueExW(key.Get(), name.c_str(), 0, raw.type, reinterpret_cast<const BYTE*>(raw.bytes.data()),
                       static_cast<DWORD>(raw.bytes.size()));
    if (written != ERROR_SUCCESS) {
        throw std::runtime_error(T(u8"無法寫入登錄值：") + Big5{keyPath} + "\\" + Big5{valueName});
    }
    return existed;
}

bool DeleteRegistryValue(HKEY root, std::string_view keyPath, std::string_view valueName) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(root, WideFromBig5(keyPath).c_str(), 0, KEY_SET_VALUE, &opened) != ERROR_SUCCESS) return false;
    const win32::ScopedKey key{opened};
    return RegDeleteValueW(key.Get(), WideFromBig5(valueName).c_str()) == ERROR_SUCCESS;
}

void SetAutoStart(std::string_view valueName, std::string_view commandLine, int which) {
    const Big5 data = AutoStartData(commandLine);
    for (const Big5& keyPath : AutoStartKeys(which)) {
        WriteRegistryValue(HKEY_LOCAL_MACHINE, keyPath, valueName, data);
    }
}

void RemoveAutoStart(std::string_view valueName, int which) {
    const std::wstring name = WideFromBig5(valueName);
    for (const Big5& keyPath : AutoStartKeys(which)) {
        const std::wstring path = WideFromBig5(keyPath);
        HKEY opened = nullptr;
        const LSTATUS open = RegOpenKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_SET_VALUE, &opened);
        LSTATUS deleted = open;
        if (open == ERROR_SUCCESS) {
            const win32::ScopedKey key{opened};
            deleted = RegDeleteValueW(key.Get(), name.c_str());
        }
        if (deleted == ERROR_SUCCESS || deleted == ERROR_FILE_NOT_FOUND) continue;
        // Without the right to change the list, a value that is not there
        // needs no removing; one that is would still start the program.
        if (RegGetValueW(HKEY_LOCAL_MACHINE, path.c_str(), name.c_str(), RRF_RT_ANY, nullptr, nullptr, nullptr) ==
            ERROR_FILE_NOT_FOUND) {
            continue;
        }
        throw std::runtime_error(T(u8"無法刪除登錄值：") + keyPath + "\\" + Big5{valueName});
    }
}

}  // namespace corvina
