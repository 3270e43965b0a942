#include "sys/win32/program_path.h"

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <memory>
#include <optional>
#include <string>

#include "sys/folder_rules.h"
#include "sys/text.h"

namespace corvina {

namespace {

// A folder whose name has no Big5 form (a user's name in another script)
// is reached by its short name, which is plain ASCII where short names exist.
Big5 PathInBig5(const std::wstring& path) {
    if (std::optional<Big5> exact = ExactBig5FromWide(path)) return *exact;
    std::wstring shortPath(MAX_PATH, L'\0');
    const DWORD length = GetShortPathNameW(path.c_str(), shortPath.data(), static_cast<DWORD>(shortPath.size()));
    if (length > 0 && length < shortPath.size()) {
        shortPath.resize(length);
        if (std::optional<Big5> exact = ExactBig5FromWide(shortPath)) return *exact;
    }
    // Left with "?" for what has no form: it names no file at all, so the
    // menu finds no data and says so instead of opening another's.
    return Big5FromWide(path);
}

}  // namespace

Big5 ExecutablePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return PathInBig5(path);
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
