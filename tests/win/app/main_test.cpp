// The real Corvina2.exe in a café folder of its own, started twice. It
// claims the fixed name "Corvina2", so no other copy may run in this Wine
// prefix meanwhile.

#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <objbase.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "app/instance.h"
#include "stats/play_line.h"
#include "stats/play_watch_win32.h"
#include "support/processes.h"
#include "support/shown_taskbar.h"
#include "support/solid_bmp.h"
#include "support/temp_folder.h"
#include "support/test_window.h"
#include "support/write_lock.h"
#include "sys/cafe_protocol.h"
#include "sys/files.h"
#include "sys/text.h"
#include "sys/win32/com_apartment.h"
#include "sys/win32/menu_watch_link.h"

namespace corvina {
namespace {

using test::ClassOf;
using test::TitleOf;
using ::testing::HasSubstr;
using ::testing::MatchesRegex;

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

// The menu's settings strip: 40 pixels high, hanging 36 above the menu's top.
HWND SettingsStripOf(HWND menu) {
    struct Search {
        RECT menu{};
        HWND found = nullptr;
    } search;
    GetWindowRect(menu, &search.menu);
    EnumChildWindows(
        menu,
        [](HWND child, LPARAM data) {
            auto& s = *reinterpret_cast<Search*>(data);
            RECT bounds{};
            GetWindowRect(child, &bounds);
            if (bounds.bottom - bounds.top != 40 || bounds.top != s.menu.top - 36) return TRUE;
            s.found = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The three ways out: the exit button, Alt+F4, the café client's 5027.
enum class WayOut { ExitButton, AltF4, CloseMessage };

const char* NameOf(WayOut way) {
    switch (way) {
        case WayOut::ExitButton:
            return "B_Exit";
        case WayOut::AltF4:
            return "Alt+F4";
        case WayOut::CloseMessage:
            return "5027";
    }
    return "?";
}

void TakeWayOut(HWND menu, WayOut way) {
    switch (way) {
        case WayOut::ExitButton: {
            // B_Exit sits at the strip's right end, inside its 4-pixel border.
            const HWND strip = SettingsStripOf(menu);
            ASSERT_NE(strip, nullptr);
            RECT client{};
            GetClientRect(strip, &client);
            const LPARAM at = MAKELPARAM(client.right - 18, 18);
            PostMessageW(strip, WM_MOUSEMOVE, 0, at);
            PostMessageW(strip, WM_LBUTTONDOWN, MK_LBUTTON, at);
            PostMessageW(strip, WM_LBUTTONUP, 0, at);
            break;
        }
        case WayOut::AltF4:
            // What the keyboard sends for Alt+F4: a system key with Alt held.
            PostMessageW(menu, WM_SYSKEYDOWN, VK_F4, LPARAM{1} | (LPARAM{1} << 29));
            break;
        case WayOut::CloseMessage:
            PostMessageW(menu, kMsgCafeCloseMenu, 0, 0);
            break;
    }
}

// A message box or other dialog of the program on the screen.
bool ShowsADialog(DWORD processId) {
    for (HWND window : test::TopLevelWindowsOf(processId)) {
        if (IsWindowVisible(window) && ClassOf(window) == L"#32770") return true;
    }
    return false;
}

// The text of the program's visible message box, or empty when it shows none.
std::wstring MessageBoxTextOf(DWORD processId) {
    for (HWND window : test::TopLevelWindowsOf(processId)) {
        if (!IsWindowVisible(window) || ClassOf(window) != L"#32770") continue;
        wchar_t text[256]{};
        GetDlgItemTextW(window, 0xFFFF, text, 256);  // the static text of a message box
        return text;
    }
    return {};
}

// A shortcut at `link` that starts `target` with `arguments` in `folder`.
bool MakeShortcut(const std::wstring& link, const std::wstring& target, const std::wstring& arguments,
                  const std::wstring& folder) {
    const win32::ComApartment com;
    IShellLinkW* shortcut = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&shortcut)))) {
        return false;
    }
    IPersistFile* file = nullptr;
    bool saved = SUCCEEDED(shortcut->SetPath(target.c_str())) && SUCCEEDED(shortcut->SetArguments(arguments.c_str())) &&
                 SUCCEEDED(shortcut->SetWorkingDirectory(folder.c_str())) &&
                 SUCCEEDED(shortcut->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)));
    if (file != nullptr) {
        saved = saved && SUCCEEDED(file->Save(link.c_str(), TRUE));
        file->Release();
    }
    shortcut->Release();
    return saved;
}

