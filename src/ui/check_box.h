#pragma once
// A system check box; OnClick follows every change of Checked.

#include "ui/native_control.h"

namespace corvina::ui {

class CheckBox : public NativeControl {
public:
    explicit CheckBox(WinControl& parent, const Big5& caption = {});

    Big5 Caption() const { return Text(); }
    void SetCaption(const Big5& caption) { SetText(caption); }
    bool Checked() const;
    void SetChecked(bool checked);

    bool DialogChar(wchar_t key, bool alt) override;

protected:
    void Command(WORD code) override;
};

}  // namespace corvina::ui
