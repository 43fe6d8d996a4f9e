// Unit tests of the description-file syntax: date line, FCO rows, END; and separator lines.
#include "descriptions/DescriptionSyntax.h"

#include <gtest/gtest.h>

namespace
{
// One row per line, fields joined by '|', so a whole catalogue compares in one assertion.
std::string Rows(const DescriptionCatalogue& catalogue)
{
    std::string text;
    for (const DescriptionRow& row : catalogue.rows)
        text += row.identifier + "|" + row.component + "|" + row.description + "\n";
    return text;
}
}  // namespace

TEST(ParseDescriptionText, ReadsDateAndRowsInFileOrder)
{
    const DescriptionCatalogue catalogue = ParseDescriptionText(
        "15/07/06\n"
        "456@Imaging head@New firmware for the head\n"
        "457@Loader@Replaces the loader belt\n"
        "END;\n"
        "458@After@the end\n");
    EXPECT_TRUE(catalogue.hasDateLine);
    EXPECT_EQ("15/07/06", catalogue.date);
    EXPECT_EQ("456|Imaging head|New firmware for the head\n"
              "457|Loader|Replaces the loader belt\n",
              Rows(catalogue));
}

TEST(ParseDescriptionText, DateLineIsField0AsWritten)
{
    EXPECT_EQ("15/07/06", ParseDescriptionText("15/07/06@catalogue\n1@a@b").date);
    EXPECT_EQ("15/07/06 ", ParseDescriptionText(" \t\t15/07/06 @x").date);
    EXPECT_EQ("15/07/06", ParseDescriptionText("15/07/06\r\n").date);
    EXPECT_EQ("15/07/06\r", ParseDescriptionText("15/07/06\r").date);
    EXPECT_EQ("", ParseDescriptionText("@only a remark\n").date);

    const DescriptionCatalogue endFirst = ParseDescriptionText("END;\n1@a@b\n");
    EXPECT_EQ("END;", endFirst.date);
    EXPECT_EQ("1|a|b\n", Rows(endFirst));
}

TEST(ParseDescriptionText, TrimsFieldsAndIgnoresFieldsBeyondThree)
{
    const DescriptionCatalogue catalogue = ParseDescriptionText(
        "d\n"
        "\t \t456 @ Imaging head\t@\vNew firmware\f \n"
        "457@Loader@Belt@extra@more\n"
        "458\n"
        "459@Only component\n"
        "\n"
        "  END ;  \n");
    EXPECT_EQ("456|Imaging head|New firmware\n"
              "457|Loader|Belt\n"
              "458||\n"
              "459|Only component|\n"
              "||\n"
              "END ;||\n",
              Rows(catalogue));
}

TEST(ParseDescriptionText, EndAndSeparatorAreRecognisedAfterLeadingBlanksOnly)
{
    EXPECT_EQ("1|a|b\n2|c|d\n",
              Rows(ParseDescriptionText("d\n1@a@b\n@--- group ---\n2@c@d\n \t@---\n \tEND;x\n3@e@f")));
    EXPECT_EQ("end;||\n", Rows(ParseDescriptionText("d\nend;\n")));
    EXPECT_EQ("|--|\n", Rows(ParseDescriptionText("d\n@--\n")));
    EXPECT_EQ("x END;||\n", Rows(ParseDescriptionText("d\nx END;\n")));
}

TEST(ParseDescriptionText, CrlfGivesTheSameCatalogueAsLf)
{
    const std::string lf = "15/07/06@x\n456@Head@Firmware\n\n457@Loader@Belt\nEND;\n";
    std::string crlf;
    for (char c : lf)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    const DescriptionCatalogue a = ParseDescriptionText(lf);
    const DescriptionCatalogue b = ParseDescriptionText(crlf);
    EXPECT_EQ(a.date, b.date);
    EXPECT_EQ(Rows(a), Rows(b));
    EXPECT_EQ(3u, b.rows.size());
}

TEST(ParseDescriptionText, TextEndsAtFileEndOrFirstZeroByte)
{
    const DescriptionCatalogue empty = ParseDescriptionText("");
    EXPECT_FALSE(empty.hasDateLine);
    EXPECT_TRUE(empty.rows.empty());
    EXPECT_FALSE(ParseDescriptionText(std::string("\0d\n1@a@b", 8)).hasDateLine);

    EXPECT_EQ("1|a|b\n", Rows(ParseDescriptionText("d\n1@a@b")));
    EXPECT_EQ("1|a|b\n", Rows(ParseDescriptionText("d\n1@a@b\n")));
    EXPECT_EQ("1|a|b\n", Rows(ParseDescriptionText(std::string("d\n1@a@b\0\n2@c@d\n", 15))));

    const DescriptionCatalogue dateOnly = ParseDescriptionText("\n");
    EXPECT_TRUE(dateOnly.hasDateLine);
    EXPECT_EQ("", dateOnly.date);
    EXPECT_TRUE(dateOnly.rows.empty());
}

TEST(ParseDescriptionText, KeepsLongLinesAndFieldsWhole)
{
    const std::string date(40, '1');
    const std::string identifier(300, 'i');
    const std::string description(5000, 'w');
    const DescriptionCatalogue catalogue =
        ParseDescriptionText(date + "\n" + identifier + "@c@" + description + "\n");
    EXPECT_EQ(date, catalogue.date);
    ASSERT_EQ(1u, catalogue.rows.size());
    EXPECT_EQ(identifier, catalogue.rows[0].identifier);
    EXPECT_EQ(description, catalogue.rows[0].description);
}
