#pragma once
// A page control whose tabs and frame can be switched off altogether, and
// its pages, each with an optional background picture: the first-run
// wizard's steps are tab-less, borderless pages switched by its buttons.

#include <functional>
#include <vector>

#include "sys/big5.h"
#include "ui/picture.h"
#include "ui/win_control.h"
#include "widgets/sheet_picture_layout.h"

namespace corvina {

enum class TBorderStyle { bsNone, bsSingle };

class TEvPageControl;

class TEvTabSheet : public ui::WinControl {
public:
    TEvTabSheet(ui::WinControl& parent, const Big5& caption);

    Big5 Caption() const { return Text(); }
    void SetCaption(const Big5& caption);
    bool TabVisible() const { return tabVisible_; }
    void SetTabVisible(bool visible);

    const ui::Picture& Picture() const { return picture_; }
    // Takes a copy, unless it is the page's own picture.
    void SetPicture(const ui::Picture& picture);
    void SetPictureStyle(TPictureStyle style);
    void SetPictureAlign(TPicAlignment align);
    TBorderStyle Borderstyle() const { return borderStyle_; }
    void SetBorderstyle(TBorderStyle style);
    bool Ctl3D() const { return ctl3D_; }
    void SetCtl3D(bool ctl3D);
    // Room kept free inside the page around the aligned controls.
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int width);

protected:
    void Paint(ui::Canvas& canvas) override;
    Rect AlignArea() const override;

private:
    friend class TEvPageControl;  // sets every tab flag at once
    void ApplyFrame();
    void TabChanged();

    ui::Picture picture_;
    TPictureStyle pictureStyle_ = TPictureStyle::psOriginal;
    TPicAlignment pictureAlign_ = TPicAlignment::cLeft_Top;
    TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
    bool ctl3D_ = true;
    bool tabVisible_ = true;
    int borderWidth_ = 0;
};

class TEvPageControl : public ui::WinControl {
public:
    explicit TEvPageControl(ui::WinControl& parent);

    // A new page at the end; the first one becomes the active page.
    TEvTabSheet& AddPage(const Big5& caption);
    int PageCount() const { return static_cast<int>(pages_.size()); }
    TEvTabSheet& Page(int index) const { return *pages_.at(static_cast<std::size_t>(index)); }

    // -1 when there is no page.
    int ActivePageIndex() const { return activePage_; }
    // Shows that page alone; -1 shows none. Out-of-range indices are ignored.
    void SetActivePageIndex(int index);

    // Sets the tab flag of every page in the control now.
    void SetTabsVisible(bool visible);
    TBorderStyle Borderstyle() const { return borderStyle_; }
    void SetBorderstyle(TBorderStyle style);
    bool Ctl3D() const { return ctl3D_; }
    void SetCtl3D(bool ctl3D) { ctl3D_ = ctl3D; }

    // After the active page changed by a tab.
    Event OnChange;

    // Where the pages go, in client coordinates.
    EdgeRect PageRect() const;
    // The tab of each page, in client coordinates (empty when hidden).
    std::vector<EdgeRect> TabBounds() const;

    void MouseDown(ui::MouseButton button, ui::ShiftState shift, int x, int y) override;

protected:
    void Paint(ui::Canvas& canvas) override;
    Rect AlignArea() const override;

private:
    friend class TEvTabSheet;
    bool TabRowShown() const;
    void PagesChanged();

    std::vector<TEvTabSheet*> pages_;  // owned as children
    int activePage_ = -1;
    bool tabsVisible_ = true;
    TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
    bool ctl3D_ = true;
};

}  // namespace corvina
