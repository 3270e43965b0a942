#pragma once
// What a windowed control last painted, kept so that showing it again (a
// page brought back in view) is one copy; only what changed since is
// painted again.

#include <windows.h>

#include <optional>

#include "sys/edge_rect.h"
#include "sys/win32/handles.h"
#include "ui/memory_dc.h"

namespace corvina::ui {

class KeptPaint {
public:
    // All of it is to be painted. Throws when there is no memory for it.
    KeptPaint(int width, int height);

    bool Fits(int width, int height) const { return width == width_ && height == height_; }
    HDC Dc() const { return dc_.Get(); }
    // `area` (all of it when null) no longer shows what it should.
    void Changed(const RECT* area);
    // The part to paint again before copying, once.
    std::optional<EdgeRect> TakeChanged();

private:
    // A section of its own, in the screen's 32 bits: copies convert
    // nothing, and its memory goes back to the system when it goes.
    win32::GdiObject<HBITMAP> bitmap_;
    MemoryDC dc_;  // after the bitmap: it lets go of it first
    int width_;
    int height_;
    // One rectangle around every change: a few changes between two paints
    // are near each other or few enough that painting the box costs little.
    EdgeRect changed_;
};

}  // namespace corvina::ui
