#include "widgets/ev_page_control.h"

#include "ui/canvas.h"
#include "ui/frame3d.h"
#include "ui/window_style.h"
#include "widgets/page_control_layout.h"

namespace corvina {

namespace {

constexpr corvina::Color kButtonFace = corvina::Color::System(15);

Rect RectOf(const EdgeRect& r) { return {r.left, r.top, r.Width(), r.Height()}; }

}  // namespace

// ---------------------------------------------------------------- sheet

TEvTabSheet::TEvTabSheet(ui::WinControl& parent, const Big5& caption)
    : ui::WinControl(&parent, ContainerParams(caption)) {
    SetAlign(ui::Align::Client);
    ApplyFrame();
}

void TEvTabSheet::SetCaption(const Big5& caption) {
    if (caption == Caption()) return;
    SetText(caption);
    TabChanged();
}

void TEvTabSheet::SetTabVisible(bool visible) {
    if (visible == tabVisible_) return;
    tabVisible_ = visible;
    TabChanged();
}

void TEvTabSheet::TabChanged() {
    if (auto* control = dynamic_cast<TEvPageControl*>(Parent())) control->PagesChanged();
}

void TEvTabSheet::SetPicture(const ui::Picture& picture) {
    if (&picture == &picture_) return;
    picture_ = picture;
    Invalidate();
}

void TEvTabSheet::SetPictureStyle(TPictureStyle style) {
    if (style == pictureStyle_) return;
    pictureStyle_ = style;
    Invalidate();
}

void TEvTabSheet::SetPictureAlign(TPicAlignment align) {
    if (align == pictureAlign_) return;
    pictureAlign_ = align;
    if (pictureStyle_ == TPictureStyle::psOriginal) Invalidate();
}

void TEvTabSheet::SetBorderstyle(TBorderStyle style) {
    if (style == borderStyle_) return;
    borderStyle_ = style;
    ApplyFrame();
}

void TEvTabSheet::SetCtl3D(bool ctl3D) {
    if (ctl3D == ctl3D_) return;
    ctl3D_ = ctl3D;
    if (borderStyle_ == TBorderStyle::bsSingle) ApplyFrame();
}

void TEvTabSheet::SetBorderWidth(int width) {
    if (width == borderWidth_ || width < 0) return;
    borderWidth_ = width;
    Realign();
    Invalidate();
}

// A single border is a sunken client edge in the three-dimensional look,
// else a one-pixel line.
void TEvTabSheet::ApplyFrame() {
    const bool single = borderStyle_ == TBorderStyle::bsSingle;
    ui::ChangeWindowStyle(Handle(), {.clear = WS_BORDER,
                                     .set = single && !ctl3D_ ? DWORD{WS_BORDER} : DWORD{0},
                                     .exClear = WS_EX_CLIENTEDGE,
                                     .exSet = single && ctl3D_ ? DWORD{WS_EX_CLIENTEDGE} : DWORD{0}});
    Realign();
    Invalidate();
}

Rect TEvTabSheet::AlignArea() const {
    EdgeRect area{0, 0, ClientWidth(), ClientHeight()};
    ShrinkRect(area, borderWidth_);
    if (area.right < area.left) area.right = area.left;
    if (area.bottom < area.top) area.bottom = area.top;
    return RectOf(area);
}

void TEvTabSheet::Paint(ui::Canvas& canvas) {
    ui::WinControl::Paint(canvas);
    for (const SheetPictureDraw& draw : SheetPictureDraws(pictureStyle_, pictureAlign_, picture_.Width(),
                                                          picture_.Height(), ClientWidth(), ClientHeight())) {
        if (draw.stretched) {
            canvas.StretchDraw(draw.destination, picture_);
        } else {
            canvas.Draw({draw.destination.left, draw.destination.top}, picture_);
        }
    }
}

// ---------------------------------------------------------------- page control

TEvPageControl::TEvPageControl(ui::WinControl& parent) : ui::WinControl(&parent, ContainerParams()) {
    SetTabStop(true);
}

TEvTabSheet& TEvPageControl::AddPage(const Big5& caption) {
    TEvTabSheet& page = Add<TEvTabSheet>(caption);
    pages_.push_back(&page);
    page.SetVisible(false);
    if (activePage_ < 0) {
        SetActivePageIndex(0);
    } else {
        PagesChanged();
    }
    return page;
}

void TEvPageControl::SetActivePageIndex(int index) {
    if (index < -1 || index >= PageCount()) return;
    activePage_ = index;
    for (int i = 0; i < PageCount(); ++i) {
        if (i != index) Page(i).SetVisible(false);
    }
    if (index >= 0) Page(index).SetVisible(true);
    PagesChanged();
}

void TEvPageControl::SetTabsVisible(bool visible) {
    if (visible == tabsVisible_) return;
    tabsVisible_ = visible;
    for (TEvTabSheet* page : pages_) page->tabVisible_ = visible;
    PagesChanged();
}

void TEvPageControl::SetBorderstyle(TBorderStyle style) {
    if (style == borderStyle_) return;
    borderStyle_ = style;
    PagesChanged();
}

bool TEvPageControl::TabRowShown() const {
    if (!tabsVisible_) return false;
    for (const TEvTabSheet* page : pages_) {
        if (page->TabVisible()) return true;
    }
    return false;
}

EdgeRect TEvPageControl::PageRect() const {
    return PageArea(ClientWidth(), ClientHeight(), borderStyle_ == TBorderStyle::bsSingle, TabRowShown());
}

Rect TEvPageControl::AlignArea() const { return RectOf(PageRect()); }

void TEvPageControl::PagesChanged() {
    Realign();
    Invalidate();
}

std::vector<EdgeRect> TEvPageControl::TabBounds() const {
    std::vector<int> widths;
    if (!TabRowShown()) return std::vector<EdgeRect>(pages_.size());
    const win32::ReleasedDC dc = win32::ReleasedDC::Of(Handle());
    ui::Canvas measure(dc.Get());
    measure.SetFont(Font());
    for (const TEvTabSheet* page : pages_)
        widths.push_back(page->TabVisible() ? measure.TextWidth(page->Caption()) : -1);
    return TabRects(widths);
}

void TEvPageControl::MouseDown(ui::MouseButton button, ui::ShiftState shift, int x, int y) {
    ui::WinControl::MouseDown(button, shift, x, y);
    if (button != ui::MouseButton::Left) return;
    const std::vector<EdgeRect> tabs = TabBounds();
    const int index = TabAt(tabs, x, y);
    if (index < 0 || index == activePage_) return;
    SetActivePageIndex(index);
    if (OnChange) OnChange(*this);
}

void TEvPageControl::Paint(ui::Canvas& canvas) {
    ui::WinControl::Paint(canvas);
    const bool single = borderStyle_ == TBorderStyle::bsSingle;
    if (!pages_.empty() && single) {
        EdgeRect frame = PageRect();
        frame = {frame.left - kPageFrameWidth, frame.top - kPageFrameWidth, frame.right + kPageFrameWidth,
                 frame.bottom + kPageFrameWidth};
        // The pages' frame: a raised edge around a ground of button face.
        ui::Frame3D(canvas, frame, ui::kHighlight, ui::kShadow, 1);
        ui::Frame3D(canvas, frame, kButtonFace, kButtonFace, 1);
    }
    if (!TabRowShown()) return;
    canvas.SetFont(Font());
    const std::vector<EdgeRect> tabs = TabBounds();
    for (std::size_t i = 0; i < tabs.size(); ++i) {
        EdgeRect tab = tabs[i];
        if (tab.Width() <= 0) continue;
        const bool active = static_cast<int>(i) == activePage_;
        if (!active) tab.top += 2;
        canvas.SetBrushColor(kButtonFace);
        canvas.FillRect(tab);
        EdgeRect edge = tab;
        ui::Frame3D(canvas, edge, ui::kHighlight, ui::kShadow, 1);
        if (active) {
            // The active tab opens into its page.
            canvas.SetBrushColor(kButtonFace);
            canvas.FillRect({tab.left + 1, tab.bottom - 1, tab.right - 1, tab.bottom + kPageFrameWidth});
        }
        canvas.SetBrush({corvina::Color{}, ui::BrushStyle::Clear});
        canvas.TextRect(tab, pages_[i]->Caption(),
                        ui::TextFormat::SingleLine | ui::TextFormat::VCenter | ui::TextFormat::Center);
    }
}

}  // namespace corvina
