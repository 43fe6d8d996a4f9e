// Unit tests of GetToken, the field splitter.
#include "registry/Token.h"

#include <gtest/gtest.h>

struct TokenCase
{
    const char* source;
    int n;
    char separator;
    const char* expected;
};

std::ostream& operator<<(std::ostream& out, const TokenCase& c)
{
    return out << '"' << c.source << "\" field " << c.n << " at '" << c.separator << "'";
}

class GetTokenTest : public ::testing::TestWithParam<TokenCase> {};

TEST_P(GetTokenTest, ReturnsFieldN)
{
    const TokenCase& c = GetParam();
    EXPECT_EQ(c.expected, GetToken(c.source, c.n, c.separator));
}

INSTANTIATE_TEST_SUITE_P(Fields, GetTokenTest, ::testing::Values(
    TokenCase{"12@ab@cd", 0, '@', "12"},
    TokenCase{"12@ab@cd", 1, '@', "ab"},
    TokenCase{"12@ab@cd", 2, '@', "cd"},
    TokenCase{"12@ab@cd", 3, '@', ""},
    TokenCase{"12@ab@cd", 40, '@', ""},
    TokenCase{"@ab", 0, '@', ""},
    TokenCase{"@ab", 1, '@', "ab"},
    TokenCase{"a@@b", 1, '@', ""},
    TokenCase{"a@@b", 2, '@', "b"},
    TokenCase{"FCO456 remote support", 0, ' ', "FCO456"},
    TokenCase{"1.2.3", 2, '.', "3"},
    TokenCase{"", 0, '@', ""}));
