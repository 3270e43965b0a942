// Picture files come from café folders and shares, damaged now and then.
// Whatever the header parsers accept must lie inside the bytes, since GDI
// is then handed pointers into them.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "ui/bmp_layout.h"
#include "ui/icon_directory.h"
#include "ui/metafile_header.h"
#include "ui/picture_format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    using namespace corvina::ui;
    (void)DetectPictureFormat(bytes);

    if (const auto bmp = ParseBmpFile(bytes)) {
        if (bmp->infoOffset + bmp->infoSize > bmp->bitsOffset || bmp->bitsOffset >= size) std::abort();
        if (bmp->width <= 0 || bmp->height <= 0 || bmp->width > kMaxBitmapSide || bmp->height > kMaxBitmapSide) {
            std::abort();
        }
    }
    if (const auto icon = LargestIconImage(bytes)) {
        if (icon->size == 0 || icon->offset > size || icon->size > size - icon->offset) std::abort();
        if (icon->width < 1 || icon->width > 256 || icon->height < 1 || icon->height > 256) std::abort();
    }
    if (const auto wmf = ParsePlaceableMetafile(bytes)) {
        if (wmf->dataOffset >= size || wmf->width <= 0 || wmf->height <= 0 || wmf->unitsPerInch <= 0) std::abort();
        (void)UnitsToPixels(wmf->width, wmf->unitsPerInch, 96);
    }
    return 0;
}
