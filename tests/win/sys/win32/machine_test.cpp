// The real machine's give-back after a crash, on the Wine prefix's own
// taskbar and a stand-in for the desktop icons' window; and the COM
// apartment of the user-interface thread.

#include "sys/win32/machine.h"

#include <windows.h>
// After windows.h, which it needs.
#include <objbase.h>

#include <gtest/gtest.h>

#include "support/processes.h"
#include "support/shown_taskbar.h"
#include "support/test_window.h"
#include "sys/win32/com_apartment.h"

namespace corvina {
namespace {

TEST(WindowsMachine, AfterACrashTheTakenWindowAndTheTaskbarComeBack) {
    const test::ShownTaskbar taskbar;
    ASSERT_TRUE(taskbar.Visible());
    const win32::OwnedWindow page = test::MakeTestWindow(L"desktop page");
    const win32::OwnedWindow desktop = test::MakeWindowOfClass(L"Progman", L"Program Manager");
    WindowsMachine machine;

    machine.ShowTaskbar(false);
    machine.SetWindowParent(desktop.Get(), page.Get());
    ASSERT_EQ(GetAncestor(desktop.Get(), GA_PARENT), page.Get());
    ASSERT_FALSE(taskbar.Visible());

    machine.GiveBackAfterCrash();
    EXPECT_EQ(GetAncestor(desktop.Get(), GA_PARENT), GetDesktopWindow());
    EXPECT_TRUE(test::PumpUntil(5000, [&] { return taskbar.Visible(); }));

    // Given back in the ordinary way first, it is not taken again.
    machine.SetWindowParent(desktop.Get(), page.Get());
    machine.SetWindowParent(desktop.Get(), nullptr);
    SetParent(desktop.Get(), page.Get());  // someone else's doing
    machine.GiveBackAfterCrash();
    EXPECT_EQ(GetAncestor(desktop.Get(), GA_PARENT), page.Get());
    SetParent(desktop.Get(), nullptr);
}

// Apartment-threaded while it lives: a request for the free-threaded kind
// is refused meanwhile, and granted again once it is gone.
TEST(ComApartment, TheThreadIsApartmentThreadedWhileItLives) {
    {
        const win32::ComApartment apartment;
        ASSERT_TRUE(apartment.Joined());
        EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), RPC_E_CHANGED_MODE);
        {
            const win32::ComApartment again;  // joining twice counts twice
            EXPECT_TRUE(again.Joined());
        }
        EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), RPC_E_CHANGED_MODE);
    }
    const HRESULT free = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    EXPECT_EQ(free, S_OK) << "left when it went";
    if (SUCCEEDED(free)) CoUninitialize();
}

}  // namespace
}  // namespace corvina
