#pragma once
// Scoped changes to a device context: each puts back what it replaced when
// it goes, so a drawing helper leaves the caller's DC as it found it.
// Declare the GDI object first and its selection after it: the selection
// ends before the object is deleted.

#include <windows.h>

namespace corvina::win32 {

class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) noexcept : dc_(dc), old_(SelectObject(dc, object)) {}
    ~SelectedObject() { SelectObject(dc_, old_); }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

class TextColorScope {
public:
    TextColorScope(HDC dc, COLORREF color) noexcept : dc_(dc), old_(SetTextColor(dc, color)) {}
    ~TextColorScope() { SetTextColor(dc_, old_); }
    TextColorScope(const TextColorScope&) = delete;
    TextColorScope& operator=(const TextColorScope&) = delete;

private:
    HDC dc_;
    COLORREF old_;
};

class BkColorScope {
public:
    BkColorScope(HDC dc, COLORREF color) noexcept : dc_(dc), old_(SetBkColor(dc, color)) {}
    ~BkColorScope() { SetBkColor(dc_, old_); }
    BkColorScope(const BkColorScope&) = delete;
    BkColorScope& operator=(const BkColorScope&) = delete;

private:
    HDC dc_;
    COLORREF old_;
};

class BkModeScope {
public:
    BkModeScope(HDC dc, int mode) noexcept : dc_(dc), old_(SetBkMode(dc, mode)) {}
    ~BkModeScope() { SetBkMode(dc_, old_); }
    BkModeScope(const BkModeScope&) = delete;
    BkModeScope& operator=(const BkModeScope&) = delete;

private:
    HDC dc_;
    int old_;
};

}  // namespace corvina::win32
