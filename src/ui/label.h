#pragma once
// A windowless caption: alignment, vertical layout, word wrap, and a
// transparent mode that leaves the parent's look under the text. "&x" in
// the caption makes Alt+x (or x) focus the FocusControl.

#include <optional>

#include "ui/canvas_types.h"
#include "ui/font.h"
#include "ui/graphic_control.h"

namespace corvina::ui {

enum class TextAlign { Left, Right, Center };
enum class TextLayout { Top, Center, Bottom };

class Label : public GraphicControl {
public:
    explicit Label(WinControl& parent, const Big5& caption = {});

    const Big5& Caption() const { return caption_; }
    void SetCaption(const Big5& caption);
    TextAlign Alignment() const { return alignment_; }
    void SetAlignment(TextAlign alignment);
    TextLayout Layout() const { return layout_; }
    void SetLayout(TextLayout layout);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);
    void SetWordWrap(bool wordWrap);
    // Takes "&" literally when false.
    void SetShowAccelChar(bool show);
    void SetFocusControl(WinControl* control) { focusControl_ = control; }

    void Paint(Canvas& canvas) override;
    bool DialogChar(wchar_t key, bool alt) override;

private:
    // Where a centred or bottom text starts, measured once for what it
    // depends on: a page of captions would otherwise lay out each text
    // twice on every paint.
    struct TextTop {
        Big5 caption;
        ui::Font font;
        TextFormat format;
        TextLayout layout;
        int width;
        int height;
        int top;
    };
    int MeasuredTextTop(Canvas& canvas, const ui::Font& font, TextFormat format);

    std::optional<TextTop> textTop_;
    Big5 caption_;
    TextAlign alignment_ = TextAlign::Left;
    TextLayout layout_ = TextLayout::Top;
    bool transparent_ = false;
    bool wordWrap_ = false;
    bool showAccelChar_ = true;
    WinControl* focusControl_ = nullptr;
};

}  // namespace corvina::ui
