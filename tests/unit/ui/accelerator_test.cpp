#include "ui/accelerator.h"

#include <gtest/gtest.h>

#include "sys/text.h"

namespace corvina::ui {
namespace {

TEST(Accelerator, TheCharacterAfterASingleAmpersandInUpperCase) {
    EXPECT_EQ(AcceleratorOf("&Yes"), 'Y');
    EXPECT_EQ(AcceleratorOf("E&xit"), 'X');
    EXPECT_EQ(AcceleratorOf("Save && &quit"), 'Q');
    EXPECT_EQ(AcceleratorOf("&1 item"), '1');
    EXPECT_EQ(AcceleratorOf("none"), 0);
    EXPECT_EQ(AcceleratorOf("trailing&"), 0);
    EXPECT_EQ(AcceleratorOf("a && b"), 0);
}

TEST(Accelerator, Big5TrailBytesAndDoubleByteCharactersAreNoAccelerators) {
    // "&" (0x26) never occurs as a trail byte, but a double-byte character after "&" is no key.
    EXPECT_EQ(AcceleratorOf(T(u8"&確定")), 0);
    EXPECT_EQ(AcceleratorOf(T(u8"確定(&O)")), 'O');
    // A trail byte of 0x5C or 0x7C beside the marker does not confuse the scan.
    EXPECT_EQ(AcceleratorOf(T(u8"許功&S")), 'S');
}

TEST(Accelerator, KeysMatchWithoutCase) {
    EXPECT_TRUE(IsAccelerator(L'y', "&Yes"));
    EXPECT_TRUE(IsAccelerator(L'Y', "&yes"));
    EXPECT_FALSE(IsAccelerator(L'n', "&Yes"));
    EXPECT_FALSE(IsAccelerator(L'\x78BA', T(u8"&確定")));
    EXPECT_FALSE(IsAccelerator(L'a', "plain"));
}

}  // namespace
}  // namespace corvina::ui
