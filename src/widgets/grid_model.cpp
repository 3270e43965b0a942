#include "widgets/grid_model.h"

#include <algorithm>

namespace corvina {

namespace {

constexpr int kNewGridCount = 5;
constexpr int kDefaultColWidth = 50;
constexpr int kFirstColWidth = 12;
constexpr int kDefaultRowHeight = 21;

MarkClick MarkClickOf(const ui::ShiftState& shift) {
    if (shift.shift) return MarkClick::Shift;
    if (shift.ctrl) return MarkClick::Ctrl;
    return MarkClick::Plain;
}

}  // namespace

EvGridModel::EvGridModel()
    : cells_(kNewGridCount, kNewGridCount),
      cols_(kNewGridCount, 1, kDefaultColWidth),
      rows_(kNewGridCount, 1, kDefaultRowHeight) {
    cols_.SetExtent(0, kFirstColWidth);
    marks_.Resize(kNewGridCount);
}

// --- Shape

void EvGridModel::ShapeChanged() {
    cells_.Resize(cols_.Count(), rows_.Count());
    marks_.Resize(rows_.Count());
    focus_.col = std::max(cols_.Fixed(), std::min(focus_.col, cols_.Count() - 1));
    focus_.row = std::max(rows_.Fixed(), std::min(focus_.row, rows_.Count() - 1));
    scrolled_ = true;
    InvalidateAll();
}

void EvGridModel::SetColCount(int count) {
    cols_.SetCount(count);
    ShapeChanged();
}

void EvGridModel::SetRowCount(int count) {
    rows_.SetCount(count);
    ShapeChanged();
}

void EvGridModel::SetFixedCols(int count) {
    cols_.SetFixed(count);
    ShapeChanged();
}

void EvGridModel::SetFixedRows(int count) {
    rows_.SetFixed(count);
    ShapeChanged();
}

void EvGridModel::SetColWidth(int col, int width) {
    cols_.SetExtent(col, width);
    InvalidateAll();
}

void EvGridModel::SetRowHeight(int row, int height) {
    rows_.SetExtent(row, height);
    InvalidateAll();
}

void EvGridModel::SetDefaultColWidth(int width) {
    cols_.SetDefaultExtent(width);
    InvalidateAll();
}

void EvGridModel::SetDefaultRowHeight(int height) {
    rows_.SetDefaultExtent(height);
    InvalidateAll();
}

void EvGridModel::SetGridLineWidth(int width) {
    cols_.SetLineWidth(width);
    rows_.SetLineWidth(width);
    InvalidateAll();
}

void EvGridModel::SetBounds(Size outer, Size client) {
    outer_ = outer;
    cols_.SetClientExtent(client.width);
    rows_.SetClientExtent(client.height);
    scrolled_ = true;
    InvalidateAll();
}

// --- Cells

void EvGridModel::SetCell(int col, int row, std::string_view text) {
    cells_.SetCell(col, row, text);
    InvalidateRow(row);
}

void EvGridModel::SetTitleRow(const std::vector<Big5>& texts) {
    enabled_ = false;
    // The rows are emptied, so their marks would mark the next data.
    ClearMarks();
    cells_.SetTitleRow(texts, rows_.Fixed());
    cols_.SetCount(cells_.ColCount());
    rows_.SetCount(cells_.RowCount());
    ShapeChanged();
}

int EvGridModel::AddRow(const std::vector<Big5>& texts) {
    enabled_ = true;
    const int row = cells_.AddRow(texts, rows_.Fixed());
    rows_.SetCount(cells_.RowCount());
    ShapeChanged();
    return row;
}

void EvGridModel::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    InvalidateAll();
}

// --- Settings

void EvGridModel::SetLooks(const GridLooks& looks) {
    if (looks == looks_) return;
    looks_ = looks;
    InvalidateAll();
}

void EvGridModel::SetFocusHighLight(bool on) {
    if (on == focusHighLight_) return;
    focusHighLight_ = on;
    if (!on) {
        SetFocusAutomove(false);
        SetMultiselect(false);
    }
    InvalidateAll();
}

void EvGridModel::SetFocusAutomove(bool on) {
    if (on == focusAutomove_) return;
    focusAutomove_ = on;
    ClearMarks();
}

void EvGridModel::SetMultiselect(bool on) {
    if (on == multiselect_) return;
    multiselect_ = on;
    ClearMarks();
}

void EvGridModel::SetAutoResize(TColReSizeStyle style) {
    if (style == autoResize_) return;
    autoResize_ = style;
    if (style != TColReSizeStyle::rsNone) CanResize(outer_, true);
}

void EvGridModel::SetDefaultDrawing(bool on) {
    if (on == defaultDrawing_) return;
    defaultDrawing_ = on;
    InvalidateAll();
}

// --- Focus and scrolling

bool EvGridModel::IsDataCell(CellPos cell) const {
    return cell.col >= cols_.Fixed() && cell.col < cols_.Count() && cell.row >= rows_.Fixed() &&
           cell.row < rows_.Count();
}

