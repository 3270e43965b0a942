#include "ui/jpeg_decoder.h"

#include <windows.h>

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <new>

#include <jpeglib.h>

#include "sys/text.h"
#include "ui/jpeg_error_jump.h"
#include "ui/jpeg_scale.h"
#include "ui/picture_error.h"

namespace corvina::ui {

namespace {

// Warnings (a file cut short, say) still give a picture; nothing is printed.
extern "C" void IgnoreMessage(j_common_ptr) {}

struct Session {
    jpeg_decompress_struct info;
    JpegErrorJump error;
};

// Header and output size. False with error.message set on failure.
bool ReadHeader(Session& s, const unsigned char* data, unsigned long size, int wantedWidth, int wantedHeight) {
    s.info.err = jpeg_std_error(&s.error.base);
    s.error.base.error_exit = JumpOnJpegError;
    s.error.base.output_message = IgnoreMessage;
    if (setjmp(s.error.jump) != 0) return false;
    jpeg_create_decompress(&s.info);
    jpeg_mem_src(&s.info, data, size);
    jpeg_read_header(&s.info, TRUE);
    s.info.scale_num = static_cast<unsigned>(JpegScaleEighths(
        static_cast<int>(s.info.image_width), static_cast<int>(s.info.image_height), wantedWidth, wantedHeight));
    s.info.scale_denom = kJpegScaleDenominator;
    // libjpeg turns grey and YCbCr into the byte order of a 24-bit DIB
    // itself; print-shop CMYK it hands over as it is.
    const bool inks = s.info.jpeg_color_space == JCS_CMYK || s.info.jpeg_color_space == JCS_YCCK;
    s.info.out_color_space = inks ? JCS_CMYK : JCS_EXT_BGR;
    jpeg_calc_output_dimensions(&s.info);
    return true;
}

// Adobe's programs store CMYK inverted (255 = no ink) and mark the file;
// others store plain ink amounts.
void InksToBgr(const JSAMPLE* inks, unsigned char* bgr, JDIMENSION width, bool inverted) {
    for (JDIMENSION x = 0; x < width; ++x, inks += 4, bgr += 3) {
        auto paper = [&](int i) { return inverted ? inks[i] : 255 - inks[i]; };
        const int black = paper(3);
        bgr[0] = static_cast<unsigned char>(paper(2) * black / 255);
        bgr[1] = static_cast<unsigned char>(paper(1) * black / 255);
        bgr[2] = static_cast<unsigned char>(paper(0) * black / 255);
    }
}

bool ReadPixels(Session& s, unsigned char* bits, std::ptrdiff_t stride) {
    if (setjmp(s.error.jump) != 0) return false;
    jpeg_start_decompress(&s.info);
    const bool inks = s.info.out_color_space == JCS_CMYK;
    // From libjpeg's own pool, which goes with the session: nothing here may need a destructor.
    JSAMPARRAY inkRow = inks ? (*s.info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&s.info), JPOOL_IMAGE,
                                                           s.info.output_width * 4, 1)
                             : nullptr;
    while (s.info.output_scanline < s.info.output_height) {
        JSAMPROW row = bits + static_cast<std::ptrdiff_t>(s.info.output_scanline) * stride;
        if (inks) {
            jpeg_read_scanlines(&s.info, inkRow, 1);
            InksToBgr(inkRow[0], row, s.info.output_width, s.info.saw_Adobe_marker != 0);
        } else {
            jpeg_read_scanlines(&s.info, &row, 1);
        }
    }
    jpeg_finish_decompress(&s.info);
    return true;
}

// Frees libjpeg's memory however the stages ended.
class SessionGuard {
public:
    explicit SessionGuard(Session& session) : session_(session) {}
    ~SessionGuard() { jpeg_destroy_decompress(&session_.info); }
    SessionGuard(const SessionGuard&) = delete;
    SessionGuard& operator=(const SessionGuard&) = delete;

private:
    Session& session_;
};

// Decodes into the pixels `make(width, height)` gives for the output size.
template <typename MakePixels>
PixelView24 Decode(std::string_view bytes, const Big5& name, int wantedWidth, int wantedHeight, MakePixels make) {
    Session session;
    std::memset(&session, 0, sizeof session);  // destroying a session libjpeg never set up is then harmless
    const SessionGuard guard(session);
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    auto damaged = [&] { return PictureError(name, T(u8"JPEG 檔已損壞（") + session.error.message + T(u8"）")); };

    if (!ReadHeader(session, data, static_cast<unsigned long>(bytes.size()), wantedWidth, wantedHeight)) {
        throw damaged();
    }
    const PixelView24 pixels =
        make(static_cast<int>(session.info.output_width), static_cast<int>(session.info.output_height));
    if (pixels.Empty()) throw PictureError(name, T(u8"圖片太大，記憶體不足"));
    if (!ReadPixels(session, pixels.bits, pixels.stride)) throw damaged();
    return pixels;
}

}  // namespace

Bitmap DecodeJpeg(std::string_view bytes, const Big5& name, int wantedWidth, int wantedHeight) {
    Bitmap bitmap;
    Decode(bytes, name, wantedWidth, wantedHeight, [&](int width, int height) {
        bitmap = Bitmap(width, height);
        return bitmap.Empty() ? PixelView24{} : bitmap.Pixels();
    });
    return bitmap;
}

PixelView24 DecodeJpegInto(std::string_view bytes, const Big5& name, int wantedWidth, int wantedHeight,
                           std::vector<std::uint8_t>& pixels) {
    return Decode(bytes, name, wantedWidth, wantedHeight, [&](int width, int height) -> PixelView24 {
        const std::ptrdiff_t stride = 3 * static_cast<std::ptrdiff_t>(width);
        try {
            pixels.resize(static_cast<std::size_t>(stride * height));
        } catch (const std::bad_alloc&) {
            return {};
        }
        return {pixels.data(), width, height, stride};
    });
}

}  // namespace corvina::ui
