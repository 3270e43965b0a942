#include "sys/win32/handles.h"

#include <gtest/gtest.h>

#include <type_traits>
#include <utility>

#include "support/test_window.h"

namespace corvina::win32 {
namespace {

template <typename Handle>
constexpr bool kMoveOnly = !std::is_copy_constructible_v<Handle> && !std::is_copy_assignable_v<Handle> &&
                           std::is_nothrow_move_constructible_v<Handle> && std::is_nothrow_move_assignable_v<Handle>;

static_assert(kMoveOnly<ScopedHandle> && kMoveOnly<ScopedMapView> && kMoveOnly<OwnedWindow> &&
              kMoveOnly<GdiObject<HBRUSH>> && kMoveOnly<GdiObject<HBITMAP>> && kMoveOnly<OwnedDC> &&
              kMoveOnly<ReleasedDC> && kMoveOnly<ScopedKey> && kMoveOnly<ScopedIcon>);

HANDLE NewEvent() { return CreateEventW(nullptr, TRUE, FALSE, nullptr); }

bool IsOpenKernelHandle(HANDLE handle) {
    DWORD flags = 0;
    return GetHandleInformation(handle, &flags) != FALSE;
}

TEST(KernelHandle, MovingHandsOwnershipOverAndTheLastOwnerCloses) {
    const long before = ScopedHandle::Live();
    HANDLE raw = nullptr;
    {
        ScopedHandle first(NewEvent());
        raw = first.Get();
        ASSERT_TRUE(first);
        EXPECT_EQ(ScopedHandle::Live(), before + 1);

        ScopedHandle second(std::move(first));
        EXPECT_FALSE(first);
        EXPECT_EQ(first.Get(), nullptr);
        EXPECT_EQ(second.Get(), raw);

        ScopedHandle third;
        third = std::move(second);
        EXPECT_FALSE(second);
        EXPECT_EQ(ScopedHandle::Live(), before + 1);
        EXPECT_TRUE(IsOpenKernelHandle(raw));
    }
    EXPECT_FALSE(IsOpenKernelHandle(raw));
    EXPECT_EQ(ScopedHandle::Live(), before);
}

TEST(KernelHandle, BothFailureValuesAreEmptyAndNeverClosed) {
    const long before = ScopedHandle::Live();
    {
        const ScopedHandle invalid(INVALID_HANDLE_VALUE);
        const ScopedHandle null(nullptr);
        EXPECT_FALSE(invalid);
        EXPECT_FALSE(null);
        EXPECT_EQ(ScopedHandle::Live(), before);
    }
    EXPECT_EQ(ScopedHandle::Live(), before);
}

TEST(KernelHandle, AssigningOverAnOwnerClosesWhatItHeld) {
    const long before = ScopedHandle::Live();
    ScopedHandle kept(NewEvent());
    ScopedHandle replaced(NewEvent());
    HANDLE old = replaced.Get();
    replaced = std::move(kept);
    EXPECT_FALSE(IsOpenKernelHandle(old));
    EXPECT_EQ(ScopedHandle::Live(), before + 1);

    replaced.Reset(NewEvent());
    EXPECT_EQ(ScopedHandle::Live(), before + 1);
    replaced.Reset();
    EXPECT_EQ(ScopedHandle::Live(), before);
}

TEST(KernelHandle, ReleaseGivesTheHandleAwayUnclosed) {
    const long before = ScopedHandle::Live();
    ScopedHandle owner(NewEvent());
    HANDLE raw = owner.Release();
    EXPECT_FALSE(owner);
    EXPECT_EQ(ScopedHandle::Live(), before);
    EXPECT_TRUE(IsOpenKernelHandle(raw));
    CloseHandle(raw);
}

TEST(MapView, UnmapsTheViewAndCounts) {
    const long views = ScopedMapView::Live();
    const ScopedHandle block(CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, 4096, nullptr));
    ASSERT_TRUE(block);
    void* address = nullptr;
    {
        const ScopedMapView view(MapViewOfFile(block.Get(), FILE_MAP_ALL_ACCESS, 0, 0, 4096));
        ASSERT_TRUE(view);
        address = view.Get();
        EXPECT_EQ(ScopedMapView::Live(), views + 1);
    }
    EXPECT_EQ(ScopedMapView::Live(), views);
    MEMORY_BASIC_INFORMATION info{};
    ASSERT_NE(VirtualQuery(address, &info, sizeof info), 0u);
    EXPECT_EQ(info.State, static_cast<DWORD>(MEM_FREE));
}

TEST(OwnedWindowHandle, DestroysTheWindow) {
    const long before = OwnedWindow::Live();
    HWND raw = nullptr;
    {
        OwnedWindow window = test::MakeTestWindow(L"handles");
        raw = window.Get();
        EXPECT_TRUE(IsWindow(raw));
        EXPECT_EQ(OwnedWindow::Live(), before + 1);
    }
    EXPECT_FALSE(IsWindow(raw));
    EXPECT_EQ(OwnedWindow::Live(), before);
}

TEST(GdiHandles, ObjectsAndDCsAreDeletedAndCountedPerType) {
    const long brushes = GdiObject<HBRUSH>::Live();
    const long bitmaps = GdiObject<HBITMAP>::Live();
    const long dcs = OwnedDC::Live();
    const long borrowed = ReleasedDC::Live();
    HBRUSH rawBrush = nullptr;
    HDC rawDc = nullptr;
    {
        const GdiObject<HBRUSH> brush(CreateSolidBrush(RGB(1, 2, 3)));
        rawBrush = brush.Get();
        const ReleasedDC screen = ReleasedDC::Of(nullptr);
        ASSERT_TRUE(screen);
        const OwnedDC memory(CreateCompatibleDC(screen.Get()));
        rawDc = memory.Get();
        GdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(screen.Get(), 8, 8));
        const GdiObject<HBITMAP> movedBitmap(std::move(bitmap));
        EXPECT_FALSE(bitmap);

        EXPECT_EQ(GdiObject<HBRUSH>::Live(), brushes + 1);
        EXPECT_EQ(GdiObject<HBITMAP>::Live(), bitmaps + 1);
        EXPECT_EQ(OwnedDC::Live(), dcs + 1);
        EXPECT_EQ(ReleasedDC::Live(), borrowed + 1);
        EXPECT_EQ(GetObjectType(rawBrush), static_cast<DWORD>(OBJ_BRUSH));
        EXPECT_EQ(GetObjectType(rawDc), static_cast<DWORD>(OBJ_MEMDC));
    }
    EXPECT_EQ(GetObjectType(rawBrush), 0u);
    EXPECT_EQ(GetObjectType(rawDc), 0u);
    EXPECT_EQ(GdiObject<HBRUSH>::Live(), brushes);
    EXPECT_EQ(GdiObject<HBITMAP>::Live(), bitmaps);
    EXPECT_EQ(OwnedDC::Live(), dcs);
    EXPECT_EQ(ReleasedDC::Live(), borrowed);
}

