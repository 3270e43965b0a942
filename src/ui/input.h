#pragma once
// Mouse and keyboard state as the controls' events report it.

namespace corvina::ui {

enum class MouseButton { Left, Right, Middle };

struct ShiftState {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
    bool left = false;
    bool right = false;
    bool middle = false;
    bool doubleClick = false;
    friend bool operator==(const ShiftState&, const ShiftState&) = default;
};

enum class Cursor { Default, Arrow, Hand, IBeam, Wait, Cross, SizeAll, No };

}  // namespace corvina::ui
