#include "widgets/ev_tabset.h"

#include <cstddef>
#include <stdexcept>
#include <string>

#include "ui/canvas.h"
#include "ui/win_control.h"

namespace corvina {

namespace {

PieceSize SizeOf(const ui::Bitmap& piece) { return {piece.Width(), piece.Height()}; }

std::size_t Slot(int index) { return static_cast<std::size_t>(index); }

int CountOf(const std::vector<Big5>& tabs) { return static_cast<int>(tabs.size()); }

}  // namespace

TEVTabset::TEVTabset(ui::WinControl& parent) : GraphicControl(parent) { StoreBounds({0, 0, 100, 30}); }

// ---- properties ----

void TEVTabset::SetTransparent(bool transparent) {
    if (transparent == transparent_) return;
    transparent_ = transparent;
    Invalidate();
}

void TEVTabset::SetTabs(const std::vector<Big5>& tabs) {
    if (&tabs != &tabs_) tabs_ = tabs;
    TabsChanged();
    if (tabs_.empty()) {
        SetTabIndex(-1);
    } else if (tabIndex_ >= CountOf(tabs_)) {
        SetTabIndex(0);
    }
    // Every caption may have changed, whatever the index did.
    Invalidate();
}

void TEVTabset::AddTab(const Big5& caption) {
    tabs_.push_back(caption);
    TabsChanged();
    Invalidate();
}

void TEVTabset::InsertTab(int index, const Big5& caption) {
    if (index < 0 || index > CountOf(tabs_)) throw std::out_of_range("0<= Value <" + std::to_string(tabs_.size() + 1));
    tabs_.insert(tabs_.begin() + index, caption);
    TabsChanged();
    Invalidate();
}

void TEVTabset::TabsChanged() { tabWidths_.resize(tabs_.size()); }

void TEVTabset::SetSelectFont(const ui::Font& font) {
    if (&font != &selectFont_) selectFont_ = font;
    Invalidate();
}

void TEVTabset::SetTabIndex(int value) {
    if (value == tabIndex_) return;
    const int count = CountOf(tabs_);
    if (count > 0 && (value < 0 || value >= count)) throw std::out_of_range("0<= Value <" + std::to_string(count));
    bool canChange = true;
    if (OnChange) OnChange(*this, canChange, value);
    if (!canChange) return;
    if (value < 0) {
        Invalidate();
        tabIndex_ = -1;
        return;
    }
    InvalidateTab(tabIndex_);
    InvalidateTab(value);
    tabIndex_ = value;
}

void TEVTabset::SetSelect_Dist(int dist) {
    if (dist == selectDist_) return;
    selectDist_ = dist;
    Invalidate();
}

void TEVTabset::SetUnSelect_Dist(int dist) {
    if (dist == unSelectDist_) return;
    unSelectDist_ = dist;
    Invalidate();
}

void TEVTabset::SetTransColor(corvina::Color color) {
    if (color == transColor_) return;
    transColor_ = color;
    Invalidate();
}

void TEVTabset::TakePiece(ui::Bitmap& held, const ui::Bitmap& given) {
    if (&held == &given) return;
    held = given.ForDrawing();
    Invalidate();
}

// ---- hit testing ----

void TEVTabset::InvalidateTab(int index) {
    if (!Parent()) return;
    const EdgeRect area = TabArea(tabWidths_, CountOf(tabs_), index, Height(), upHeight_);
    if (area.Width() <= 0 || area.Height() <= 0) return;
    const EdgeRect onParent = OffsetRect(area, Left(), Top());
    const RECT rect{onParent.left, onParent.top, onParent.right, onParent.bottom};
    Parent()->InvalidateClient(&rect);
}

int TEVTabset::TabAt(int x, int y) const {
    return TabAtPoint(tabWidths_, CountOf(tabs_), tabIndex_, {Height(), upHeight_, downHeight_}, {x, y});
}

void TEVTabset::MouseDown(ui::MouseButton button, ui::ShiftState shift, int x, int y) {
    const bool plainLeft = button == ui::MouseButton::Left && shift.left && !shift.right && !shift.middle &&
                           !shift.shift && !shift.ctrl && !shift.alt;
    if (plainLeft) {
        const int tab = TabAt(x, y);
        if (tab >= 0) SetTabIndex(tab);
    }
    GraphicControl::MouseDown(button, shift, x, y);
}

// ---- painting ----

void TEVTabset::Paint(ui::Canvas& canvas) {
    if (!Visible()) return;
    canvas.SetCopyMode(SRCCOPY);
    canvas.SetBrushColor(Color());
    downHeight_ = PieceSetHeight({SizeOf(dnL_), SizeOf(dnC_), SizeOf(dnR_)});
    upHeight_ = PieceSetHeight({SizeOf(upL_), SizeOf(upC_), SizeOf(upR_)});
    if (!transparent_) canvas.FillRect({0, 0, Width(), Height()});

    tabWidths_.resize(tabs_.size());
    int x = 0;
    for (int i = 0; i < CountOf(tabs_); ++i) {
        const int width = PaintTab(canvas, x, tabs_[Slot(i)], i == tabIndex_);
        tabWidths_[Slot(i)] = width;
        x += width;
    }
    PaintLine(canvas, x);
}

int TEVTabset::PaintTab(ui::Canvas& canvas, int left, const Big5& caption, bool selected) {
    canvas.SetFont(selected ? selectFont_ : Font());
    const PieceRefs pieces = selected ? UpPieces() : DownPieces();
    for (ui::Bitmap* piece : {&pieces.left, &pieces.centre, &pieces.right}) {
        piece->SetTransparentColor(transColor_);
        piece->SetTransparent(true);
    }

    TabLayoutInput in;
    in.left = left;
    in.height = Height();
    in.pieces = {SizeOf(pieces.left), SizeOf(pieces.centre), SizeOf(pieces.right)};
    in.setHeight = selected ? upHeight_ : downHeight_;
    in.upHeight = upHeight_;
    in.downHeight = downHeight_;
    in.captionOffset = selected ? selectDist_ : unSelectDist_;
    in.captionWidth = caption.empty() ? 0 : canvas.TextWidth(caption);
    in.transparent = transparent_;
    const TabLayout layout = LayoutTab(in);

    for (const PiecePlacement& at : layout.pieces) {
        switch (at.piece) {
            case TabPiece::Left:
                PaintPiece(canvas, pieces.left, at);
                break;
            case TabPiece::Centre:
                PaintPiece(canvas, pieces.centre, at);
                break;
            case TabPiece::Right:
                PaintPiece(canvas, pieces.right, at);
                break;
        }
    }

    canvas.SetBrush({Color(), ui::BrushStyle::Clear});
    canvas.TextAt(layout.caption, caption);
    canvas.SetBrushColor(Color());
    return layout.width;
}

void TEVTabset::PaintPiece(ui::Canvas& canvas, const ui::Bitmap& piece, const PiecePlacement& at) const {
    // A tab switch repaints two tabs: the pieces of the others are skipped.
    if (!Overlaps(at.target, canvas.ClipBox())) return;
    if (transparent_) {
        canvas.Draw({at.target.left, at.target.top}, piece);
        return;
    }
    // The piece is marked transparent, yet an opaque tab set copies it whole.
    piece.DrawPart(canvas, {0, 0, at.sourceWidth, piece.Height()}, at.target);
}

void TEVTabset::PaintLine(ui::Canvas& canvas, int from) {
    if (line_.Empty()) return;
    line_.SetTransparent(false);
    const EdgeRect clip = canvas.ClipBox();
    for (const int left : LinePieceLefts(from, Width(), line_.Width())) {
        const EdgeRect at{left, Height() - line_.Height(), left + line_.Width(), Height()};
        if (Overlaps(at, clip)) line_.Draw(canvas, {at.left, at.top});
    }
}

}  // namespace corvina
