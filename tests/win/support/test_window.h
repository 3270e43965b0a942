#pragma once
// Plain top-level windows for tests that need a real window handle.

#include <windows.h>

#include "sys/win32/handles.h"

namespace corvina::test {

// Hidden until the test shows it.
win32::OwnedWindow MakeTestWindow(const wchar_t* title);
// A stand-in for another program's window, found by its class.
win32::OwnedWindow MakeWindowOfClass(const wchar_t* className, const wchar_t* title = L"");
// A shown child window of that class at `bounds` in `parent`.
win32::OwnedWindow MakeChildOfClass(const wchar_t* className, HWND parent, RECT bounds);

}  // namespace corvina::test
