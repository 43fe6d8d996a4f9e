// CRegistryKey against the real registry of the test prefix.
#include "registry/KeySnapshot.h"
#include "registry/RegistryKey.h"
#include "tests/win/support/TestRegistry.h"

#include <gtest/gtest.h>

namespace {
const char kTestKey[] = "SOFTWARE\\MendwrightTests\\RegistryKey";

class RegistryKeyTest : public ::testing::Test {
protected:
    ScopedTestKey key{kTestKey};

    std::string Query(const std::string& name, BOOL* ok = nullptr)
    {
        CRegistryKey reg;
        EXPECT_TRUE(reg.Open(HKEY_LOCAL_MACHINE, kTestKey));
        std::string text = "unchanged";
        const BOOL result = reg.QueryString(text, name);
        if (ok)
            *ok = result;
        return text;
    }
};

TEST_F(RegistryKeyTest, OpenCreateAndCloseAnswerPlainFlags)
{
    CRegistryKey reg;
    EXPECT_FALSE(reg.Open(nullptr, kTestKey));
    EXPECT_FALSE(reg.Create(nullptr, kTestKey));
    EXPECT_FALSE(reg.Open(HKEY_LOCAL_MACHINE, std::string(kTestKey) + "\\Missing"));
    EXPECT_EQ(reg.m_hKey, nullptr);

    EXPECT_TRUE(reg.Create(HKEY_LOCAL_MACHINE, std::string(kTestKey) + "\\A\\B"));
    EXPECT_NE(reg.m_hKey, nullptr);
    reg.Close();
    EXPECT_EQ(reg.m_hKey, nullptr);
    EXPECT_TRUE(KeyExists(std::string(kTestKey) + "\\A\\B"));
    EXPECT_TRUE(reg.Open(HKEY_LOCAL_MACHINE, std::string(kTestKey) + "\\A\\B"));
}

TEST_F(RegistryKeyTest, QueryStringReadsOnlyStringValues)
{
    const DWORD number = 42;
    key.SetRaw("dword", REG_DWORD, &number, sizeof(number));
    key.SetRaw("expand", REG_EXPAND_SZ, "%TEMP%", 7);
    key.SetString("empty", "");
    key.SetString("date", "15/07/06");

    BOOL ok = TRUE;
    EXPECT_EQ(Query("dword", &ok), "");
    EXPECT_FALSE(ok);
    EXPECT_EQ(Query("expand", &ok), "");
    EXPECT_FALSE(ok);
    EXPECT_EQ(Query("missing", &ok), "");
    EXPECT_FALSE(ok);
    EXPECT_EQ(Query("empty", &ok), "");
    EXPECT_TRUE(ok);
    EXPECT_EQ(Query("date", &ok), "15/07/06");
    EXPECT_TRUE(ok);
}

TEST_F(RegistryKeyTest, QueryStringNeverReadsPastTheStoredData)
{
    key.SetRaw("unterminated", REG_SZ, "14/03/06", 8);
    key.SetRaw("embedded zero", REG_SZ, "ab\0cd", 6);
    const std::string longText(100000, 'x');
    key.SetString("long", longText);

    BOOL ok = FALSE;
    EXPECT_EQ(Query("unterminated", &ok), "14/03/06");
    EXPECT_TRUE(ok);
    EXPECT_EQ(Query("embedded zero", &ok), "ab");
    EXPECT_TRUE(ok);
    EXPECT_EQ(Query("long", &ok), longText);
    EXPECT_TRUE(ok);
}

TEST_F(RegistryKeyTest, WithoutAnOpenKeyNothingReachesTheSystem)
{
    CRegistryKey reg;
    std::string text = "kept";
    EXPECT_FALSE(reg.QueryString(text, "date"));
    EXPECT_EQ(text, "kept");
    EXPECT_FALSE(reg.SetString("15/07/06", "date"));
}

TEST_F(RegistryKeyTest, SetStringStoresTheTerminatingZero)
{
    {
        CRegistryKey reg;
        ASSERT_TRUE(reg.Open(HKEY_LOCAL_MACHINE, kTestKey));
        EXPECT_TRUE(reg.SetString("", "empty"));
        EXPECT_TRUE(reg.SetString("15/07/06", "456"));
    }
    const std::vector<RegistryValue> values = ReadAllValues(kTestKey);
    ASSERT_EQ(values.size(), 2u);
    EXPECT_EQ(values[0].name, "456");
    EXPECT_EQ(values[0].type, (DWORD)REG_SZ);
    EXPECT_EQ(values[0].data, std::string("15/07/06", 9));
    EXPECT_EQ(values[1].name, "empty");
    EXPECT_EQ(values[1].data, std::string(1, '\0'));
}

TEST_F(RegistryKeyTest, DeleteKeyWithEmptyPathRemovesTheOpenKeyAndItsValues)
{
    key.SetString("456", "15/07/06");
    {
        CRegistryKey reg;
        ASSERT_TRUE(reg.Open(HKEY_LOCAL_MACHINE, kTestKey));
        EXPECT_TRUE(reg.DeleteKey(""));
    }
    EXPECT_FALSE(KeyExists(kTestKey));
}
// A restore whose import never starts puts the key back byte for byte, whatever its values hold.
TEST_F(RegistryKeyTest, AKeyTakenAwayComesBackAsItWas)
{
    const DWORD number = 0x12345678;
    key.SetString("456", "15/07/06");
    key.SetString("", "default");
    key.SetRaw("blob", REG_BINARY, "\0\1\2", 3);
    key.SetRaw("count", REG_DWORD, &number, sizeof(number));
    const std::vector<RegistryValue> before = ReadAllValues(kTestKey);

    CKeyTakenAway taken;
    ASSERT_TRUE(taken.TakeAway(HKEY_LOCAL_MACHINE, kTestKey));
    EXPECT_FALSE(KeyExists(kTestKey));
    ASSERT_TRUE(taken.PutBack());
    const std::vector<RegistryValue> after = ReadAllValues(kTestKey);
    ASSERT_EQ(before.size(), after.size());
    for (std::size_t i = 0; i < before.size(); ++i)
        EXPECT_TRUE(before[i].name == after[i].name && before[i].type == after[i].type &&
                    before[i].data == after[i].data)
            << before[i].name;

    // A key that was missing stays missing.
    const std::string missing = std::string(kTestKey) + "\\Missing";
    CKeyTakenAway nothing;
    ASSERT_TRUE(nothing.TakeAway(HKEY_LOCAL_MACHINE, missing));
    ASSERT_TRUE(nothing.PutBack());
    EXPECT_FALSE(KeyExists(missing));
}
} // namespace
