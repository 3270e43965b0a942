// The main window's start-up and shutdown, in this process: a café folder
// in a temporary folder, and a recording machine instead of the real one.

#include "app/main_window_fixture.h"

#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/message_box_answerer.h"
#include "support/processes.h"
#include "support/recording_machine.h"
#include "support/temp_folder.h"
#include "sys/cafe_protocol.h"
#include "sys/files.h"
#include "sys/text.h"
#include "ui/ui_fixture.h"
#include "widgets/wait_window.h"

namespace corvina {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

const std::vector<std::string_view> kAllSteps{"no entry yet", "first-run wizard", "loading window", "automatic update",
                                              "order log",    "menu settings",    "settings strip", "buttons",
                                              "taskbar",      "lock-down",        "screen choices", "strip place",
                                              "menu"};

using MainWindowStart = test::MainWindowTest;

TEST_F(MainWindowStart, StepsRunInOrderAndTheTaskbarComesBackAtTheEnd) {
    WriteCafeFile(u8"Params.ini", u8"[Options]\r\nHideTaskBar=1\r\n");
    WriteCafeFile(u8"Menus.ini", u8"[遊戲]\r\n甲=a.exe,,\r\n乙=b.exe,,\r\n[工具]\r\n丙=c.exe,,\r\n");
    WriteCafeFile(u8"GoodsLog.Lst", u8"old order\r\n");
    {
        auto menu = Start();
        EXPECT_EQ(menu->CompletedSteps(), kAllSteps);
        EXPECT_EQ(menu->Items().Count(), 3);
        EXPECT_EQ(menu->Items().Find(2)->Caption, T(u8"丙"));
        EXPECT_FALSE(FileExists(cafe_.File("GoodsLog.Lst")));
        EXPECT_EQ(ShownWaitText(), nullptr);
        EXPECT_THAT(machine_.calls, ElementsAre("ShowTaskbar(false)"));
        EXPECT_THAT(machine_.lockDown, ElementsAre("LockKeys(true)", "KeepMenuRunning(true)"));
    }
    EXPECT_THAT(machine_.calls, ElementsAre("ShowTaskbar(false)", "ShowTaskbar(true)"));
    // A proper exit: the keys come back and the watch lets the menu go.
    EXPECT_THAT(machine_.lockDown,
                ElementsAre("LockKeys(true)", "KeepMenuRunning(true)", "LockKeys(false)", "KeepMenuRunning(false)"));
    EXPECT_TRUE(errors_.empty());
}

TEST_F(MainWindowStart, TheCafeClientsMessagesComeInFromAnyIntegrityLevelOrTheRefusalIsLogged) {
    WriteCafeFile(u8"Menus.ini", u8"[遊戲]\r\n甲=a.exe,,\r\n");
    {
        auto menu = Start();
        std::vector<UINT> allowed;
        for (const auto& entry : machine_.messagesAllowed) {
            EXPECT_EQ(entry.window, menu->Handle());
            allowed.push_back(entry.message);
        }
        EXPECT_THAT(allowed, ::testing::UnorderedElementsAre(5024u, 5025u, 5026u, 5027u, UINT{WM_COPYDATA}));
        EXPECT_EQ(ReadFileBytes(menu->Log().Path()).value_or(""), "");
    }
    machine_.messagesAllowed.clear();
    machine_.allowMessages = false;
    auto menu = Start();
    EXPECT_EQ(machine_.messagesAllowed.size(), 5u);
    const Big5 log = ReadFileBytes(menu->Log().Path()).value_or("");
    EXPECT_THAT(log, HasSubstr("5025"));
    EXPECT_THAT(log, HasSubstr(T(u8"系統管理員")));
    EXPECT_EQ(menu->CompletedSteps(), kAllSteps);
}

TEST_F(MainWindowStart, WithoutLockDownNothingIsLockedOrWatched) {
    WriteCafeFile(u8"Menus.ini", u8"[遊戲]\r\n甲=a.exe,,\r\n");
    { auto menu = Start(); }
    // Only the proper exit is told, in case a watch of an earlier run waits.
    EXPECT_THAT(machine_.lockDown, ElementsAre("KeepMenuRunning(false)"));
}

// Alt+F4 reaches the window as the window menu's Close; any program may
// post WM_CLOSE to it or to the application's window.
void AskToClose(HWND menu, HWND application) {
    SendMessageW(menu, WM_SYSCOMMAND, SC_CLOSE, 0);
    SendMessageW(menu, WM_CLOSE, 0, 0);
    SendMessageW(application, WM_CLOSE, 0, 0);
}

TEST_F(MainWindowStart, WithoutCanQuitOnlyTheCafeClientEndsTheMenu) {
    WriteCafeFile(u8"Params.ini", u8"[Options]\r\nCanQuit=0\r\n");
    WriteCafeFile(u8"Menus.ini", u8"[遊戲]\r\n甲=a.exe,,\r\n");
    auto menu = Start();
    app_.SetMainForm(menu.get());
    EXPECT_THAT(machine_.lockDown, ElementsAre("KeepMenuRunning(true)"));
    AskToClose(menu->Handle(), app_.Handle());
    EXPECT_FALSE(app_.Terminated());
    // Windows ending the session is let through.
    EXPECT_EQ(SendMessageW(menu->Handle(), WM_QUERYENDSESSION, 0, 0), TRUE);
    SendMessageW(menu->Handle(), kMsgCafeCloseMenu, 0, 0);
    EXPECT_TRUE(test::PumpUntil(5000, [&] { return app_.Terminated(); }));
}

// Alt+F4 itself, through the window manager, is the real program's test.
TEST_F(MainWindowStart, WithCanQuitACloseFromOutsideEndsTheMenu) {
    WriteCafeFile(u8"Menus.ini", u8"[遊戲]\r\n甲=a.exe,,\r\n");
    auto menu = Start();
    app_.SetMainForm(menu.get());
    SendMessageW(menu->Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(app_.Terminated());
}

TEST_F(MainWindowStart, AMenuWithoutChannelsIsReportedAndEndsTheRun) {
    WriteCafeFile(u8"Menus.ini", u8"; nothing yet\r\n");
    {
        const ui::test::BoxAnswerer answerer(boxes_, IDOK);
        auto menu = Start();
        EXPECT_TRUE(app_.Terminated());
    }
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].text, L"未建資料，請先設定選單資料！");
    // However the run ends, the taskbar is given back.
    EXPECT_THAT(machine_.calls, ElementsAre("ShowTaskbar(true)"));
}

