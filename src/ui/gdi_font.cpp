#include "ui/gdi_font.h"

#include <algorithm>
#include <string>

#include "sys/text.h"
#include "ui/application.h"
#include "ui/font_face.h"

namespace corvina::ui {

win32::GdiObject<HFONT> CreateGdiFont(const Font& font) {
    LOGFONTW description{};
    // A negative height asks for the character height rather than the cell's.
    description.lfHeight = -font.height;
    description.lfWeight = Has(font.style, FontStyle::Bold) ? FW_BOLD : FW_NORMAL;
    description.lfItalic = Has(font.style, FontStyle::Italic) ? TRUE : FALSE;
    description.lfUnderline = Has(font.style, FontStyle::Underline) ? TRUE : FALSE;
    description.lfStrikeOut = Has(font.style, FontStyle::StrikeOut) ? TRUE : FALSE;
    // The program's text is Big5: the font mapper then prefers faces that
    // have its characters, whatever the PC's language.
    description.lfCharSet = CHINESEBIG5_CHARSET;
    description.lfOutPrecision = OUT_DEFAULT_PRECIS;
    description.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    description.lfQuality = DEFAULT_QUALITY;
    description.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    // Cut as the field cuts it, so that the face looked up is the one asked for.
    std::wstring asked = WideFromBig5(font.face);
    if (asked.size() >= LF_FACESIZE) asked.resize(LF_FACESIZE - 1);
    Application* application = Application::Current();
    const std::wstring face = application ? application->Faces().FaceFor(asked) : Big5FaceFor(asked);
    const std::size_t length = std::min<std::size_t>(face.size(), LF_FACESIZE - 1);
    std::copy_n(face.begin(), length, description.lfFaceName);
    return win32::GdiObject<HFONT>(CreateFontIndirectW(&description));
}

int FontHeightOfPoints(int points) {
    const win32::ReleasedDC screen = win32::ReleasedDC::Of(nullptr);
    return MulDiv(points, GetDeviceCaps(screen.Get(), LOGPIXELSY), 72);
}

}  // namespace corvina::ui
