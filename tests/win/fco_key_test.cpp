// The FCO key chosen by the product probe keys, and the Windows classification.
#include "registry/FcoKey.h"
#include "tests/win/support/TestRegistry.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {
TEST(FindFcoKey, ChoosesByWhichProbeKeysExist)
{
    ProductKeysGuard guard;
    EXPECT_EQ(FindFcoKey(), "SOFTWARE\\Velmora\\FCO");
    {
        ScopedTestKey first("SOFTWARE\\Palvane\\Projects");
        EXPECT_EQ(FindFcoKey(), "SOFTWARE\\Palvane\\FCO");
        ScopedTestKey second("SOFTWARE\\Velmora\\Pellion");
        EXPECT_EQ(FindFcoKey(), "SOFTWARE\\Velmora\\FCO");
    }
    {
        ScopedTestKey secondOnly("SOFTWARE\\Velmora\\Pellion");
        EXPECT_EQ(FindFcoKey(), "SOFTWARE\\Velmora\\FCO");
    }
}

TEST(FindFcoKey, OnlyProbesAndCreatesNothing)
{
    ProductKeysGuard guard;
    FindFcoKey();
    EXPECT_FALSE(KeyExists("SOFTWARE\\Velmora"));
    EXPECT_FALSE(KeyExists("SOFTWARE\\Palvane"));
}

TEST(OsVersion, ClassifiesEachKnownWindowsAndNothingElse)
{
    // major, minor, platform id, expected
    const std::tuple<int, int, int, int> cases[] = {
        {4, 0, 1, 1},  {4, 0, 2, 5},  {4, 10, 1, 2}, {4, 90, 1, 3}, {3, 51, 2, 4},
        {5, 0, 2, 6},  {5, 1, 2, 7},  {5, 2, 2, 8},  {6, 0, 2, 0},  {6, 1, 2, 0},
        {10, 0, 2, 0}, {4, 0, 0, 0},  {3, 10, 2, 0}, {5, 3, 2, 0},
    };
    for (const auto& [major, minor, platform, expected] : cases)
        EXPECT_EQ(ClassifyOsVersion(major, minor, platform), expected)
            << major << "." << minor << " platform " << platform;
}

TEST(OsVersion, TheTestPrefixIsANewerWindowsThanTheTableKnows)
{
    // Wine reports Windows 7 unless the prefix says otherwise.
    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = sizeof(info);
    ASSERT_TRUE(::GetVersionExA(&info));
    ASSERT_GE(info.dwMajorVersion, 6u);
    EXPECT_EQ(GetOsVersion(), 0);
}
} // namespace