// Windows logs off: the keys come back and the watch lets the menu go.
TEST_F(MainWindowStart, TheSessionsEndIsAProperExit) {
    WriteCafeFile(u8"Params.ini", u8"[Options]\r\nHideTaskBar=1\r\nCanQuit=0\r\n");
    WriteCafeFile(u8"Menus.ini", u8"[遊戲]\r\n甲=a.exe,,\r\n");
    auto menu = Start();
    SendMessageW(menu->Handle(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_THAT(machine_.lockDown,
                ElementsAre("LockKeys(true)", "KeepMenuRunning(true)", "LockKeys(false)", "KeepMenuRunning(false)"));
}

// Held open by another program, the old order log can be neither deleted
// nor emptied: every step still runs, the administrator learns of it, and
// the ordering window never shows its lines as this session's.
TEST_F(MainWindowStart, AnOrderLogThatWillNotGoIsLoggedAndLeftOutAndTheMenuStillBuilds) {
    WriteCafeFile(u8"Menus.ini", u8"[遊戲]\r\n甲=a.exe,,\r\n");
    WriteCafeFile(u8"GoodsLog.Lst", u8"1,old order,2\r\n");
    const win32::ScopedHandle held(CreateFileW(WideFromBig5(cafe_.File("GoodsLog.Lst")).c_str(), GENERIC_READ,
                                               FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(held);
    auto menu = Start();
    EXPECT_EQ(menu->CompletedSteps(), kAllSteps);
    EXPECT_TRUE(errors_.empty());
    EXPECT_EQ(ShownWaitText(), nullptr);
    EXPECT_EQ(menu->Items().Count(), 1);
    EXPECT_THAT(Utf8FromBig5(ReadFileBytes(menu->Log().Path()).value_or("")), HasSubstr("GoodsLog.Lst"));
    EXPECT_EQ(menu->OrderLog().Read(), "");
}

TEST_F(MainWindowStart, AnUnreadablePageColourIsToldOnceAndTheMenuStillBuilds) {
    WriteCafeFile(u8"Params.ini", u8"[Options]\r\nBackGroudColor=clRedd\r\nBackGroudColor1=xyz\r\nCanQuit=0\r\n");
    WriteCafeFile(u8"Menus.ini", u8"[遊戲]\r\n甲=a.exe,,\r\n");
    const ui::test::BoxAnswerer answerer(boxes_, IDOK);
    auto menu = Start();
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_THAT(boxes_[0].text, HasSubstr(L"BackGroudColor=clRedd"));
    EXPECT_THAT(boxes_[0].text, HasSubstr(L"BackGroudColor1=xyz"));
    EXPECT_EQ(settings_.PageBackgrounds.size(), 2u);
    EXPECT_FALSE(settings_.CanQuit);
    EXPECT_EQ(menu->Items().Count(), 1);
}

TEST_F(MainWindowStart, ShownOverTheWorkAreaOrTheWholeScreenAndOffTheTaskbar) {
    WriteCafeFile(u8"Menus.ini", u8"[遊戲]\r\n甲=a.exe,,\r\n");
    auto menu = Start();
    menu->Show();
    Pump();
    RECT area{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    EXPECT_EQ(ui::test::ScreenBounds(menu->Handle()),
              (Rect{area.left, area.top, area.right - area.left, area.bottom - area.top}));
    EXPECT_FALSE(IsWindowVisible(app_.Handle()));
    // The bare surface lets the pointer through to what lies beneath.
    EXPECT_EQ(SendMessageW(menu->Handle(), WM_NCHITTEST, 0, 0), HTTRANSPARENT);

    menu->Hide();
    settings_.HideTaskBar = true;
    menu->Show();
    EXPECT_EQ(ui::test::ScreenBounds(menu->Handle()),
              (Rect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}));
}

}  // namespace
}  // namespace corvina
