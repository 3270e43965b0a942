// The desktop icons' window on stand-ins of the two shell layouts and of an
// older shell: the right window is found, taken as a child, and given back
// exactly as it was, in the ordinary way and after a crash.

#include "sys/win32/desktop_icons.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "support/test_window.h"
#include "sys/win32/machine.h"
#include "sys/win32/menu_watch_link.h"

namespace corvina {
namespace {

HWND ParentOf(HWND window) { return GetAncestor(window, GA_PARENT); }
LONG_PTR Style(HWND window) { return GetWindowLongPtrW(window, GWL_STYLE); }
LONG_PTR ExStyle(HWND window) { return GetWindowLongPtrW(window, GWL_EXSTYLE); }

RECT PlaceIn(HWND window, HWND parent) {
    RECT bounds{};
    GetWindowRect(window, &bounds);
    MapWindowPoints(nullptr, parent == GetDesktopWindow() ? nullptr : parent, reinterpret_cast<POINT*>(&bounds), 2);
    return bounds;
}

bool SameRect(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }

// What the window looks like where it lives.
struct Looks {
    HWND parent;
    LONG_PTR style;
    LONG_PTR exStyle;
    RECT place;
};
Looks LooksOf(HWND window) {
    const HWND parent = ParentOf(window);
    return {parent, Style(window), ExStyle(window), PlaceIn(window, parent)};
}
void ExpectSame(const Looks& now, const Looks& before) {
    EXPECT_EQ(now.parent, before.parent);
    EXPECT_EQ(now.style, before.style);
    EXPECT_EQ(now.exStyle, before.exStyle);
    EXPECT_TRUE(SameRect(now.place, before.place));
}

class DesktopIcons : public ::testing::Test {
protected:
    DesktopIcons() { ShowWindow(page_.Get(), SW_SHOWNA); }

    // Taken into the page as a child filling it, then given back by the
    // ordinary way and, taken again, by the crash handler's.
    void TakeAndGiveBack(HWND view) {
        const Looks before = LooksOf(view);
        WindowsMachine machine;
        for (const bool crash : {false, true}) {
            machine.SetWindowParent(view, page_.Get());
            EXPECT_EQ(ParentOf(view), page_.Get());
            EXPECT_NE(Style(view) & WS_CHILD, 0);
            EXPECT_EQ(Style(view) & WS_POPUP, 0);
            RECT area{};
            GetClientRect(page_.Get(), &area);
            EXPECT_TRUE(SameRect(PlaceIn(view, page_.Get()), area));
            if (crash) {
                machine.GiveBackAfterCrash();
            } else {
                machine.SetWindowParent(view, nullptr);
            }
            ExpectSame(LooksOf(view), before);
        }
    }

    const win32::OwnedWindow page_ = test::MakeTestWindow(L"desktop page");
};

// Windows 10 and 11 after a slideshow or Task View: Progman is empty and a
// WorkerW holds the icons.
TEST_F(DesktopIcons, TheViewUnderAWorkerWIsTakenNotTheEmptyProgman) {
    const win32::OwnedWindow progman = test::MakeWindowOfClass(L"Progman", L"Program Manager");
    const win32::OwnedWindow emptyWorker = test::MakeWindowOfClass(L"WorkerW");
    const win32::OwnedWindow worker = test::MakeWindowOfClass(L"WorkerW");
    const win32::OwnedWindow view = test::MakeChildOfClass(L"SHELLDLL_DefView", worker.Get(), {3, 5, 203, 125});
    ASSERT_EQ(FindDesktopIconsWindow(), view.Get());
    TakeAndGiveBack(view.Get());
}

TEST_F(DesktopIcons, TheViewUnderProgmanComesFirst) {
    const win32::OwnedWindow worker = test::MakeWindowOfClass(L"WorkerW");
    const win32::OwnedWindow elsewhere = test::MakeChildOfClass(L"SHELLDLL_DefView", worker.Get(), {0, 0, 50, 50});
    const win32::OwnedWindow progman = test::MakeWindowOfClass(L"Progman", L"Program Manager");
    const win32::OwnedWindow view = test::MakeChildOfClass(L"SHELLDLL_DefView", progman.Get(), {0, 0, 250, 150});
    ASSERT_EQ(FindDesktopIconsWindow(), view.Get());
    TakeAndGiveBack(view.Get());
}

// A top-level window taken whole (a shell without the view): a child while
// taken, top-level with its own styles again after.
TEST_F(DesktopIcons, ProgmanWithoutAViewIsTakenWholeAndBecomesTopLevelAgain) {
    const win32::OwnedWindow progman = test::MakeWindowOfClass(L"Progman", L"Program Manager");
    SetWindowLongPtrW(progman.Get(), GWL_STYLE, WS_POPUP | WS_CLIPCHILDREN);
    SetWindowPos(progman.Get(), nullptr, 10, 20, 300, 200, SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    ASSERT_EQ(FindDesktopIconsWindow(), progman.Get());
    TakeAndGiveBack(progman.Get());
    EXPECT_EQ(ParentOf(progman.Get()), GetDesktopWindow());
}

TEST_F(DesktopIcons, NoShellNoWindow) {
    if (FindWindowW(L"Progman", nullptr) != nullptr) GTEST_SKIP() << "a shell or a stand-in runs";
    EXPECT_EQ(FindDesktopIconsWindow(), nullptr);
}

// A killed menu cannot give the view back: its watch can, from what the
// menu published when it took it. Nothing is left to give back once the
// menu gave it back itself.
TEST_F(DesktopIcons, WhatTheMenuTookIsKnownToItsWatchUntilGivenBack) {
    const win32::OwnedWindow worker = test::MakeWindowOfClass(L"WorkerW");
    const win32::OwnedWindow view = test::MakeChildOfClass(L"SHELLDLL_DefView", worker.Get(), {3, 5, 203, 125});
    const Looks before = LooksOf(view.Get());
    TakenDesktopStore watch;
    WindowsMachine menu;
    menu.SetWindowParent(view.Get(), page_.Get());
    ASSERT_EQ(ParentOf(view.Get()), page_.Get());
    const std::optional<TakenWindow> taken = watch.Take();
    ASSERT_TRUE(taken.has_value());
    GiveBack(*taken);
    ExpectSame(LooksOf(view.Get()), before);
    EXPECT_FALSE(watch.Take().has_value()) << "read once";

    menu.SetWindowParent(view.Get(), page_.Get());
    menu.SetWindowParent(view.Get(), nullptr);
    EXPECT_FALSE(watch.Take().has_value());
    ExpectSame(LooksOf(view.Get()), before);
}

}  // namespace
}  // namespace corvina
