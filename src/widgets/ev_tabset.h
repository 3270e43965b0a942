#pragma once
// A row of tabs drawn from bitmap pieces, windowless on its parent: the
// selected tab from the taller up set and its own font, the others from the
// down set, a line piece along the bottom after the last tab. It owns its
// seven pieces, its tab list and its selection font as values.

#include <functional>
#include <vector>

#include "sys/big5.h"
#include "sys/colors.h"
#include "ui/bitmap.h"
#include "ui/font.h"
#include "ui/graphic_control.h"
#include "widgets/tabset_layout.h"

namespace corvina {

class TEVTabset : public ui::GraphicControl {
public:
    // A handler that sets CanChange to false keeps the current tab.
    using TOnChangeEvent = std::function<void(ui::Control& sender, bool& CanChange, int NewTabindex)>;

    explicit TEVTabset(ui::WinControl& parent);

    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);

    const std::vector<Big5>& Tabs() const { return tabs_; }
    // Resets the index to -1 when empty, to 0 when it lies beyond the
    // last tab (through SetTabIndex, so OnChange runs).
    void SetTabs(const std::vector<Big5>& tabs);
    // Changes in place leave the index alone.
    void AddTab(const Big5& caption);
    void InsertTab(int index, const Big5& caption);

    const ui::Font& SelectFont() const { return selectFont_; }
    void SetSelectFont(const ui::Font& font);

    // -1 for none. With tabs, a value outside 0 ... count-1 throws
    // std::out_of_range "0<= Value <" + count and changes nothing; without
    // tabs any value is taken.
    int TabIndex() const { return tabIndex_; }
    void SetTabIndex(int value);

    int Select_Dist() const { return selectDist_; }
    void SetSelect_Dist(int dist);
    int UnSelect_Dist() const { return unSelectDist_; }
    void SetUnSelect_Dist(int dist);
    corvina::Color TransColor() const { return transColor_; }
    void SetTransColor(corvina::Color color);

    const ui::Bitmap& GlyphUP_L() const { return upL_; }
    void SetGlyphUP_L(const ui::Bitmap& piece) { TakePiece(upL_, piece); }
    const ui::Bitmap& GlyphUP_C() const { return upC_; }
    void SetGlyphUP_C(const ui::Bitmap& piece) { TakePiece(upC_, piece); }
    const ui::Bitmap& GlyphUP_R() const { return upR_; }
    void SetGlyphUP_R(const ui::Bitmap& piece) { TakePiece(upR_, piece); }
    const ui::Bitmap& GlyphDN_L() const { return dnL_; }
    void SetGlyphDN_L(const ui::Bitmap& piece) { TakePiece(dnL_, piece); }
    const ui::Bitmap& GlyphDN_C() const { return dnC_; }
    void SetGlyphDN_C(const ui::Bitmap& piece) { TakePiece(dnC_, piece); }
    const ui::Bitmap& GlyphDN_R() const { return dnR_; }
    void SetGlyphDN_R(const ui::Bitmap& piece) { TakePiece(dnR_, piece); }
    const ui::Bitmap& Glyph_Line() const { return line_; }
    void SetGlyph_Line(const ui::Bitmap& piece) { TakePiece(line_, piece); }

    TOnChangeEvent OnChange;

    // The tab under a point of the control by the last paint's widths and
    // heights, -1 for none.
    int TabAt(int x, int y) const;

    void Paint(ui::Canvas& canvas) override;
    void MouseDown(ui::MouseButton button, ui::ShiftState shift, int x, int y) override;

private:
    struct PieceRefs {
        ui::Bitmap& left;
        ui::Bitmap& centre;
        ui::Bitmap& right;
    };

    void TakePiece(ui::Bitmap& held, const ui::Bitmap& given);
    void TabsChanged();
    // Repaints tab i's column of the parent, up to the up height.
    void InvalidateTab(int index);
    PieceRefs UpPieces() { return {upL_, upC_, upR_}; }
    PieceRefs DownPieces() { return {dnL_, dnC_, dnR_}; }
    int PaintTab(ui::Canvas& canvas, int left, const Big5& caption, bool selected);
    void PaintPiece(ui::Canvas& canvas, const ui::Bitmap& piece, const PiecePlacement& at) const;
    void PaintLine(ui::Canvas& canvas, int from);

    bool transparent_ = false;
    std::vector<Big5> tabs_;
    ui::Font selectFont_;
    int tabIndex_ = 0;
    int selectDist_ = 5;
    int unSelectDist_ = 5;
    corvina::Color transColor_ = corvina::Color::Rgb(255, 255, 255);
    ui::Bitmap upL_;
    ui::Bitmap upC_;
    ui::Bitmap upR_;
    ui::Bitmap dnL_;
    ui::Bitmap dnC_;
    ui::Bitmap dnR_;
    ui::Bitmap line_;

    // Kept by painting, read by hit testing and tab invalidation.
    int upHeight_ = 0;
    int downHeight_ = 0;
    std::vector<int> tabWidths_;
};

}  // namespace corvina