// The screen's pixel there, as Windows shows it to everyone.
COLORREF ScreenPixel(POINT at) {
    const HDC screen = GetDC(nullptr);
    const COLORREF pixel = GetPixel(screen, at.x, at.y);
    ReleaseDC(nullptr, screen);
    return pixel;
}

// The screen x of each tab's centre on the menu's top bar: each caption
// is underlined in grey, the selected one in maroon.
std::vector<int> TabCentres(HWND menu) {
    RECT bounds{};
    GetWindowRect(menu, &bounds);
    const int width = bounds.right - bounds.left;
    BITMAPINFO format{};
    format.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -1, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const win32::GdiObject<HBITMAP> row(CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0));
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    const HGDIOBJ previous = SelectObject(memory, row.Get());
    // Unselected and selected tabs stand at different heights.
    std::vector<int> centres;
    for (int y = 28; y <= 42; ++y) {
        BitBlt(memory, 0, 0, width, 1, screen, bounds.left, bounds.top + y, SRCCOPY);
        GdiFlush();
        const auto* pixels = static_cast<const std::uint32_t*>(bits);
        int first = -1;
        for (int x = 0; x <= width; ++x) {
            const std::uint32_t colour = x < width ? pixels[x] & 0xFFFFFF : 0;
            if (colour == 0x808080 || colour == 0x800000) {
                if (first < 0) first = x;
            } else if (first >= 0) {
                const int centre = bounds.left + (first + x - 1) / 2;
                const bool known =
                    std::any_of(centres.begin(), centres.end(), [&](int c) { return std::abs(c - centre) < 8; });
                if (x - 1 - first >= 30 && !known) centres.push_back(centre);
                first = -1;
            }
        }
    }
    SelectObject(memory, previous);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    std::sort(centres.begin(), centres.end());
    return centres;
}

// A click at `at` in the window's client area.
void ClickIn(HWND window, POINT at) {
    const LPARAM click = MAKELPARAM(at.x, at.y);
    PostMessageW(window, WM_MOUSEMOVE, 0, click);
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, click);
    PostMessageW(window, WM_LBUTTONUP, 0, click);
}

void ClickOnScreen(POINT at) {
    const HWND window = WindowFromPoint(at);
    ScreenToClient(window, &at);
    ClickIn(window, at);
}

// The shown channel's page: it fills the menu below the top bar, and its
// frames are drawn by it, so the window low in the menu is the page.
HWND ChannelPageOf(HWND menu) {
    RECT bounds{};
    GetWindowRect(menu, &bounds);
    return WindowFromPoint({bounds.left + 300, bounds.bottom - 20});
}

bool WatchRuns() {
    const win32::ScopedHandle watch(OpenMutexW(SYNCHRONIZE, FALSE, kWatchMutexName));
    return static_cast<bool>(watch);
}

// The process of the menu that holds the marker now; 0 for none.
DWORD MarkedMenuProcess() {
    const std::optional<HWND> window = RunningInstanceWindow("Corvina2");
    DWORD process = 0;
    if (window && *window) GetWindowThreadProcessId(*window, &process);
    return process;
}

// A menu other than `ended`, started by the watch, with its window up; 0
// when none came.
DWORD WaitForRestartedMenu(DWORD ended) {
    DWORD process = 0;
    test::PumpUntil(kTimeoutMs, [&] {
        process = MarkedMenuProcess();
        if (process == 0 || process == ended) return false;
        for (HWND window : test::TopLevelWindowsOf(process)) {
            if (IsWindowVisible(window) && TitleOf(window) == L"Corvina") return true;
        }
        return false;
    });
    return process != ended ? process : 0;
}

void EndFromOutside(DWORD process) {
    const win32::ScopedHandle menu(OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, process));
    ASSERT_TRUE(menu);
    TerminateProcess(menu.Get(), 1);
    WaitForSingleObject(menu.Get(), kTimeoutMs);
}

class Corvina2Program : public ::testing::Test {
protected:
    // A watch left by a failed case lets its menu go, so that the next case
    // starts alone.
    void TearDown() override {
        if (!WatchRuns()) return;
        const win32::ScopedHandle exit(OpenEventW(EVENT_MODIFY_STATE, FALSE, kProperExitEventName));
        if (exit) SetEvent(exit.Get());
        if (const DWORD menu = MarkedMenuProcess()) EndFromOutside(menu);
        test::PumpUntil(kTimeoutMs, [] { return !WatchRuns(); });
    }

    void SetUp() override {
        ASSERT_FALSE(MarkerExists()) << "another Corvina2 runs in this Wine prefix";
        ASSERT_TRUE(CopyFileW(test::WinePath(CORVINA2_EXE).c_str(), Program().c_str(), FALSE));
        WriteFileBytes(cafe_.File("Menus.ini"), T(u8"[遊戲]\r\n甲=a.exe,,\r\n"));
    }

