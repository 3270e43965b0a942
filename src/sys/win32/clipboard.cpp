#include "sys/win32/clipboard.h"

#include <cwchar>

namespace corvina::win32 {

std::optional<std::wstring> ClipboardText(HWND owner) {
    const OpenedClipboard clipboard(owner);
    if (!clipboard) return std::nullopt;
    const LockedGlobal block(static_cast<HGLOBAL>(GetClipboardData(CF_UNICODETEXT)));
    if (!block.Data()) return std::nullopt;
    const auto* text = static_cast<const wchar_t*>(block.Data());
    return std::wstring(text, wcsnlen(text, block.Size() / sizeof(wchar_t)));
}

}  // namespace corvina::win32
