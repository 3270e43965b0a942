#pragma once
// A fixture that fails a test which leaves more or fewer GDI objects, DCs,
// icons or metafiles alive than it found (GetGuiResources cannot tell
// under Wine; our owners count instead).

#include <gtest/gtest.h>

#include <windows.h>

#include "sys/win32/handles.h"

namespace corvina::test {

class NoGdiLeaks : public ::testing::Test {
protected:
    struct Counts {
        long bitmaps = win32::GdiObject<HBITMAP>::Live();
        long pens = win32::GdiObject<HPEN>::Live();
        long brushes = win32::GdiObject<HBRUSH>::Live();
        long fonts = win32::GdiObject<HFONT>::Live();
        long regions = win32::GdiObject<HRGN>::Live();
        long dcs = win32::OwnedDC::Live();
        long borrowedDcs = win32::ReleasedDC::Live();
        long icons = win32::ScopedIcon::Live();
        long metafiles = win32::ScopedEnhMetaFile::Live();
    };

    void TearDown() override {
        const Counts now;
        EXPECT_EQ(now.bitmaps, start_.bitmaps) << "bitmaps";
        EXPECT_EQ(now.pens, start_.pens) << "pens";
        EXPECT_EQ(now.brushes, start_.brushes) << "brushes";
        EXPECT_EQ(now.fonts, start_.fonts) << "fonts";
        EXPECT_EQ(now.regions, start_.regions) << "regions";
        EXPECT_EQ(now.dcs, start_.dcs) << "memory DCs";
        EXPECT_EQ(now.borrowedDcs, start_.borrowedDcs) << "window DCs";
        EXPECT_EQ(now.icons, start_.icons) << "icons";
        EXPECT_EQ(now.metafiles, start_.metafiles) << "metafiles";
    }

private:
    Counts start_;
};

}  // namespace corvina::test
