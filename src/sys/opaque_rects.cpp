#include "sys/opaque_rects.h"

#include <utility>

namespace corvina {
namespace {

using Runs = std::vector<std::pair<int, int>>;  // [left, right) of each opaque stretch

Runs OpaqueRuns(int width, int y, const std::function<bool(int x, int y)>& transparent) {
    Runs runs;
    for (int x = 0; x < width;) {
        while (x < width && transparent(x, y)) ++x;
        const int left = x;
        while (x < width && !transparent(x, y)) ++x;
        if (x > left) runs.emplace_back(left, x);
    }
    return runs;
}

}  // namespace

std::optional<std::vector<EdgeRect>> OpaqueRects(int width, int height,
                                                 const std::function<bool(int x, int y)>& transparent,
                                                 std::size_t limit) {
    std::vector<EdgeRect> rects;
    std::size_t open = 0;  // the rectangles of the last row's runs start here
    Runs previous;
    for (int y = 0; y < height; ++y) {
        Runs runs = OpaqueRuns(width, y, transparent);
        if (y > 0 && runs == previous) {
            for (std::size_t i = open; i < rects.size(); ++i) rects[i].bottom = y + 1;
            continue;
        }
        open = rects.size();
        for (const auto& [left, right] : runs) rects.push_back({left, y, right, y + 1});
        if (rects.size() > limit) return std::nullopt;
        previous = std::move(runs);
    }
    return rects;
}

}  // namespace corvina
