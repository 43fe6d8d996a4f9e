// Unit tests of the 80-column wrapping of FCO descriptions.
#include "registry/WrapText.h"

#include <gtest/gtest.h>

namespace
{
std::string Positions(const std::string& text, char c)
{
    std::string found;
    for (std::string::size_type i = 0; i < text.size(); ++i)
        if (text[i] == c)
            found += std::to_string(i) + " ";
    return found;
}
}  // namespace

TEST(WrapText80, BreaksAtFirstBlankPastEachMultipleOf80)
{
    std::string text(200, 'x');
    for (int i = 9; i < 200; i += 10)
        text[i] = ' ';
    const std::string wrapped = WrapText80(text);
    EXPECT_EQ("89 169 ", Positions(wrapped, '\n'));
    EXPECT_EQ(text.size(), wrapped.size());
}

TEST(WrapText80, NeverBreaksAtOrBefore80)
{
    std::string blankAt80(100, 'x');
    blankAt80[80] = ' ';
    EXPECT_EQ(blankAt80, WrapText80(blankAt80));

    EXPECT_EQ(std::string(500, 'x'), WrapText80(std::string(500, 'x')));
    EXPECT_EQ("", WrapText80(""));
}

TEST(WrapText80, FirstBlankPast80IsBrokenEvenForK0)
{
    std::string text(120, 'x');
    text[95] = ' ';
    EXPECT_EQ("95 ", Positions(WrapText80(text), '\n'));
}

TEST(WrapText80, EachStepBreaksOneBlankUpToTheLastMultipleOf80)
{
    // Length 170 gives steps k = 0, 1, 2; a step finds the first blank not yet broken, so the
    // blanks at 85 and 90 take steps 0 and 1, and 160 is reached only by the last step.
    std::string text(170, 'x');
    text[85] = ' ';
    text[90] = ' ';
    text[100] = ' ';
    text[160] = ' ';
    EXPECT_EQ("85 90 160 ", Positions(WrapText80(text), '\n'));
}
