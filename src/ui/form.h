#pragma once
// A top-level window owned by the application window: creation, show,
// activation, close and destruction events, border styles, modal runs.
// Make forms with MakeForm or Application::CreateForm, so that the creation
// and destruction events see the whole derived form. A handler never frees
// its own form: it closes it, with CloseAction::Free when it must go.

#include <windows.h>

#include <functional>
#include <string_view>
#include <utility>

#include "ui/form_ptr.h"
#include "ui/win_control.h"

namespace corvina::ui {

enum class BorderStyle { None, Single, Sizeable, Dialog, ToolWindow };
enum class FormPosition { Default, ScreenCenter };
enum class CloseAction { None, Hide, Free, Minimize };
enum class ModalResult { None, Ok, Cancel, Abort, Retry, Ignore, Yes, No };

class Form : public WinControl {
public:
    using CloseEvent = std::function<void(Form& sender, CloseAction& action)>;
    using CloseQueryEvent = std::function<void(Form& sender, bool& canClose)>;

    // Hidden until shown; `className` names the window class (TfSmenu, ...).
    explicit Form(std::wstring_view className = L"CorvinaForm", ui::BorderStyle border = ui::BorderStyle::Sizeable);
    ~Form() override;

    Event OnCreate;
    Event OnShow;
    Event OnHide;
    Event OnActivate;
    Event OnDeactivate;
    CloseQueryEvent OnCloseQuery;
    CloseEvent OnClose;
    Event OnDestroy;

    Big5 Caption() const { return Text(); }
    void SetCaption(const Big5& caption) { SetText(caption); }
    ui::BorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(ui::BorderStyle style);
    void SetPosition(FormPosition position) { position_ = position; }
    // The outer size follows from the border style.
    void SetClientSize(int width, int height);

    // Shows the form without taking the activation from the active window
    // (wait and hint windows).
    void ShowInactive();

    // Asks OnCloseQuery, then OnClose decides: hide (the default), minimise,
    // free (forms the application owns) or nothing. Closing the main form
    // ends the application's loop; closing a modal form ends its run.
    void Close();
    virtual bool CloseQuery();

    // Runs until ModalResult is set or the form is closed, with the other
    // windows of the application disabled meanwhile.
    ui::ModalResult ShowModal();
    ui::ModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(ui::ModalResult result) { modalResult_ = result; }
    bool Modal() const { return modal_; }
    bool Active() const { return GetActiveWindow() == Handle(); }

    // Moves the focus to the next (or previous) tab stop.
    void SelectNext(bool backwards);

protected:
    // The derived forms' handlers call these first, then do their own work.
    virtual void DoCreate() { FireEvent(OnCreate); }
    virtual void DoShow() { FireEvent(OnShow); }
    virtual void DoHide() { FireEvent(OnHide); }
    virtual void DoActivate() { FireEvent(OnActivate); }
    virtual void DoDeactivate() { FireEvent(OnDeactivate); }
    virtual void DoClose(CloseAction& action);
    virtual void DoDestroy() { FireEvent(OnDestroy); }
    // WM_NCHITTEST, in screen coordinates.
    virtual LRESULT NonClientHitTest(int x, int y);

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void VisibleChanged() override;

private:
    friend struct FormDeleter;
    template <typename T, typename... Args>
    friend FormPtr<T> MakeForm(Args&&... args);

    void FireEvent(const Event& event);
    void Created();
    void Destroying();
    bool CloseModal();
    void PlaceOnShow();

    ui::BorderStyle borderStyle_ = ui::BorderStyle::Sizeable;
    FormPosition position_ = FormPosition::Default;
    ui::ModalResult modalResult_ = ui::ModalResult::None;
    bool modal_ = false;
    bool showInactive_ = false;
    HWND lastFocus_ = nullptr;
};

// The form a control sits on, or null.
Form* FormOf(Control& control);

// A close asked of the window from outside its own code: Alt+F4, the window
// menu's Close, or WM_CLOSE from any program.
constexpr bool IsOutsideCloseRequest(UINT message, WPARAM wParam) {
    return message == WM_CLOSE || (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE);
}

template <typename T, typename... Args>
FormPtr<T> MakeForm(Args&&... args) {
    FormPtr<T> form(std::make_unique<T>(std::forward<Args>(args)...).release());
    form->Created();
    return form;
}

}  // namespace corvina::ui
