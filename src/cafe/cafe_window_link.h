#pragma once
// The main window's side of the café client link: the handshake on every
// activation, the four session messages and the command texts, the sending
// of commands, and the ordering window's life as the café client asks for
// it.
//
// Every message from the café client is answered at once: a command text
// is copied out of its block, the message joins the inbox, and the handler
// returns. The inbox is worked through in arrival order from a message the
// main window posts to itself. So the windows and boxes a message opens
// never run inside a send: not inside the café client's, which would wait
// on them, nor inside the menu's own, which a café client that answers from
// its handler would otherwise hold past its timeout. Working through one
// message may run a modal loop, inside which the later ones are worked
// through, as the café client expects.

#include <windows.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string_view>

#include "cafe/cafe_client_port_win32.h"
#include "cafe/cafe_command.h"
#include "cafe/cafe_link.h"
#include "cafe/order_window.h"
#include "settings/settings.h"
#include "sys/admin_log.h"
#include "sys/big5.h"
#include "sys/win32/machine.h"
#include "ui/form.h"

namespace corvina {

// Posted by the link to the main window: work through the inbox.
inline constexpr UINT kCafeInboxMessage = WM_APP + 0x13A;

class CafeWindowLink {
public:
    // `menu` is the main window: it receives the café messages and is
    // closed by kMsgCafeCloseMenu. Faults go to `log`.
    CafeWindowLink(ui::Form& menu, Machine& machine, const MenuSettings& settings, Big5 programFolder, AdminLog& log,
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
    // The main window's café messages and the inbox's; true when `message`
    // was one, with its result in `result`.
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // SendCafeCommand: whether the café client took the command, may have
    // it, or certainly does not. A try that failed goes to the
    // administrator's log, and so does the link going down or coming back.
    CafeDelivery Send(std::int32_t number, std::string_view data);
    // The session ends (5026) and closes (5027) received so far, counted on
    // arrival, before they are worked through: a purchase that is sending
    // stops at the next one.
    std::uint64_t SessionEndsArrived() const { return sessionEndsArrived_; }

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
    // A session message, or WM_COPYDATA with its command.
    struct Received {
        UINT message = 0;
        CafeCommand command;
    };

    void Receive(Received received);
    void PostInbox();
    void WorkThroughInbox();
    void Work(const Received& received);
    // The session's end waits for work that must not be cut (a record
    // copy); the messages behind it wait with it.
    void AfterSessionWork(void (CafeWindowLink::*step)());
    void SessionEnded();
    void CloseMenu();
    void CloseSessionWindows();
    void Announced(LPARAM lParam, LRESULT& result);
    void NoteLinkState();
    void CloseOrderWindow();
    void OrderWindowGone();

    ui::Form& menu_;
    Machine& machine_;
    const MenuSettings& settings_;
    Big5 programFolder_;
    AdminLog& log_;
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
    // Closed by the session's end but not gone yet: a new session's 5025
    // waits for a window of its own instead of resetting this one.
    bool orderWindowClosing_ = false;

    std::deque<Received> inbox_;
    std::size_t inboxBytes_ = 0;
    bool inboxPosted_ = false;
    bool inboxOverflowLogged_ = false;
    bool waitingForSessionWork_ = false;
    std::uint64_t sessionEndsArrived_ = 0;

    // What the administrator's log last heard of the link.
    bool linkWasUp_ = false;
    bool linkDownLogged_ = false;
    CafeWindow foreignAnnounceLogged_ = 0;
};

}  // namespace corvina
