#include "cafe/fake_cafe_client.h"

#include <stdexcept>

#include "cafe/cafe_command.h"
#include "cafe/cafe_protocol.h"

namespace corvina::test {

namespace {

const wchar_t* ClientClass() {
    static const bool registered = [] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"TFCltMain";
        return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    }();
    if (!registered) throw std::runtime_error("cannot register the café client's class");
    return L"TFCltMain";
}

HWND MakeClientWindow(const wchar_t* title) {
    const HWND window = CreateWindowExW(0, ClientClass(), title, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                        GetModuleHandleW(nullptr), nullptr);
    if (!window) throw std::runtime_error("cannot make a café client window");
    return window;
}

}  // namespace

FakeCafeClient::FakeCafeClient(const wchar_t* title) : window_(MakeClientWindow(title)) {
    SetWindowLongPtrW(Handle(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure));
}

LRESULT CALLBACK FakeCafeClient::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    auto* self = reinterpret_cast<FakeCafeClient*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return DefWindowProcW(window, message, wParam, lParam);
    LRESULT result = 0;
    if (message == kMsgCafeAnnounce) {
        self->events.push_back("5024 lparam=" + std::to_string(lParam));
        result = self->announceAnswer;
    } else if (message == WM_COPYDATA) {
        const auto* block = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        const std::string text(TextFromBlock(block->lpData, block->cbData));
        self->events.push_back(block->cbData == text.size() + 1 && wParam == 0 ? text : "cb!" + text);
        result = TRUE;
    } else {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (self->onMessage) self->onMessage(message);
    return result;
}

HungCafeClient::HungCafeClient()
    : created_(CreateEventW(nullptr, TRUE, FALSE, nullptr)), release_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
    thread_ = std::thread([this] {
        const HWND window = MakeClientWindow(L"VexelDesk");
        window_ = window;
        SetEvent(created_.Get());
        WaitForSingleObject(release_.Get(), INFINITE);
        DestroyWindow(window);
    });
    WaitForSingleObject(created_.Get(), INFINITE);
}

HungCafeClient::~HungCafeClient() {
    SetEvent(release_.Get());
    thread_.join();
}

}  // namespace corvina::test
