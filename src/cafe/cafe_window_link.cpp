#include "cafe/cafe_window_link.h"

#include <exception>
#include <utility>

#include "cafe/cafe_dispatch.h"
#include "cafe/cafe_protocol.h"
#include "orders/order_log_file.h"
#include "ui/application.h"
#include "ui/guard.h"

namespace corvina {

CafeWindowLink::CafeWindowLink(ui::Form& menu, Machine& machine, const MenuSettings& settings, Big5 programFolder,
                               unsigned sendTimeoutMs)
    : menu_(menu),
      machine_(machine),
      settings_(settings),
      programFolder_(std::move(programFolder)),
      port_(sendTimeoutMs),
      link_(port_) {}

CafeWindowLink::~CafeWindowLink() = default;

void CafeWindowLink::Activated() {
    const ConnectOutcome outcome = link_.Connect(reinterpret_cast<CafeWindow>(menu_.Handle()));
    if (outcome.openOrderWindow) ShowOrderWindow();
}

bool CafeWindowLink::HandleMessage(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
    result = 0;
    switch (message) {
        case kMsgCafeAnnounce:
            result = link_.Announced(lParam);
            return true;
        case kMsgCafeOpenOrders:
            ShowOrderWindow();
            return true;
        case kMsgCafeSessionEnd:
            SessionEnded();
            return true;
        case kMsgCafeCloseMenu:
            CloseMenu();
            return true;
        case WM_COPYDATA: {
            // A sender's block is read within cbData only; none at all is an empty text.
            const auto* block = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
            if (block != nullptr) ReceiveCafeCommand(block->lpData, block->cbData, orderWindow_.get());
            return true;
        }
        default:
            return false;
    }
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
    menu_.Invalidate();
    machine_.ShowTaskbar(!settings_.HideTaskBar);
}

void CafeWindowLink::CloseOrderWindow() {
    if (orderWindow_) orderWindow_->Close();
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
    if (closeConsumptionList_) closeConsumptionList_();
    CloseOrderWindow();
    if (failure) std::rethrow_exception(failure);
}

void CafeWindowLink::CloseMenu() {
    CloseOrderWindow();
    menu_.Close();
}

}  // namespace corvina
