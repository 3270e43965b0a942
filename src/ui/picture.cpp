#include "ui/picture.h"

#include <optional>
#include <string>
#include <utility>

#include "sys/files.h"
#include "sys/text.h"
#include "ui/canvas.h"
#include "ui/icon_directory.h"
#include "ui/jpeg_decoder.h"
#include "ui/metafile_header.h"
#include "ui/picture_error.h"
#include "ui/picture_format.h"

namespace corvina::ui {

namespace {

int ScreenPixelsPerInch(int axis) {
    const win32::ReleasedDC screen = win32::ReleasedDC::Of(nullptr);
    return GetDeviceCaps(screen.Get(), axis);
}

SIZE IconSize(HICON icon) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) return {0, 0};
    // GetIconInfo hands over copies of the icon's bitmaps.
    const win32::GdiObject<HBITMAP> mask(info.hbmMask);
    const win32::GdiObject<HBITMAP> color(info.hbmColor);
    BITMAP bitmap{};
    if (GetObjectW(info.hbmMask, sizeof bitmap, &bitmap) == 0) return {0, 0};
    // Without a colour bitmap the mask holds the AND and XOR halves one above the other.
    return {bitmap.bmWidth, color ? bitmap.bmHeight : bitmap.bmHeight / 2};
}

win32::ScopedIcon IconFromBytes(std::string_view bytes) {
    const std::optional<IconImage> image = LargestIconImage(bytes);
    if (!image) return {};
    // CreateIconFromResourceEx reads but does not change the bits.
    auto* bits = reinterpret_cast<PBYTE>(const_cast<char*>(bytes.data() + image->offset));
    return win32::ScopedIcon(CreateIconFromResourceEx(bits, static_cast<DWORD>(image->size), TRUE, 0x00030000,
                                                      image->width, image->height, LR_DEFAULTCOLOR));
}

win32::ScopedEnhMetaFile EnhMetafileFromBytes(std::string_view bytes) {
    const auto* data = reinterpret_cast<const BYTE*>(bytes.data());
    return win32::ScopedEnhMetaFile(SetEnhMetaFileBits(static_cast<UINT>(bytes.size()), data));
}

// A Windows metafile, held as an enhanced one; a placeable header gives the size.
win32::ScopedEnhMetaFile MetafileFromBytes(std::string_view bytes) {
    const std::optional<PlaceableMetafile> placeable = ParsePlaceableMetafile(bytes);
    std::string_view plain = bytes;
    METAFILEPICT picture{};
    if (placeable) {
        plain = bytes.substr(placeable->dataOffset);
        picture.mm = MM_ANISOTROPIC;
        picture.xExt = UnitsToPixels(placeable->width, placeable->unitsPerInch, 2540);  // in 0.01 mm
        picture.yExt = UnitsToPixels(placeable->height, placeable->unitsPerInch, 2540);
    }
    const auto* data = reinterpret_cast<const BYTE*>(plain.data());
    return win32::ScopedEnhMetaFile(
        SetWinMetaFileBits(static_cast<UINT>(plain.size()), data, nullptr, placeable ? &picture : nullptr));
}

}  // namespace

Picture::Picture(ui::Bitmap bitmap) { SetBitmap(std::move(bitmap)); }

Picture::Picture(const Picture& other) : kind_(other.kind_) {
    if (const auto* bitmap = std::get_if<ui::Bitmap>(&other.content_)) {
        content_ = *bitmap;
    } else if (const auto* icon = std::get_if<Icon>(&other.content_)) {
        content_ = Icon{win32::ScopedIcon(CopyIcon(icon->handle.Get())), icon->width, icon->height};
    } else if (const auto* metafile = std::get_if<Metafile>(&other.content_)) {
        content_ = Metafile{win32::ScopedEnhMetaFile(CopyEnhMetaFileW(metafile->handle.Get(), nullptr)),
                            metafile->width, metafile->height};
    }
}

Picture& Picture::operator=(const Picture& other) {
    if (this != &other) *this = Picture(other);
    return *this;
}

void Picture::LoadFromFile(const Big5& path, int wantedWidth, int wantedHeight) {
    const std::optional<std::string> bytes = ReadFileBytes(path);
    if (!bytes) throw PictureError(path, T(u8"檔案不存在或無法讀取"));
    LoadFromBytes(*bytes, path, wantedWidth, wantedHeight);
}

void Picture::LoadFromResourceData(const Big5& name, HMODULE module) {
    if (module == nullptr) module = GetModuleHandleW(nullptr);
    const std::wstring wideName = WideFromBig5(name);
    // Resource memory belongs to the module: nothing to free.
    HRSRC found = FindResourceW(module, wideName.c_str(), MAKEINTRESOURCEW(10));  // RT_RCDATA
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (data == nullptr) throw PictureError(name, T(u8"找不到內建圖片"));
    LoadFromBytes({static_cast<const char*>(data), SizeofResource(module, found)}, name);
}

