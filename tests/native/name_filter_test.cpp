// Unit tests of the picker's file-name rules.
#include "maintenance/NameFilter.h"

#include <gtest/gtest.h>

TEST(HasExtension, MatchesExactTrailingCharacters)
{
    EXPECT_TRUE(HasExtension("15-07-06  02-05-09-PM.reg", "reg"));
    EXPECT_TRUE(HasExtension("xreg", "reg"));
    EXPECT_TRUE(HasExtension("reg", "reg"));
    EXPECT_TRUE(HasExtension("a.b.txt", "txt"));
    EXPECT_FALSE(HasExtension("notes.reg.bak", "reg"));
    EXPECT_FALSE(HasExtension("a.REG", "reg"));
    EXPECT_FALSE(HasExtension("eg", "reg"));
    EXPECT_FALSE(HasExtension("a.reg.", "reg"));
    EXPECT_FALSE(HasExtension("", "txt"));
}

TEST(BaseName, CutsAtFirstDot)
{
    EXPECT_EQ("a", BaseName("a.b.reg"));
    EXPECT_EQ("machine", BaseName("machine.txt"));
    EXPECT_EQ("xreg", BaseName("xreg"));
    EXPECT_EQ("", BaseName(".reg"));
}

TEST(IsListableBaseName, RefusesNamesLongerThan99)
{
    EXPECT_TRUE(IsListableBaseName(std::string(99, 'n')));
    EXPECT_FALSE(IsListableBaseName(std::string(100, 'n')));
    EXPECT_TRUE(IsListableBaseName(""));
}
