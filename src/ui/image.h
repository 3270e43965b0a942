#pragma once
// A windowless picture: at its own size from the corner or centred, or
// stretched over the control.

#include "ui/graphic_control.h"
#include "ui/picture.h"

namespace corvina::ui {

class Image : public GraphicControl {
public:
    explicit Image(WinControl& parent);

    const ui::Picture& Picture() const { return picture_; }
    void SetPicture(ui::Picture picture);
    void SetStretch(bool stretch);
    void SetCenter(bool center);

    void Paint(Canvas& canvas) override;

private:
    ui::Picture picture_;
    bool stretch_ = false;
    bool center_ = false;
};

}  // namespace corvina::ui
