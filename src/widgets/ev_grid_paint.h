#pragma once
// Drawing of the striped grid `TEvgrid`: the cells as EvGridModel
// describes them, the grid lines between them and the ground past them.

#include "ui/bitmap.h"
#include "ui/canvas.h"
#include "widgets/grid_model.h"

namespace corvina {

// The pictures the grid holds; any of them may be empty.
struct GridPictures {
    const ui::Bitmap& flag;  // "FLAG", transparent
    const ui::Bitmap& fixedPattern;
    const ui::Bitmap& checkGlyph;  // "DEFCHK"
};

void PaintGrid(ui::Canvas& canvas, const EvGridModel& model, const GridPictures& pictures);

}  // namespace corvina
