#include "sys/win32/program_path.h"

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <memory>
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

std::vector<Big5> ArgumentsAfterProgram(const wchar_t* commandLine) {
    int count = 0;
    const std::unique_ptr<LPWSTR, decltype(&LocalFree)> words(CommandLineToArgvW(commandLine, &count), &LocalFree);
    std::vector<Big5> arguments;
    if (!words) return arguments;
    for (int i = 1; i < count; ++i) arguments.push_back(Big5FromWide(words.get()[i]));
    return arguments;
}

std::vector<Big5> CommandLineArguments() { return ArgumentsAfterProgram(GetCommandLineW()); }

}  // namespace corvina
