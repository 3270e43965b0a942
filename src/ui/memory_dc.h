#pragma once
// A memory DC with one bitmap selected for its lifetime. A bitmap can be
// selected into one DC at a time, so keep these short-lived.

#include <windows.h>

#include "sys/win32/dc_state.h"
#include "sys/win32/handles.h"

namespace corvina::ui {

class MemoryDC {
public:
    explicit MemoryDC(HBITMAP bitmap, HDC compatible = nullptr)
        : dc_(CreateCompatibleDC(compatible)), selected_(dc_.Get(), bitmap) {}
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;

    HDC Get() const { return dc_.Get(); }

private:
    win32::OwnedDC dc_;
    win32::SelectedObject selected_;
};

}  // namespace corvina::ui