TEST(GdiHandles, MovedReleasedDCIsGivenBackOnce) {
    const long before = ReleasedDC::Live();
    {
        ReleasedDC first = ReleasedDC::Of(nullptr);
        ReleasedDC second;
        second = std::move(first);
        EXPECT_FALSE(first);
        EXPECT_TRUE(second);
        EXPECT_EQ(ReleasedDC::Live(), before + 1);
    }
    EXPECT_EQ(ReleasedDC::Live(), before);
}

TEST(KeyAndIconHandles, AreClosedAndCounted) {
    const long keys = ScopedKey::Live();
    const long icons = ScopedIcon::Live();
    {
        HKEY raw = nullptr;
        ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software", 0, KEY_READ, &raw), ERROR_SUCCESS);
        const ScopedKey key(raw);
        const ScopedIcon icon(CopyIcon(LoadIconW(nullptr, IDI_APPLICATION)));
        ASSERT_TRUE(icon);
        EXPECT_EQ(ScopedKey::Live(), keys + 1);
        EXPECT_EQ(ScopedIcon::Live(), icons + 1);
    }
    EXPECT_EQ(ScopedKey::Live(), keys);
    EXPECT_EQ(ScopedIcon::Live(), icons);
}

}  // namespace
}  // namespace corvina::win32
