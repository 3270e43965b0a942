#include "widgets/popup_box.h"

#include <windows.h>

#include "ui/window_style.h"
#include "widgets/grid_popup.h"
#include "widgets/popup_support.h"

namespace corvina {

namespace {

TPopMenuBOX*& ThePopupBox() {
    static TPopMenuBOX* box = nullptr;
    return box;
}

// The panel's single border: a flat line, or the sunken 3-D edge.
void SetSingleBorder(ui::Panel& panel, bool border3D) {
    ui::ChangeWindowStyle(panel.Handle(),
                          border3D ? ui::StyleChange{.exSet = WS_EX_CLIENTEDGE} : ui::StyleChange{.set = WS_BORDER});
}

}  // namespace

TPopMenuBOX::TPopMenuBOX(Point topLeft, const EdgeRect& anchor, const std::vector<Big5>& entries,
                         const PopupBoxStyle& style)
    : ui::Form(L"TPopMenuBOX", ui::BorderStyle::None), anchor_(anchor) {
    panel_ = &Add<ui::Panel>();
    panel_->SetBevelOuter(ui::BevelCut::None);
    panel_->SetBevelInner(ui::BevelCut::None);
    panel_->SetColor(style.panelColor);
    panel_->SetBorderWidth(style.panelBorderWidth);
    SetSingleBorder(*panel_, style.border3D);
    panel_->SetAlign(ui::Align::Client);

    // The panel draws the border; the grid's own would cut the last row.
    grid_ = &panel_->Add<TEvgrid>();
    grid_->SetBorderSingle(false);
    grid_->SetScrollBars(TScrollStyle::ssNone);
    grid_->SetAlign(ui::Align::Client);
    const ui::Font font(style.fontName, PixelHeightOfPoints(style.fontSize), ui::FontStyle::None, style.textColor);
    grid_->SetFont(font);

    const ScreenText measure(font);
    const int heightOfF = measure.Height("F");
    const Size client = PopupBoxClientSize(entries, measure.WidthOf(), heightOfF, measure.Height(" "),
                                           style.panelBorderWidth, style.border3D);
    SetClientSize(client.width, client.height);
    const Point at = KeepOnScreenRight(topLeft, Width(), GetSystemMetrics(SM_CXSCREEN));
    SetBounds({at.x, at.y, Width(), Height()});

    grid_->ChangeModel([&](EvGridModel& model) {
        SetUpPopupGrid(model, entries, style, font, PopupRowHeight(heightOfF), grid_->ClientWidth());
    });
    grid_->OnKeyUp = [this](ui::Control&, WORD& key, ui::ShiftState) { GridKeyUp(key); };
    grid_->OnMouseUp = [this](ui::Control&, ui::MouseButton, ui::ShiftState shift, int, int) { GridMouseUp(shift); };
    grid_->OnMouseExit = [this](ui::Control&) { Finish(-1); };
    timer_.OnTimer = [this](ui::Timer&) { Timer1Timer(); };
}

void TPopMenuBOX::GridKeyUp(WORD key) {
    if (key == VK_RETURN) Finish(grid_->Row());
}

void TPopMenuBOX::GridMouseUp(ui::ShiftState shift) { Finish(PopupChoiceOnRelease(grid_->Row(), shift.right)); }

void TPopMenuBOX::DoShow() {
    ui::Form::DoShow();
    timer_.SetEnabled(true);
}

void TPopMenuBOX::Timer1Timer() {
    if (PopupBoxClosesOnTick(Active(), CursorOnScreen(), WindowEdges(Handle()), anchor_)) Finish(-1);
}

void TPopMenuBOX::Finish(int result) {
    if (!Modal() || ModalResult() != ui::ModalResult::None) return;
    timer_.SetEnabled(false);
    result_ = result;
    SetModalResult(result < 0 ? ui::ModalResult::Cancel : ui::ModalResult::Ok);
}

int ShowPopupBox(Point topLeft, const EdgeRect& anchor, const std::vector<Big5>& entries, const PopupBoxStyle& style) {
    if (entries.empty() || IsPopupBoxOpen()) return -1;
    const ui::FormPtr<TPopMenuBOX> box = ui::MakeForm<TPopMenuBOX>(topLeft, anchor, entries, style);
    const OpenReference open(ThePopupBox(), box.get());
    box->ShowModal();
    return box->Result();
}

bool IsPopupBoxOpen() { return ThePopupBox() != nullptr; }

}  // namespace corvina