    std::wstring Program() const { return WideFromBig5(cafe_.File("Corvina2.exe")); }
    // A copy of the folder probe at `folder` (inside the café), which
    // reports its working folder to `folder` + "probe.exe.cwd" when started.
    void PlaceFolderProbe(const std::string& folder) const {
        ASSERT_TRUE(SHCreateDirectoryExW(nullptr, WideFromBig5(cafe_.File(folder)).c_str(), nullptr) == ERROR_SUCCESS);
        ASSERT_TRUE(CopyFileW(test::WinePath(FOLDER_PROBE_EXE).c_str(),
                              WideFromBig5(cafe_.File(folder + "\\probe.exe")).c_str(), FALSE));
    }
    // The working folder the probe at `folder` reported, without a trailing
    // backslash; empty until it has.
    std::wstring ProbeReport(const std::string& folder) const { return ProbeLine(folder, 0); }
    // The command line it was started with.
    std::wstring ProbeCommandLine(const std::string& folder) const { return ProbeLine(folder, 1); }

private:
    std::wstring ProbeLine(const std::string& folder, int line) const {
        const std::optional<std::string> bytes = ReadFileBytes(cafe_.File(folder + "\\probe.exe.cwd"));
        if (!bytes) return {};
        std::wstring text(bytes->size() / sizeof(wchar_t), L'\0');
        std::memcpy(text.data(), bytes->data(), text.size() * sizeof(wchar_t));
        const std::size_t feed = text.find(L'\n');
        return line == 0 ? text.substr(0, feed) : feed == std::wstring::npos ? L"" : text.substr(feed + 1);
    }

protected:
    // The administrator's log, in UTF-8; empty when there is none.
    std::string AdminLogText() const { return Utf8FromBig5(ReadFileBytes(cafe_.File("Corvina2.log")).value_or("")); }

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

// The main window's destruction gives the taskbar back through objects
// that must still be alive then, whichever way the run ends.
TEST_F(Corvina2Program, EveryWayOutShowsTheHiddenTaskbarAgain) {
    WriteFileBytes(cafe_.File("Params.ini"), "[Options]\r\nHideTaskBar=1\r\n");
    const test::ShownTaskbar taskbar;
    ASSERT_TRUE(taskbar.Visible()) << "the Wine prefix has no taskbar window";
    for (const WayOut way : {WayOut::ExitButton, WayOut::AltF4, WayOut::CloseMessage}) {
        test::ChildProcess program(Program(), L"");
        HWND menu = WaitForMenuWindow(program);
        ASSERT_NE(menu, nullptr) << NameOf(way);
        EXPECT_TRUE(test::PumpUntil(kTimeoutMs, [&] { return !taskbar.Visible(); })) << NameOf(way);

        TakeWayOut(menu, way);
        EXPECT_EQ(program.WaitForExit(kTimeoutMs), 0u) << NameOf(way);
        EXPECT_TRUE(taskbar.Visible()) << NameOf(way) << AdminLogText();
        if (!taskbar.Visible()) ShowWindow(taskbar.Window(), SW_SHOWNA);
    }
}

// A thread started from outside at an address where no code is: the
// program gets no switch or message of ours that could crash it.
TEST_F(Corvina2Program, ACrashOnAnyThreadGivesTheTaskbarBackAndLeavesALineAndADump) {
    WriteFileBytes(cafe_.File("Params.ini"), "[Options]\r\nHideTaskBar=1\r\n");
    const test::ShownTaskbar taskbar;
    test::ChildProcess program(Program(), L"");
    ASSERT_NE(WaitForMenuWindow(program), nullptr);
    ASSERT_TRUE(test::PumpUntil(kTimeoutMs, [&] { return !taskbar.Visible(); }));
    // A crash before the watch is up gets the menu's own dump.
    ASSERT_TRUE(test::PumpUntil(kTimeoutMs, [] {
        return static_cast<bool>(win32::ScopedHandle(OpenEventW(SYNCHRONIZE, FALSE, kCrashedEventName)));
    }));

    const win32::ScopedHandle process(OpenProcess(PROCESS_ALL_ACCESS, FALSE, program.Id()));
    ASSERT_TRUE(process);
    const win32::ScopedHandle thread(CreateRemoteThread(process.Get(), nullptr, 0,
                                                        reinterpret_cast<LPTHREAD_START_ROUTINE>(std::uintptr_t{0x10}),
                                                        nullptr, 0, nullptr));
    ASSERT_TRUE(thread);

    EXPECT_EQ(program.WaitForExit(kTimeoutMs), static_cast<DWORD>(EXCEPTION_ACCESS_VIOLATION));
    EXPECT_TRUE(test::PumpUntil(5000, [&] { return taskbar.Visible(); }));
    const std::string line = ReadFileBytes(cafe_.File("Corvina2.crash.txt")).value_or("");
    EXPECT_THAT(line, MatchesRegex("\\d\\d\\d\\d-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d "
                                   "exception C0000005 at 0000000000000010 in no module\r\n"));
    EXPECT_EQ(ReadFileBytes(cafe_.File("Corvina2.dmp")).value_or("").substr(0, 4), "MDMP");

    // Locked down, the watch wrote the dump from outside, brings the menu
    // back, and says so.
    const DWORD restarted = WaitForRestartedMenu(program.Id());
    EXPECT_NE(restarted, 0u);
    EXPECT_THAT(AdminLogText(), HasSubstr("（結束碼 0xC0000005），監看程式已將它的記憶體傾印寫入 Corvina2.dmp"));
}

// Restored when minimised, brought to the front otherwise: the menu, not
// the hidden application window that the marker names.
TEST_F(Corvina2Program, ASecondStartBringsTheRunningMenuToTheFront) {
    test::ChildProcess first(Program(), L"");
    HWND menu = WaitForMenuWindow(first);
    ASSERT_NE(menu, nullptr);
    HWND application = GetWindow(menu, GW_OWNER);

    const win32::OwnedWindow other = test::MakeTestWindow(L"in front");
    ShowWindow(other.Get(), SW_SHOWNORMAL);
    SetForegroundWindow(other.Get());
    ASSERT_TRUE(test::PumpUntil(kTimeoutMs, [&] { return GetForegroundWindow() == other.Get(); }));
    test::ChildProcess second(Program(), L"");
    EXPECT_EQ(second.WaitForExit(kTimeoutMs), 0u);
    EXPECT_TRUE(test::PumpUntil(kTimeoutMs, [&] { return GetForegroundWindow() == menu; }));

    SendMessageW(application, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(test::PumpUntil(kTimeoutMs, [&] { return IsIconic(application) && !IsWindowVisible(menu); }));
    test::ChildProcess third(Program(), L"");
    EXPECT_EQ(third.WaitForExit(kTimeoutMs), 0u);
    EXPECT_TRUE(test::PumpUntil(
        kTimeoutMs, [&] { return !IsIconic(application) && IsWindowVisible(menu) && GetForegroundWindow() == menu; }));
    PostMessageW(menu, WM_CLOSE, 0, 0);
    EXPECT_EQ(first.WaitForExit(kTimeoutMs), 0u);
}

// A read-only order log from an earlier session once stopped the start
// with an error and an empty menu.
TEST_F(Corvina2Program, AnOrderLogThatWillNotGoIsLoggedAndTheMenuStillStarts) {
    WriteFileBytes(cafe_.File("GoodsLog.Lst"), "1,old,2\r\n");
    SetFileAttributesW(WideFromBig5(cafe_.File("GoodsLog.Lst")).c_str(), FILE_ATTRIBUTE_READONLY);
    test::ChildProcess program(Program(), L"");
    HWND menu = WaitForMenuWindow(program);
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(test::PumpUntil(kTimeoutMs, [&] { return AdminLogText().find("GoodsLog.Lst") != std::string::npos; }));
    EXPECT_FALSE(ShowsADialog(program.Id()));
    PostMessageW(menu, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(kTimeoutMs), 0u);
    SetFileAttributesW(WideFromBig5(cafe_.File("GoodsLog.Lst")).c_str(), FILE_ATTRIBUTE_NORMAL);
}

// The update's copy went well but Corvina2.ini will not take the version:
// logged, and the menu starts with the new files.
TEST_F(Corvina2Program, AnUpdateWhoseVersionCannotBeStoredIsLoggedAndTheNewMenuShows) {
    test::TempFolder share;
    WriteFileBytes(share.File("Update.ini"), "[Options]\r\nRemote_Update=2\r\n");
    WriteFileBytes(share.File("Menus.ini"), T(u8"[新頻道]\r\n乙=b.exe,,\r\n"));
    const std::string local =
        "[Options]\r\nRemote_AutoUpdate=1\r\nRemote_iniPath=" + share.Path() + "\r\nRemote_Update=1\r\n";
    WriteFileBytes(cafe_.File("Corvina2.ini"), local);
    test::WriteLock lock(cafe_.File("Corvina2.ini"));

    test::ChildProcess program(Program(), L"");
    HWND menu = WaitForMenuWindow(program);
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(test::PumpUntil(kTimeoutMs, [&] { return AdminLogText().find("Corvina2.ini") != std::string::npos; }));
    EXPECT_FALSE(ShowsADialog(program.Id()));
    EXPECT_EQ(ReadFileBytes(cafe_.File("Menus.ini")), T(u8"[新頻道]\r\n乙=b.exe,,\r\n"));
    PostMessageW(menu, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(kTimeoutMs), 0u);
    lock.Release();
    EXPECT_EQ(ReadFileBytes(cafe_.File("Corvina2.ini")), local) << "the next start copies again";
}

// At log-on the menu starts in the system folder. It still finds its own
// files from its folder (a relative target, page picture and SubItemMAP),
// and each program it starts runs in the program's own folder.
TEST_F(Corvina2Program, StartedFromTheSystemFolderItFindsItsFilesAndStartsProgramsInTheirOwnFolders) {
    PlaceFolderProbe("Games\\A");
    PlaceFolderProbe("Games\\B");
    const Color teal = Color::Rgb(0, 128, 128);
    const Color purple = Color::Rgb(128, 0, 128);
    ASSERT_TRUE(CreateDirectoryW(WideFromBig5(cafe_.File("Backgrounds")).c_str(), nullptr));
    WriteFileBytes(cafe_.File("Backgrounds\\page.bmp"), test::SolidBmp(8, 8, teal));
    WriteFileBytes(cafe_.File("NoPic.bmp"), test::SolidBmp(8, 8, purple));
    WriteFileBytes(cafe_.File("Params.ini"),
                   "[Options]\r\nBackGroud=Backgrounds\\page.bmp\r\nSubItemMAP=NoPic.bmp\r\nHideDeskTop=1\r\n");
    WriteFileBytes(cafe_.File("Menus.ini"), T(u8"[遊戲]\r\n甲=") + cafe_.File("Games\\A\\probe.exe") + ",,\r\n" +
                                                T(u8"乙=Games\\B\\probe.exe,,\r\n"));
    wchar_t system[MAX_PATH]{};
    ASSERT_GT(GetSystemDirectoryW(system, MAX_PATH), 0u);

    test::ChildProcess program(Program(), L"", system);
    HWND menu = WaitForMenuWindow(program);
    ASSERT_NE(menu, nullptr);
    const HWND page = ChannelPageOf(menu);
    ASSERT_NE(page, nullptr);
    POINT origin{0, 0};
    ClientToScreen(page, &origin);
    const auto at = [&](int x, int y) { return POINT{origin.x + x, origin.y + y}; };
    // Below the first row of frames only the page's own picture shows; the
    // first picture button (10, 30, 208 x 140) shows the SubItemMAP ground.
    EXPECT_TRUE(test::PumpUntil(kTimeoutMs, [&] { return ScreenPixel(at(20, 300)) == RGB(0, 128, 128); }))
        << std::hex << ScreenPixel(at(20, 300));
    EXPECT_TRUE(test::PumpUntil(kTimeoutMs, [&] { return ScreenPixel(at(20, 40)) == RGB(128, 0, 128); }))
        << std::hex << ScreenPixel(at(20, 40));

    for (const int column : {0, 1}) {
        // The picture buttons of a row lie 253 pixels apart.
        ClickIn(page, {60 + 253 * column, 80});
    }
    for (const std::string folder : {"Games\\A", "Games\\B"}) {
        EXPECT_TRUE(test::PumpUntil(kTimeoutMs, [&] { return !ProbeReport(folder).empty(); })) << folder;
        EXPECT_EQ(_wcsicmp(ProbeReport(folder).c_str(), WideFromBig5(cafe_.File(folder)).c_str()), 0)
            << folder << " ran in " << Utf8FromBig5(Big5FromWide(ProbeReport(folder)));
    }
    EXPECT_TRUE(MessageBoxTextOf(program.Id()).empty()) << "no target went missing";
    PostMessageW(menu, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(kTimeoutMs), 0u);
}

// Arguments reach a game through a shortcut given as the target: the
// shortcut's own arguments and "Start in" folder count.
TEST_F(Corvina2Program, AShortcutAsTargetPassesItsArgumentsAndStartsInItsFolder) {
    PlaceFolderProbe("Games\\L");
    ASSERT_TRUE(CreateDirectoryW(WideFromBig5(cafe_.File("Links")).c_str(), nullptr));
    const std::wstring game = WideFromBig5(cafe_.File("Games\\L"));
    ASSERT_TRUE(
        MakeShortcut(WideFromBig5(cafe_.File("Links\\fast.lnk")), game + L"\\probe.exe", L"-fast -level 3", game));
    WriteFileBytes(cafe_.File("Params.ini"), "[Options]\r\nHideDeskTop=1\r\n");
    WriteFileBytes(cafe_.File("Menus.ini"), T(u8"[遊戲]\r\n甲=Links\\fast.lnk,,\r\n"));
    wchar_t system[MAX_PATH]{};
    ASSERT_GT(GetSystemDirectoryW(system, MAX_PATH), 0u);

    test::ChildProcess program(Program(), L"", system);
    HWND menu = WaitForMenuWindow(program);
    ASSERT_NE(menu, nullptr);
    ClickIn(ChannelPageOf(menu), {60, 80});
    EXPECT_TRUE(test::PumpUntil(kTimeoutMs, [&] { return !ProbeReport("Games\\L").empty(); }))
        << Utf8FromBig5(Big5FromWide(MessageBoxTextOf(program.Id())));
    EXPECT_EQ(_wcsicmp(ProbeReport("Games\\L").c_str(), game.c_str()), 0)
        << Utf8FromBig5(Big5FromWide(ProbeReport("Games\\L")));
    EXPECT_NE(ProbeCommandLine("Games\\L").find(L"-fast -level 3"), std::wstring::npos)
        << Utf8FromBig5(Big5FromWide(ProbeCommandLine("Games\\L")));
    PostMessageW(menu, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(kTimeoutMs), 0u);
}

// The first-run set-up writes what a running menu has read: "START" beside
// it says so and ends, and the running menu stays as it is.
TEST_F(Corvina2Program, StartWhileAMenuRunsAsksToCloseItFirst) {
    test::ChildProcess first(Program(), L"");
    HWND menu = WaitForMenuWindow(first);
    ASSERT_NE(menu, nullptr);

    test::ChildProcess setup(Program(), L"start");
    std::wstring text;
    ASSERT_TRUE(test::PumpUntil(kTimeoutMs, [&] { return !(text = MessageBoxTextOf(setup.Id())).empty(); }));
    EXPECT_NE(text.find(L"請先關閉執行中的選單"), std::wstring::npos) << Utf8FromBig5(Big5FromWide(text));
    for (HWND window : test::TopLevelWindowsOf(setup.Id())) {
        if (ClassOf(window) == L"#32770") PostMessageW(window, WM_COMMAND, IDOK, 0);
    }
    EXPECT_EQ(setup.WaitForExit(kTimeoutMs), 0u);
    EXPECT_FALSE(ReadFileBytes(cafe_.File("Corvina2.ini")).has_value()) << "no set-up ran";
    EXPECT_EQ(VisibleMenuWindowOf(first), menu);
    PostMessageW(menu, WM_CLOSE, 0, 0);
    EXPECT_EQ(first.WaitForExit(kTimeoutMs), 0u);
}

// Task Manager's End task, or any program's TerminateProcess.
TEST_F(Corvina2Program, ALockedDownMenuEndedFromOutsideComesBackThreeTimesThenWindowsIsGivenBack) {
    WriteFileBytes(cafe_.File("Params.ini"), "[Options]\r\nCanQuit=0\r\nHideTaskBar=1\r\n");
    const test::ShownTaskbar taskbar;
    test::ChildProcess program(Program(), L"");
    ASSERT_NE(WaitForMenuWindow(program), nullptr);
    ASSERT_TRUE(test::PumpUntil(kTimeoutMs, [] { return WatchRuns(); }));
    DWORD menu = program.Id();
    for (int restart = 1; restart <= 3; ++restart) {
        EndFromOutside(menu);
        const ULONGLONG ended = GetTickCount64();
        menu = WaitForRestartedMenu(menu);
        ASSERT_NE(menu, 0u) << "restart " << restart;
        std::printf("restart %d: the menu's window showed %llu ms after the kill\n", restart, GetTickCount64() - ended);
        EXPECT_TRUE(test::PumpUntil(kTimeoutMs, [&] { return !taskbar.Visible(); })) << restart;
    }
    EndFromOutside(menu);
    EXPECT_TRUE(test::PumpUntil(kTimeoutMs, [] { return !WatchRuns(); }));
    EXPECT_TRUE(test::PumpUntil(kTimeoutMs, [&] { return taskbar.Visible(); }));
    EXPECT_FALSE(MarkerExists());
    const std::string log = AdminLogText();
    std::size_t restarts = 0;
    for (std::size_t at = log.find("已重新啟動它"); at != std::string::npos; at = log.find("已重新啟動它", at + 1)) {
        ++restarts;
    }
    EXPECT_EQ(restarts, 3u) << log;
    EXPECT_NE(log.find("不再重新啟動"), std::string::npos) << log;
}

// Explorer's icon view in a process of its own, on Windows 10's layout:
// taken by the desktop page and given back as it was when the menu ends.
TEST_F(Corvina2Program, TheDesktopPageTakesTheShellsViewOfAnotherProcessAndGivesItBack) {
    test::ChildProcess shell(test::WinePath(SHELL_STAND_IN_EXE), L"workerw");
    HWND view = nullptr;
    ASSERT_TRUE(test::PumpUntil(kTimeoutMs, [&] {
        const HWND worker = FindWindowW(L"WorkerW", nullptr);
        view = worker ? FindWindowExW(worker, nullptr, L"SHELLDLL_DefView", nullptr) : nullptr;
        return view != nullptr;
    }));
    const HWND worker = GetAncestor(view, GA_PARENT);
    const LONG_PTR style = GetWindowLongPtrW(view, GWL_STYLE);
    RECT place{};
    GetWindowRect(view, &place);
    const auto givenBack = [&] {
        RECT now{};
        GetWindowRect(view, &now);
        return IsWindow(view) && GetAncestor(view, GA_PARENT) == worker &&
               GetWindowLongPtrW(view, GWL_STYLE) == style && EqualRect(&now, &place);
    };
    WriteFileBytes(cafe_.File("Params.ini"), "[Options]\r\nHideDeskTop=0\r\nHideTaskBar=1\r\n");
    const test::ShownTaskbar taskbar;

    // The menu of `process` with the desktop page shown and the view in it.
    const auto showDesktopPage = [&](DWORD process) -> HWND {
        HWND menu = nullptr;
        test::PumpUntil(kTimeoutMs, [&] {
            for (HWND window : test::TopLevelWindowsOf(process)) {
                if (IsWindowVisible(window) && TitleOf(window) == L"Corvina") menu = window;
            }
            return menu != nullptr;
        });
        std::vector<int> tabs;
        if (!menu || !test::PumpUntil(kTimeoutMs, [&] { return (tabs = TabCentres(menu)).size() == 2; })) {
            ADD_FAILURE() << "no menu with two tabs";
            return nullptr;
        }
        RECT bounds{};
        GetWindowRect(menu, &bounds);
        ClickOnScreen({tabs[0], bounds.top + 35});
        const bool taken = test::PumpUntil(kTimeoutMs, [&] {
            DWORD owner = 0;
            GetWindowThreadProcessId(GetAncestor(view, GA_PARENT), &owner);
            return owner == process;
        });
        EXPECT_TRUE(taken) << "the desktop page did not take the view";
        EXPECT_NE(GetWindowLongPtrW(view, GWL_STYLE) & WS_CHILD, 0);
        return menu;
    };

    test::ChildProcess program(Program(), L"");
    const HWND menu = showDesktopPage(program.Id());
    ASSERT_NE(menu, nullptr);
    PostMessageW(menu, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(kTimeoutMs), 0u);
    EXPECT_TRUE(test::PumpUntil(kTimeoutMs, givenBack)) << "after a proper exit";

    test::ChildProcess watched(Program(), L"");
    ASSERT_NE(showDesktopPage(watched.Id()), nullptr);
    ASSERT_TRUE(test::PumpUntil(kTimeoutMs, [] { return WatchRuns(); }));
    EndFromOutside(watched.Id());
    // Windows destroys a killed menu's windows and their children with
    // them, the shell's view among them (Wine does the same): the watch
    // gives back what is left, and starts the menu again.
    EXPECT_NE(WaitForRestartedMenu(watched.Id()), 0u);
    EXPECT_TRUE(test::PumpUntil(kTimeoutMs, [&] { return givenBack() || !IsWindow(view); }));
}

TEST_F(Corvina2Program, WithoutCanQuitAltF4IsIgnoredAndTheCafeClientsCloseIsAProperExit) {
    WriteFileBytes(cafe_.File("Params.ini"), "[Options]\r\nCanQuit=0\r\n");
    test::ChildProcess program(Program(), L"");
    HWND menu = WaitForMenuWindow(program);
    ASSERT_NE(menu, nullptr);
    ASSERT_TRUE(test::PumpUntil(kTimeoutMs, [] { return WatchRuns(); }));
    TakeWayOut(menu, WayOut::AltF4);
    PostMessageW(menu, WM_CLOSE, 0, 0);
    EXPECT_FALSE(program.WaitForExit(2000).has_value());

    TakeWayOut(menu, WayOut::CloseMessage);
    EXPECT_EQ(program.WaitForExit(kTimeoutMs), 0u);
    EXPECT_TRUE(test::PumpUntil(kTimeoutMs, [] { return !WatchRuns(); }));
    EXPECT_FALSE(MarkerExists());
    EXPECT_EQ(AdminLogText().find("重新啟動"), std::string::npos);
}

// A launcher that starts the game and ends at once: the play lasts as long
// as the game. The statistics folder is missing at first: the play waits
// in the spool and reaches the folder once, with the next, when it is back.
TEST_F(Corvina2Program, APlayLastsUntilTheLaunchersGameEndsAndWaitsForAMissingStatisticsFolder) {
    ASSERT_TRUE(SHCreateDirectoryExW(nullptr, WideFromBig5(cafe_.File("Games\\L")).c_str(), nullptr) == ERROR_SUCCESS);
    const Big5 launcher = cafe_.File("Games\\L\\launcher.exe");
    ASSERT_TRUE(CopyFileW(test::WinePath(LAUNCHER_PROBE_EXE).c_str(), WideFromBig5(launcher).c_str(), FALSE));
    const Big5 stats = cafe_.File("Stats");
    WriteFileBytes(cafe_.File("Params.ini"), "[Options]\r\nHideDeskTop=1\r\nStatsFolder=" + stats + "\r\n");
    WriteFileBytes(cafe_.File("Menus.ini"), T(u8"[遊戲]\r\n甲=Games\\L\\launcher.exe,,\r\n"));
    const Big5 spool = cafe_.File("StatsSpool.csv");
    const Big5 done = launcher + ".done";

    test::ChildProcess program(Program(), L"");
    HWND menu = WaitForMenuWindow(program);
    ASSERT_NE(menu, nullptr);
    const HWND page = ChannelPageOf(menu);
    ASSERT_NE(page, nullptr);
    const auto play = [&] {
        // Absent before the first play.
        static_cast<void>(DeleteFileAt(done));
        ClickIn(page, {60, 80});
        EXPECT_TRUE(test::PumpUntil(kTimeoutMs, [&] { return FileExists(done); })) << "the game ran";
    };
    // The plays' lines, without the byte-order mark and the header.
    const auto linesOf = [](const Big5& path) {
        std::vector<std::string> lines;
        std::string text = ReadFileBytes(path).value_or("");
        const std::string start = std::string(kUtf8ByteOrderMark) + std::string(PlayFileHeader());
        if (!text.starts_with(start)) return lines;
        text.erase(0, start.size());
        for (std::size_t end; (end = text.find("\r\n")) != std::string::npos; text.erase(0, end + 2)) {
            lines.push_back(text.substr(0, end));
        }
        return lines;
    };

    play();
    ASSERT_TRUE(test::PumpUntil(kTimeoutMs, [&] { return linesOf(spool).size() == 1; }));
    std::string why;
    const std::optional<Play> first = ParsePlayLine(linesOf(spool)[0], why);
    ASSERT_TRUE(first) << why;
    EXPECT_TRUE(first->end.has_value());
    EXPECT_GE(first->seconds, 3) << "the game's three seconds, not the launcher's moment\n" << AdminLogText();
    EXPECT_LT(first->seconds, 20);
    EXPECT_EQ(first->channel, "遊戲");
    EXPECT_EQ(first->item, "甲");
    EXPECT_EQ(first->target, Utf8FromBig5(launcher));
    EXPECT_EQ(first->pc, Utf8FromBig5(ComputerNameText()));

    // Only once the menu has found the folder missing does it come: made
    // sooner, the first delivery may find it and have nothing to report.
    ASSERT_TRUE(test::PumpUntil(kTimeoutMs, [&] {
        return AdminLogText().find("遊玩統計資料夾不存在") != std::string::npos;
    })) << AdminLogText();
    ASSERT_TRUE(CreateDirectoryW(WideFromBig5(stats).c_str(), nullptr));
    play();
    const Big5 month = stats + "\\" + Big5FromUtf8(PlayFileName(first->pc, first->start.year, first->start.month));
    ASSERT_TRUE(test::PumpUntil(kTimeoutMs, [&] { return linesOf(month).size() >= 2 && !FileExists(spool); }))
        << linesOf(month).size();
    PostMessageW(menu, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(kTimeoutMs), 0u);

    const std::vector<std::string> delivered = linesOf(month);
    ASSERT_EQ(delivered.size(), 2u) << "each play once";
    EXPECT_EQ(delivered[0] + "\r\n", PlayLine(*first)) << "the waiting play, as it waited";
    const std::optional<Play> second = ParsePlayLine(delivered[1], why);
    ASSERT_TRUE(second) << why;
    EXPECT_GE(second->seconds, 3);
    EXPECT_FALSE(FileExists(spool));
}

}  // namespace
}  // namespace corvina
