#pragma once
// A one-line system edit box.

#include "ui/native_control.h"

namespace corvina::ui {

class Edit : public NativeControl {
public:
    explicit Edit(WinControl& parent, const Big5& text = {});

    // In characters, as the edit counts; 0 is no limit.
    void SetMaxLength(int length);
    bool ReadOnly() const;
    void SetReadOnly(bool readOnly);
    void SelectAll();

    Event OnChange;

protected:
    Edit(WinControl& parent, DWORD style, const Rect& bounds, const Big5& text);
    void Command(WORD code) override;
};

}  // namespace corvina::ui
