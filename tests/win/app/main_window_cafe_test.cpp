// The main window as the café client meets it: the registry test at start,
// the handshake on activation, the ordering window on request, the close
// message, and a flood of commands that leaves nothing behind.

#include <windows.h>
// After windows.h, which it needs.
#include <psapi.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/main_window_fixture.h"
#include "cafe/fake_cafe_client.h"
#include "support/cafe_system_key.h"
#include "support/gdi_leak_check.h"
#include "support/message_box_answerer.h"
#include "support/recording_machine.h"
#include "support/temp_folder.h"
#include "sys/cafe_protocol.h"
#include "sys/files.h"
#include "sys/text.h"
#include "ui/timer.h"
#include "ui/ui_fixture.h"

namespace corvina {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::StartsWith;

class MainWindowCafe : public test::MainWindowTest {
protected:
    MainWindowCafe() { WriteCafeFile(u8"Menus.ini", u8"[遊戲]\r\n甲=a.exe,,\r\n"); }
};

TEST_F(MainWindowCafe, AMissingCafeSystemIsToldOnceAtStartAndOnlyThen) {
    {
        const test::CafeSystemKeyScope noKey(false);
        const ui::test::BoxAnswerer answerer(boxes_, IDOK);
        auto menu = Start();
        Pump();
        ASSERT_EQ(boxes_.size(), 1u);
        EXPECT_THAT(boxes_[0].text, StartsWith(L"用戶端未安裝 Vexel 網咖管理系統，無法提供點餐服務！\r\n"));
        // Nothing is switched off: the menu is built all the same.
        EXPECT_EQ(menu->Items().Count(), 1);
    }
    boxes_.clear();
    const ui::test::BoxAnswerer answerer(boxes_, IDOK);
    auto menu = Start();
    Pump();
    EXPECT_THAT(boxes_, IsEmpty());
}

TEST_F(MainWindowCafe, ActivationShakesHandsAndTheCloseMessageEndsTheRun) {
    test::FakeCafeClient client;
    auto menu = Start();
    app_.SetMainForm(menu.get());
    menu->Show();
    SetActiveWindow(menu->Handle());
    Pump();
    ASSERT_GE(client.events.size(), 2u);
    EXPECT_THAT(std::vector<std::string>(client.events.begin(), client.events.begin() + 2),
                ElementsAre("5024 lparam=" + std::to_string(reinterpret_cast<LPARAM>(menu->Handle())), "212:"));
    EXPECT_TRUE(menu->Cafe().Link().IsUp());

    // Answered at once, acted on from the queue.
    SendMessageW(menu->Handle(), kMsgCafeCloseMenu, 0, 0);
    EXPECT_FALSE(app_.Terminated());
    Pump();
    EXPECT_TRUE(app_.Terminated());
}

TEST_F(MainWindowCafe, TheOrderingWindowOpensOnTheClientsRequestAndClosesAtTheSessionsEnd) {
    WriteFileBytes(cafe_.File("Params.ini"), "[Options]\r\nSupport=0\r\n");
    auto menu = Start();
    EXPECT_TRUE(menu->B_intofoods().Enabled());
    // Started after the menu: found when it announces itself.
    test::FakeCafeClient client;
    SendMessageW(menu->Handle(), kMsgCafeAnnounce, 0, client.HandleParam());

    // Handled inside the ordering window's modal run.
    PostMessageW(menu->Handle(), kMsgCafeSessionEnd, 0, 0);
    SendMessageW(menu->Handle(), kMsgCafeOpenOrders, 0, 0);
    Pump();
    EXPECT_EQ(menu->Cafe().OrderWindowOpen(), nullptr);
    EXPECT_THAT(client.events, ::testing::Contains("209:"));
    EXPECT_THAT(errors_, IsEmpty());
}

bool Topmost(HWND window) { return (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

// A game in front: Windows refuses the menu the foreground, so the ordering
// window stays above the game until the customer activates it, and only
// then becomes an ordinary window again.
TEST_F(MainWindowCafe, ARefusedForegroundKeepsTheOrderingWindowOnTopUntilTheCustomerActivatesIt) {
    machine_.refuseForeground = true;
    test::FakeCafeClient client(L"not searched");
    auto menu = Start();
    SendMessageW(menu->Handle(), kMsgCafeAnnounce, 0, client.HandleParam());
    HWND order = nullptr;
    bool onTopWhenShown = false;
    bool onTopAfterAnotherActivation = false;
    bool onTopAfterTheCustomers = true;
    ui::Timer look(20, true);
    look.OnTimer = [&](ui::Timer& timer) {
        order = FindWindowW(L"TffoodsMenu", nullptr);
        if (order == nullptr || !IsWindowVisible(order)) return;
        timer.SetEnabled(false);
        onTopWhenShown = Topmost(order);
        // Activated inside this program while the game keeps the front.
        SendMessageW(order, WM_ACTIVATE, WA_ACTIVE, 0);
        onTopAfterAnotherActivation = Topmost(order);
        machine_.customerActivated = order;
        SendMessageW(order, WM_ACTIVATE, WA_CLICKACTIVE, 0);
        onTopAfterTheCustomers = Topmost(order);
        PostMessageW(menu->Handle(), kMsgCafeSessionEnd, 0, 0);
    };
    SendMessageW(menu->Handle(), kMsgCafeOpenOrders, 0, 0);
    Pump();
    ASSERT_NE(order, nullptr);
    EXPECT_THAT(machine_.foregroundAsked, ::testing::Contains(order));
    EXPECT_TRUE(onTopWhenShown);
    EXPECT_TRUE(onTopAfterAnotherActivation);
    EXPECT_FALSE(onTopAfterTheCustomers);
    EXPECT_EQ(menu->Cafe().OrderWindowOpen(), nullptr);

    // Granted, nothing is kept on top.
    machine_.refuseForeground = false;
    menu->Show();
    EXPECT_FALSE(Topmost(menu->Handle()));
    EXPECT_THAT(errors_, IsEmpty());
}

class MainWindowFlood : public test::NoGdiLeaks {};

SIZE_T PrivateBytes() {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters);
    return counters.PrivateUsage;
}

TEST_F(MainWindowFlood, TenThousandCommandsLeaveNoWindowsGdiObjectsOrMemoryBehind) {
    ui::Application app(T(u8"測試"));
    test::TempFolder cafe;
    WriteFileBytes(cafe.File("Menus.ini"), T(u8"[遊戲]\r\n甲=a.exe,,\r\n"));
    test::RecordingMachine machine;
    MenuSettings settings;
    auto menu = ui::MakeForm<TfSmenu>(machine, settings, StartupOptions{cafe.Path(), false});
    menu->Show();
    app.ProcessMessages();

    const long windows = win32::OwnedWindow::Live();
    const SIZE_T memory = PrivateBytes();
    const std::string texts[] = {"115:A01,tea,25", "121:1", "115", "0:x", "", "999:far", std::string(70000, '7')};
    for (std::size_t i = 0; i < 10000; ++i) {
        const std::string& text = texts[i % std::size(texts)];
        COPYDATASTRUCT block{0, static_cast<DWORD>(text.size() + 1), const_cast<char*>(text.c_str())};
        SendMessageW(menu->Handle(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&block));
    }
    app.ProcessMessages();
    EXPECT_EQ(win32::OwnedWindow::Live(), windows);
    EXPECT_LT(PrivateBytes(), memory + 1024 * 1024);
    EXPECT_TRUE(IsWindow(menu->Handle()));
}

}  // namespace
}  // namespace corvina
