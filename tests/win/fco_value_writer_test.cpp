// Writing and removing single FCO values against the real registry of the test prefix.
#include "registry/FcoValueWriter.h"
#include "tests/common/KeyAccess.h"
#include "tests/win/support/TestRegistry.h"

#include <gtest/gtest.h>

namespace {
const char kTestRoot[] = "SOFTWARE\\MendwrightTests\\ValueWriter";
const char kTestKey[] = "SOFTWARE\\MendwrightTests\\ValueWriter\\FCO";

// "name=type:data" per value, sorted by name, the data as stored.
std::string Describe(const std::vector<RegistryValue>& values)
{
    std::string text;
    for (const RegistryValue& value : values)
        text += value.name + "=" + std::to_string(value.type) + ":" + std::string(value.data.c_str()) + "(" +
                std::to_string(value.data.size()) + ") ";
    return text;
}

class FcoValueWriterTest : public ::testing::Test {
protected:
    void SetUp() override { DeleteKeyTree(HKEY_LOCAL_MACHINE, kTestRoot); }
    void TearDown() override { DeleteKeyTree(HKEY_LOCAL_MACHINE, kTestRoot); }

    CFcoValueWriter writer;
};

TEST_F(FcoValueWriterTest, WriteValueCreatesTheKeyAndKeepsAStringOnlyWhenGivenNoData)
{
    EXPECT_FALSE(EnsureFcoKey(HKEY_LOCAL_MACHINE, kTestKey));
    EXPECT_TRUE(EnsureFcoKey(HKEY_LOCAL_MACHINE, kTestKey));
    EXPECT_EQ("", Describe(ReadAllValues(kTestKey)));
    DeleteKeyTree(HKEY_LOCAL_MACHINE, kTestKey);

    // An empty name only brings the key back.
    EXPECT_TRUE(writer.WriteValue(kTestKey, "", "14/03/06"));
    EXPECT_TRUE(KeyExists(kTestKey));
    EXPECT_EQ("", Describe(ReadAllValues(kTestKey)));
    DeleteKeyTree(HKEY_LOCAL_MACHINE, kTestKey);

    EXPECT_TRUE(writer.WriteValue(kTestKey, "456", "14/03/06"));
    EXPECT_EQ("456=1:14/03/06(9) ", Describe(ReadAllValues(kTestKey)));

    ScopedTestKey key{kTestKey};
    key.SetString("456", "01/01/06");
    key.SetString("457", "01/01/06");
    const DWORD number = 1;
    key.SetRaw("458", REG_DWORD, &number, sizeof(number));
    EXPECT_TRUE(writer.WriteValue(kTestKey, "456", "15/03/06"));
    EXPECT_TRUE(writer.WriteValue(kTestKey, "457", ""));
    EXPECT_TRUE(writer.WriteValue(kTestKey, "458", ""));
    EXPECT_TRUE(writer.WriteValue(kTestKey, "459", ""));
    EXPECT_EQ("456=1:15/03/06(9) 457=1:01/01/06(9) 458=1:(1) 459=1:(1) ", Describe(ReadAllValues(kTestKey)));
}

TEST_F(FcoValueWriterTest, AnswersWhetherTheKeyHoldsWhatWasAskedAfterwards)
{
    // No key: nothing to remove, and none is made for it.
    EXPECT_TRUE(writer.DeleteValue(kTestKey, "456"));
    EXPECT_FALSE(KeyExists(kTestKey));

    ScopedTestKey key{kTestKey};
    key.SetString("456", "01/01/06");
    key.SetString("457", "01/01/06");
    EXPECT_TRUE(writer.DeleteValue(kTestKey, "456"));
    EXPECT_TRUE(writer.DeleteValue(kTestKey, "456"));

    ASSERT_TRUE(DenyValueChanges(kTestKey));
    EXPECT_FALSE(writer.DeleteValue(kTestKey, "457"));
    EXPECT_FALSE(writer.WriteValue(kTestKey, "458", "01/01/06"));
    EXPECT_EQ("457=1:01/01/06(9) ", Describe(ReadAllValues(kTestKey)));
}

TEST_F(FcoValueWriterTest, ABatchKeepsTheKeyItOpenedUntilItEnds)
{
    {
        CFcoValueBatch batch(writer);
        EXPECT_TRUE(writer.WriteValue(kTestKey, "456", "01/01/06"));
        // Deleted behind the batch's back: the key it holds is gone, and writes through it fail.
        DeleteKeyTree(HKEY_LOCAL_MACHINE, kTestKey);
        EXPECT_FALSE(writer.WriteValue(kTestKey, "457", "01/01/06"));
    }
    EXPECT_TRUE(writer.WriteValue(kTestKey, "458", "01/01/06"));
    EXPECT_EQ("458=1:01/01/06(9) ", Describe(ReadAllValues(kTestKey)));
}
} // namespace
