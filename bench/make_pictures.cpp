// Writes the bench cafés' item pictures: 640 x 480 JPEGs of plasma
// fractals (diamond-square, one seed per file), smooth and varied like
// photographs and each one its own, so that decoding them costs what
// photographs cost. Files that exist already are kept.
//   make_pictures <folder> <count>

#include <windows.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include <jpeglib.h>

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;
constexpr int kGrid = 1025;  // 2^10 + 1 covers the picture

// One channel of plasma in [0, 255].
std::vector<float> Plasma(std::mt19937& random) {
    std::vector<float> grid(static_cast<std::size_t>(kGrid) * kGrid);
    auto at = [&grid](int x, int y) -> float& {
        return grid[static_cast<std::size_t>(y) * kGrid + static_cast<std::size_t>(x)];
    };
    std::uniform_real_distribution<float> unit(-1.0f, 1.0f);
    at(0, 0) = 128 + 100 * unit(random);
    at(kGrid - 1, 0) = 128 + 100 * unit(random);
    at(0, kGrid - 1) = 128 + 100 * unit(random);
    at(kGrid - 1, kGrid - 1) = 128 + 100 * unit(random);
    float spread = 110.0f;
    for (int step = kGrid - 1; step > 1; step /= 2, spread *= 0.55f) {
        const int half = step / 2;
        for (int y = half; y < kGrid; y += step) {
            for (int x = half; x < kGrid; x += step) {
                at(x, y) = (at(x - half, y - half) + at(x + half, y - half) + at(x - half, y + half) +
                            at(x + half, y + half)) /
                               4 +
                           spread * unit(random);
            }
        }
        for (int y = 0; y < kGrid; y += half) {
            for (int x = (y / half) % 2 == 0 ? half : 0; x < kGrid; x += step) {
                float sum = 0;
                int count = 0;
                if (x >= half) sum += at(x - half, y), ++count;
                if (x + half < kGrid) sum += at(x + half, y), ++count;
                if (y >= half) sum += at(x, y - half), ++count;
                if (y + half < kGrid) sum += at(x, y + half), ++count;
                at(x, y) = sum / static_cast<float>(count) + spread * unit(random);
            }
        }
    }
    return grid;
}

bool WriteJpeg(const std::wstring& file, const std::vector<unsigned char>& rgb) {
    FILE* out = _wfopen(file.c_str(), L"wb");
    if (out == nullptr) return false;
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, out);
    info.image_width = kWidth;
    info.image_height = kHeight;
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 85, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row[1]{const_cast<unsigned char*>(rgb.data()) +
                        static_cast<std::size_t>(info.next_scanline) * kWidth * 3};
        jpeg_write_scanlines(&info, row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(out) == 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: make_pictures <folder> <count>\n");
        return 2;
    }
    const std::wstring folder = argv[1];
    const int count = _wtoi(argv[2]);
    std::vector<unsigned char> rgb(static_cast<std::size_t>(kWidth) * kHeight * 3);
    for (int n = 0; n < count; ++n) {
        const std::wstring file = folder + L"\\p" + std::to_wstring(n) + L".jpg";
        if (GetFileAttributesW(file.c_str()) != INVALID_FILE_ATTRIBUTES) continue;
        std::mt19937 random(static_cast<unsigned>(n) + 1);
        const std::array<std::vector<float>, 3> planes{Plasma(random), Plasma(random), Plasma(random)};
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                for (std::size_t c = 0; c < 3; ++c) {
                    const float value = planes[c][static_cast<std::size_t>(y) * kGrid + static_cast<std::size_t>(x)];
                    rgb[(static_cast<std::size_t>(y) * kWidth + static_cast<std::size_t>(x)) * 3 + c] =
                        static_cast<unsigned char>(std::clamp(value, 0.0f, 255.0f));
                }
            }
        }
        if (!WriteJpeg(file + L".part", rgb) || !MoveFileW((file + L".part").c_str(), file.c_str())) {
            std::fprintf(stderr, "could not write picture %d\n", n);
            return 1;
        }
    }
    return 0;
}
