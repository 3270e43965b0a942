#pragma once
// Records every side effect the program asks of the machine, so that tests
// can check them without hiding the real taskbar, moving real windows,
// setting the clock, changing the display or starting programs.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "sys/win32/machine.h"

namespace corvina::test {

class RecordingMachine final : public Machine {
public:
    void ShowTaskbar(bool show) override { calls.push_back(show ? "ShowTaskbar(true)" : "ShowTaskbar(false)"); }
    // Kept apart from `calls`: the lock-down comes and goes beside the rest.
    void LockKeys(bool locked) override { lockDown.push_back(locked ? "LockKeys(true)" : "LockKeys(false)"); }
    void KeepMenuRunning(bool keep) override {
        lockDown.push_back(keep ? "KeepMenuRunning(true)" : "KeepMenuRunning(false)");
    }
    void SetWindowParent(HWND window, HWND parent) override {
        calls.push_back(parent ? "SetWindowParent(child)" : "SetWindowParent(screen)");
        reparented.push_back({window, parent});
    }
    DWORD SetClock(const SYSTEMTIME& localTime) override {
        calls.push_back("SetClock");
        clockSettings.push_back(localTime);
        return clockAnswer;
    }
    std::optional<DEVMODEW> CurrentDisplayMode() override {
        calls.push_back("CurrentDisplayMode");
        return currentMode;
    }
    // "TestDisplayMode(800x600x16)" or "ApplyDisplayMode(1024x768)": the
    // depth only when it is marked to change.
    LONG ApplyDisplayMode(const DEVMODEW& mode, DWORD flags) override {
        std::string text(flags == CDS_TEST ? "TestDisplayMode(" : "ApplyDisplayMode(");
        text.append(std::to_string(mode.dmPelsWidth)).append("x").append(std::to_string(mode.dmPelsHeight));
        if (mode.dmFields & DM_BITSPERPEL) text.append("x").append(std::to_string(mode.dmBitsPerPel));
        text.append(flags == CDS_TEST || flags == CDS_UPDATEREGISTRY ? ")" : ",other flags)");
        calls.push_back(std::move(text));
        modesAsked.push_back(mode);
        // Windows 8 and later refuse every mode below 32 bits, tested or not.
        if (refusesBelow32Bits && (mode.dmFields & DM_BITSPERPEL) && mode.dmBitsPerPel < 32) {
            return DISP_CHANGE_BADMODE;
        }
        return flags == CDS_TEST ? testAnswer : applyAnswer;
    }
    long long RunProgram(const Big5& file, const Big5& parameters, const Big5& folder, int showCommand) override {
        calls.push_back("RunProgram");
        programsRun.push_back({file, parameters, folder, showCommand});
        return runAnswer;
    }
    long long OpenWebPage(const Big5& address, int) override {
        calls.push_back("OpenWebPage");
        webPagesOpened.push_back(address);
        return webPageAnswer;
    }
    // Real unless `refuseForeground`: then Windows' refusal, and only the
    // window in `customerActivated` counts as in front.
    bool TakeForeground(HWND window) override {
        foregroundAsked.push_back(window);
        if (refuseForeground) return false;
        return SetForegroundWindow(window) != FALSE;
    }
    bool IsForeground(HWND window) override {
        if (refuseForeground) return window != nullptr && window == customerActivated;
        return window != nullptr && GetForegroundWindow() == window;
    }
    bool AllowMessageFromAnyLevel(HWND window, UINT message) override {
        messagesAllowed.push_back({window, message});
        return allowMessages;
    }

    struct Reparent {
        HWND window;
        HWND parent;
    };
    struct ProgramRun {
        Big5 file, parameters, folder;
        int showCommand = 0;
    };
    std::vector<std::string> calls;
    std::vector<std::string> lockDown;
    std::vector<Reparent> reparented;
    std::vector<SYSTEMTIME> clockSettings;
    std::vector<ProgramRun> programsRun;
    std::vector<Big5> webPagesOpened;
    long long webPageAnswer = 42;
    std::vector<HWND> foregroundAsked;
    bool refuseForeground = false;
    HWND customerActivated = nullptr;
    struct AllowedMessage {
        HWND window;
        UINT message;
    };
    std::vector<AllowedMessage> messagesAllowed;
    bool allowMessages = true;
    // The display's mode now: 1024 x 768, 32 bits, 75 Hz.
    std::optional<DEVMODEW> currentMode = [] {
        DEVMODEW mode{};
        mode.dmSize = sizeof mode;
        mode.dmPelsWidth = 1024;
        mode.dmPelsHeight = 768;
        mode.dmBitsPerPel = 32;
        mode.dmDisplayFrequency = 75;
        mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT | DM_BITSPERPEL | DM_DISPLAYFREQUENCY;
        return mode;
    }();
    std::vector<DEVMODEW> modesAsked;
    LONG testAnswer = DISP_CHANGE_SUCCESSFUL;
    LONG applyAnswer = DISP_CHANGE_SUCCESSFUL;
    bool refusesBelow32Bits = false;
    long long runAnswer = 42;
    DWORD clockAnswer = ERROR_SUCCESS;
};

}  // namespace corvina::test
