#include "common/win32/Registry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace qv::win32 {
namespace {

// A key of the test's own, gone before and after.
class RegistryTest : public ::testing::Test {
  protected:
    void SetUp() override { ::RegDeleteTreeA(HKEY_CURRENT_USER, Path); }
    void TearDown() override { ::RegDeleteTreeA(HKEY_CURRENT_USER, Path); }

    static constexpr const char* Path = "Software\\QuorvelKitTest\\Settings";
    RegistryKey key{HKEY_CURRENT_USER, Path};
};

TEST_F(RegistryTest, AMissingKeyOrValueReadsAsAbsent) {
    EXPECT_FALSE(key.Exists());
    EXPECT_EQ(key.ReadString("Left"), std::nullopt);
    EXPECT_EQ(key.ReadDword("Left"), std::nullopt);
    EXPECT_TRUE(key.ValueNames().empty());
    EXPECT_TRUE(key.DeleteValue("Left")) << "nothing to delete is not a failure";
    EXPECT_FALSE(key.Exists()) << "reading creates nothing";
}

TEST_F(RegistryTest, WritesCreateTheKeyAndReadBackExactly) {
    ASSERT_TRUE(key.WriteString("File", "C:\\Scripts\\common.qvs"));
    ASSERT_TRUE(key.WriteString("Empty", ""));
    ASSERT_TRUE(key.WriteDword("Left", 0xFFFFFFF6u));
    EXPECT_TRUE(key.Exists());
    EXPECT_EQ(key.ReadString("File"), "C:\\Scripts\\common.qvs");
    EXPECT_EQ(key.ReadString("Empty"), "");
    EXPECT_EQ(key.ReadDword("Left"), 0xFFFFFFF6u);
    std::vector<std::string> names = key.ValueNames();
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Empty", "File", "Left"}));

    ASSERT_TRUE(key.WriteString("File", "other.qvs"));
    EXPECT_EQ(key.ReadString("File"), "other.qvs") << "a write replaces";
    EXPECT_TRUE(key.DeleteValue("File"));
    EXPECT_EQ(key.ReadString("File"), std::nullopt);
}

TEST_F(RegistryTest, AValueOfAnotherTypeReadsAsAbsent) {
    ASSERT_TRUE(key.WriteDword("Number", 5));
    ASSERT_TRUE(key.WriteString("Text", "5"));
    EXPECT_EQ(key.ReadString("Number"), std::nullopt);
    EXPECT_EQ(key.ReadDword("Text"), std::nullopt);
}

TEST_F(RegistryTest, TextsStoredWithoutTheirEndOrWithMoreThanOneEndReadAsTheText) {
    ASSERT_TRUE(key.WriteString("x", "seed"));
    HKEY raw = nullptr;
    ASSERT_EQ(::RegOpenKeyExA(HKEY_CURRENT_USER, Path, 0, KEY_SET_VALUE, &raw), ERROR_SUCCESS);
    const char bare[] = {'a', 'b', 'c'};
    ::RegSetValueExA(raw, "Bare", 0, REG_SZ, reinterpret_cast<const BYTE*>(bare), sizeof(bare));
    const char doubled[] = "abc\0\0";
    ::RegSetValueExA(raw, "Doubled", 0, REG_SZ, reinterpret_cast<const BYTE*>(doubled),
                     sizeof(doubled));
    ::RegSetValueExA(raw, "Expand", 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>("%TEMP%\\a"),
                     9);
    ::RegCloseKey(raw);
    EXPECT_EQ(key.ReadString("Bare"), "abc");
    EXPECT_EQ(key.ReadString("Doubled"), "abc");
    EXPECT_EQ(key.ReadString("Expand"), "%TEMP%\\a") << "read as stored, not expanded";
}

TEST_F(RegistryTest, LongTextsAndSubKeys) {
    const std::string longText(100000, 'q');
    ASSERT_TRUE(key.WriteString("Long", longText));
    EXPECT_EQ(key.ReadString("Long"), longText);
    ASSERT_TRUE(key.SubKey("Recent").WriteString("1", "a.qvs"));
    EXPECT_EQ(key.SubKeyNames(), std::vector<std::string>{"Recent"});
    EXPECT_EQ(RegistryKey(HKEY_CURRENT_USER, std::string(Path) + "\\Recent").ReadString("1"),
              "a.qvs");
}

} // namespace
} // namespace qv::win32
