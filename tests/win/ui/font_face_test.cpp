// Fonts for Big5 text on a PC whatever its fonts: the face asked for only
// when it draws Chinese, else one that does; never boxes.

#include "ui/font_face.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sys/text.h"
#include "sys/win32/handles.h"
#include "ui/font.h"
#include "ui/gdi_font.h"

namespace corvina::ui {
namespace {

// How many characters of the text the font has no glyph for.
int MissingGlyphs(HFONT font, const std::wstring& text) {
    const win32::ReleasedDC screen = win32::ReleasedDC::Of(nullptr);
    const HGDIOBJ previous = SelectObject(screen.Get(), font);
    std::vector<WORD> glyphs(text.size());
    GetGlyphIndicesW(screen.Get(), text.c_str(), static_cast<int>(text.size()), glyphs.data(),
                     GGI_MARK_NONEXISTING_GLYPHS);
    SelectObject(screen.Get(), previous);
    int missing = 0;
    for (const WORD glyph : glyphs) missing += glyph == 0xFFFF ? 1 : 0;
    return missing;
}

BYTE CharSetOf(HFONT font) {
    LOGFONTW description{};
    GetObjectW(font, sizeof description, &description);
    return description.lfCharSet;
}

const std::wstring kCaption = WideFromBig5(T(u8"載入中‧‧‧ 點餐 確認設定 桌　面"));

TEST(FontFaces, AFaceWithoutChineseOrMissingFallsBackToOneThatDrawsIt) {
    EXPECT_FALSE(FaceDrawsBig5(L"No Such Face Corvina"));
    EXPECT_FALSE(FaceDrawsBig5(L""));
    // A Latin face the PC has: made for Big5 text, the font mapper may
    // prefer a face with the characters; either way what is drawn has them.
    for (const char* face : {"No Such Face Corvina", "DejaVu Sans", "MS Sans Serif"}) {
        const std::wstring chosen = Big5FaceFor(WideFromBig5(face));
        EXPECT_TRUE(chosen.empty() || FaceDrawsBig5(chosen)) << face;
        const win32::GdiObject<HFONT> font = CreateGdiFont(Font(face, 12));
        ASSERT_TRUE(font) << face;
        EXPECT_EQ(CharSetOf(font.Get()), CHINESEBIG5_CHARSET) << face;
        EXPECT_EQ(MissingGlyphs(font.Get(), kCaption), 0) << face;
    }
}

TEST(FontFaces, AFaceThatDrawsChineseIsKeptAndAskedOnce) {
    const std::wstring chinese = WideFromBig5(T(u8"新細明體"));
    if (!FaceDrawsBig5(chinese)) GTEST_SKIP() << "this PC has no such face";
    EXPECT_EQ(Big5FaceFor(chinese), chinese);
    FontFaces faces;
    EXPECT_EQ(faces.FaceFor(chinese), chinese);
    EXPECT_EQ(faces.FaceFor(L"No Such Face Corvina"), Big5FaceFor(L"No Such Face Corvina"));
}

}  // namespace
}  // namespace corvina::ui
