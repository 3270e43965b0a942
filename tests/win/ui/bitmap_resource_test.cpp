#include "ui/bitmap_resource.h"

#include <gtest/gtest.h>

namespace corvina::ui {
namespace {

TEST(BitmapResource, TheBitmapTakesTheNamedPictureOrIsLeftEmptyWithoutOne) {
    Bitmap bitmap(3, 3);
    LoadBitmapResource(bitmap, "TESTBMP");
    EXPECT_EQ(bitmap.Width(), 2);
    EXPECT_EQ(bitmap.Pixel({0, 0}), Color::Rgb(255, 0, 0));
    LoadBitmapResource(bitmap, "NOSUCHBMP");
    EXPECT_TRUE(bitmap.Empty());
}

}  // namespace
}  // namespace corvina::ui
