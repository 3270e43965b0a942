#pragma once
// Drives the record store's windows while they run modally: a timer finds
// the shown `TfPSWD_Dlg` (or `TfRecordChooser`) of this thread and runs the
// next step on it, never while a message box is up. A window left open when
// the steps run out is cancelled, so that a test fails instead of hanging.

#include <windows.h>

#include <deque>
#include <functional>
#include <string>
#include <utility>

#include "records/pswd_dlg.h"
#include "records/record_chooser.h"
#include "support/message_box_answerer.h"
#include "ui/timer.h"

namespace corvina::test {

// A shown window of this thread of the class; null when there is none.
inline HWND ShownWindowOfClass(const std::wstring& className) {
    struct Search {
        const std::wstring& className;
        HWND found = nullptr;
    } search{className};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM param) {
            auto& wanted = *reinterpret_cast<Search*>(param);
            wchar_t name[64]{};
            GetClassNameW(window, name, 64);
            if (name != wanted.className || !IsWindowVisible(window)) return TRUE;
            wanted.found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

template <typename FormType>
FormType* ShownForm(const wchar_t* className) {
    return dynamic_cast<FormType*>(ui::WinControl::FromHandle(ShownWindowOfClass(className)));
}

// Keys as the keyboard gives them, one WM_CHAR each.
inline void TypeInto(ui::WinControl& field, const std::wstring& keys) {
    for (wchar_t key : keys) SendMessageW(field.Handle(), WM_CHAR, key, 0);
}

template <typename FormType>
class FormDriver {
public:
    using Step = std::function<void(FormType&)>;

    explicit FormDriver(const wchar_t* className) : className_(className), timer_(25) {
        timer_.OnTimer = [this](ui::Timer&) { Tick(); };
    }

    FormDriver& Then(Step step) {
        steps_.push_back(std::move(step));
        return *this;
    }
    bool RanOut() const { return ranOut_; }

private:
    void Tick() {
        if (busy_ || ui::test::DialogOfThisThread()) return;
        FormType* dialog = ShownForm<FormType>(className_);
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

    const wchar_t* className_;
    ui::Timer timer_;
    std::deque<Step> steps_;
    bool busy_ = false;
    bool ranOut_ = false;
};

struct RecordDialogDriver : FormDriver<TfPSWD_Dlg> {
    RecordDialogDriver() : FormDriver(L"TfPSWD_Dlg") {}
};
struct RecordChooserDriver : FormDriver<TfRecordChooser> {
    RecordChooserDriver() : FormDriver(L"TfRecordChooser") {}
};

// A key as the keyboard gives it to the focused control.
inline void PressKey(ui::WinControl& control, WORD key) {
    SendMessageW(control.Handle(), WM_KEYDOWN, key, 0);
    SendMessageW(control.Handle(), WM_KEYUP, key, 0);
}

}  // namespace corvina::test
