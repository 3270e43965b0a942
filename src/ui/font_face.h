#pragma once
// The face a font for Big5 text is made with on this PC. 新細明體 and
// 標楷體 are optional on a Windows that is not Chinese, and "MS Sans Serif"
// has no Chinese at all: such a face would draw boxes. A face is used when
// it is installed and draws Chinese characters (GetGlyphIndicesW);
// otherwise "Microsoft JhengHei", which every Windows 10 and 11 has, under
// the same test; otherwise none, and the system's font linking chooses.

#include <map>
#include <mutex>
#include <string>

namespace corvina::ui {

inline constexpr wchar_t kFallbackBig5Face[] = L"Microsoft JhengHei";

// Whether `face` is installed and a font of it made for Big5 text
// (CHINESEBIG5_CHARSET) has glyphs for common Chinese characters.
bool FaceDrawsBig5(const std::wstring& face);

// The face to ask for in place of `face` (empty: let the system choose).
std::wstring Big5FaceFor(const std::wstring& face);

// Big5FaceFor, asked once per face for the process's life: the installed
// fonts do not change under a running menu. Safe from any thread.
class FontFaces {
public:
    std::wstring FaceFor(const std::wstring& face);

private:
    std::mutex mutex_;
    std::map<std::wstring, std::wstring> chosen_;
};

}  // namespace corvina::ui
