#pragma once
// A system push button. A button with a modal result ends its form's modal
// run when clicked; "&x" in the caption clicks it from the keyboard.

#include "ui/form.h"
#include "ui/native_control.h"

namespace corvina::ui {

class Button : public NativeControl {
public:
    explicit Button(WinControl& parent, const Big5& caption = {});

    Big5 Caption() const { return Text(); }
    void SetCaption(const Big5& caption) { SetText(caption); }
    ui::ModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(ui::ModalResult result) { modalResult_ = result; }

    void Click() override;
    bool DialogChar(wchar_t key, bool alt) override;

protected:
    void Command(WORD code) override;

private:
    ui::ModalResult modalResult_ = ui::ModalResult::None;
};

}  // namespace corvina::ui
