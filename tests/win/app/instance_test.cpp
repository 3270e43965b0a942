#include "app/instance.h"

#include <windows.h>
// After windows.h, which it needs.
#include <sddl.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "support/processes.h"
#include "support/test_window.h"
#include "sys/text.h"

namespace corvina {
namespace {

constexpr DWORD kProcessTimeoutMs = 30000;

// Runs of this binary may overlap in one Wine prefix; names must not.
Big5 UniqueName() {
    static unsigned counter = 0;
    return "Corvina2Test-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(GetTickCount64()) + "-" +
           std::to_string(++counter);
}

// What a second process reports after trying `name`; our windows keep
// answering meanwhile, since activating them sends to this thread.
std::string RunProbe(const wchar_t* mode, const Big5& name) {
    test::ChildProcess probe(test::WinePath(INSTANCE_PROBE_EXE), std::wstring(mode) + L" " + WideFromBig5(name));
    const auto exitCode = probe.WaitForExit(kProcessTimeoutMs);
    if (!exitCode) return "timed out";
    if (*exitCode != 0) return "exit code " + std::to_string(*exitCode);
    std::string output = probe.Output();
    while (!output.empty() && (output.back() == '\n' || output.back() == '\r')) output.pop_back();
    return output;
}

std::string Taken(HWND window) {
    char text[32];
    std::snprintf(text, sizeof text, "taken %08X", static_cast<unsigned>(HandleBits(window)));
    return text;
}

TEST(InstanceMarker, SecondProcessReadsTheFirstOnesWindowUntilTheMarkerGoes) {
    const win32::OwnedWindow window = test::MakeTestWindow(L"first instance");
    const Big5 name = UniqueName();
    {
        const InstanceClaim claim = ClaimInstanceName(name, window.Get());
        ASSERT_TRUE(claim.first);
        EXPECT_TRUE(claim.marker.block);
        EXPECT_TRUE(claim.marker.view);
        EXPECT_EQ(RunProbe(L"read", name), Taken(window.Get()));
    }
    EXPECT_EQ(RunProbe(L"read", name), "first");
}

// A menu started with other rights (elevated, say) made the marker; this
// one may not open it, and must not take that for none running.
TEST(InstanceMarker, AMarkerClosedToThisProcessCountsAsARunningInstance) {
    const win32::OwnedWindow window = test::MakeTestWindow(L"second instance");
    const Big5 name = UniqueName();
    PSECURITY_DESCRIPTOR nobody = nullptr;
    ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorW(L"D:", SDDL_REVISION_1, &nobody, nullptr));
    SECURITY_ATTRIBUTES attributes{sizeof attributes, nobody, FALSE};
    const win32::ScopedHandle other(
        CreateFileMappingW(INVALID_HANDLE_VALUE, &attributes, PAGE_READWRITE, 0, 4, WideFromBig5(name).c_str()));
    LocalFree(nobody);
    ASSERT_TRUE(other);
    ASSERT_EQ(OpenFileMappingW(FILE_MAP_ALL_ACCESS, FALSE, WideFromBig5(name).c_str()), nullptr);
    ASSERT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));

    const InstanceClaim claim = ClaimInstanceName(name, window.Get());
    EXPECT_FALSE(claim.first);
    EXPECT_FALSE(claim.running);
    EXPECT_FALSE(claim.marker.block);
}

// The public pair works on the process-wide marker; leave none behind.
class InstancePair : public ::testing::Test {
protected:
    void TearDown() override {
        ReleaseInstance();
        SetInstanceWindow(nullptr);
    }
};

TEST_F(InstancePair, ClaimsOnceReleasesAndClaimsAgain) {
    const long handles = win32::ScopedHandle::Live();
    const long views = win32::ScopedMapView::Live();
    const win32::OwnedWindow window = test::MakeTestWindow(L"application");
    const Big5 name = UniqueName();
    SetInstanceWindow(window.Get());

    ASSERT_TRUE(ClaimInstance(name, false));
    EXPECT_FALSE(ClaimInstance(name, false));
    EXPECT_EQ(RunProbe(L"read", name), Taken(window.Get()));

    ReleaseInstance();
    ReleaseInstance();
    EXPECT_EQ(win32::ScopedHandle::Live(), handles);
    EXPECT_EQ(win32::ScopedMapView::Live(), views);
    EXPECT_EQ(RunProbe(L"read", name), "first");

    EXPECT_TRUE(ClaimInstance(name, false));
}

TEST(InstanceMarker, SecondStartRestoresAMinimisedFirstInstance) {
    const win32::OwnedWindow window = test::MakeTestWindow(L"minimised instance");
    ShowWindow(window.Get(), SW_SHOWMINIMIZED);
    ASSERT_TRUE(IsIconic(window.Get()));
    const Big5 name = UniqueName();
    const InstanceClaim claim = ClaimInstanceName(name, window.Get());
    ASSERT_TRUE(claim.first);

    EXPECT_EQ(RunProbe(L"activate", name), "not claimed");
    EXPECT_TRUE(test::PumpUntil(5000, [&] { return !IsIconic(window.Get()); }));
    EXPECT_TRUE(IsWindowVisible(window.Get()));
}

TEST(InstanceMarker, SecondStartBringsTheFirstInstanceToTheFront) {
    const win32::OwnedWindow window = test::MakeTestWindow(L"background instance");
    const win32::OwnedWindow other = test::MakeTestWindow(L"in front");
    ShowWindow(window.Get(), SW_SHOWNORMAL);
    ShowWindow(other.Get(), SW_SHOWNORMAL);
    SetForegroundWindow(other.Get());
    ASSERT_TRUE(test::PumpUntil(5000, [&] { return GetForegroundWindow() == other.Get(); }));
    const Big5 name = UniqueName();
    const InstanceClaim claim = ClaimInstanceName(name, window.Get());
    ASSERT_TRUE(claim.first);

    EXPECT_EQ(RunProbe(L"activate", name), "not claimed");
    EXPECT_TRUE(test::PumpUntil(5000, [&] { return GetForegroundWindow() == window.Get(); }));
}

TEST(InstanceMarker, NameHeldByAnotherKindOfObjectLeavesTheProgramRunningUnmarked) {
    const Big5 name = UniqueName();
    const win32::ScopedHandle event(CreateEventW(nullptr, TRUE, FALSE, WideFromBig5(name).c_str()));
    ASSERT_TRUE(event);
    const InstanceClaim claim = ClaimInstanceName(name, nullptr);
    EXPECT_TRUE(claim.first);
    EXPECT_FALSE(claim.marker.block);
}

TEST(InstanceMarker, StoredHandleKeepsItsSignWhenWidenedAgain) {
    EXPECT_EQ(HandleFromBits(0x0001002Au), reinterpret_cast<HWND>(std::intptr_t{0x1002A}));
    EXPECT_EQ(HandleFromBits(0xFFFF0010u), reinterpret_cast<HWND>(std::intptr_t{-0xFFF0}));
    EXPECT_EQ(HandleBits(HandleFromBits(0xFFFF0010u)), 0xFFFF0010u);
}

}  // namespace
}  // namespace corvina
