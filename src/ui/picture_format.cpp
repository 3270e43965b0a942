#include "ui/picture_format.h"

#include "ui/le_bytes.h"

namespace corvina::ui {

namespace {

constexpr std::uint32_t kEmfSignature = 0x464D4520;  // " EMF"
constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;

bool IsEnhMetafile(std::string_view bytes) {
    return bytes.size() >= 44 && Le32(bytes, 0) == 1 && Le32(bytes, 40) == kEmfSignature;
}

// A plain Windows metafile: memory or disk type, a nine-word header, version 1 or 3.
bool IsPlainMetafile(std::string_view bytes) {
    if (bytes.size() < 18) return false;
    const std::uint16_t type = Le16(bytes, 0);
    const std::uint16_t version = Le16(bytes, 4);
    return (type == 1 || type == 2) && Le16(bytes, 2) == 9 && (version == 0x100 || version == 0x300);
}

}  // namespace

PictureFormat DetectPictureFormat(std::string_view bytes) {
    if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M') return PictureFormat::Bitmap;
    if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xFF\xD8\xFF") return PictureFormat::Jpeg;
    if (bytes.size() >= 6 && Le16(bytes, 0) == 0 && Le16(bytes, 2) == 1 && Le16(bytes, 4) > 0) {
        return PictureFormat::Icon;
    }
    if (IsEnhMetafile(bytes)) return PictureFormat::EnhMetafile;
    if ((bytes.size() >= 4 && Le32(bytes, 0) == kPlaceableKey) || IsPlainMetafile(bytes)) {
        return PictureFormat::Metafile;
    }
    return PictureFormat::Unknown;
}

}  // namespace corvina::ui
