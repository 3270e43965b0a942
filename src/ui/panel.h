#pragma once
// A windowed container with an outer and an inner bevel, a border between
// them and a centred (or left/right) one-line caption.

#include "ui/label.h"
#include "ui/win_control.h"

namespace corvina::ui {

enum class BevelCut { None, Lowered, Raised };
// Single is a flat one-pixel line in the window-frame colour around the
// whole panel, outside its client area.
enum class PanelBorder { None, Single };

class Panel : public WinControl {
public:
    explicit Panel(WinControl& parent, const Big5& caption = {});

    Big5 Caption() const { return Text(); }
    void SetCaption(const Big5& caption) { SetText(caption); }
    TextAlign Alignment() const { return alignment_; }
    void SetAlignment(TextAlign alignment);
    void SetBevelOuter(BevelCut cut);
    void SetBevelInner(BevelCut cut);
    void SetBevelWidth(int width);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int width);
    PanelBorder BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(PanelBorder style);

protected:
    void Paint(Canvas& canvas) override;
    // Bevels, border and caption over whatever ground the panel has.
    void PaintFrame(Canvas& canvas);

private:
    TextAlign alignment_ = TextAlign::Center;
    BevelCut bevelOuter_ = BevelCut::Raised;
    BevelCut bevelInner_ = BevelCut::None;
    int bevelWidth_ = 1;
    int borderWidth_ = 0;
    PanelBorder borderStyle_ = PanelBorder::None;
};

}  // namespace corvina::ui