bool EvGridModel::SelectCell(CellPos cell) {
    if (!IsDataCell(cell)) return false;
    bool canSelect = true;
    if (OnSelectCell) OnSelectCell(cell.col, cell.row, canSelect);
    if (focusHighLight_) {
        bof_ = false;
        eof_ = false;
        InvalidateRow(focus_.row);
        InvalidateRow(cell.row);
    }
    if (!canSelect) return false;
    focus_ = cell;
    const bool rowsMoved = rows_.ScrollInView(cell.row);
    const bool colsMoved = cols_.ScrollInView(cell.col);
    if (rowsMoved || colsMoved) Scrolled();
    return true;
}

void EvGridModel::SetTopRow(int row) {
    if (rows_.SetFirst(row)) Scrolled();
}

void EvGridModel::SetLeftCol(int col) {
    if (cols_.SetFirst(col)) Scrolled();
}

void EvGridModel::Scrolled() {
    scrolled_ = true;
    InvalidateAll();
    if (!AutomoveActive()) return;
    if (following_) {
        followAgain_ = true;
        return;
    }
    const auto cursor = followHooks.cursor ? followHooks.cursor() : std::nullopt;
    if (cursor) FollowMouse(*cursor, false);
}

std::optional<CellPos> EvGridModel::CellAt(Point client) const {
    const int col = cols_.IndexAt(client.x);
    const int row = rows_.IndexAt(client.y);
    if (col < 0 || row < 0) return std::nullopt;
    return CellPos{col, row};
}

std::optional<EdgeRect> EvGridModel::CellRect(CellPos cell) const {
    const auto x = cols_.SpanOf(cell.col);
    const auto y = rows_.SpanOf(cell.row);
    if (!x || !y) return std::nullopt;
    return EdgeRect{x->start, y->start, x->end, y->end};
}

std::optional<EdgeRect> EvGridModel::RowRect(int row) const {
    const auto y = rows_.SpanOf(row);
    if (!y) return std::nullopt;
    return EdgeRect{0, y->start, cols_.ClientExtent(), y->end};
}

std::vector<int> EvGridModel::VisibleRows() const {
    std::vector<int> visible;
    for (int row = 0; row < rows_.Fixed(); ++row) {
        if (rows_.SpanOf(row)) visible.push_back(row);
    }
    for (int row = rows_.First(); row <= rows_.LastVisible(); ++row) visible.push_back(row);
    return visible;
}

// --- Marks

RowChanged EvGridModel::RowRepainter() {
    return [this](int row) { InvalidateRow(row); };
}

void EvGridModel::MarkRow(int row, bool value) { marks_.Mark(row, value, OnCanMultiSelect, RowRepainter()); }

void EvGridModel::ClearMarks() { marks_.Clear(OnCanMultiSelect, RowRepainter()); }

// --- Mouse

bool EvGridModel::AutomoveActive() const {
    return focusHighLight_ && focusAutomove_ && (!mouseWentDown_ || multiselect_);
}

void EvGridModel::MouseDown(ui::MouseButton button, const ui::ShiftState& shift, Point client) {
    if (button != ui::MouseButton::Left) return;
    const auto cell = CellAt(client);
    if (!cell || cell->row < rows_.Fixed()) return;
    // The string grid's own handling: a click moves the focus to a data cell.
    if (cell->col >= cols_.Fixed()) SelectCell(*cell);
    if (multiselect_ && marks_.Contains(cell->row)) {
        marks_.Click(cell->row, MarkClickOf(shift), anchorRow_, OnCanMultiSelect, RowRepainter());
    }
    anchorRow_ = cell->row;
    mouseWentDown_ = true;
}

void EvGridModel::MouseMove(Point client) {
    if (AutomoveActive()) FollowMouse(client, true);
}

// --- Keyboard

bool EvGridModel::KeyDown(GridKey key, bool ctrl) {
    const int page = rows_.FullyVisibleCount();
    const int firstRow = rows_.Fixed();
    const int lastRow = rows_.Count() - 1;
    const int firstCol = cols_.Fixed();
    const int lastCol = cols_.Count() - 1;
    CellPos to = focus_;
    switch (key) {
        case GridKey::Up:
            --to.row;
            break;
        case GridKey::Down:
            ++to.row;
            break;
        case GridKey::Left:
            --to.col;
            break;
        case GridKey::Right:
            ++to.col;
            break;
        case GridKey::PageUp:
            to.row -= page;
            break;
        case GridKey::PageDown:
            to.row += page;
            break;
        case GridKey::Home:
        case GridKey::End: {
            const bool home = key == GridKey::Home;
            if (ctrl) {
                to.row = home ? firstRow : lastRow;
            } else {
                to.col = home ? firstCol : lastCol;
            }
            break;
        }
    }
    to.row = std::clamp(to.row, firstRow, std::max(firstRow, lastRow));
    to.col = std::clamp(to.col, firstCol, std::max(firstCol, lastCol));
    return to != focus_ && SelectCell(to);
}

