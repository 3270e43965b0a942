// libjpeg-turbo alone: reads and decodes the given JPEG files one after the
// other at the scale the menu picks for a picture button (the smallest
// eighth that covers it) and prints the seconds it took, best of three.
//   decode_baseline <width> <height> <file>...

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "sys/files.h"
#include "sys/text.h"
#include "ui/jpeg_scale.h"

namespace {

void Decode(const std::string& bytes, int wantedWidth, int wantedHeight, std::vector<unsigned char>& pixels) {
    jpeg_decompress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    info.scale_num = static_cast<unsigned>(corvina::ui::JpegScaleEighths(
        static_cast<int>(info.image_width), static_cast<int>(info.image_height), wantedWidth, wantedHeight));
    info.scale_denom = corvina::ui::kJpegScaleDenominator;
    info.out_color_space = JCS_EXT_BGR;
    jpeg_start_decompress(&info);
    const std::size_t stride = static_cast<std::size_t>(info.output_width) * 3;
    pixels.resize(stride * info.output_height);
    while (info.output_scanline < info.output_height) {
        JSAMPROW rows[1]{pixels.data() + stride * info.output_scanline};
        jpeg_read_scanlines(&info, rows, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: decode_baseline <width> <height> <file>...\n");
        return 2;
    }
    const int width = _wtoi(argv[1]);
    const int height = _wtoi(argv[2]);
    std::vector<corvina::Big5> files;
    for (int i = 3; i < argc; ++i) files.push_back(corvina::Big5FromWide(argv[i]));
    std::vector<unsigned char> pixels;
    double best = 1e9;
    for (int round = 0; round < 3; ++round) {
        const auto start = std::chrono::steady_clock::now();
        for (const corvina::Big5& file : files) {
            const std::optional<std::string> bytes = corvina::ReadFileBytes(file);
            if (!bytes) {
                std::fprintf(stderr, "cannot read a file\n");
                return 1;
            }
            Decode(*bytes, width, height, pixels);
        }
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (seconds < best) best = seconds;
    }
    std::printf("%.6f\n", best);
    return 0;
}
