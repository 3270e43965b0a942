#include "ui/font_face.h"

#include <windows.h>

#include <algorithm>
#include <array>
#include <string_view>

#include "sys/win32/handles.h"

namespace corvina::ui {

namespace {

// Characters of the program's own texts, common to every Big5 face.
constexpr std::wstring_view kSample = L"中文遊戲選單點餐桌面確認設定";

int CALLBACK FoundFace(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool Installed(HDC dc, const std::wstring& face) {
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    std::copy_n(face.begin(), std::min<std::size_t>(face.size(), LF_FACESIZE - 1), wanted.lfFaceName);
    bool found = false;
    EnumFontFamiliesExW(dc, &wanted, FoundFace, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

bool DrawsSample(HDC dc, const std::wstring& face) {
    LOGFONTW description{};
    description.lfHeight = -12;
    description.lfCharSet = CHINESEBIG5_CHARSET;
    std::copy_n(face.begin(), std::min<std::size_t>(face.size(), LF_FACESIZE - 1), description.lfFaceName);
    const win32::GdiObject<HFONT> font(CreateFontIndirectW(&description));
    if (!font) return false;
    const HGDIOBJ previous = SelectObject(dc, font.Get());
    std::array<WORD, kSample.size()> glyphs{};
    const DWORD done = GetGlyphIndicesW(dc, kSample.data(), static_cast<int>(kSample.size()), glyphs.data(),
                                        GGI_MARK_NONEXISTING_GLYPHS);
    SelectObject(dc, previous);
    return done != GDI_ERROR && std::none_of(glyphs.begin(), glyphs.end(), [](WORD g) { return g == 0xFFFF; });
}

}  // namespace

bool FaceDrawsBig5(const std::wstring& face) {
    if (face.empty()) return false;
    const win32::ReleasedDC screen = win32::ReleasedDC::Of(nullptr);
    return Installed(screen.Get(), face) && DrawsSample(screen.Get(), face);
}

std::wstring Big5FaceFor(const std::wstring& face) {
    if (FaceDrawsBig5(face)) return face;
    if (FaceDrawsBig5(kFallbackBig5Face)) return kFallbackBig5Face;
    return {};
}

std::wstring FontFaces::FaceFor(const std::wstring& face) {
    const std::lock_guard lock(mutex_);
    auto found = chosen_.find(face);
    if (found == chosen_.end()) found = chosen_.emplace(face, Big5FaceFor(face)).first;
    return found->second;
}

}  // namespace corvina::ui