void Picture::LoadFromBytes(std::string_view bytes, const Big5& name, int wantedWidth, int wantedHeight) {
    const Big5 damaged = T(u8"檔案已損壞");
    switch (DetectPictureFormat(bytes)) {
        case PictureFormat::Bitmap: {
            std::optional<ui::Bitmap> bitmap = ui::Bitmap::FromBmpBytes(bytes);
            if (!bitmap) throw PictureError(name, damaged);
            SetBitmap(std::move(*bitmap));
            return;
        }
        case PictureFormat::Jpeg:
            content_ = DecodeJpeg(bytes, name, wantedWidth, wantedHeight);
            kind_ = Kind::Jpeg;
            return;
        case PictureFormat::Icon: {
            win32::ScopedIcon icon = IconFromBytes(bytes);
            if (!icon) throw PictureError(name, damaged);
            SetIcon(std::move(icon));
            return;
        }
        case PictureFormat::EnhMetafile:
        case PictureFormat::Metafile: {
            win32::ScopedEnhMetaFile metafile = DetectPictureFormat(bytes) == PictureFormat::EnhMetafile
                                                    ? EnhMetafileFromBytes(bytes)
                                                    : MetafileFromBytes(bytes);
            if (!metafile) throw PictureError(name, damaged);
            SetMetafile(std::move(metafile));
            return;
        }
        case PictureFormat::Unknown:
            break;
    }
    throw PictureError(name, T(u8"不是可顯示的圖片格式（BMP、JPEG、ICO、EMF、WMF）"));
}

void Picture::SetBitmap(ui::Bitmap bitmap) {
    kind_ = bitmap.Empty() ? Kind::Empty : Kind::Bitmap;
    content_ = std::move(bitmap);
}

void Picture::SetIcon(win32::ScopedIcon icon) {
    if (!icon) return Clear();
    const SIZE size = IconSize(icon.Get());
    content_ = Icon{std::move(icon), static_cast<int>(size.cx), static_cast<int>(size.cy)};
    kind_ = Kind::Icon;
}

void Picture::SetMetafile(win32::ScopedEnhMetaFile metafile) {
    if (!metafile) return Clear();
    ENHMETAHEADER header{};
    GetEnhMetaFileHeader(metafile.Get(), sizeof header, &header);
    // The frame is in units of 0.01 mm.
    const RECTL& frame = header.rclFrame;
    const int width = UnitsToPixels(frame.right - frame.left, 2540, ScreenPixelsPerInch(LOGPIXELSX));
    const int height = UnitsToPixels(frame.bottom - frame.top, 2540, ScreenPixelsPerInch(LOGPIXELSY));
    content_ = Metafile{std::move(metafile), width, height};
    kind_ = Kind::Metafile;
}

int Picture::Width() const {
    if (const auto* bitmap = std::get_if<ui::Bitmap>(&content_)) return bitmap->Width();
    if (const auto* icon = std::get_if<Icon>(&content_)) return icon->width;
    if (const auto* metafile = std::get_if<Metafile>(&content_)) return metafile->width;
    return 0;
}

int Picture::Height() const {
    if (const auto* bitmap = std::get_if<ui::Bitmap>(&content_)) return bitmap->Height();
    if (const auto* icon = std::get_if<Icon>(&content_)) return icon->height;
    if (const auto* metafile = std::get_if<Metafile>(&content_)) return metafile->height;
    return 0;
}

void Picture::Draw(Canvas& canvas, Point at) const {
    StretchDraw(canvas, {at.x, at.y, at.x + Width(), at.y + Height()});
}

void Picture::StretchDraw(Canvas& canvas, const EdgeRect& rect) const {
    if (rect.Width() <= 0 || rect.Height() <= 0) return;
    if (const auto* bitmap = std::get_if<ui::Bitmap>(&content_)) {
        bitmap->StretchDraw(canvas, rect);
    } else if (const auto* icon = std::get_if<Icon>(&content_)) {
        DrawIconEx(canvas.Handle(), rect.left, rect.top, icon->handle.Get(), rect.Width(), rect.Height(), 0, nullptr,
                   DI_NORMAL);
    } else if (const auto* metafile = std::get_if<Metafile>(&content_)) {
        const RECT r{rect.left, rect.top, rect.right, rect.bottom};
        PlayEnhMetaFile(canvas.Handle(), metafile->handle.Get(), &r);
    }
}

}  // namespace corvina::ui
