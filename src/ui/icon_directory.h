#pragma once
// The image of an .ico file to show: an icon file holds several sizes and
// colour depths of one icon.

#include <cstddef>
#include <optional>
#include <string_view>

namespace corvina::ui {

struct IconImage {
    std::size_t offset = 0;
    std::size_t size = 0;
    int width = 0;
    int height = 0;
};

// The largest image, the deepest colours among equals; nothing when the
// directory or the chosen image runs past the end of the bytes.
std::optional<IconImage> LargestIconImage(std::string_view bytes);

}  // namespace corvina::ui
