#include "cafe/cafe_window_link.h"

#include <exception>
#include <utility>

#include "cafe/cafe_dispatch.h"
#include "settings/order_log_path.h"
#include "sys/cafe_protocol.h"
#include "sys/text.h"
#include "ui/application.h"
#include "ui/guard.h"
#include "ui/session_scope.h"

namespace corvina {

namespace {

// What may wait in the inbox: far beyond any real session, but a café
// client gone wild cannot fill the memory while the menu is busy.
constexpr std::size_t kMaxInboxBytes = 16 * 1024 * 1024;
constexpr std::size_t kReceivedOverhead = 64;

}  // namespace

CafeWindowLink::CafeWindowLink(ui::Form& menu, Machine& machine, const MenuSettings& settings, Big5 programFolder,
                               AdminLog& log, unsigned sendTimeoutMs)
    : menu_(menu),
      machine_(machine),
      settings_(settings),
      programFolder_(std::move(programFolder)),
      log_(log),
      port_(sendTimeoutMs),
      link_(port_) {}

CafeWindowLink::~CafeWindowLink() = default;

void CafeWindowLink::Activated() {
    const ConnectOutcome outcome = link_.Connect(reinterpret_cast<CafeWindow>(menu_.Handle()));
    if (outcome.clientFound && !outcome.answered) {
        log_.Write(T(u8"用戶端程式未回應交握訊息 5024，本次沒有連線"));
    }
    NoteLinkState();
    // After 212 has gone out. No send is waiting here, and the window's own
    // activations inside ShowOrderWindow must find it opening, not queue it
    // again.
    if (outcome.openOrderWindow) ShowOrderWindow();
}

bool CafeWindowLink::HandleMessage(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
    result = 0;
    switch (message) {
        case kMsgCafeAnnounce:
            // Answered here: it only sets the link up and confirms it.
            Announced(lParam, result);
            return true;
        case kMsgCafeOpenOrders:
        case kMsgCafeSessionEnd:
        case kMsgCafeCloseMenu:
            Receive({message, {}});
            return true;
        case WM_COPYDATA: {
            // The block is the sender's only until this handler returns: it
            // is read within cbData now, and none at all is an empty text.
            const auto* block = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
            if (block == nullptr) return true;
            std::optional<CafeCommand> command = ReadCafeCommand(block->lpData, block->cbData);
            if (command && RouteCafeCommand(command->number, true) != CafeCommandRoute::Ignored) {
                Receive({WM_COPYDATA, std::move(*command)});
            }
            return true;
        }
        case kCafeInboxMessage:
            WorkThroughInbox();
            return true;
        default:
            return false;
    }
}

void CafeWindowLink::Announced(LPARAM lParam, LRESULT& result) {
    const std::optional<std::intptr_t> accepted = link_.Announced(lParam);
    NoteLinkState();
    if (accepted) {
        result = *accepted;
        return;
    }
    // Only the café client may take the link; a stranger is told once.
    if (foreignAnnounceLogged_ == lParam) return;
    foreignAnnounceLogged_ = lParam;
    log_.Write(T(u8"略過訊息 5024：其視窗不是用戶端程式（TFCltMain／VexelDesk），連線維持原狀"));
}

void CafeWindowLink::NoteLinkState() {
    const bool up = link_.IsUp();
    if (up == linkWasUp_) return;
    linkWasUp_ = up;
    if (!up) {
        log_.Write(T(u8"與用戶端程式的連線中斷"));
        linkDownLogged_ = true;
    } else if (linkDownLogged_) {
        log_.Write(T(u8"與用戶端程式的連線恢復"));
        linkDownLogged_ = false;
    }
}

void CafeWindowLink::Receive(Received received) {
    if (received.message == kMsgCafeSessionEnd || received.message == kMsgCafeCloseMenu) ++sessionEndsArrived_;
    // A session message just like the one waiting last does nothing more:
    // a flood of them takes one place.
    if (received.message != WM_COPYDATA && !inbox_.empty() && inbox_.back().message == received.message) return;
    const std::size_t bytes = received.command.data.size() + kReceivedOverhead;
    // A session message is never dropped: it is small, and it ends things.
    if (received.message == WM_COPYDATA && inboxBytes_ + bytes > kMaxInboxBytes) {
        if (!inboxOverflowLogged_) log_.Write(T(u8"用戶端程式送來的訊息過多，來不及處理的已略過"));
        inboxOverflowLogged_ = true;
        return;
    }
    inbox_.push_back(std::move(received));
    inboxBytes_ += bytes;
    PostInbox();
}

void CafeWindowLink::PostInbox() {
    if (!inboxPosted_) inboxPosted_ = PostMessageW(menu_.Handle(), kCafeInboxMessage, 0, 0) != 0;
}

void CafeWindowLink::WorkThroughInbox() {
    // Messages arriving from here on need a post of their own: this run may
    // be held in a modal loop, which must then work through them.
    inboxPosted_ = false;
    while (!inbox_.empty() && !waitingForSessionWork_) {
        // Once the menu closes, nothing more is done for the café client.
        if (ui::Application::Ending()) {
            inbox_.clear();
            inboxBytes_ = 0;
            return;
        }
        if (inbox_.front().message == kMsgCafeOpenOrders && orderWindowClosing_) break;
        const Received received = std::move(inbox_.front());
        inbox_.pop_front();
        inboxBytes_ -= received.command.data.size() + kReceivedOverhead;
        // Work may hold this run in a modal loop: the messages behind it are
        // then worked through inside that loop.
        if (!inbox_.empty()) PostInbox();
        // One message that fails must not hold up those behind it.
        ui::Guarded([&] { Work(received); });
    }
    inboxOverflowLogged_ = false;
}

void CafeWindowLink::Work(const Received& received) {
    switch (received.message) {
        case kMsgCafeOpenOrders:
            ShowOrderWindow();
            break;
        case kMsgCafeSessionEnd:
            AfterSessionWork(&CafeWindowLink::SessionEnded);
            break;
        case kMsgCafeCloseMenu:
            AfterSessionWork(&CafeWindowLink::CloseMenu);
            break;
        default:
            DispatchCafeCommand(received.command, orderWindow_.get());
            break;
    }
}

void CafeWindowLink::AfterSessionWork(void (CafeWindowLink::*step)()) {
    ui::SessionScope* const scope = ui::CurrentSessionScope();
    if (!scope || !scope->WorkRunning()) {
        (this->*step)();
        return;
    }
    waitingForSessionWork_ = true;
    scope->WhenWorkDone([this, step] {
        waitingForSessionWork_ = false;
        // Run where the work ended: nothing may escape into it.
        ui::Guarded([&] { (this->*step)(); });
        if (!inbox_.empty()) PostInbox();
    });
}

CafeDelivery CafeWindowLink::Send(std::int32_t number, std::string_view data) {
    const CafeSendResult result = link_.Send(number, data);
    if (const std::optional<ConnectOutcome> retried = link_.TakeRetriedHandshake()) {
        if (retried->clientFound && !retried->answered) {
            log_.Write(T(u8"用戶端程式仍未回應再次交握的訊息 5024"));
        }
        // Worked through after this send, never inside it.
        if (retried->openOrderWindow) Receive({kMsgCafeOpenOrders, {}});
    }
    const Big5 fault = CafeSendFaultText(result, FormatCafeCommand(number, data));
    if (!fault.empty()) log_.Write(fault);
    NoteLinkState();
    return DeliveryOf(result);
}

void CafeWindowLink::ShowOrderWindow() {
    if (!orderWindowFactory_ || openingOrderWindow_) return;
    struct Opening {
        bool& flag;
        explicit Opening(bool& f) : flag(f) { flag = true; }
        ~Opening() { flag = false; }
        Opening(const Opening&) = delete;
        Opening& operator=(const Opening&) = delete;
    } opening(openingOrderWindow_);

    ui::Application& application = ui::Application::Instance();
    application.Minimize();
    application.Restore();
    if (orderWindow_) {
        orderWindow_->Reset();
        return;
    }
    // However the modal run ends, by closing or by an error, the window goes.
    struct Gone {
        CafeWindowLink& link;
        ~Gone() {
            ui::Guarded([this] { link.OrderWindowGone(); });
        }
    } gone{*this};
    orderWindow_ = orderWindowFactory_();
    if (!orderWindow_) return;
    openingOrderWindow_ = false;
    orderWindow_->ShowModal();
}

void CafeWindowLink::OrderWindowGone() {
    orderWindow_.reset();
    orderWindowClosing_ = false;
    // What waited for the window to go.
    if (!inbox_.empty()) PostInbox();
    menu_.Invalidate();
    machine_.ShowTaskbar(!settings_.HideTaskBar);
}

void CafeWindowLink::CloseOrderWindow() {
    if (!orderWindow_) return;
    orderWindowClosing_ = true;
    orderWindow_->Close();
}

void CafeWindowLink::SessionEnded() {
    // A log that will not go is reported, but the session's windows still close.
    std::exception_ptr failure;
    try {
        if (clearOrderLog_) {
            clearOrderLog_();
        } else {
            DeleteOrderLog(programFolder_);
        }
    } catch (...) {
        failure = std::current_exception();
    }
    entryGranted_ = false;
    CloseSessionWindows();
    if (closeConsumptionList_) closeConsumptionList_();
    CloseOrderWindow();
    if (failure) std::rethrow_exception(failure);
}

void CafeWindowLink::CloseMenu() {
    CloseSessionWindows();
    CloseOrderWindow();
    menu_.Close();
}

void CafeWindowLink::CloseSessionWindows() {
    // A question, notice or dialog still open was for the customer who has
    // gone; closed as cancelled, it starts nothing. The program's own boxes
    // and dialogs are not his.
    if (ui::SessionScope* const scope = ui::CurrentSessionScope()) scope->CloseWindows();
}

}  // namespace corvina
