// Registry helpers on the Wine prefix's own registry; every test removes
// what it wrote.

#include "sys/win32/registry.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "sys/shell_rules.h"
#include "sys/text.h"
#include "sys/win32/handles.h"
#include "sys/win32/program_path.h"
#include "sys/win32/screen_color.h"

namespace corvina {
namespace {

constexpr char kTestKey[] = "Software\\Corvina2Tests\\Registry";
constexpr wchar_t kTestKeyW[] = L"Software\\Corvina2Tests\\Registry";
constexpr wchar_t kRunKeyW[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

struct Stored {
    DWORD type = REG_NONE;
    std::string bytes;
    bool found = false;
};

Stored Read(HKEY root, const wchar_t* key, const wchar_t* name) {
    Stored stored;
    BYTE data[512]{};
    DWORD size = sizeof data;
    if (RegGetValueW(root, key, name, RRF_RT_ANY, &stored.type, data, &size) != ERROR_SUCCESS) return stored;
    stored.found = true;
    stored.bytes.assign(reinterpret_cast<const char*>(data), size);
    return stored;
}

std::wstring TextOf(const Stored& stored) {
    return std::wstring(reinterpret_cast<const wchar_t*>(stored.bytes.data()), stored.bytes.size() / 2 - 1);
}

bool KeyExists(const wchar_t* key) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, key, 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
    const win32::ScopedKey scoped(opened);
    return true;
}

class RegistryTest : public ::testing::Test {
protected:
    ~RegistryTest() override {
        RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Corvina2Tests");
        RemoveAutoStart("Corvina2Test", 2);
    }
};

TEST_F(RegistryTest, ValuesAreWrittenByTypeAndTheResultTellsWhetherTheKeyExisted) {
    EXPECT_FALSE(WriteRegistryValue(HKEY_CURRENT_USER, kTestKey, "Count", std::int32_t{-2}));
    EXPECT_TRUE(WriteRegistryValue(HKEY_CURRENT_USER, kTestKey, "Flag", true));
    EXPECT_TRUE(WriteRegistryValue(HKEY_CURRENT_USER, kTestKey, "Ratio", 1.5));
    EXPECT_TRUE(WriteRegistryValue(HKEY_CURRENT_USER, kTestKey, "Money", RegistryCurrency{12345}));
    EXPECT_TRUE(WriteRegistryValue(HKEY_CURRENT_USER, kTestKey, "When", RegistryDateTime{45000.25}));
    EXPECT_TRUE(WriteRegistryValue(HKEY_CURRENT_USER, kTestKey, "Name", T(u8"遊戲選單")));

    const Stored count = Read(HKEY_CURRENT_USER, kTestKeyW, L"Count");
    EXPECT_EQ(count.type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(count.bytes, std::string("\xFE\xFF\xFF\xFF", 4));
    EXPECT_EQ(Read(HKEY_CURRENT_USER, kTestKeyW, L"Flag").bytes, std::string("\x01\x00\x00\x00", 4));

    const Stored ratio = Read(HKEY_CURRENT_USER, kTestKeyW, L"Ratio");
    EXPECT_EQ(ratio.type, static_cast<DWORD>(REG_BINARY));
    double number = 0;
    ASSERT_EQ(ratio.bytes.size(), 8u);
    std::memcpy(&number, ratio.bytes.data(), 8);
    EXPECT_EQ(number, 1.5);
    EXPECT_EQ(Read(HKEY_CURRENT_USER, kTestKeyW, L"Money").bytes.size(), 8u);
    EXPECT_EQ(Read(HKEY_CURRENT_USER, kTestKeyW, L"When").type, static_cast<DWORD>(REG_BINARY));

    const Stored name = Read(HKEY_CURRENT_USER, kTestKeyW, L"Name");
    EXPECT_EQ(name.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(TextOf(name), L"遊戲選單");
}

TEST_F(RegistryTest, NoValueWritesNothingAndTakesBackAKeyItMade) {
    EXPECT_FALSE(WriteRegistryValue(HKEY_CURRENT_USER, kTestKey, "Nothing", std::monostate{}));
    EXPECT_FALSE(KeyExists(kTestKeyW));
    WriteRegistryValue(HKEY_CURRENT_USER, kTestKey, "Kept", std::int32_t{1});
    EXPECT_TRUE(WriteRegistryValue(HKEY_CURRENT_USER, kTestKey, "Nothing", std::monostate{}));
    EXPECT_TRUE(KeyExists(kTestKeyW));
    EXPECT_FALSE(Read(HKEY_CURRENT_USER, kTestKeyW, L"Nothing").found);
}

TEST_F(RegistryTest, DeletingTellsWhetherAValueWentAway) {
    WriteRegistryValue(HKEY_CURRENT_USER, kTestKey, "Gone", std::int32_t{1});
    EXPECT_TRUE(DeleteRegistryValue(HKEY_CURRENT_USER, kTestKey, "Gone"));
    EXPECT_FALSE(DeleteRegistryValue(HKEY_CURRENT_USER, kTestKey, "Gone"));
    EXPECT_FALSE(DeleteRegistryValue(HKEY_CURRENT_USER, "Software\\Corvina2Tests\\Missing", "Gone"));
}

TEST_F(RegistryTest, KeysAreMadeFoundAndDeletedByTheirBig5PathWithTheSystemsAnswer) {
    const std::string key = std::string(kTestKey) + T(u8"\\網咖");
    EXPECT_FALSE(RegistryKeyExists(HKEY_CURRENT_USER, key));
    EXPECT_EQ(CreateRegistryKey(HKEY_CURRENT_USER, key), ERROR_SUCCESS);
    EXPECT_TRUE(RegistryKeyExists(HKEY_CURRENT_USER, key));
    EXPECT_TRUE(KeyExists((std::wstring(kTestKeyW) + L"\\網咖").c_str())) << "the name went through code page 950";
    EXPECT_EQ(CreateRegistryKey(HKEY_CURRENT_USER, key), ERROR_SUCCESS) << "an existing key is no error";
    EXPECT_NE(DeleteRegistryKey(HKEY_CURRENT_USER, kTestKey), ERROR_SUCCESS) << "a key with a subkey stays";
    EXPECT_EQ(DeleteRegistryKey(HKEY_CURRENT_USER, key), ERROR_SUCCESS);
    EXPECT_FALSE(RegistryKeyExists(HKEY_CURRENT_USER, key));
    EXPECT_EQ(DeleteRegistryKey(HKEY_CURRENT_USER, key), ERROR_FILE_NOT_FOUND);
}

TEST_F(RegistryTest, AutostartStoresTheCommandInSmallLettersInEachChosenList) {
    SetAutoStart("Corvina2Test", T(u8"C:\\Cafe\\遊戲\\CORVINA2.EXE"), 0);
    const Stored run = Read(HKEY_LOCAL_MACHINE, kRunKeyW, L"Corvina2Test");
    ASSERT_TRUE(run.found);
    EXPECT_EQ(TextOf(run), L"c:\\cafe\\遊戲\\corvina2.exe");
    const wchar_t* services = L"Software\\Microsoft\\Windows\\CurrentVersion\\RunServices";
    EXPECT_FALSE(Read(HKEY_LOCAL_MACHINE, services, L"Corvina2Test").found);

    SetAutoStart("Corvina2Test", "X.EXE", 2);
    EXPECT_EQ(TextOf(Read(HKEY_LOCAL_MACHINE, services, L"Corvina2Test")), L"x.exe");
    RemoveAutoStart("Corvina2Test", 2);
    EXPECT_FALSE(Read(HKEY_LOCAL_MACHINE, kRunKeyW, L"Corvina2Test").found);
    EXPECT_FALSE(Read(HKEY_LOCAL_MACHINE, services, L"Corvina2Test").found);
    // Removing what is not there changes nothing and says nothing.
    EXPECT_NO_THROW(RemoveAutoStart("Corvina2Test", 2));
}

TEST(SystemInfo, TheProgramsBaseNameAndTheScreensDepth) {
    EXPECT_EQ(ProgramBaseName(), "win_tests");
    EXPECT_TRUE(ExecutablePath().ends_with("\\win_tests.exe"));
    EXPECT_GE(ScreenColorBits(), 8);
}

}  // namespace
}  // namespace corvina
