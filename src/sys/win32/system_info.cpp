#include "sys/win32/system_info.h"

#include <windows.h>

#include <string>

#include "sys/folder_rules.h"
#include "sys/text.h"
#include "sys/win32/handles.h"

namespace corvina {

Big5 ProgramPath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return Big5FromWide(path);
        }
        path.resize(path.size() * 2);
    }
}

Big5 ProgramBaseName() { return BaseNameOf(ProgramPath()); }

int ScreenColorBits() {
    const win32::ReleasedDC screen = win32::ReleasedDC::Of(nullptr);
    return GetDeviceCaps(screen.Get(), BITSPIXEL);
}

}  // namespace corvina
