// The real Corvina2.exe in a café folder of its own, started twice. It
// claims the fixed name "Corvina2", so no other copy may run in this Wine
// prefix meanwhile.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/instance.h"
#include "support/processes.h"
#include "support/temp_folder.h"
#include "sys/files.h"
#include "sys/text.h"

namespace corvina {
namespace {

using test::ClassOf;
using test::TitleOf;

constexpr DWORD kTimeoutMs = 30000;

bool MarkerExists() {
    const win32::ScopedHandle block(OpenFileMappingW(FILE_MAP_READ, FALSE, L"Corvina2"));
    return static_cast<bool>(block);
}

HWND VisibleMenuWindowOf(const test::ChildProcess& program) {
    for (HWND window : test::TopLevelWindowsOf(program.Id())) {
        if (IsWindowVisible(window) && TitleOf(window) == L"Corvina") return window;
    }
    return nullptr;
}

bool HasVisibleWindow(DWORD processId) {
    for (HWND window : test::TopLevelWindowsOf(processId)) {
        if (IsWindowVisible(window)) return true;
    }
    return false;
}

// Null when no menu window showed up in time.
HWND WaitForMenuWindow(const test::ChildProcess& program) {
    HWND menu = nullptr;
    test::PumpUntil(kTimeoutMs, [&] { return (menu = VisibleMenuWindowOf(program)) != nullptr; });
    return menu;
}

class Corvina2Program : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(MarkerExists()) << "another Corvina2 runs in this Wine prefix";
        ASSERT_TRUE(CopyFileW(test::WinePath(CORVINA2_EXE).c_str(), Program().c_str(), FALSE));
        WriteFileBytes(cafe_.File("Menus.ini"), T(u8"[遊戲]\r\n甲=a.exe,,\r\n"));
    }

    std::wstring Program() const { return WideFromBig5(cafe_.File("Corvina2.exe")); }

    test::TempFolder cafe_;
};

TEST_F(Corvina2Program, SecondStartEndsSilentlyAndTheFirstClosesOnWmClose) {
    test::ChildProcess first(Program(), L"");
    HWND menu = WaitForMenuWindow(first);
    ASSERT_NE(menu, nullptr);

    EXPECT_EQ(ClassOf(menu), L"TfSmenu");
    EXPECT_EQ(GetWindowLongW(menu, GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME), 0);
    RECT workArea{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
    RECT bounds{};
    GetWindowRect(menu, &bounds);
    EXPECT_TRUE(EqualRect(&bounds, &workArea));

    // The marker holds the hidden application window, which owns the menu.
    HWND application = GetWindow(menu, GW_OWNER);
    ASSERT_NE(application, nullptr);
    EXPECT_FALSE(IsWindowVisible(application));
    const InstanceClaim seen = ClaimInstanceName("Corvina2", nullptr);
    ASSERT_FALSE(seen.first);
    EXPECT_EQ(seen.running, application);

    test::ChildProcess second(Program(), L"");
    bool secondShowedAWindow = false;
    EXPECT_EQ(second.WaitForExit(kTimeoutMs, [&] { secondShowedAWindow |= HasVisibleWindow(second.Id()); }), 0u);
    EXPECT_FALSE(secondShowedAWindow);
    EXPECT_EQ(VisibleMenuWindowOf(first), menu);

    PostMessageW(menu, WM_CLOSE, 0, 0);
    EXPECT_EQ(first.WaitForExit(kTimeoutMs), 0u);
    EXPECT_FALSE(MarkerExists());
}

TEST_F(Corvina2Program, AltF4ClosesTheMenu) {
    test::ChildProcess program(Program(), L"");
    HWND menu = WaitForMenuWindow(program);
    ASSERT_NE(menu, nullptr);

    // What the keyboard sends for Alt+F4: a system key with Alt held.
    PostMessageW(menu, WM_SYSKEYDOWN, VK_F4, LPARAM{1} | (LPARAM{1} << 29));
    EXPECT_EQ(program.WaitForExit(kTimeoutMs), 0u);
}

}  // namespace
}  // namespace corvina
