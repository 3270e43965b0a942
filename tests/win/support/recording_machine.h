#pragma once
// Records every side effect the program asks of the machine, so that tests
// can check them without hiding the real taskbar or moving real windows.

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

    struct Reparent {
        HWND window;
        HWND parent;
    };
    std::vector<std::string> calls;
    std::vector<Reparent> reparented;
};

}  // namespace corvina::test
