#include "sys/dialog_sizes.h"

#include <gtest/gtest.h>

#include "sys/text.h"
#include "widgets/hint_form_placement.h"

namespace corvina {
namespace {

int EightPerByte(std::string_view text) { return static_cast<int>(text.size()) * 8; }

TEST(WaitWindowSize, OneLineIsThePaddedTextWide) {
    const Big5 loading = T(u8"載入中‧‧‧");  // 12 bytes in Big5
    EXPECT_EQ(WaitWindowClientSize(loading, EightPerByte, 12), (Size{(12 + 4) * 8, 18 + 4}));
}

TEST(WaitWindowSize, LinesSplitAtCrAndOnlyTheEndsArePadded) {
    // "  ab" and "cdef  ": the padding sits on the first and last line only.
    EXPECT_EQ(WaitWindowClientSize("ab\rcdef", EightPerByte, 10), (Size{6 * 8, 2 * 16 + 4}));
    EXPECT_EQ(WaitWindowClientSize("abcdefgh\rx", EightPerByte, 10), (Size{10 * 8, 2 * 16 + 4}));
}

TEST(HintFormPlacement, WorkAreaUnlessTheTaskbarIsHidden) {
    const EdgeRect bottomTaskbar{0, 0, 800, 570};
    EXPECT_EQ(HintFormBounds(false, bottomTaskbar, 800, 600), (Rect{0, 0, 800, 570}));
    EXPECT_EQ(HintFormBounds(true, bottomTaskbar, 800, 600), (Rect{0, 0, 800, 600}));
    const EdgeRect leftTaskbar{60, 0, 1024, 768};
    EXPECT_EQ(HintFormBounds(false, leftTaskbar, 1024, 768), (Rect{60, 0, 964, 768}));
    const EdgeRect topTaskbar{0, 30, 1024, 768};
    EXPECT_EQ(HintFormBounds(false, topTaskbar, 1024, 768), (Rect{0, 30, 1024, 738}));
    EXPECT_EQ(HintFormBounds(false, std::nullopt, 800, 600), (Rect{0, 0, 800, 600}));
}

}  // namespace
}  // namespace corvina
