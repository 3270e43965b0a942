#include "sys/win32/file_type.h"

#include <windows.h>

#include <string>

#include "sys/folder_rules.h"
#include "sys/shell_rules.h"
#include "sys/text.h"
#include "sys/win32/handles.h"

namespace corvina {
namespace {

win32::ScopedKey OpenClassesKey(HKEY parent, const std::wstring& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(parent, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return {};
    return win32::ScopedKey(key);
}

// A text value, or empty when it is missing or of another type.
Big5 ReadText(HKEY key, const wchar_t* name) {
    DWORD type = 0;
    DWORD bytes = 0;
    if (RegQueryValueExW(key, name, nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS) return {};
    if (type != REG_SZ && type != REG_EXPAND_SZ) return {};
    std::wstring text(bytes / sizeof(wchar_t) + 1, L'\0');
    bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &bytes) != ERROR_SUCCESS) {
        return {};
    }
    // The stored text may or may not end in a null.
    text.resize(wcsnlen(text.c_str(), text.size()));
    return Big5FromWide(text);
}

}  // namespace

bool ReadFileTypeInfo(const Big5& extension, FileTypeInfo& info) {
    info = {};
    // An empty key name would open the classes root itself.
    if (extension.empty()) return false;
    Big5 fileClass;
    {
        const win32::ScopedKey key = OpenClassesKey(HKEY_CLASSES_ROOT, WideFromBig5(extension));
        if (!key) return false;
        fileClass = ReadText(key.Get(), nullptr);
        info.contentType = ReadText(key.Get(), L"Content Type");
    }
    if (fileClass.empty()) return false;
    const std::wstring classPath = WideFromBig5(fileClass);
    const win32::ScopedKey classKey = OpenClassesKey(HKEY_CLASSES_ROOT, classPath);
    if (!classKey) return false;
    info.description = ReadText(classKey.Get(), nullptr);
    if (const win32::ScopedKey command = OpenClassesKey(classKey.Get(), L"shell\\open\\command")) {
        info.openCommand = ReadText(command.Get(), nullptr);
    }
    return !info.openCommand.empty();
}

Big5 FileTypeOpenProgram(const Big5& fileName) {
    FileTypeInfo info;
    if (!ReadFileTypeInfo(Big5{FileExtension(fileName)}, info)) return {};
    return QuotedProgramPath(info.openCommand);
}

}  // namespace corvina
