// Unit tests of the tip's text rules: segments, pages, measured lines, the description prefix, bounded buffers.
#include "tooltip/TipText.h"

#include <gtest/gtest.h>

#include <vector>

TEST(TipTextTest, SegmentsAreCutAtEverySeparatorAndMissingOnesAreEmpty)
{
    EXPECT_EQ(GetTextSegment("one\rtwo\rthree", 0, '\r'), "one");
    EXPECT_EQ(GetTextSegment("one\rtwo\rthree", 1, '\r'), "two");
    EXPECT_EQ(GetTextSegment("one\rtwo\rthree", 2, '\r'), "three");
    EXPECT_EQ(GetTextSegment("one\rtwo\rthree", 3, '\r'), "");
    EXPECT_EQ(GetTextSegment("no separator", 0, '\r'), "no separator");
    EXPECT_EQ(GetTextSegment("no separator", 1, '\r'), "");
    EXPECT_EQ(GetTextSegment("a\r\rb", 1, '\r'), "");
    EXPECT_EQ(GetTextSegment("a\r\rb", 2, '\r'), "b");
    EXPECT_EQ(GetTextSegment("\rb", 0, '\r'), "");
    EXPECT_EQ(GetTextSegment("", 0, '\r'), "");
    EXPECT_EQ(GetTextSegment("a\rb", -1, '\r'), "");
    // A separator at the end leaves an empty last segment and nothing after it.
    EXPECT_EQ(GetTextSegment("abc\r", 0, '\r'), "abc");
    EXPECT_EQ(GetTextSegment("abc\r", 1, '\r'), "");
    EXPECT_EQ(GetTextSegment("abc\r", 2, '\r'), "");
}

TEST(TipTextTest, OnlyTheExactPrefixAtTheStartAsksForTheDescription)
{
    EXPECT_TRUE(IsDescriptionText("Description: please click on right click button to show ToolTip "));
    EXPECT_TRUE(IsDescriptionText("Description:"));
    EXPECT_TRUE(IsDescriptionText("Description:x"));
    EXPECT_FALSE(IsDescriptionText("description: lower case"));
    EXPECT_FALSE(IsDescriptionText(" Description: after a blank"));
    EXPECT_FALSE(IsDescriptionText("The Description: in the middle"));
    EXPECT_FALSE(IsDescriptionText("Description"));
    EXPECT_FALSE(IsDescriptionText(""));
}

TEST(TipTextTest, ACarriageReturnMakesTwoPagesWithArrowRoomOnTheArrowSide)
{
    EXPECT_FALSE(HasTwoPages("one page\nwith lines"));
    EXPECT_TRUE(HasTwoPages("A\rB"));

    EXPECT_EQ(PageText("A\rB", 0), "A  ");
    EXPECT_EQ(PageText("A\rB", 1), "  B");
    // Anything after a second carriage return is never shown.
    EXPECT_EQ(PageText("A\rB\rC", 1), "  B");
    EXPECT_EQ(PageText("A\rB\rC", 0), "A  ");
    // Every page but 0 is the second page.
    EXPECT_EQ(PageText("A\rB", 2), "  B");
    // A text ending in a carriage return has an empty second page: only the arrow.
    EXPECT_EQ(PageText("abc\r", 0), "abc  ");
    EXPECT_EQ(PageText("abc\r", 1), "  ");
    // A Windows line end: the second page starts with its line feed, so the arrow stands alone.
    EXPECT_EQ(PageText("A\r\nB", 1), "  \nB");
    EXPECT_EQ(PageText("\r", 0), "  ");
}

TEST(TipTextTest, OnePageTextIsShownAsItIsOnEitherPage)
{
    EXPECT_EQ(PageText("Click here\tto exit & leave", 0), "Click here\tto exit & leave");
    EXPECT_EQ(PageText("Click here\tto exit & leave", 1), "Click here\tto exit & leave");
    EXPECT_EQ(PageText("", 0), "");
}

TEST(TipTextTest, EveryLineIncludingEmptyOnesIsMeasuredWithArrowRoom)
{
    EXPECT_EQ(MeasuredLines("first\n\nthird"), (std::vector<std::string>{"first  ", "  ", "third  "}));
    EXPECT_EQ(MeasuredLines("ends with\n"), (std::vector<std::string>{"ends with  ", "  "}));
    EXPECT_EQ(MeasuredLines("\n"), (std::vector<std::string>{"  ", "  "}));
    EXPECT_EQ(MeasuredLines(""), (std::vector<std::string>{"  "}));
    // A carriage return does not end a line: page arrow room stays inside the line.
    EXPECT_EQ(MeasuredLines("A  \nB"), (std::vector<std::string>{"A    ", "B  "}));
}

TEST(TipTextTest, BufferTextStopsAtTheFirstNulOrAtTheBufferEnd)
{
    const char terminated[8] = {'a', 'b', '\0', 'x', 'x', 'x', 'x', 'x'};
    EXPECT_EQ(TextOfBuffer(terminated, sizeof(terminated)), "ab");
    const char full[4] = {'w', 'x', 'y', 'z'};
    EXPECT_EQ(TextOfBuffer(full, sizeof(full)), "wxyz");
    EXPECT_EQ(TextOfBuffer(full, 2), "wx");
    EXPECT_EQ(TextOfBuffer(full, 0), "");
    EXPECT_EQ(TextOfBuffer(nullptr, 80), "");
}
