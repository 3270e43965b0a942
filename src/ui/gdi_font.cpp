#include "ui/gdi_font.h"

#include <algorithm>
#include <string>

#include "sys/text.h"

namespace corvina::ui {

win32::GdiObject<HFONT> CreateGdiFont(const Font& font) {
    LOGFONTW description{};
    // A negative height asks for the character height rather than the cell's.
    description.lfHeight = -font.height;
    description.lfWeight = Has(font.style, FontStyle::Bold) ? FW_BOLD : FW_NORMAL;
    description.lfItalic = Has(font.style, FontStyle::Italic) ? TRUE : FALSE;
    description.lfUnderline = Has(font.style, FontStyle::Underline) ? TRUE : FALSE;
    description.lfStrikeOut = Has(font.style, FontStyle::StrikeOut) ? TRUE : FALSE;
    description.lfCharSet = DEFAULT_CHARSET;
    description.lfOutPrecision = OUT_DEFAULT_PRECIS;
    description.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    description.lfQuality = DEFAULT_QUALITY;
    description.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    const std::wstring face = WideFromBig5(font.face);
    const std::size_t length = std::min<std::size_t>(face.size(), LF_FACESIZE - 1);
    std::copy_n(face.begin(), length, description.lfFaceName);
    return win32::GdiObject<HFONT>(CreateFontIndirectW(&description));
}

int FontHeightOfPoints(int points) {
    const win32::ReleasedDC screen = win32::ReleasedDC::Of(nullptr);
    return MulDiv(points, GetDeviceCaps(screen.Get(), LOGPIXELSY), 72);
}

}  // namespace corvina::ui
