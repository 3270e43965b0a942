#include "ui/align_layout.h"

#include <algorithm>
#include <array>

namespace corvina::ui {

namespace {

// Strips of height/width beyond the space left are cut to it.
Rect TakeStrip(Rect& space, Align align, const Rect& own) {
    Rect strip = space;
    switch (align) {
        case Align::Top:
            strip.height = std::min(own.height, space.height);
            space.top += strip.height;
            space.height -= strip.height;
            break;
        case Align::Bottom:
            strip.height = std::min(own.height, space.height);
            strip.top = space.top + space.height - strip.height;
            space.height -= strip.height;
            break;
        case Align::Left:
            strip.width = std::min(own.width, space.width);
            space.left += strip.width;
            space.width -= strip.width;
            break;
        case Align::Right:
            strip.width = std::min(own.width, space.width);
            strip.left = space.left + space.width - strip.width;
            space.width -= strip.width;
            break;
        case Align::Client:
        case Align::None:
            break;
    }
    return strip;
}

}  // namespace

std::vector<Rect> LayOutAligned(const Rect& client, std::span<const AlignedChild> children) {
    std::vector<Rect> result;
    result.reserve(children.size());
    for (const AlignedChild& child : children) result.push_back(child.bounds);

    Rect space = client;
    space.width = std::max(space.width, 0);
    space.height = std::max(space.height, 0);
    static constexpr std::array kOrder{Align::Top, Align::Bottom, Align::Left, Align::Right, Align::Client};
    for (const Align pass : kOrder) {
        for (std::size_t i = 0; i < children.size(); ++i) {
            const AlignedChild& child = children[i];
            if (child.visible && child.align == pass) result[i] = TakeStrip(space, pass, child.bounds);
        }
    }
    return result;
}

}  // namespace corvina::ui
