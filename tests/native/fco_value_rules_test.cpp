// Unit tests of the normal form of FCO registry values.
#include "registry/FcoValueRules.h"

#include <gtest/gtest.h>

struct FcoValueCase
{
    const char* name;
    const char* data;
    const char* expectedName;
    const char* expectedDate;
};

std::ostream& operator<<(std::ostream& out, const FcoValueCase& c)
{
    return out << '"' << c.name << "\" = \"" << c.data << '"';
}

class NormaliseFcoValueTest : public ::testing::TestWithParam<FcoValueCase> {};

const char kToday[] = "01/02/03";

TEST_P(NormaliseFcoValueTest, GivesNormalForm)
{
    const FcoValueCase& c = GetParam();
    const FcoRecord record = NormaliseFcoValue(c.name, c.data, kToday);
    EXPECT_EQ(c.expectedName, record.szName);
    EXPECT_EQ(c.expectedDate, record.szDate);
}

INSTANTIATE_TEST_SUITE_P(Values, NormaliseFcoValueTest, ::testing::Values(
    FcoValueCase{"FCO456 remote support", "15/07/06 by engineer", "456", "15/07/06"},
    FcoValueCase{"457", "yes", "457", kToday},
    FcoValueCase{"458", "15/07/2006", "458", "15/07/20"},
    FcoValueCase{"459", "2006-07-15", "459", kToday},
    FcoValueCase{"460", "", "460", kToday},
    FcoValueCase{"461", "1/7/6", "461", "1/7/6"},
    FcoValueCase{"FCO", "15/07/06", "", "15/07/06"},
    FcoValueCase{"FCO abc", "15/07/06", "", "15/07/06"},
    FcoValueCase{" lead", "15/07/06", "", "15/07/06"},
    FcoValueCase{"", "15/07/06", "", "15/07/06"},
    FcoValueCase{"fco12", "15/07/06", "fco12", "15/07/06"},
    FcoValueCase{"FCOFCO7", "15/07/06", "FCO7", "15/07/06"}));

TEST(NormaliseFcoValue, KeepsLongIdentifierWhole)
{
    const std::string identifier = "A123456789B123456789C123456789D123456789";
    EXPECT_EQ(identifier, NormaliseFcoValue("FCO" + identifier + " note", "15/07/06", kToday).szName);
}

TEST(IndexFcoRecordsTest, KeepsWhatTheRewrittenKeyHolds)
{
    // "FCO456" and "456" meet under one name: the later record is the one written last.
    const FcoDates dates = IndexFcoRecords({{"456", "01/01/06"}, {"", "02/02/06"}, {"457", "03/03/06"},
                                            {"456", "04/04/06"}});
    EXPECT_EQ(dates, (FcoDates{{"456", "04/04/06"}, {"457", "03/03/06"}}));
}
