#pragma once
// The one application object of the process: the hidden window that owns
// every form (its handle is what the single-instance marker stores), the
// message loop, the main form, and the default error report.

#include <windows.h>

#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "sys/big5.h"
#include "sys/win32/handles.h"
#include "ui/font_face.h"
#include "ui/form_ptr.h"
#include "ui/session_scope.h"

namespace corvina::ui {

class Control;
class HintWindow;
class Timer;

class Application {
public:
    explicit Application(const Big5& title);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // The live application; throws when there is none.
    static Application& Instance();
    static Application* Current() noexcept;

    HWND Handle() const { return window_.Get(); }
    const Big5& Title() const { return title_; }
    void SetTitle(const Big5& title);

    // A form the application owns until it ends; the first one made this way
    // becomes the main form.
    template <typename T, typename... Args>
    T& CreateForm(Args&&... args) {
        FormPtr<T> form = MakeForm<T>(std::forward<Args>(args)...);
        T& created = *form;
        Own(FormPtr<Form>(std::move(form)));
        return created;
    }
    // Closing the main form ends Run.
    Form* MainForm() const { return mainForm_; }
    void SetMainForm(Form* form) { mainForm_ = form; }

    // Shows the main form and handles messages until the main form closes or
    // Terminate is called; returns at once when that happened before.
    void Run();
    // Handles the messages waiting now, once each.
    void ProcessMessages();
    // Waits for one message and handles it.
    void HandleMessage();
    void Terminate();
    bool Terminated() const { return terminated_; }
    // A live application is ending: whatever is still queued, or a box
    // answered after the end, must start nothing new.
    static bool Ending() noexcept;

    // The program's windows off the screen onto the taskbar, and back.
    // A restore from outside (the system menu, another start of the
    // program) comes back the same way, and so does an activation of the
    // hidden application window: it is passed on to the main form or the
    // window last active over it.
    void Minimize();
    void Restore();
    // How an activation passed on brings its window to the front; by
    // default SetForegroundWindow.
    std::function<void(HWND)> OnBringToFront;

    // The error report of exceptions that escape event handlers. Tests and
    // callers may replace it; by default ShowException.
    std::function<void(const std::exception&)> OnException;
    void HandleException(const std::exception& error) noexcept;
    // A message box with the error's text (Big5).
    void ShowException(const std::exception& error);

    // The faces fonts for Big5 text are made with on this PC.
    FontFaces& Faces() { return fontFaces_; }

    // How long the pointer rests on a control with ShowHint before its Hint
    // shows, in milliseconds.
    void SetHintPause(unsigned milliseconds) { hintPause_ = milliseconds; }
    // The hint window once one was needed.
    const HintWindow* Hint() const { return hint_.get(); }

    // The window message boxes belong to: the active form, else the
    // application window.
    HWND ActiveOwner() const;

    // A registered message the application window answers with a count of
    // the framework's live handles (wParam: one of LiveCount), so that a
    // long run can be watched from outside.
    enum class LiveCount : WPARAM { Windows = 0, GdiObjects = 1 };
    static UINT LiveCountsMessage();
    static long CountLive(LiveCount what) noexcept;

    // The customer's session: its windows and the work its end waits for.
    SessionScope& Session() { return session_; }

private:
    friend class Control;
    friend class Form;
    friend class MouseRouter;
    friend class Timer;
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    LRESULT HandleOwnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Dispatch(MSG& message);
    bool PreTranslate(const MSG& message);
    void Own(FormPtr<Form> form);
    // Frees an owned form once the current message is done.
    void ReleaseLater(Form& form);
    UINT_PTR StartTimer(Timer& timer, unsigned interval);
    void StopTimer(UINT_PTR id);
    // The pointer came to rest on a control (null: on none of ours).
    void PointerOn(Control* control);
    // A button went down: any hint goes.
    void PointerPressed();
    void Forget(const Control& control);
    void ShowPendingHint();
    // The main form, or the window last active over it, to the front.
    void PassActivationOn();

    Big5 title_;
    win32::OwnedWindow window_;
    std::vector<FormPtr<Form>> forms_;
    Form* mainForm_ = nullptr;
    bool terminated_ = false;
    bool minimized_ = false;
    std::map<UINT_PTR, Timer*> timers_;
    UINT_PTR nextTimer_ = 1;
    unsigned hintPause_ = 500;
    Control* hintControl_ = nullptr;
    std::unique_ptr<Timer> hintTimer_;
    std::unique_ptr<HintWindow> hint_;
    SessionScope session_;
    FontFaces fontFaces_;
};

}  // namespace corvina::ui
