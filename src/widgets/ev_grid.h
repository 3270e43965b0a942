#pragma once
// The striped string grid `TEvgrid` as a window: it feeds EvGridModel the
// mouse, the keys, the scroll bars and its size, draws the cells the model
// describes, and repaints only what the model reports as changed.

#include <windows.h>

#include <functional>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "sys/big5.h"
#include "sys/colors.h"
#include "sys/edge_rect.h"
#include "ui/bitmap.h"
#include "ui/win_control.h"
#include "widgets/grid_model.h"

namespace corvina {

class TEvgrid : public ui::WinControl {
public:
    // A bitmap resource by name; empty when there is none. The program
    // embeds "FLAG" and "DEFCHK"; tests hand in their own pictures.
    using BitmapLoader = std::function<ui::Bitmap(const Big5& name)>;
    // `OnSelectCell` (Sender, ACol, ARow, var CanSelect).
    using TSelectCellEvent = std::function<void(ui::Control& sender, int col, int row, bool& canSelect)>;
    // The blocking wait before each move of `FocusAutomove`.
    using AutomoveWait = std::function<void(int milliseconds)>;

    // Unset, the loader reads the program's own resources.
    explicit TEvgrid(ui::WinControl& parent, const BitmapLoader& loader = {});
    ~TEvgrid() override;

    // --- Shape
    int ColCount() const { return model_.ColCount(); }
    int RowCount() const { return model_.RowCount(); }
    int FixedCols() const { return model_.FixedCols(); }
    int FixedRows() const { return model_.FixedRows(); }
    void SetColCount(int count);
    void SetRowCount(int count);
    void SetFixedCols(int count);
    void SetFixedRows(int count);
    int ColWidths(int col) const { return model_.Cols().Extent(col); }
    int RowHeights(int row) const { return model_.Rows().Extent(row); }
    void SetColWidths(int col, int width);
    void SetRowHeights(int row, int height);
    void SetDefaultColWidth(int width);
    void SetDefaultRowHeight(int height);
    void SetGridLineWidth(int width);
    // Both (the default); a bar not allowed never shows.
    void SetScrollBars(TScrollStyle style);
    // A single sunken border (the default) or none.
    bool BorderSingle() const;
    void SetBorderSingle(bool single);

    // --- Cells and the row operations
    const Big5& Cells(int col, int row) const { return model_.Cell(col, row); }
    void SetCells(int col, int row, std::string_view text);
    // Leaves the grid disabled: the owners' mark of a grid without data.
    void SetTitleRow(const std::vector<Big5>& texts);
    // Enables the grid; returns the row filled.
    int AddRow(const std::vector<Big5>& texts);

    // --- Focus and scrolling
    int Row() const { return model_.Focus().row; }
    // A data cell only, through `OnSelectCell`.
    bool SelectCell(int col, int row);
    int TopRow() const { return model_.TopRow(); }
    int LeftCol() const { return model_.LeftCol(); }
    void SetTopRow(int row);
    void SetLeftCol(int col);
    std::optional<CellPos> MouseToCell(Point client) const { return model_.CellAt(client); }
    std::optional<EdgeRect> CellRect(int col, int row) const { return model_.CellRect({col, row}); }

    // --- Published looks; each change repaints the whole grid
    TColReSizeStyle AutoResize() const { return model_.AutoResize(); }
    void SetAutoResize(TColReSizeStyle style);
    void SetOddRowColor(corvina::Color color);
    void SetEvenRowColor(corvina::Color color);
    void SetFocusedColor(corvina::Color color);
    void SetFixedColor(corvina::Color color);
    void SetFixedPattern(const ui::Bitmap& pattern);
    void SetFocusedFont(const ui::Font& font);
    // Off also turns FocusAutomove and Multiselect off.
    bool FocusHighLight() const { return model_.FocusHighLight(); }
    void SetFocusHighLight(bool on);
    bool FocusAutomove() const { return model_.FocusAutomove(); }
    void SetFocusAutomove(bool on);
    bool Multiselect() const { return model_.Multiselect(); }
    void SetMultiselect(bool on);
    // Off, cells get only their ground and flag: `OnSetting` draws the rest.
    void SetDefaultDrawing(bool on);
    // `BOF` and `EOF` (a C macro takes that name): where an automatic move stopped.
    bool Bof() const { return model_.Bof(); }
    bool Eof() const { return model_.Eof(); }

    // --- Row marks
    void MarkRow(int row, bool value);
    bool IsRowMarked(int row) const { return model_.IsRowMarked(row); }
    void ClearMarks();
    int MarkedCount() const { return model_.MarkedCount(); }

    // Replaces the real 100 ms wait (tests pass one that only records).
    void SetAutomoveWait(AutomoveWait wait) { wait_ = std::move(wait); }
    const EvGridModel& Model() const { return model_; }
    // Several changes at once, such as SetUpPopupGrid; the events stay the grid's.
    void ChangeModel(const std::function<void(EvGridModel&)>& change);

    SettingEvent OnSetting;
    CanMultiSelectEvent OnCanMultiSelect;
    TSelectCellEvent OnSelectCell;
    // `OnMouseEnter` is the control's own.
    Event OnMouseExit;

    void Paint(ui::Canvas& canvas) override;
    void MouseDown(ui::MouseButton button, ui::ShiftState shift, int x, int y) override;
    void MouseMove(ui::ShiftState shift, int x, int y) override;
    void MouseEntered(ui::Control& source) override;
    void MouseLeft(ui::Control& source) override;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void KeyDown(WORD& key, ui::ShiftState shift) override;
    void EnabledChanged() override;
    void LookChanged() override;

private:
    void WireModel();
    // Hands the model what changed in the window's size.
    void TakeSize();
    // Invalidates what the model asks for and sets the scroll bars.
    void Apply();
    void UpdateScrollBars();
    void Scroll(int bar, WPARAM request);
    void ChangeLooks(const std::function<void(GridLooks&)>& change);
    std::optional<Point> CursorInClient() const;
    void WaitBeforeMove(int milliseconds);

    EvGridModel model_;
    ui::Bitmap flag_;
    ui::Bitmap checkGlyph_;
    ui::Bitmap fixedPattern_;
    AutomoveWait wait_;
    TScrollStyle scrollBars_ = TScrollStyle::ssBoth;
    bool applying_ = false;
};

}  // namespace corvina