// --- Focus following the mouse

ScrollBands EvGridModel::Bands() const {
    const int top = rows_.FixedBoundary();
    return ScrollBandsOf({top, top + rows_.Extent(rows_.First())}, outer_.height);
}

void EvGridModel::MoveInBand(FollowStep step) {
    if (step == FollowStep::MoveUp) {
        eof_ = false;
        if (focus_.row - 1 < rows_.Fixed()) {
            bof_ = true;
        } else {
            SelectCell({focus_.col, focus_.row - 1});
        }
        return;
    }
    bof_ = false;
    if (focus_.row + 1 < rows_.Count()) {
        SelectCell({focus_.col, focus_.row + 1});
    } else {
        eof_ = true;
    }
}

void EvGridModel::FollowMouse(Point client, bool moveFocus) {
    if (following_) {
        followAgain_ = true;
        return;
    }
    following_ = true;
    // Each scroll runs the step again: a loop rather than the recursion of
    // nested scroll events, and one side only, so bands that overlap in a
    // low grid cannot bounce the focus up and down for ever.
    std::optional<Point> point = client;
    FollowStep side = FollowStep::None;
    while (point) {
        followAgain_ = false;
        const auto cell = CellAt(*point);
        const FollowPoint at{point->y, cell ? cell->row : -1, cell && cell->row >= rows_.Fixed()};
        const FollowStep step = DecideFollowStep(at, Bands(), bof_, eof_, moveFocus);
        if (step == FollowStep::MoveUp || step == FollowStep::MoveDown) {
            if (side != FollowStep::None && step != side) break;
            side = step;
            if (followHooks.wait) followHooks.wait(kAutomoveWaitMs);
            MoveInBand(step);
        } else if (step == FollowStep::FocusRowUnderMouse && cell->row != focus_.row) {
            SelectCell({focus_.col, cell->row});
        }
        if (!followAgain_ || !followHooks.cursor) break;
        point = followHooks.cursor();
        moveFocus = false;
    }
    following_ = false;
}

// --- Resize query

bool EvGridModel::CanResize(Size newOuter, bool ownAnswer) {
    const bool allowed = ResizeAllowed(outer_.width, outer_.height, newOuter.width, newOuter.height, ownAnswer);
    if (autoResize_ == TColReSizeStyle::rsNone) return allowed;
    const ColumnScaling scaling{autoResize_, cols_.Fixed(), outer_.width, cols_.ClientExtent()};
    const std::vector<int> widths = ScaledColumnWidths(cols_.Extents(), scaling, newOuter.width);
    for (int col = 0; col < cols_.Count(); ++col) cols_.SetExtent(col, widths[static_cast<std::size_t>(col)]);
    InvalidateAll();
    return allowed;
}

// --- Painting

std::optional<CellDrawing> EvGridModel::DrawCell(CellPos cell, const SystemColorLookup& systemRgb) const {
    const auto rect = CellRect(cell);
    if (!rect) return std::nullopt;
    CellState state;
    state.fixed = cell.col < cols_.Fixed() || cell.row < rows_.Fixed();
    state.focused = focusHighLight_ && cell.row == focus_.row && cell.row >= rows_.Fixed();
    state.marked = multiselect_ && cell.col != 0 && marks_.IsMarked(cell.row);
    state.focusAutomove = focusAutomove_;
    state.oddRow = cell.row % 2 != 0;
    state.flagColumn = cell.col == 0 && cols_.Fixed() >= 1;

    CellDrawing drawing;
    drawing.rect = *rect;
    drawing.ground = CellGroundOf(looks_, state, systemRgb);
    if (drawing.ground.flag) drawing.flag = FlagRect(*rect);
    drawing.text = cells_.Cell(cell.col, cell.row);
    TDrawEdge edge = TDrawEdge::Plain;
    if (OnSetting) OnSetting(cell.col, cell.row, drawing.ground.font, *rect, drawing.text, edge);
    drawing.content = CellContentOf(*rect, edge, enabled_);
    drawing.drawContent = defaultDrawing_;
    return drawing;
}

void EvGridModel::InvalidateRow(int row) {
    if (row >= 0 && row < rows_.Count()) repaintRows_.push_back(row);
}

GridRepaint EvGridModel::TakeRepaint() {
    GridRepaint repaint{repaintAll_, scrolled_, {}};
    if (!repaintAll_) {
        std::sort(repaintRows_.begin(), repaintRows_.end());
        repaintRows_.erase(std::unique(repaintRows_.begin(), repaintRows_.end()), repaintRows_.end());
        repaint.rows = repaintRows_;
    }
    repaintAll_ = false;
    scrolled_ = false;
    repaintRows_.clear();
    return repaint;
}

}  // namespace corvina
