#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvina {
namespace {

std::wstring Widen(const char* text) { return std::wstring(text, text + std::char_traits<char>::length(text)); }

class ProgramVersion : public ::testing::Test {
protected:
    void SetUp() override {
        const std::wstring exe = Widen(CORVINA2_EXE);
        DWORD ignored = 0;
        const DWORD size = GetFileVersionInfoSizeW(exe.c_str(), &ignored);
        ASSERT_GT(size, 0u) << "no version resource in " << CORVINA2_EXE;
        block_.resize(size);
        ASSERT_TRUE(GetFileVersionInfoW(exe.c_str(), 0, size, block_.data()));
    }

    std::wstring String(const wchar_t* name) {
        void* value = nullptr;
        UINT length = 0;
        const std::wstring path = std::wstring(L"\\StringFileInfo\\040904b0\\") + name;
        if (!VerQueryValueW(block_.data(), path.c_str(), &value, &length) || length == 0) return {};
        return static_cast<const wchar_t*>(value);
    }

    std::vector<char> block_;
};

TEST_F(ProgramVersion, ComesFromTheProjectsOneVersion) {
    void* value = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(block_.data(), L"\\", &value, &length));
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(HIWORD(fixed->dwFileVersionMS), CORVINA_VERSION_MAJOR);
    EXPECT_EQ(LOWORD(fixed->dwFileVersionMS), CORVINA_VERSION_MINOR);
    EXPECT_EQ(HIWORD(fixed->dwFileVersionLS), CORVINA_VERSION_PATCH);
    EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
    EXPECT_EQ(fixed->dwProductVersionLS, fixed->dwFileVersionLS);

    EXPECT_EQ(String(L"FileVersion"), Widen(CORVINA_VERSION));
    EXPECT_EQ(String(L"ProductVersion"), Widen(CORVINA_VERSION));
    EXPECT_EQ(String(L"ProductName"), L"Corvina2");
    EXPECT_EQ(String(L"OriginalFilename"), L"Corvina2.exe");
    EXPECT_NE(String(L"FileDescription"), L"");
    EXPECT_NE(String(L"LegalCopyright").find(L"Corvina2 project"), std::wstring::npos);
}

TEST_F(ProgramVersion, TheManifestAsksForNoElevationAndNoScaling) {
    const std::wstring exe = Widen(CORVINA2_EXE);
    const HMODULE module =
        LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(module, nullptr);
    const HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));  // RT_MANIFEST
    ASSERT_NE(found, nullptr);
    const auto* data = static_cast<const char*>(LockResource(LoadResource(module, found)));
    const std::string manifest(data, SizeofResource(module, found));
    FreeLibrary(module);
    EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
    EXPECT_NE(manifest.find("8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a"), std::string::npos);  // Windows 10 and 11
    EXPECT_NE(manifest.find("35138b9a-5d96-4fbd-8e2d-a2440225f93a"), std::string::npos);  // Windows 7
    EXPECT_NE(manifest.find(">false</dpiAware>"), std::string::npos);
}

}  // namespace
}  // namespace corvina
