#include <gtest/gtest.h>

#include <windows.h>

#include "support/gdi_leak_check.h"
#include "sys/text.h"
#include "ui/color.h"
#include "ui/font.h"
#include "ui/font_face.h"
#include "ui/gdi_font.h"

namespace corvina::ui {
namespace {

TEST(ToColorRef, PlainSystemAndSpecialColours) {
    EXPECT_EQ(ToColorRef(Color::Rgb(0x12, 0x34, 0x56)), RGB(0x12, 0x34, 0x56));
    EXPECT_EQ(ToColorRef(Color::System(COLOR_BTNFACE)), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(ToColorRef(Color::System(COLOR_HIGHLIGHT)), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(ToColorRef(kColorDefault), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(ToColorRef(kColorNone), CLR_INVALID);
    EXPECT_TRUE(IsNoColor(kColorNone));
    EXPECT_FALSE(IsNoColor(Color::Rgb(255, 255, 255)));
    EXPECT_EQ(FromColorRef(RGB(1, 2, 3)), Color::Rgb(1, 2, 3));
}

TEST(Font, ComparesByEveryField) {
    const Font font;
    EXPECT_EQ(font.face, T(u8"新細明體"));
    EXPECT_EQ(font.height, kDefaultFontHeight);
    EXPECT_EQ(font, Font());

    Font other = font;
    other.style = FontStyle::Bold | FontStyle::Underline;
    EXPECT_NE(other, font);
    EXPECT_TRUE(Has(other.style, FontStyle::Underline));
    EXPECT_FALSE(Has(other.style, FontStyle::Italic));
    other = font;
    other.color = Color::Rgb(255, 0, 0);
    EXPECT_NE(other, font);
    EXPECT_NE(Font("Arial", 12), Font("Arial", 13));
}

using GdiFontTest = test::NoGdiLeaks;

TEST_F(GdiFontTest, CarriesFaceHeightAndStyle) {
    const Font font(T(u8"標楷體"), 20, FontStyle::Bold | FontStyle::Italic | FontStyle::StrikeOut);
    const win32::GdiObject<HFONT> handle = CreateGdiFont(font);
    ASSERT_TRUE(handle);
    LOGFONTW description{};
    ASSERT_NE(GetObjectW(handle.Get(), sizeof description, &description), 0);
    EXPECT_EQ(std::wstring(description.lfFaceName), L"標楷體");
    EXPECT_EQ(description.lfHeight, -20);
    EXPECT_EQ(description.lfWeight, FW_BOLD);
    EXPECT_TRUE(description.lfItalic);
    EXPECT_TRUE(description.lfStrikeOut);
    EXPECT_FALSE(description.lfUnderline);
}

// No installed face has such a name: it is never written past the field,
// and a face that draws Big5 (or none, for the system to choose) replaces it.
TEST_F(GdiFontTest, OverlongFaceNamesAreCutAndReplaced) {
    const win32::GdiObject<HFONT> handle = CreateGdiFont(Font(std::string(60, 'x'), 12));
    LOGFONTW description{};
    ASSERT_NE(GetObjectW(handle.Get(), sizeof description, &description), 0);
    const std::wstring face(description.lfFaceName);
    EXPECT_LT(face.size(), std::size_t{LF_FACESIZE});
    EXPECT_TRUE(face.empty() || FaceDrawsBig5(face)) << face;
}

}  // namespace
}  // namespace corvina::ui
