// Unit tests of the FCO lists put into message boxes.
#include "maintenance/NameList.h"

#include <gtest/gtest.h>

TEST(NameListForMessage, ListsFewNamesAndCountsTheRestOfMany)
{
    EXPECT_EQ("", NameListForMessage({}));
    EXPECT_EQ("456", NameListForMessage({"456"}));
    EXPECT_EQ("456, 457, 458", NameListForMessage({"456", "457", "458"}, 3));
    EXPECT_EQ("456, 457 and 2 more", NameListForMessage({"456", "457", "458", "459"}, 2));
}
