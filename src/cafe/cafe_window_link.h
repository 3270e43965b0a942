#pragma once
// The main window's side of the café client link: the handshake on every
// activation, the four session messages and the command texts, the sending
// of commands, and the ordering window's life as the café client asks for
// it. Everything runs on the user-interface thread; the handlers may run
// modal loops in which further café messages arrive.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>

#include "app/settings.h"
#include "cafe/cafe_client_port_win32.h"
#include "cafe/cafe_link.h"
#include "cafe/order_window.h"
#include "sys/big5.h"
#include "sys/win32/machine.h"
#include "ui/form.h"

namespace corvina {

class CafeWindowLink {
public:
    // `menu` is the main window: it receives the café messages and is
    // closed by kMsgCafeCloseMenu.
    CafeWindowLink(ui::Form& menu, Machine& machine, const MenuSettings& settings, Big5 programFolder,
                   unsigned sendTimeoutMs = kCafeSendTimeoutMs);
    ~CafeWindowLink();
    CafeWindowLink(const CafeWindowLink&) = delete;
    CafeWindowLink& operator=(const CafeWindowLink&) = delete;

    // Until a factory is set, ShowOrderWindow does nothing.
    void SetOrderWindowFactory(OrderWindowFactory factory) { orderWindowFactory_ = std::move(factory); }
    // Closes the consumption list when it is open; called at a session's end.
    void SetConsumptionListCloser(std::function<void()> closer) { closeConsumptionList_ = std::move(closer); }
    // Clears the order log at a session's end; until one is set the log is
    // deleted, and a log that will not go is reported.
    void SetOrderLogClearer(std::function<void()> clearer) { clearOrderLog_ = std::move(clearer); }

    // ConnectCafeClient with the main window, on each of its activations.
    void Activated();
    // The main window's café messages; true when `message` was one, with
    // its result in `result`.
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // SendCafeCommand.
    void Send(std::int32_t number, std::string_view data) { link_.Send(number, data); }

    bool EntryGranted() const { return entryGranted_; }
    void SetEntryGranted(bool granted) { entryGranted_ = granted; }
    // For the ordering window, which grants entry on the café client's answer.
    bool& EntryGrantedFlag() { return entryGranted_; }

    // Brings the menu to the front and opens the ordering window modally, or
    // re-initialises it when it is open already.
    void ShowOrderWindow();
    // The ordering window while it exists.
    OrderWindow* OrderWindowOpen() const { return orderWindow_.get(); }
    const CafeLink& Link() const { return link_; }

private:
    void SessionEnded();
    void CloseMenu();
    void CloseOrderWindow();
    void OrderWindowGone();

    ui::Form& menu_;
    Machine& machine_;
    const MenuSettings& settings_;
    Big5 programFolder_;
    WindowsCafeClientPort port_;
    CafeLink link_;
    bool entryGranted_ = false;
    OrderWindowFactory orderWindowFactory_;
    std::function<void()> closeConsumptionList_;
    std::function<void()> clearOrderLog_;
    std::unique_ptr<OrderWindow> orderWindow_;
    // Between the start of ShowOrderWindow and the window's creation: an
    // activation inside that gap must not open a second window.
    bool openingOrderWindow_ = false;
};

}  // namespace corvina
