#include "cafe/fake_cafe_client.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <utility>

#include "cafe/cafe_command.h"
#include "sys/cafe_protocol.h"

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

namespace {

constexpr UINT kRunJobs = WM_APP + 7;
// No wait here is without a deadline: a client thread that never comes up
// fails the test instead of hanging the whole run.
constexpr DWORD kThreadStartMs = 30000;
// Longer than any test that uses a hung client; its destructor ends it sooner.
constexpr DWORD kHungAtMostMs = 120000;

void AwaitThreadStart(HANDLE created) {
    if (WaitForSingleObject(created, kThreadStartMs) != WAIT_OBJECT_0) {
        ADD_FAILURE() << "the fake cafe client's thread did not make its window within " << kThreadStartMs << " ms";
    }
}

}  // namespace

ThreadedCafeClient::ThreadedCafeClient(OnCommand onCommand)
    : onCommand_(std::move(onCommand)), created_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
    thread_ = std::thread([this] {
        const HWND window = MakeClientWindow(L"VexelDesk");
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure));
        window_ = window;
        threadId_ = GetCurrentThreadId();
        SetEvent(created_.Get());
        MSG message{};
        while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
        DestroyWindow(window);
    });
    AwaitThreadStart(created_.Get());
}

ThreadedCafeClient::~ThreadedCafeClient() {
    PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
    thread_.join();
}

void ThreadedCafeClient::Run(std::function<void()> job) {
    {
        const std::lock_guard lock(mutex_);
        jobs_.push_back(std::move(job));
    }
    PostMessageW(window_, kRunJobs, 0, 0);
}

std::vector<std::string> ThreadedCafeClient::Events() const {
    const std::lock_guard lock(mutex_);
    return events_;
}

void ThreadedCafeClient::Record(std::string event) {
    const std::lock_guard lock(mutex_);
    events_.push_back(std::move(event));
}

bool ThreadedCafeClient::SendText(HWND menu, const std::string& text) {
    COPYDATASTRUCT block{};
    block.cbData = static_cast<DWORD>(text.size() + 1);
    block.lpData = const_cast<char*>(text.c_str());
    DWORD_PTR result = 0;
    const bool answered = SendMessageTimeoutW(menu, WM_COPYDATA, reinterpret_cast<WPARAM>(window_),
                                              reinterpret_cast<LPARAM>(&block), SMTO_NORMAL, 1000, &result) != 0;
    Record("sent " + text + (answered ? " -> ok" : " -> timeout"));
    return answered;
}

LRESULT CALLBACK ThreadedCafeClient::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    auto* self = reinterpret_cast<ThreadedCafeClient*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_COPYDATA) {
        const auto* block = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        const std::string text(TextFromBlock(block->lpData, block->cbData));
        self->Record(text);
        if (self->onCommand_) self->onCommand_(window, text);
        return TRUE;
    }
    if (message == kRunJobs) {
        std::vector<std::function<void()>> jobs;
        {
            const std::lock_guard lock(self->mutex_);
            jobs.swap(self->jobs_);
        }
        for (const auto& job : jobs) job();
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HungCafeClient::HungCafeClient()
    : created_(CreateEventW(nullptr, TRUE, FALSE, nullptr)), release_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
    thread_ = std::thread([this] {
        const HWND window = MakeClientWindow(L"VexelDesk");
        window_ = window;
        SetEvent(created_.Get());
        WaitForSingleObject(release_.Get(), kHungAtMostMs);
        DestroyWindow(window);
    });
    AwaitThreadStart(created_.Get());
}

HungCafeClient::~HungCafeClient() {
    SetEvent(release_.Get());
    thread_.join();
}

}  // namespace corvina::test
