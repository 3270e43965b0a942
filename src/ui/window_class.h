#pragma once
// Our window classes, registered once per process on first use, and the
// one way a window of ours finds the object that answers its messages.

#include <windows.h>

#include <string>

namespace corvina::ui {

// The class of plain containers.
inline constexpr wchar_t kControlClass[] = L"CorvinaControl";

// Registers `name` with `procedure` unless done already; throws on failure.
void RegisterWindowClassOnce(const std::wstring& name, WNDPROC procedure);

// The object behind a window, kept as a window property of the given name
// (one name per kind of object, so a lookup never returns the wrong kind).
// A property rather than GWLP_USERDATA: a system class's own procedure may
// use the user data, and our controls subclass system classes too.
template <class T>
class WindowBinding {
public:
    explicit constexpr WindowBinding(const wchar_t* name) : name_(name) {}

    void Bind(HWND window, T* object) const { SetPropW(window, name_, object); }
    void Unbind(HWND window) const { RemovePropW(window, name_); }
    // Null for a window without one (or before WM_NCCREATE).
    T* Of(HWND window) const { return window ? static_cast<T*>(GetPropW(window, name_)) : nullptr; }
    // On WM_NCCREATE binds the object passed to CreateWindowExW, and
    // returns it; any other message changes nothing.
    T* BindOnCreate(HWND window, UINT message, LPARAM lParam) const {
        if (message != WM_NCCREATE) return nullptr;
        auto* object = static_cast<T*>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
        Bind(window, object);
        return object;
    }

private:
    const wchar_t* name_;
};

}  // namespace corvina::ui
