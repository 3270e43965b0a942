#pragma once
// Reading the clipboard's text with the clipboard and its memory held only
// while they are read: both are given back on every path, an exception
// included, or no other program could use the clipboard again.

#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>

namespace corvina::win32 {

// The clipboard, open for as long as this lives.
class OpenedClipboard {
public:
    explicit OpenedClipboard(HWND owner) noexcept : open_(OpenClipboard(owner) != FALSE) {}
    ~OpenedClipboard() {
        if (open_) CloseClipboard();
    }
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;

    explicit operator bool() const noexcept { return open_; }

private:
    bool open_;
};

// A global memory block locked for as long as this lives.
class LockedGlobal {
public:
    explicit LockedGlobal(HGLOBAL memory) noexcept
        : memory_(memory), data_(memory ? GlobalLock(memory) : nullptr), size_(data_ ? GlobalSize(memory) : 0) {}
    ~LockedGlobal() {
        if (data_) GlobalUnlock(memory_);
    }
    LockedGlobal(const LockedGlobal&) = delete;
    LockedGlobal& operator=(const LockedGlobal&) = delete;

    const void* Data() const noexcept { return data_; }
    std::size_t Size() const noexcept { return size_; }

private:
    HGLOBAL memory_;
    void* data_;
    std::size_t size_;
};

// The clipboard's Unicode text, up to its terminating zero or the end of
// its block when a program left it without one; nothing when the
// clipboard is busy or holds no text.
std::optional<std::wstring> ClipboardText(HWND owner);

}  // namespace corvina::win32
