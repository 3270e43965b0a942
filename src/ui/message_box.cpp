#include "ui/message_box.h"

#include <windows.h>

#include <string_view>
#include <utility>

#include "sys/text.h"
#include "sys/win32/handles.h"
#include "ui/application.h"
#include "ui/session_scope.h"

namespace corvina::ui {

namespace {

bool IsDialogClass(HWND window) {
    wchar_t name[8]{};
    // The class of the system's dialogs, message boxes among them.
    return GetClassNameW(window, name, 8) == 6 && std::wstring_view(name) == L"#32770";
}

int Box(const Big5& text, UINT type) {
    const Application* application = Application::Current();
    const HWND owner = application ? application->ActiveOwner() : nullptr;
    const Big5 caption = application ? application->Title() : Big5("Corvina2");
    return MessageBoxW(owner, WideFromBig5(text).c_str(), WideFromBig5(caption).c_str(), type);
}

struct HookTraits {
    using Type = HHOOK;
    static Type Empty() noexcept { return nullptr; }
    static bool IsEmpty(Type hook) noexcept { return hook == nullptr; }
    static void Close(Type hook) noexcept { UnhookWindowsHookEx(hook); }
};

// Where the box MessageBoxW is making on this thread goes. A hook
// procedure has no context of its own; the innermost session box being
// shown is the one to catch.
thread_local HWND* boxBeingMade = nullptr;

LRESULT CALLBACK CatchBox(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && boxBeingMade && *boxBeingMade == nullptr) {
        const auto window = reinterpret_cast<HWND>(wParam);
        if (IsDialogClass(window)) *boxBeingMade = window;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// A box of the customer's session: registered with it while it shows.
int SessionBox(const Big5& text, UINT type) {
    HWND box = nullptr;
    struct Making {
        HWND* outer;
        explicit Making(HWND* box) : outer(std::exchange(boxBeingMade, box)) {}
        ~Making() { boxBeingMade = outer; }
        Making(const Making&) = delete;
        Making& operator=(const Making&) = delete;
    } making(&box);
    const win32::UniqueHandle<HookTraits> hook(SetWindowsHookExW(WH_CBT, CatchBox, nullptr, GetCurrentThreadId()));
    const SessionWindow closer([&box] {
        if (box && IsWindow(box)) EndDialog(box, IDCANCEL);
    });
    return Box(text, type);
}

int Box(const Big5& text, UINT type, BoxOwner owner) {
    return owner == BoxOwner::Session ? SessionBox(text, type) : Box(text, type);
}

}  // namespace

void ShowError(const Big5& text, BoxOwner owner) { Box(text, MB_OK | MB_ICONERROR, owner); }

void ShowWarning(const Big5& text, BoxOwner owner) { Box(text, MB_OK | MB_ICONWARNING, owner); }

void ShowInformation(const Big5& text, BoxOwner owner) { Box(text, MB_OK | MB_ICONINFORMATION, owner); }

void ShowMessage(const Big5& text) { Box(text, MB_OK); }

bool AskYesNo(const Big5& text, BoxOwner owner) { return Box(text, MB_YESNO | MB_ICONQUESTION, owner) == IDYES; }

}  // namespace corvina::ui
