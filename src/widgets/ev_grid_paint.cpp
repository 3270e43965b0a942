#include "widgets/ev_grid_paint.h"

#include <vector>

#include "sys/win32/check_mark_cell.h"
#include "sys/win32/dc_state.h"
#include "ui/color.h"

namespace corvina {

namespace {

// The string grid's lines: black around the fixed cells, silver between the others.
constexpr Color kFixedLineColor{0x000000};
constexpr Color kLineColor{0xC0C0C0};

// Fixed lines that show, then the scrolled ones.
std::vector<int> VisibleIndexes(const GridAxis& axis) {
    std::vector<int> visible;
    for (int index = 0; index < axis.Fixed(); ++index) {
        if (axis.SpanOf(index)) visible.push_back(index);
    }
    for (int index = axis.First(); index <= axis.LastVisible(); ++index) visible.push_back(index);
    return visible;
}

// Where the cells and the line after the last one end.
int CellsEnd(const GridAxis& axis, const std::vector<int>& visible) {
    return MinOf(axis.SpanOf(visible.back())->end + axis.LineWidth(), axis.ClientExtent());
}

void PaintLines(ui::Canvas& canvas, const EvGridModel& model, int right, int bottom) {
    canvas.SetBrushColor(kLineColor);
    canvas.FillRect({0, 0, right, bottom});
    canvas.SetBrushColor(kFixedLineColor);
    canvas.FillRect({0, 0, right, MinOf(model.Rows().FixedBoundary(), bottom)});
    canvas.FillRect({0, 0, MinOf(model.Cols().FixedBoundary(), right), bottom});
}

void PaintText(ui::Canvas& canvas, const CellDrawing& drawing) {
    if (drawing.text.empty()) return;
    canvas.SetBrush({canvas.Brush().color, ui::BrushStyle::Clear, nullptr});
    canvas.IntersectClip(drawing.content.textClip);
    canvas.TextAt(drawing.content.textOrigin, drawing.text);
}

void PaintCheckBox(ui::Canvas& canvas, const CellDrawing& drawing, const ui::Bitmap& glyph) {
    const CellContent& content = drawing.content;
    win32::CheckMarkCell cell;
    cell.cell = content.frame;
    cell.boxDisabled = content.checkBoxDisabled;
    cell.checked = content.checked;
    cell.glyphSize = content.checkGlyphSize;
    cell.boxSize = content.checkBoxSize;
    cell.caption = drawing.text;
    cell.checkGlyph = glyph.Empty() ? nullptr : glyph.Handle();
    // The caption is drawn in the DC's font and text colour.
    (void)canvas.TextExtent("");
    const Color font = canvas.Font().color;
    const COLORREF text = ui::IsNoColor(font) ? GetTextColor(canvas.Handle()) : ui::ToColorRef(font);
    const win32::TextColorScope color(canvas.Handle(), text);
    win32::DrawCheckMarkCell(canvas.Handle(), cell);
}

void PaintContent(ui::Canvas& canvas, const CellDrawing& drawing, const GridPictures& pictures) {
    const CellContent& content = drawing.content;
    switch (content.edge) {
        case TDrawEdge::Plain:
            PaintText(canvas, drawing);
            return;
        case TDrawEdge::Sunken:
        case TDrawEdge::Raised:
        case TDrawEdge::Etched:
        case TDrawEdge::Bump:
            canvas.DrawEdge(content.frame, static_cast<UINT>(content.edgeStyle), BF_RECT);
            // The text goes on a button-face ground inside the edge.
            canvas.SetBrushColor(kClBtnFace);
            canvas.FillRect(content.textClip);
            PaintText(canvas, drawing);
            return;
        case TDrawEdge::Checked:
        case TDrawEdge::Unchecked:
            PaintCheckBox(canvas, drawing, pictures.checkGlyph);
            return;
    }
}

void PaintCell(ui::Canvas& canvas, const CellDrawing& drawing, bool fixed, const GridPictures& pictures) {
    auto state = canvas.SaveState();
    state.IntersectClip(drawing.rect);
    if (drawing.ground.fixedPattern && !pictures.fixedPattern.Empty()) {
        canvas.SetBrush({drawing.ground.brush, ui::BrushStyle::Pattern, &pictures.fixedPattern});
    } else {
        canvas.SetBrushColor(drawing.ground.brush);
    }
    canvas.FillRect(drawing.rect);
    if (drawing.flag) canvas.Draw(Point{drawing.flag->left, drawing.flag->top}, pictures.flag);
    canvas.SetFont(drawing.ground.font);
    if (drawing.drawContent) PaintContent(canvas, drawing, pictures);
    // The string grid's raised look of its fixed cells.
    if (fixed) canvas.DrawEdge(drawing.rect, BDR_RAISEDINNER, BF_RECT);
}

}  // namespace

void PaintGrid(ui::Canvas& canvas, const EvGridModel& model, const GridPictures& pictures) {
    const EdgeRect client{0, 0, model.Cols().ClientExtent(), model.Rows().ClientExtent()};
    canvas.SetBrushColor(model.Looks().color);
    canvas.FillRect(client);
    const std::vector<int> cols = VisibleIndexes(model.Cols());
    const std::vector<int> rows = model.VisibleRows();
    if (cols.empty() || rows.empty()) return;
    PaintLines(canvas, model, CellsEnd(model.Cols(), cols), CellsEnd(model.Rows(), rows));

    const SystemColorLookup systemRgb = [](int index) { return win32::FromColorRef(GetSysColor(index)); };
    for (const int row : rows) {
        for (const int col : cols) {
            const auto drawing = model.DrawCell({col, row}, systemRgb);
            if (!drawing) continue;
            PaintCell(canvas, *drawing, col < model.FixedCols() || row < model.FixedRows(), pictures);
        }
    }
}

}  // namespace corvina
