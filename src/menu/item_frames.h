#pragma once
// One menu item on its channel's page: the frame picture, the picture
// button that starts the item, the three small buttons and the caption.
// Every control is windowless and every built-in picture is shared, so a
// full menu stays far below the process's handle quotas.

#include <array>

#include "menu/frame_layout.h"
#include "sys/big5.h"
#include "ui/bitmap.h"
#include "ui/image.h"
#include "ui/label.h"
#include "widgets/ev_btn.h"
#include "widgets/ev_image_btn.h"

namespace corvina {

// The built-in pictures of one frame size, loaded once for the whole menu.
struct FramePictures {
    ui::Bitmap frame;
    std::array<ui::Bitmap, 3> glyph;  // by small button, top first
    std::array<ui::Bitmap, 3> glyphfocus;
};

FramePictures LoadFramePictures(FrameSize size);

struct ItemFrameEvents {
    ui::Control::Event onRun;        // the picture button's click
    ui::Control::Event onHover;      // the pointer onto a small button
    TEvBtn::TMouseOutEvent onLeave;  // and off it again
};

struct ItemFrame {
    ui::Image& frame;
    TEVImageBtn& picture;
    std::array<TEvBtn*, 3> buttons;
    ui::Label& caption;
};

// The controls of item `index` at `origin` of `page`, in the stacking
// order frame, picture button, small buttons, caption. The picture button
// shows nothing yet.
ItemFrame AddItemFrame(ui::WinControl& page, const FramePictures& pictures, FrameSize size, Point origin, int index,
                       const Big5& caption, const ItemFrameEvents& events);

// The ground of the generated picture of a button of `size` lying at
// `buttonInFrame` in the frame picture: the `background` file stretched, or
// else the frame's screen area under the button. A background that exists
// but cannot be read counts as none.
ui::Bitmap ItemPictureGround(const ui::Bitmap& framePicture, const Rect& buttonInFrame, const Big5& background);

// The button's picture for an item without one of its own: a copy of
// `ground` with the first icon of `iconFile` centred on it. Safe on any
// thread: `ground` is only read.
ui::Bitmap ComposeItemPicture(const ui::Bitmap& ground, const Big5& iconFile);

// Draws the first icon of `file` with its top-left corner at `at`; nothing
// when the file does not exist or has no icon.
void DrawFileIcon(const Big5& file, Point at, ui::Bitmap& bitmap);

}  // namespace corvina
