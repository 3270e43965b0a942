#include "picture_probe.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <jpeglib.h>

#include "ui/bmp_layout.h"
#include "ui/icon_directory.h"
#include "ui/jpeg_error_jump.h"
#include "ui/picture_format.h"

namespace corvina {

namespace {

extern "C" void KeepJpegWarning(j_common_ptr info, int level) {
    // Level -1 is a warning (corrupt or cut-short data); keep the first one.
    auto* errors = reinterpret_cast<ui::JpegErrorJump*>(info->err);
    if (level < 0 && info->err->num_warnings++ == 0) (*info->err->format_message)(info, errors->message);
}

enum class JpegResult { Good, Damaged, Warned };

// Decodes at an eighth of the size: every byte of the data is still read.
JpegResult DecodeJpeg(jpeg_decompress_struct& info, ui::JpegErrorJump& errors, const unsigned char* data,
                      unsigned long size) {
    if (setjmp(errors.jump) != 0) return JpegResult::Damaged;
    jpeg_mem_src(&info, data, size);
    jpeg_read_header(&info, TRUE);
    info.scale_num = 1;
    info.scale_denom = 8;
    jpeg_start_decompress(&info);
    JSAMPARRAY row = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                               info.output_width * static_cast<JDIMENSION>(info.output_components), 1);
    while (info.output_scanline < info.output_height) jpeg_read_scanlines(&info, row, 1);
    jpeg_finish_decompress(&info);
    return errors.base.num_warnings > 0 ? JpegResult::Warned : JpegResult::Good;
}

std::optional<std::string> JpegProblem(std::string_view bytes) {
    jpeg_decompress_struct info;
    ui::JpegErrorJump errors;
    std::memset(&info, 0, sizeof info);
    std::memset(&errors, 0, sizeof errors);
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = ui::JumpOnJpegError;
    errors.base.emit_message = KeepJpegWarning;
    jpeg_create_decompress(&info);
    const JpegResult result = DecodeJpeg(info, errors, reinterpret_cast<const unsigned char*>(bytes.data()),
                                         static_cast<unsigned long>(bytes.size()));
    jpeg_destroy_decompress(&info);
    switch (result) {
        case JpegResult::Good:
            return std::nullopt;
        case JpegResult::Damaged:
            return std::string("the JPEG data is damaged (") + errors.message + ")";
        case JpegResult::Warned:
            return std::string("the JPEG data is cut short or damaged, so part of the picture shows grey (") +
                   errors.message + ")";
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> PictureProblem(std::string_view bytes) {
    switch (ui::DetectPictureFormat(bytes)) {
        case ui::PictureFormat::Bitmap:
            if (ui::ParseBmpFile(bytes)) return std::nullopt;
            return "the bitmap is damaged or cut short";
        case ui::PictureFormat::Jpeg:
            return JpegProblem(bytes);
        case ui::PictureFormat::Icon:
            if (ui::LargestIconImage(bytes)) return std::nullopt;
            return "the icon file is damaged or cut short";
        case ui::PictureFormat::EnhMetafile:
        case ui::PictureFormat::Metafile:
            return std::nullopt;
        case ui::PictureFormat::Unknown:
            break;
    }
    if (bytes.starts_with("\x89PNG")) return "it is a PNG picture, which the menu cannot show";
    if (bytes.starts_with("GIF8")) return "it is a GIF picture, which the menu cannot show";
    return "it is no picture the menu can show (BMP, JPEG, ICO, EMF or WMF)";
}

}  // namespace corvina
