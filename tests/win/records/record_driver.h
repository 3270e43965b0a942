#pragma once
// Drives the account dialog while it runs modally: a timer finds the
// shown `TfPSWD_Dlg` of this thread and runs the next step on it, never
// while a message box is up. A dialog left open when the steps run out is
// cancelled, so that a test fails instead of hanging.

#include <windows.h>

#include <deque>
#include <functional>
#include <string>
#include <utility>

#include "records/pswd_dlg.h"
#include "support/message_box_answerer.h"
#include "ui/timer.h"

namespace corvina::test {

inline TfPSWD_Dlg* ShownRecordDialog() {
    HWND found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM result) {
            wchar_t name[32]{};
            GetClassNameW(window, name, 32);
            if (std::wstring(name) != L"TfPSWD_Dlg" || !IsWindowVisible(window)) return TRUE;
            *reinterpret_cast<HWND*>(result) = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return dynamic_cast<TfPSWD_Dlg*>(ui::WinControl::FromHandle(found));
}

// Keys as the keyboard gives them, one WM_CHAR each.
inline void TypeInto(ui::WinControl& field, const std::wstring& keys) {
    for (wchar_t key : keys) SendMessageW(field.Handle(), WM_CHAR, key, 0);
}

class RecordDialogDriver {
public:
    using Step = std::function<void(TfPSWD_Dlg&)>;

    RecordDialogDriver() : timer_(25) {
        timer_.OnTimer = [this](ui::Timer&) { Tick(); };
    }

    RecordDialogDriver& Then(Step step) {
        steps_.push_back(std::move(step));
        return *this;
    }
    bool RanOut() const { return ranOut_; }

private:
    void Tick() {
        if (busy_ || ui::test::DialogOfThisThread()) return;
        TfPSWD_Dlg* dialog = ShownRecordDialog();
        if (!dialog) return;
        busy_ = true;
        if (steps_.empty()) {
            ranOut_ = true;
            dialog->B_CancelClick(dialog->B_Cancel);
        } else {
            const Step step = std::move(steps_.front());
            steps_.pop_front();
            step(*dialog);
        }
        busy_ = false;
    }

    ui::Timer timer_;
    std::deque<Step> steps_;
    bool busy_ = false;
    bool ranOut_ = false;
};

}  // namespace corvina::test
