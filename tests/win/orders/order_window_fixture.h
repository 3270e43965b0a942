#pragma once
// The ordering window in a temporary program folder, with the café
// client's commands, the home page and the machine recorded.

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "orders/foods_menu.h"
#include "support/recording_machine.h"
#include "support/temp_folder.h"
#include "sys/text.h"
#include "ui/ui_fixture.h"

namespace corvina::test {

struct SentCommand {
    std::int32_t number;
    std::string data;
    friend bool operator==(const SentCommand&, const SentCommand&) = default;
};

inline void PrintTo(const SentCommand& command, std::ostream* out) {
    *out << command.number << ":" << Utf8FromBig5(command.data);
}

class OrderWindowTest : public ui::test::UiTest {
protected:
    ui::FormPtr<TffoodsMenu> Open() {
        OrderWindowLinks links;
        links.sendCafeCommand = [this](std::int32_t number, std::string_view data) {
            sent_.push_back({number, std::string(data)});
            return delivered_;
        };
        links.openHomePage = [this] { ++homePages_; };
        links.sessionEndsArrived = [] { return std::uint64_t{0}; };
        links.writeAdminLog = [this](std::string_view text) { adminLog_.emplace_back(text); };
        return ui::MakeForm<TffoodsMenu>(machine_, settings_, folder_.Path(), entryGranted_, std::move(links));
    }

    // Handles messages, timers included, until `done` or the time is up.
    bool PumpUntil(const std::function<bool()>& done, int milliseconds = 2000) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
        while (!done()) {
            if (std::chrono::steady_clock::now() > end) return false;
            Pump();
            Sleep(2);
        }
        return true;
    }

    std::vector<std::int32_t> SentNumbers() const {
        std::vector<std::int32_t> numbers;
        for (const SentCommand& command : sent_) numbers.push_back(command.number);
        return numbers;
    }

    // The goods 7 可樂 35, 8 漢堡 50, 9 熱狗 40.
    static void OfferGoods(TffoodsMenu& window) {
        window.HandleOrderCommand(114, "");
        window.HandleOrderCommand(115, T(u8"7,可樂,35"));
        window.HandleOrderCommand(115, T(u8"8,漢堡,50"));
        window.HandleOrderCommand(115, T(u8"9,熱狗,40"));
    }

    // A press and a release of the left button on the centre of a cell.
    static void PressCell(TEvgrid& grid, int col, int row) {
        const EdgeRect rect = *grid.CellRect(col, row);
        ui::test::Press(grid.Handle(), (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    }
    static void ReleaseCell(TEvgrid& grid, int col, int row) {
        const EdgeRect rect = *grid.CellRect(col, row);
        ui::test::Release(grid.Handle(), (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    }
    static void ClickCell(TEvgrid& grid, int col, int row, int times = 1) {
        for (int i = 0; i < times; ++i) {
            PressCell(grid, col, row);
            ReleaseCell(grid, col, row);
        }
    }
    // A windowless button is clicked through the window it sits on.
    static void ClickButton(TEvBtn& button) {
        const HWND host = button.Parent()->Handle();
        const int x = button.Left() + button.Width() / 2;
        const int y = button.Top() + button.Height() / 2;
        ui::test::MoveTo(host, x, y);
        ui::test::ClickAt(host, x, y);
    }

    TempFolder folder_;
    RecordingMachine machine_;
    MenuSettings settings_;
    bool entryGranted_ = false;
    std::vector<SentCommand> sent_;
    // Whether the café client takes the commands sent.
    CafeDelivery delivered_ = CafeDelivery::Taken;
    std::vector<std::string> adminLog_;
    int homePages_ = 0;
};

}  // namespace corvina::test
