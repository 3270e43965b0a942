#pragma once
// Word wrapping of a button caption to a width, measured line by line by
// the caller's font. Big5: a double-byte character is never split.

#include <functional>
#include <string_view>

#include "sys/big5.h"

namespace corvina {

// Width in pixels of one line of text in the font of the caption.
using TextWidthFn = std::function<int(std::string_view line)>;

struct WrappedCaption {
    Big5 text;       // carriage return between lines
    int breaks = 0;  // carriage returns inserted
    friend bool operator==(const WrappedCaption&, const WrappedCaption&) = default;
};

// The first "&" of a line marks the accelerator and takes no width; any
// later "&" on that line is shown literally. A line breaks only once it
// holds more than one byte; a word overflowing after a blank moves to the
// next line together with that blank, which also stays at the end of the
// first line.
WrappedCaption WrapCaption(std::string_view caption, int availableWidth, const TextWidthFn& textWidth);

}  // namespace corvina
