#include "widgets/ev_grid.h"

#include <cstdint>
#include <utility>

#include "sys/wait_ticks.h"
#include "ui/bitmap_resource.h"
#include "ui/guard.h"
#include "ui/window_style.h"
#include "widgets/ev_grid_paint.h"

namespace corvina {

namespace {

constexpr Color kWhite{0xFFFFFF};

ui::WinControl::WindowParams GridParams() {
    ui::WinControl::WindowParams window;
    window.style = WS_TABSTOP;
    window.exStyle = WS_EX_CLIENTEDGE;
    window.bounds = {0, 0, 320, 120};
    return window;
}

// A program built without the picture shows the grid without it.
ui::Bitmap ProgramBitmap(const Big5& name) {
    ui::Bitmap bitmap;
    ui::LoadBitmapResource(bitmap, name);
    return bitmap;
}

std::optional<GridKey> GridKeyOf(WORD key) {
    switch (key) {
        case VK_UP:
            return GridKey::Up;
        case VK_DOWN:
            return GridKey::Down;
        case VK_LEFT:
            return GridKey::Left;
        case VK_RIGHT:
            return GridKey::Right;
        case VK_PRIOR:
            return GridKey::PageUp;
        case VK_NEXT:
            return GridKey::PageDown;
        case VK_HOME:
            return GridKey::Home;
        case VK_END:
            return GridKey::End;
        default:
            return std::nullopt;
    }
}

}  // namespace

TEvgrid::TEvgrid(ui::WinControl& parent, const BitmapLoader& loader) : WinControl(&parent, GridParams()) {
    const BitmapLoader& load = loader ? loader : BitmapLoader(ProgramBitmap);
    flag_ = load("FLAG");
    flag_.SetTransparent(true);
    flag_.SetTransparentColor(kWhite);
    checkGlyph_ = load("DEFCHK");
    WireModel();
    GridLooks looks = model_.Looks();
    looks.font = Font();
    looks.focusedFont = GridLooks::FocusedFontOf(Font());
    model_.SetLooks(looks);
    SetColor(kClWindow);
    TakeSize();
    Apply();
}

TEvgrid::~TEvgrid() = default;

void TEvgrid::WireModel() {
    model_.OnSetting = [this](int col, int row, ui::Font& font, const EdgeRect& rect, Big5& text, TDrawEdge& edge) {
        if (OnSetting) OnSetting(col, row, font, rect, text, edge);
    };
    model_.OnCanMultiSelect = [this](int row, bool& canChoose) {
        if (OnCanMultiSelect) OnCanMultiSelect(row, canChoose);
    };
    model_.OnSelectCell = [this](int col, int row, bool& canSelect) {
        if (OnSelectCell) OnSelectCell(*this, col, row, canSelect);
    };
    model_.followHooks.wait = [this](int milliseconds) { WaitBeforeMove(milliseconds); };
    model_.followHooks.cursor = [this] { return CursorInClient(); };
}

// --- Shape

void TEvgrid::SetColCount(int count) {
    model_.SetColCount(count);
    Apply();
}

void TEvgrid::SetRowCount(int count) {
    model_.SetRowCount(count);
    Apply();
}

void TEvgrid::SetFixedCols(int count) {
    model_.SetFixedCols(count);
    Apply();
}

void TEvgrid::SetFixedRows(int count) {
    model_.SetFixedRows(count);
    Apply();
}

void TEvgrid::SetColWidths(int col, int width) {
    model_.SetColWidth(col, width);
    Apply();
}

void TEvgrid::SetRowHeights(int row, int height) {
    model_.SetRowHeight(row, height);
    Apply();
}

void TEvgrid::SetDefaultColWidth(int width) {
    model_.SetDefaultColWidth(width);
    Apply();
}

void TEvgrid::SetDefaultRowHeight(int height) {
    model_.SetDefaultRowHeight(height);
    Apply();
}

void TEvgrid::SetGridLineWidth(int width) {
    model_.SetGridLineWidth(width);
    Apply();
}

bool TEvgrid::BorderSingle() const { return (GetWindowLongPtrW(Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0; }

void TEvgrid::SetBorderSingle(bool single) {
    if (single == BorderSingle()) return;
    ui::ChangeWindowStyle(
        Handle(), single ? ui::StyleChange{.exSet = WS_EX_CLIENTEDGE} : ui::StyleChange{.exClear = WS_EX_CLIENTEDGE});
    TakeSize();
    Apply();
}

void TEvgrid::TakeSize() {
    const Size outer{Width(), Height()};
    const Size client{ClientWidth(), ClientHeight()};
    if (outer == model_.OuterSize() && client.width == model_.Cols().ClientExtent() &&
        client.height == model_.Rows().ClientExtent()) {
        return;
    }
    model_.SetBounds(outer, client);
}

// --- Cells

void TEvgrid::SetCells(int col, int row, std::string_view text) {
    model_.SetCell(col, row, text);
    Apply();
}

void TEvgrid::SetTitleRow(const std::vector<Big5>& texts) {
    model_.SetTitleRow(texts);
    SetEnabled(false);
    Apply();
}

int TEvgrid::AddRow(const std::vector<Big5>& texts) {
    const int row = model_.AddRow(texts);
    SetEnabled(true);
    Apply();
    return row;
}

// --- Focus and scrolling

bool TEvgrid::SelectCell(int col, int row) {
    const bool selected = model_.SelectCell({col, row});
    Apply();
    return selected;
}

void TEvgrid::SetTopRow(int row) {
    model_.SetTopRow(row);
    Apply();
}

void TEvgrid::SetLeftCol(int col) {
    model_.SetLeftCol(col);
    Apply();
}

void TEvgrid::Scroll(int bar, WPARAM request) {
    const GridAxis& axis = bar == SB_VERT ? model_.Rows() : model_.Cols();
    const int page = axis.FullyVisibleCount();
    int first = axis.First();
    switch (LOWORD(request)) {
        case SB_LINEUP:
            --first;
            break;
        case SB_LINEDOWN:
            ++first;
            break;
        case SB_PAGEUP:
            first -= page;
            break;
        case SB_PAGEDOWN:
            first += page;
            break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
            // Positions count rows or columns, far below the message's 16 bits.
            first = axis.Fixed() + HIWORD(request);
            break;
        case SB_TOP:
            first = axis.Fixed();
            break;
        case SB_BOTTOM:
            first = axis.MaxFirst();
            break;
        default:
            return;
    }
    if (bar == SB_VERT) {
        SetTopRow(first);
    } else {
        SetLeftCol(first);
    }
}

void TEvgrid::SetScrollBars(TScrollStyle style) {
    if (style == scrollBars_) return;
    scrollBars_ = style;
    UpdateScrollBars();
    TakeSize();
    Apply();
}

void TEvgrid::UpdateScrollBars() {
    for (const int bar : {SB_VERT, SB_HORZ}) {
        const GridAxis& axis = bar == SB_VERT ? model_.Rows() : model_.Cols();
        const bool allowed = scrollBars_ == TScrollStyle::ssBoth ||
                             scrollBars_ == (bar == SB_VERT ? TScrollStyle::ssVertical : TScrollStyle::ssHorizontal);
        const int span = allowed ? axis.MaxFirst() - axis.Fixed() : 0;
        const int page = axis.FullyVisibleCount();
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        // A page that covers the range hides the bar.
        info.nMax = span > 0 ? span + page - 1 : 0;
        info.nPage = static_cast<UINT>(span > 0 ? page : 1);
        info.nPos = axis.First() - axis.Fixed();
        SetScrollInfo(Handle(), bar, &info, TRUE);
    }
}

void TEvgrid::Apply() {
    if (applying_ || !Handle()) return;
    applying_ = true;
    // A scroll bar that comes or goes changes the client size, which the
    // model takes in turn: settle in a few rounds.
    for (int round = 0; round < 4; ++round) {
        const GridRepaint repaint = model_.TakeRepaint();
        if (repaint.all) {
            Invalidate();
        } else {
            for (const int row : repaint.rows) {
                if (const auto rect = model_.RowRect(row)) {
                    const RECT r{rect->left, rect->top, rect->right, rect->bottom};
                    InvalidateRect(Handle(), &r, FALSE);
                }
            }
        }
        // Extents change the scroll ranges without the model calling it a scroll.
        if (!repaint.scrolled && !repaint.all) break;
        UpdateScrollBars();
        TakeSize();
    }
    applying_ = false;
}

void TEvgrid::ChangeModel(const std::function<void(EvGridModel&)>& change) {
    change(model_);
    WireModel();
    Apply();
}

// --- Looks

void TEvgrid::ChangeLooks(const std::function<void(GridLooks&)>& change) {
    GridLooks looks = model_.Looks();
    change(looks);
    model_.SetLooks(looks);
    Apply();
}

void TEvgrid::SetAutoResize(TColReSizeStyle style) {
    model_.SetAutoResize(style);
    Apply();
}

void TEvgrid::SetOddRowColor(corvina::Color color) {
    ChangeLooks([color](GridLooks& looks) { looks.oddRowColor = color; });
}

void TEvgrid::SetEvenRowColor(corvina::Color color) {
    ChangeLooks([color](GridLooks& looks) { looks.evenRowColor = color; });
}

void TEvgrid::SetFocusedColor(corvina::Color color) {
    ChangeLooks([color](GridLooks& looks) { looks.focusedColor = color; });
}

void TEvgrid::SetFixedColor(corvina::Color color) {
    ChangeLooks([color](GridLooks& looks) { looks.fixedColor = color; });
}

void TEvgrid::SetFixedPattern(const ui::Bitmap& pattern) {
    if (&pattern != &fixedPattern_) fixedPattern_ = pattern;
    Invalidate();
}

void TEvgrid::SetFocusedFont(const ui::Font& font) {
    ChangeLooks([&font](GridLooks& looks) { looks.focusedFont = font; });
}

void TEvgrid::SetFocusHighLight(bool on) {
    model_.SetFocusHighLight(on);
    Apply();
}

void TEvgrid::SetFocusAutomove(bool on) {
    model_.SetFocusAutomove(on);
    Apply();
}

void TEvgrid::SetMultiselect(bool on) {
    model_.SetMultiselect(on);
    Apply();
}

void TEvgrid::SetDefaultDrawing(bool on) {
    model_.SetDefaultDrawing(on);
    Apply();
}

void TEvgrid::EnabledChanged() {
    WinControl::EnabledChanged();
    model_.SetEnabled(Enabled());
    Apply();
}

void TEvgrid::LookChanged() {
    WinControl::LookChanged();
    ChangeLooks([this](GridLooks& looks) {
        looks.font = Font();
        looks.color = Color();
    });
}

// --- Marks

void TEvgrid::MarkRow(int row, bool value) {
    model_.MarkRow(row, value);
    Apply();
}

void TEvgrid::ClearMarks() {
    model_.ClearMarks();
    Apply();
}

// --- Mouse and keys

void TEvgrid::MouseDown(ui::MouseButton button, ui::ShiftState shift, int x, int y) {
    if (button == ui::MouseButton::Left && !Focused()) SetFocus();
    model_.MouseDown(button, shift, {x, y});
    Apply();
    WinControl::MouseDown(button, shift, x, y);
}

void TEvgrid::MouseMove(ui::ShiftState shift, int x, int y) {
    model_.MouseMove({x, y});
    Apply();
    WinControl::MouseMove(shift, x, y);
}

void TEvgrid::MouseEntered(ui::Control& source) {
    if (&source == this) model_.MouseEnter();
    WinControl::MouseEntered(source);
}

void TEvgrid::MouseLeft(ui::Control& source) {
    WinControl::MouseLeft(source);
    if (&source == this) ui::Fire(OnMouseExit, *this);
}

void TEvgrid::KeyDown(WORD& key, ui::ShiftState shift) {
    WinControl::KeyDown(key, shift);
    const auto gridKey = GridKeyOf(key);
    if (!gridKey) return;
    model_.KeyDown(*gridKey, shift.ctrl);
    Apply();
}

std::optional<Point> TEvgrid::CursorInClient() const {
    POINT point{};
    if (!GetCursorPos(&point) || !ScreenToClient(Handle(), &point)) return std::nullopt;
    return Point{point.x, point.y};
}

void TEvgrid::WaitBeforeMove(int milliseconds) {
    // The move before this one shows while the thread is blocked.
    Apply();
    UpdateWindow(Handle());
    if (wait_) {
        wait_(milliseconds);
        return;
    }
    // No messages are handled meanwhile; the sleep between tick readings
    // only spares the processor.
    const TickCounter ticks = [] { return static_cast<std::uint32_t>(GetTickCount()); };
    WaitTicks(milliseconds, true, ticks, [] { Sleep(1); });
}

LRESULT TEvgrid::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_HSCROLL:
        case WM_VSCROLL:
            // lParam names a scroll bar control, not ours.
            if (lParam != 0) break;
            Scroll(message == WM_VSCROLL ? SB_VERT : SB_HORZ, wParam);
            return 0;
        case WM_SIZE: {
            const LRESULT result = WinControl::HandleMessage(message, wParam, lParam);
            TakeSize();
            Apply();
            return result;
        }
        case WM_WINDOWPOSCHANGING: {
            // The resize query: a pure move is always allowed and the grid never
            // refuses a size, but the columns may scale to it first.
            const auto* pos = reinterpret_cast<const WINDOWPOS*>(lParam);
            if ((pos->flags & SWP_NOSIZE) == 0) {
                model_.CanResize({pos->cx, pos->cy}, true);
                Apply();
            }
            break;
        }
        case WM_GETDLGCODE:
            return DLGC_WANTARROWS;
        case WM_MOUSEWHEEL: {
            const auto delta = static_cast<short>(HIWORD(wParam));
            model_.KeyDown(delta > 0 ? GridKey::Up : GridKey::Down, false);
            Apply();
            return 0;
        }
        default:
            break;
    }
    return WinControl::HandleMessage(message, wParam, lParam);
}

void TEvgrid::Paint(ui::Canvas& canvas) { PaintGrid(canvas, model_, {flag_, fixedPattern_, checkGlyph_}); }

}  // namespace corvina
