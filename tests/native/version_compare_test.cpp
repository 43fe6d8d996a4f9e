// Unit tests of the version and date comparisons that decide what the self-install copies.
#include "maintenance/VersionCompare.h"

#include <gtest/gtest.h>

TEST(VersionToNumber, WeighsTheFourFieldsAsWritten)
{
    EXPECT_EQ(3142, VersionToNumber("3, 1, 4, 2"));
    EXPECT_EQ(2000, VersionToNumber("1, 10, 0, 0"));
    EXPECT_EQ(2000, VersionToNumber("2, 0, 0, 0"));
    EXPECT_EQ(0, VersionToNumber(""));
    EXPECT_EQ(5000, VersionToNumber("5"));
    EXPECT_EQ(7200, VersionToNumber("\t7x, +2"));
    EXPECT_EQ(-1000, VersionToNumber("-1, 0, 0, 0"));
    EXPECT_EQ(999999000, VersionToNumber("123456789012345678901234567890, 0, 0, 0"));
}

TEST(IsVersionNewer, ComparesFieldByFieldFromTheFirst)
{
    EXPECT_TRUE(IsVersionNewer("3, 1, 4, 2", "3, 1, 4, 1"));
    EXPECT_FALSE(IsVersionNewer("3, 1, 4, 1", "3, 1, 4, 2"));
    EXPECT_FALSE(IsVersionNewer("3, 1, 4, 2", "3, 1, 4, 2"));
    EXPECT_FALSE(IsVersionNewer("1, 10, 0, 0", "2, 0, 0, 0"));
    EXPECT_TRUE(IsVersionNewer("2, 0, 0, 0", "1, 10, 0, 0"));
    // The weighted sums say 1200 > 1100; the fields say the installed program is newer.
    EXPECT_FALSE(IsVersionNewer("1, 0, 20, 0", "1, 1, 0, 0"));
    EXPECT_TRUE(IsVersionNewer("1, 1, 0, 0", "1, 0, 20, 0"));
    EXPECT_TRUE(IsVersionNewer("1, 10, 0, 0", "1, 9, 0, 0"));
}

TEST(IsVersionNewer, CountsMissingAndUnreadableFieldsAsZero)
{
    EXPECT_FALSE(IsVersionNewer("1, 2", "1, 2, 0, 0"));
    EXPECT_FALSE(IsVersionNewer("1, 2, 0, 0", "1, 2"));
    EXPECT_TRUE(IsVersionNewer("1, 2, 0, 1", "1, 2"));
    EXPECT_TRUE(IsVersionNewer("1, 10, 0, 0", ""));
    EXPECT_FALSE(IsVersionNewer("", "1, 10, 0, 0"));
    EXPECT_FALSE(IsVersionNewer("", ""));
    EXPECT_FALSE(IsVersionNewer("x, y, z, w", "0, 0, 0, 0"));
    EXPECT_FALSE(IsVersionNewer("1, 0, 0, 0, 9", "1, 0, 0, 0"));
}

TEST(IsDateNewer, ComparesYearThenMonthThenDay)
{
    EXPECT_TRUE(IsDateNewer("01/01/07", "31/12/06"));
    EXPECT_FALSE(IsDateNewer("31/12/06", "01/01/07"));
    EXPECT_TRUE(IsDateNewer("01/02/06", "28/01/06"));
    EXPECT_TRUE(IsDateNewer("02/01/06", "01/01/06"));
    EXPECT_FALSE(IsDateNewer("01/01/06", "02/01/06"));
    EXPECT_FALSE(IsDateNewer("14/03/06", "14/03/06"));
    // Two-digit years are the numbers written: 06 comes before 99.
    EXPECT_FALSE(IsDateNewer("01/01/06", "01/01/99"));
    EXPECT_TRUE(IsDateNewer("01/01/99", "01/01/06"));
}

TEST(IsDateNewer, ReadsFieldsAsAtoiAndMissingOnesAsZero)
{
    EXPECT_FALSE(IsDateNewer("01/01", "01/01/00"));
    EXPECT_FALSE(IsDateNewer("01/01/00", "01/01"));
    EXPECT_TRUE(IsDateNewer("01/01/01", "01/01"));
    EXPECT_TRUE(IsDateNewer("5", ""));
    EXPECT_FALSE(IsDateNewer("", "5"));
    EXPECT_FALSE(IsDateNewer("", ""));
    EXPECT_TRUE(IsDateNewer("01/01/07\r", "31/12/06"));
    EXPECT_TRUE(IsDateNewer(" 1/ 1/ 7", "31/12/06"));
    EXPECT_FALSE(IsDateNewer("1/1/7 remark", "01/01/07"));
}

TEST(FileDateOfText, TakesTheFirstLineBeforeTheAtSign)
{
    EXPECT_EQ("14/03/06", FileDateOfText("  14/03/06@catalogue of the QX-200\r\n456@a@b\r\n"));
    EXPECT_EQ("01/01/07\r", FileDateOfText("\t 01/01/07\r\n456@a@b\r\n"));
    EXPECT_EQ("01/01/07 ", FileDateOfText("01/01/07 "));
    EXPECT_EQ("", FileDateOfText("@remark\n"));
    EXPECT_EQ("", FileDateOfText("\n01/01/07\n"));
    EXPECT_EQ("", FileDateOfText(""));
    EXPECT_EQ("01/01/07", FileDateOfText(std::string("01/01/07\0@x", 11)));
}
