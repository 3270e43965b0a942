#pragma once
// Our window classes, registered once per process on first use.

#include <windows.h>

#include <string>

namespace corvina::ui {

// The class of plain containers.
inline constexpr wchar_t kControlClass[] = L"CorvinaControl";

// Registers `name` with `procedure` unless done already; throws on failure.
void RegisterWindowClassOnce(const std::wstring& name, WNDPROC procedure);

}  // namespace corvina::ui
