#include "widgets/text_box.h"

#include <windows.h>

#include "widgets/popup_support.h"

namespace corvina {

namespace {

THintBoX*& TheTextBox() {
    static THintBoX* box = nullptr;
    return box;
}

}  // namespace

THintBoX::THintBoX(Point topLeft, const EdgeRect& anchor, const std::vector<Big5>& lines, const TextBoxStyle& style)
    : ui::Form(L"THintBoX", ui::BorderStyle::None), anchor_(anchor) {
    shape_ = &Add<ui::Shape>();
    shape_->SetAlign(ui::Align::Client);
    shape_->SetBrush({style.backColor, ui::BrushStyle::Solid});

    const Big5 text = TextBoxLabelText(lines);
    label_ = &Add<ui::Label>(text);
    label_->SetAlign(ui::Align::Client);
    label_->SetTransparent(true);
    label_->SetLayout(ui::TextLayout::Center);
    // A note is shown as written: "&" is no accelerator mark here.
    label_->SetShowAccelChar(false);
    const ui::Font font(ui::DefaultFontFace(), PixelHeightOfPoints(style.fontSize), ui::FontStyle::None,
                        style.textColor);
    label_->SetFont(font);

    const ScreenText measure(font);
    const Size size = TextBoxSize(lines, measure.WidthOf(), measure.Height(PopupEntryText(lines.front())));
    const Point at = KeepOnScreenRight(topLeft, size.width, GetSystemMetrics(SM_CXSCREEN));
    SetBounds({at.x, at.y, size.width, size.height});

    timer_.OnTimer = [this](ui::Timer&) { Timer1Timer(); };
}

void THintBoX::DoShow() {
    ui::Form::DoShow();
    timer_.SetEnabled(true);
}

void THintBoX::Timer1Timer() {
    if (TextBoxClosesOnTick(Active(), CursorOnScreen(), WindowEdges(Handle()), anchor_)) Finish();
}

void THintBoX::Finish() {
    if (!Modal() || ModalResult() != ui::ModalResult::None) return;
    timer_.SetEnabled(false);
    SetModalResult(ui::ModalResult::Cancel);
}

void ShowTextBox(Point topLeft, const EdgeRect& anchor, const std::vector<Big5>& lines, const TextBoxStyle& style) {
    if (lines.empty() || IsTextBoxOpen()) return;
    const ui::FormPtr<THintBoX> box = ui::MakeForm<THintBoX>(topLeft, anchor, lines, style);
    const OpenReference open(TheTextBox(), box.get());
    box->ShowModal();
}

bool IsTextBoxOpen() { return TheTextBox() != nullptr; }

}  // namespace corvina
