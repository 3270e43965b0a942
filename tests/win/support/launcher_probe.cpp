// A stand-in game with a launcher, for the play statistics: started without
// arguments it starts itself as the game and ends at once; the game runs
// for three seconds, then leaves "<its path>.done" and ends.

#include <windows.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR arguments, int) {
    wchar_t self[MAX_PATH]{};
    if (GetModuleFileNameW(nullptr, self, MAX_PATH) == 0) return 1;
    if (std::wstring(arguments) != L"game") {
        std::wstring commandLine = L"\"" + std::wstring(self) + L"\" game";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION game{};
        if (!CreateProcessW(self, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &game)) {
            return 1;
        }
        CloseHandle(game.hThread);
        CloseHandle(game.hProcess);
        return 0;
    }
    // The game's own running time, which the statistics must cover.
    Sleep(3000);
    const std::wstring done = std::wstring(self) + L".done";
    const HANDLE file = CreateFileW(done.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    CloseHandle(file);
    return 0;
}
