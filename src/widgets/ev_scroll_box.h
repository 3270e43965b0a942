#pragma once
// A container whose children scroll: a bar appears on a side when the
// children reach beyond the client area there, both bars track (the content
// follows the thumb while it is dragged), and the wallpaper moves with the
// content.

#include <windows.h>

#include "ui/win_control.h"
#include "widgets/panel_wallpaper.h"

namespace corvina {

class TEVScrollBox : public ui::WinControl {
public:
    explicit TEVScrollBox(ui::WinControl& parent);

    const TPanelWallpaper& Wallpaper() const { return wallpaper_; }
    TPanelWallpaper& Wallpaper() { return wallpaper_; }
    void SetWallpaper(const TPanelWallpaper& wallpaper);

    // How far the content is scrolled; 0 while the bar is hidden.
    int HorzPosition() const { return horz_.position; }
    int VertPosition() const { return vert_.position; }
    // Clamped to what the content allows.
    void SetHorzPosition(int position);
    void SetVertPosition(int position);
    bool HorzBarVisible() const;
    bool VertBarVisible() const;
    // The content's extent: the furthest right and bottom edges of the
    // visible children, as if unscrolled.
    int HorzRange() const { return horz_.range; }
    int VertRange() const { return vert_.range; }

    // After the content moved.
    Event OnScroll;

    // While an update is open, added children leave the bars alone; the
    // last EndUpdate measures the content once.
    void BeginUpdate() { ++updateDepth_; }
    void EndUpdate();

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Paint(ui::Canvas& canvas) override;
    void ChildrenChanged() override;

private:
    struct Axis {
        int bar;  // SB_HORZ or SB_VERT
        int position = 0;
        int range = 0;
    };

    void UpdateScrollBars();
    void MeasureContent();
    // Puts the bars' ranges and pages in line with the content and the client size.
    void SetBarRanges();
    void SetPosition(const Axis& axis, int position);
    void Scroll(const Axis& axis, WPARAM request);
    void ScrollTo(Axis& axis, int position);
    // The children follow the bars' (clamped) positions.
    void FollowBars();

    TPanelWallpaper wallpaper_;
    Axis horz_{SB_HORZ};
    Axis vert_{SB_VERT};
    bool updating_ = false;
    int updateDepth_ = 0;
    bool moving_ = false;
};

}  // namespace corvina
