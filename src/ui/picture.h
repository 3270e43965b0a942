#pragma once
// A picture of any kind the menu shows: bitmap, JPEG (held decoded), icon
// or metafile. Copies are deep.

#include <windows.h>

#include <string_view>
#include <variant>

#include "sys/big5.h"
#include "sys/edge_rect.h"
#include "sys/geometry.h"
#include "sys/win32/handles.h"
#include "ui/bitmap.h"

namespace corvina::ui {

class Canvas;

class Picture {
public:
    enum class Kind { Empty, Bitmap, Jpeg, Icon, Metafile };

    Picture() = default;
    explicit Picture(ui::Bitmap bitmap);
    Picture(const Picture& other);
    Picture& operator=(const Picture& other);
    Picture(Picture&&) noexcept = default;
    Picture& operator=(Picture&&) noexcept = default;

    // The kind is told by the contents, not the name. A wanted size lets a
    // large JPEG decode reduced (jpeg_scale.h). Throws PictureError naming
    // the file when it cannot be read, is of no known kind or is damaged;
    // the picture is unchanged then.
    void LoadFromFile(const Big5& path, int wantedWidth = 0, int wantedHeight = 0);
    // The same for bytes already read; `name` is for the error message.
    void LoadFromBytes(std::string_view bytes, const Big5& name, int wantedWidth = 0, int wantedHeight = 0);
    // A picture built into the program as a data resource (a JPEG, say).
    void LoadFromResourceData(const Big5& name, HMODULE module = nullptr);

    void SetBitmap(ui::Bitmap bitmap);
    // An icon from elsewhere (a program's file, say), at its own size.
    void SetIcon(win32::ScopedIcon icon);
    // Its size is its frame at the screen's resolution.
    void SetMetafile(win32::ScopedEnhMetaFile metafile);
    void Clear() {
        content_ = {};
        kind_ = Kind::Empty;
    }

    Kind GetKind() const { return kind_; }
    bool Empty() const { return kind_ == Kind::Empty; }
    int Width() const;
    int Height() const;
    // The pixels of a bitmap or decoded JPEG (to make it transparent, say);
    // null for other kinds.
    const ui::Bitmap* Bitmap() const { return std::get_if<ui::Bitmap>(&content_); }
    ui::Bitmap* Bitmap() { return std::get_if<ui::Bitmap>(&content_); }

    void Draw(Canvas& canvas, Point at) const;
    void StretchDraw(Canvas& canvas, const EdgeRect& rect) const;

private:
    struct Icon {
        win32::ScopedIcon handle;
        int width = 0;
        int height = 0;
    };
    struct Metafile {
        win32::ScopedEnhMetaFile handle;
        int width = 0;
        int height = 0;
    };

    std::variant<std::monostate, ui::Bitmap, Icon, Metafile> content_;
    Kind kind_ = Kind::Empty;
};

}  // namespace corvina::ui
