#pragma once
// The striped grid `TEvgrid` without its window: cells, rows and columns,
// scrolling, the focused row, row marks, the focus following the mouse,
// column scaling and what each cell looks like. The Win32 grid feeds it
// mouse input and sizes and draws what it answers; after each call it
// repaints the rows of TakeRepaint().

#include <functional>
#include <optional>
#include <vector>

#include "sys/big5.h"
#include "sys/contrast_color.h"
#include "sys/edge_rect.h"
#include "sys/geometry.h"
#include "ui/font.h"
#include "ui/input.h"
#include "widgets/grid_automove.h"
#include "widgets/grid_axis.h"
#include "widgets/grid_cells.h"
#include "widgets/grid_marks.h"
#include "widgets/grid_paint.h"
#include "widgets/grid_resize.h"
#include "widgets/grid_types.h"

namespace corvina {

// `OnSelectCell` (ACol, ARow, var CanSelect).
using SelectCellEvent = std::function<void(int col, int row, bool& canSelect)>;
// `OnSetting` (ACol, ARow, CellFont, CellRect, var CellValue, var DrawEdge).
using SettingEvent =
    std::function<void(int col, int row, ui::Font& font, const EdgeRect& rect, Big5& text, TDrawEdge& edge)>;

// What the focus following the mouse needs from the window: the blocking
// wait before each band move and the mouse in client coordinates (nothing
// when unknown). Unset, there is no wait and no re-run after a scroll.
struct FollowHooks {
    std::function<void(int milliseconds)> wait;
    std::function<std::optional<Point>()> cursor;
};

struct CellDrawing {
    EdgeRect rect;
    CellGround ground;  // its font as `OnSetting` left it
    std::optional<EdgeRect> flag;
    Big5 text;
    CellContent content;
    bool drawContent = true;  // off with the string grid's default drawing
};

class EvGridModel {
public:
    // A new string grid: 5 × 5 cells, one fixed row and column, columns 50
    // wide but column 0 12, rows 21 high, the focus on cell (1, 1).
    EvGridModel();

    // --- Shape
    int ColCount() const { return cols_.Count(); }
    int RowCount() const { return rows_.Count(); }
    int FixedCols() const { return cols_.Fixed(); }
    int FixedRows() const { return rows_.Fixed(); }
    void SetColCount(int count);
    void SetRowCount(int count);
    void SetFixedCols(int count);
    void SetFixedRows(int count);
    const GridAxis& Cols() const { return cols_; }
    const GridAxis& Rows() const { return rows_; }
    void SetColWidth(int col, int width);
    void SetRowHeight(int row, int height);
    void SetDefaultColWidth(int width);
    void SetDefaultRowHeight(int height);
    void SetGridLineWidth(int width);
    // The grid's outer size and its client size (without border and scroll bars).
    void SetBounds(Size outer, Size client);
    Size OuterSize() const { return outer_; }

    // --- Cells and the row operations
    const Big5& Cell(int col, int row) const { return cells_.Cell(col, row); }
    void SetCell(int col, int row, std::string_view text);
    // Leaves the grid disabled (the owners' mark of a grid without data)
    // and unmarked: the emptied rows' marks would mark the next data.
    void SetTitleRow(const std::vector<Big5>& texts);
    // Enables the grid; returns the row filled.
    int AddRow(const std::vector<Big5>& texts);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    // --- Published settings; a change repaints the grid
    const GridLooks& Looks() const { return looks_; }
    void SetLooks(const GridLooks& looks);
    bool FocusHighLight() const { return focusHighLight_; }
    bool FocusAutomove() const { return focusAutomove_; }
    bool Multiselect() const { return multiselect_; }
    // Off also turns FocusAutomove and Multiselect off.
    void SetFocusHighLight(bool on);
    // Both clear the marks on a change.
    void SetFocusAutomove(bool on);
    void SetMultiselect(bool on);
    TColReSizeStyle AutoResize() const { return autoResize_; }
    // A new style other than rsNone scales the columns to the current size.
    void SetAutoResize(TColReSizeStyle style);
    void SetDefaultDrawing(bool on);
    bool Bof() const { return bof_; }
    bool Eof() const { return eof_; }

    // --- Focus and scrolling
    CellPos Focus() const { return focus_; }
    // A data cell only; `OnSelectCell` may refuse. With FocusHighLight on,
    // BOF and EOF are cleared and the old and new rows repainted even when
    // refused. The grid scrolls to show the new cell.
    bool SelectCell(CellPos cell);
    int TopRow() const { return rows_.First(); }
    int LeftCol() const { return cols_.First(); }
    // The scroll bars' moves; the focus may follow the mouse afterwards.
    void SetTopRow(int row);
    void SetLeftCol(int col);
    std::optional<CellPos> CellAt(Point client) const;
    std::optional<EdgeRect> CellRect(CellPos cell) const;
    // The whole width of the client area over the row's height.
    std::optional<EdgeRect> RowRect(int row) const;
    // Fixed rows, then the scrolled ones that show.
    std::vector<int> VisibleRows() const;

    // --- Row marks
    void MarkRow(int row, bool value);
    bool IsRowMarked(int row) const { return marks_.IsMarked(row); }
    void ClearMarks();
    int MarkedCount() const { return marks_.MarkedCount(); }
    int AnchorRow() const { return anchorRow_; }

    // --- Mouse
    void MouseDown(ui::MouseButton button, const ui::ShiftState& shift, Point client);
    void MouseMove(Point client);
    void MouseEnter() { mouseWentDown_ = false; }

    // --- Keyboard: a step, a page of whole rows, or with Home and End the
    // first or last data column (data row with ctrl), through SelectCell.
    bool KeyDown(GridKey key, bool ctrl);

    // --- Focus following the mouse
    ScrollBands Bands() const;
    // `FollowMouse`: band moves, 100 ms apart, go on while each one scrolls
    // the grid and the mouse stays in a band of the same side.
    void FollowMouse(Point client, bool moveFocus);

    // --- Resize query: the answer, after scaling the columns when AutoResize is set.
    bool CanResize(Size newOuter, bool ownAnswer);

    // --- Painting
    // Nothing for a cell that does not show.
    std::optional<CellDrawing> DrawCell(CellPos cell, const SystemColorLookup& systemRgb) const;
    GridRepaint TakeRepaint();

    SelectCellEvent OnSelectCell;
    CanMultiSelectEvent OnCanMultiSelect;
    SettingEvent OnSetting;
    FollowHooks followHooks;

private:
    bool AutomoveActive() const;
    bool IsDataCell(CellPos cell) const;
    void ShapeChanged();
    void Scrolled();
    void MoveInBand(FollowStep step);
    void InvalidateRow(int row);
    void InvalidateAll() { repaintAll_ = true; }
    RowChanged RowRepainter();

    GridCells cells_;
    GridAxis cols_;
    GridAxis rows_;
    RowMarks marks_;
    GridLooks looks_;
    Size outer_;
    CellPos focus_{1, 1};
    TColReSizeStyle autoResize_ = TColReSizeStyle::rsNone;
    bool enabled_ = true;
    bool defaultDrawing_ = true;
    bool focusHighLight_ = false;
    bool focusAutomove_ = false;
    bool multiselect_ = false;
    bool bof_ = false;
    bool eof_ = false;
    bool mouseWentDown_ = false;
    int anchorRow_ = -1;
    bool following_ = false;
    bool followAgain_ = false;
    bool repaintAll_ = false;
    bool scrolled_ = false;
    std::vector<int> repaintRows_;
};

}  // namespace corvina
