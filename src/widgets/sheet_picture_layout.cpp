#include "widgets/sheet_picture_layout.h"

namespace corvina {

namespace {

Point OriginalPosition(TPicAlignment align, int pw, int ph, int cw, int ch) {
    switch (align) {
        case TPicAlignment::cLeft_Top:
            return {0, 0};
        case TPicAlignment::cLeft_Bottom:
            return {0, ch - ph};
        case TPicAlignment::cRight_Top:
            return {cw - pw, 0};
        case TPicAlignment::cRight_Bottom:
            return {cw - pw, ch - ph};
        case TPicAlignment::cCenter:
            break;
    }
    // Integer division rounds towards zero, also for a picture larger than the page.
    return {(cw - pw) / 2, (ch - ph) / 2};
}

}  // namespace

std::vector<SheetPictureDraw> SheetPictureDraws(TPictureStyle style, TPicAlignment align, int pw, int ph, int cw,
                                                int ch) {
    if (pw <= 0 || ph <= 0) return {};
    switch (style) {
        case TPictureStyle::psStretch:
            return {{{0, 0, cw, ch}, true}};
        case TPictureStyle::psFillup: {
            std::vector<SheetPictureDraw> tiles;
            for (int row = 0; row <= ch / ph; ++row) {
                for (int column = 0; column <= cw / pw; ++column) {
                    const int x = column * pw;
                    const int y = row * ph;
                    tiles.push_back({{x, y, x + pw, y + ph}, false});
                }
            }
            return tiles;
        }
        case TPictureStyle::psOriginal:
            break;
    }
    const Point at = OriginalPosition(align, pw, ph, cw, ch);
    return {{{at.x, at.y, at.x + pw, at.y + ph}, false}};
}

}  // namespace corvina
