// The real machine's lock-down in this process: stand-in taskbar windows,
// keys sent through the system's input queue to a stand-in window that
// counts what reaches it, and the Wine prefix's accessibility settings.

#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "support/processes.h"
#include "support/shown_taskbar.h"
#include "support/test_window.h"
#include "sys/win32/accessibility_shortcuts.h"
#include "sys/win32/machine.h"

namespace corvina {
namespace {

constexpr DWORD kTimeoutMs = 10000;

bool Visible(const win32::OwnedWindow& window) { return IsWindowVisible(window.Get()) != FALSE; }

TEST(LockDown, EveryTaskbarHidesAndShowsAndOneThatShowsWhileHiddenIsHiddenAgain) {
    const test::ShownTaskbar primary;
    const win32::OwnedWindow second = test::MakeWindowOfClass(L"Shell_SecondaryTrayWnd");
    const win32::OwnedWindow third = test::MakeWindowOfClass(L"Shell_SecondaryTrayWnd");
    ShowWindow(second.Get(), SW_SHOWNA);
    ShowWindow(third.Get(), SW_SHOWNA);
    WindowsMachine machine;

    machine.ShowTaskbar(false);
    EXPECT_FALSE(Visible(second));
    EXPECT_FALSE(Visible(third));
    EXPECT_FALSE(primary.Visible());

    // Explorer restarted, a monitor plugged in: shown again, or new.
    ShowWindow(second.Get(), SW_SHOWNA);
    const win32::OwnedWindow later = test::MakeWindowOfClass(L"Shell_SecondaryTrayWnd");
    ShowWindow(later.Get(), SW_SHOWNA);
    EXPECT_TRUE(test::PumpUntil(kTimeoutMs, [&] { return !Visible(second) && !Visible(later); }));

    machine.ShowTaskbar(true);
    EXPECT_TRUE(Visible(second));
    EXPECT_TRUE(Visible(third));
    EXPECT_TRUE(Visible(later));
    EXPECT_TRUE(primary.Visible());
    // Shown, they stay shown: four rounds of the hiding timer pass.
    EXPECT_FALSE(test::PumpUntil(2000, [&] { return !Visible(second) || !Visible(later); }));
}

// Counts the key-down messages that reach it, by virtual key.
struct KeyCounter {
    std::map<WPARAM, int> downs;

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* counter = reinterpret_cast<KeyCounter*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (counter && (message == WM_KEYDOWN || message == WM_SYSKEYDOWN)) ++counter->downs[wParam];
        return DefWindowProcW(window, message, wParam, lParam);
    }
};

win32::OwnedWindow MakeKeyWindow(KeyCounter& counter) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &KeyCounter::Procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"CorvinaKeyCounter";
    RegisterClassExW(&windowClass);
    win32::OwnedWindow window(CreateWindowExW(0, L"CorvinaKeyCounter", L"keys", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40,
                                              40, 320, 200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
    SetWindowLongPtrW(window.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&counter));
    return window;
}

// Each key pressed in order, then released in reverse, through the input queue.
void Press(std::vector<WORD> keys) {
    std::vector<INPUT> inputs;
    const auto key = [&inputs](WORD virtualKey, DWORD flags) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = virtualKey;
        input.ki.dwFlags = flags;
        inputs.push_back(input);
    };
    for (const WORD down : keys) key(down, 0);
    for (auto up = keys.rbegin(); up != keys.rend(); ++up) key(*up, KEYEVENTF_KEYUP);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

TEST(LockDown, LockedKeysDropTheWindowsKeysAndCtrlEscAndLetTheRestThrough) {
    KeyCounter counter;
    const win32::OwnedWindow window = MakeKeyWindow(counter);
    SetForegroundWindow(window.Get());
    SetFocus(window.Get());
    ASSERT_TRUE(test::PumpUntil(kTimeoutMs, [&] { return GetForegroundWindow() == window.Get(); }));
    WindowsMachine machine;

    machine.LockKeys(true);
    Press({VK_LWIN});
    Press({VK_RWIN});
    Press({VK_LWIN, 'R'});
    Press({VK_CONTROL, VK_ESCAPE});
    Press({VK_CONTROL, VK_SHIFT, VK_ESCAPE});
    Press({VK_ESCAPE});
    Press({'A'});
    ASSERT_TRUE(test::PumpUntil(kTimeoutMs, [&] { return counter.downs['A'] == 1; }));
    EXPECT_EQ(counter.downs[VK_LWIN], 0);
    EXPECT_EQ(counter.downs[VK_RWIN], 0);
    EXPECT_EQ(counter.downs['R'], 1);
    EXPECT_EQ(counter.downs[VK_ESCAPE], 1) << "only the Esc without Ctrl";
    EXPECT_EQ(counter.downs[VK_CONTROL], 2);

    machine.LockKeys(false);
    Press({VK_CONTROL, VK_ESCAPE});
    Press({'B'});
    ASSERT_TRUE(test::PumpUntil(kTimeoutMs, [&] { return counter.downs['B'] == 1; }));
    EXPECT_EQ(counter.downs[VK_ESCAPE], 2) << "unlocked, Ctrl+Esc arrives again";
}

// Sticky Keys with its shortcut, as Windows ships it; restored exactly.
TEST(LockDown, TheAccessibilityShortcutsAreOffWhileLockedAndComeBackExactly) {
    STICKYKEYS original{sizeof original, 0};
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETSTICKYKEYS, sizeof original, &original, 0));
    STICKYKEYS shipped{sizeof shipped, SKF_AVAILABLE | SKF_HOTKEYACTIVE | SKF_CONFIRMHOTKEY | SKF_HOTKEYSOUND};
    if (!SystemParametersInfoW(SPI_SETSTICKYKEYS, sizeof shipped, &shipped, 0)) {
        GTEST_SKIP() << "this Wine keeps no Sticky Keys settings";
    }
    const AccessibilityFlags before = ReadAccessibilityFlags();
    ASSERT_EQ(before[0], shipped.dwFlags);
    {
        WindowsMachine machine;
        machine.LockKeys(true);
        EXPECT_EQ(ReadAccessibilityFlags()[0], SKF_AVAILABLE | SKF_HOTKEYSOUND);
        machine.LockKeys(false);
        EXPECT_EQ(ReadAccessibilityFlags(), before);

        // The crash path gives them back too.
        machine.LockKeys(true);
        machine.GiveBackAfterCrash();
        EXPECT_EQ(ReadAccessibilityFlags(), before);
    }
    SystemParametersInfoW(SPI_SETSTICKYKEYS, sizeof original, &original, 0);
}

}  // namespace
}  // namespace corvina
