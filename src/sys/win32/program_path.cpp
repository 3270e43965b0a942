#include "sys/win32/program_path.h"

#include <windows.h>

#include <string>

#include "sys/folder_rules.h"
#include "sys/text.h"

namespace corvina {

Big5 ExecutablePath() {
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

Big5 ProgramBaseName() { return BaseNameOf(ExecutablePath()); }

}  // namespace corvina
