#pragma once
// Records every side effect the program asks of the machine, so that tests
// can check them without hiding the real taskbar, moving real windows,
// setting the clock, changing the display or starting programs.

#include <string>
#include <vector>

#include "sys/win32/machine.h"

namespace corvina::test {

class RecordingMachine final : public Machine {
public:
    void ShowTaskbar(bool show) override { calls.push_back(show ? "ShowTaskbar(true)" : "ShowTaskbar(false)"); }
    void SetWindowParent(HWND window, HWND parent) override {
        calls.push_back(parent ? "SetWindowParent(child)" : "SetWindowParent(screen)");
        reparented.push_back({window, parent});
    }
    void SetClock(const SYSTEMTIME& localTime) override {
        calls.push_back("SetClock");
        clockSettings.push_back(localTime);
    }
    ScreenModeChange ChangeScreenMode(int width, int height, int bitsPerPixel, bool setBits) override {
        calls.push_back("ChangeScreenMode(" + std::to_string(width) + "," + std::to_string(height) + "," +
                        std::to_string(bitsPerPixel) + (setBits ? ",bits)" : ")"));
        return screenModeAnswer;
    }
    long long RunProgram(const Big5& file, const Big5& parameters, const Big5& folder, int showCommand) override {
        calls.push_back("RunProgram");
        programsRun.push_back({file, parameters, folder, showCommand});
        return runAnswer;
    }
    void OpenWebPage(const Big5& address, int) override {
        calls.push_back("OpenWebPage");
        webPagesOpened.push_back(address);
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
    std::vector<Reparent> reparented;
    std::vector<SYSTEMTIME> clockSettings;
    std::vector<ProgramRun> programsRun;
    std::vector<Big5> webPagesOpened;
    ScreenModeChange screenModeAnswer = ScreenModeChange::Done;
    long long runAnswer = 42;
};

}  // namespace corvina::test
