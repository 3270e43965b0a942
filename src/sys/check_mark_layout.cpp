#include "sys/check_mark_layout.h"

namespace corvina {

namespace {

EdgeRect PlaceSquare(const EdgeRect& cell, int size, int margin, CheckPlacement placement) {
    const int top = cell.top + cell.Height() / 2 - size / 2;
    int left = cell.left + margin;
    if (placement == CheckPlacement::Right) left = cell.left + cell.Width() - size - margin;
    if (placement == CheckPlacement::Centre) left = cell.left + cell.Width() / 2 - size / 2;
    return {left, top, left + size, top + size};
}

}  // namespace

CheckMarkSquares PlaceCheckMark(const EdgeRect& cell, int boxSize, int glyphSize, CheckPlacement placement) {
    const int d = (boxSize - glyphSize) / 2;
    const int boxMargin = d >= 0 ? 1 : -d;
    const int glyphMargin = d >= 0 ? d : 1;
    return {PlaceSquare(cell, boxSize, boxMargin, placement), PlaceSquare(cell, glyphSize, glyphMargin, placement)};
}

std::optional<EdgeRect> CheckCaptionArea(const EdgeRect& cell, const CheckMarkSquares& squares,
                                         CheckPlacement placement) {
    EdgeRect area = cell;
    switch (placement) {
        case CheckPlacement::Left:
            area.left = MaxOf(squares.box.right, squares.glyph.right) + 1;
            return area;
        case CheckPlacement::Right:
            area.right = MinOf(squares.box.left, squares.glyph.left) - 1;
            return area;
        case CheckPlacement::Centre:
            break;
    }
    return std::nullopt;
}

EdgeRect CheckCaptionTextRect(const EdgeRect& cell, const EdgeRect& area, int textWidth, int textHeight) {
    const int left = area.left + 2;
    const int top = cell.top + (cell.Height() - textHeight) / 2;
    return {left, top, left + textWidth, top + textHeight};
}

EdgeRect CheckCaptionReportRect(const EdgeRect& cell, const EdgeRect& area, const EdgeRect& text) {
    EdgeRect report = text;
    ShrinkRect(report, -1);
    ClipRectTo(report, {area.left, cell.top, cell.right, cell.bottom});
    return report;
}

EdgeRect CheckDotRect(const EdgeRect& box, int boxSize) {
    const int radius = (boxSize / 2) / 2 - 1;
    const int cx = box.left + boxSize / 2;
    const int cy = box.top + boxSize / 2;
    return {cx - radius, cy - radius, cx + radius, cy + radius};
}

}  // namespace corvina
