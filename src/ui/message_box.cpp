#include "ui/message_box.h"

#include <windows.h>

#include <string_view>

#include "sys/text.h"
#include "ui/application.h"

namespace corvina::ui {

namespace {

int Box(const Big5& text, UINT type) {
    const Application* application = Application::Current();
    const HWND owner = application ? application->ActiveOwner() : nullptr;
    const Big5 caption = application ? application->Title() : Big5("Corvina2");
    return MessageBoxW(owner, WideFromBig5(text).c_str(), WideFromBig5(caption).c_str(), type);
}

}  // namespace

void ShowError(const Big5& text) { Box(text, MB_OK | MB_ICONERROR); }

void ShowWarning(const Big5& text) { Box(text, MB_OK | MB_ICONWARNING); }

void ShowInformation(const Big5& text) { Box(text, MB_OK | MB_ICONINFORMATION); }

void ShowMessage(const Big5& text) { Box(text, MB_OK); }

bool AskYesNo(const Big5& text) { return Box(text, MB_YESNO | MB_ICONQUESTION) == IDYES; }

void EndMessageBoxes() {
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM) -> BOOL {
            wchar_t name[8]{};
            // The class of the system's dialogs, message boxes among them.
            if (GetClassNameW(window, name, 8) == 6 && std::wstring_view(name) == L"#32770") {
                EndDialog(window, IDCANCEL);
            }
            return TRUE;
        },
        0);
}

}  // namespace corvina::ui
